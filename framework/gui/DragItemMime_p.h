#pragma once

#include <QMimeData>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/gui/DragItem.h"

class QWidget;

namespace fw::detail {

// What a drop offers a target, its text not yet converted: enough to accept or refuse the drop
// at every move of the mouse, where converting a large text each time would stall the drag.
struct DropOffer {
    QString text;  // empty: no text item
    std::vector<std::string> files;
    bool Empty() const { return text.isEmpty() && files.empty(); }
};

// The dropped text when the target takes text and the text does more than restate the dropped
// files, and each local file the target takes.
DropOffer OfferOf(const QMimeData& data, bool acceptText,
                  const std::function<bool(const std::string& path)>& takesFile);

// The drag of a non-empty offer: its text as one item (line ends made CR), then each file as a
// folder item.
DragItem DragOf(const DropOffer& offer);

// The data of a drag out: each item with text one line of text/plain (CR made LF), and the
// items that are URLs also as text/uri-list.
std::unique_ptr<QMimeData> DragData(const DragItem& drag);

// Carries out a drag out of the widget (through the drag hook when one is set).
void ExecDrag(QWidget* source, std::unique_ptr<QMimeData> data);

}  // namespace fw::detail
