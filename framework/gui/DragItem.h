#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class FolderItem;

// The items of a drag. Dragging out: DragRow receives one with an empty first item; every
// AddItem makes a new current item whose text the handler sets. Dropping in: each local file
// is an item with a folder item, the dropped text one item with text; the first is current.
class DragItem {
public:
    struct Item {
        std::optional<std::string> text;
        std::shared_ptr<fw::FolderItem> folderItem;
        int left = 0, top = 0, width = 0, height = 0;
    };

    DragItem();
    explicit DragItem(std::vector<Item> items);

    // Adds a new item and makes it the current one.
    void AddItem(int left, int top, int width, int height);

    bool TextAvailable() const;
    // The current item's text ("" when it holds none). Line ends are the system's (CR).
    std::string Text() const;
    void SetText(const std::string& text);

    bool FolderItemAvailable() const;
    std::shared_ptr<fw::FolderItem> FolderItem() const;
    void SetFolderItem(std::shared_ptr<fw::FolderItem> item);

    // Moves to the next item; false (staying on the last) when there is none.
    bool NextItem();

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::vector<Item>& Items() const { return items_; }

private:
    std::vector<Item> items_;
    std::size_t current_ = 0;
};

}  // namespace fw
