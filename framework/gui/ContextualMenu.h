#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/gui/Control.h"

namespace fw {

// A pop-up menu of text rows owned by a window. Open shows it where the latest contextual click
// was, at the mouse or, from the keyboard, at the focused control (through the context-menu hook),
// and raises Action with the chosen row's text; nothing when dismissed.
class ContextualMenu : public Control {
public:
    explicit ContextualMenu(Window& owner) : Control(owner) {}

    void DeleteAllRows() { rows_.clear(); }
    void AddRow(const std::string& text) { rows_.push_back(text); }
    // A separator is a row whose text is "-".
    void AddSeparator() { rows_.push_back("-"); }
    int Count() const { return static_cast<int>(rows_.size()); }
    const std::vector<std::string>& Rows() const { return rows_; }

    void Open();

    std::function<void(const std::string& item)> OnAction;
    virtual void Event_Action(const std::string& item) {
        if (OnAction) OnAction(item);
    }

private:
    std::vector<std::string> rows_;
};

}  // namespace fw
