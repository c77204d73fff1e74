#pragma once

#include <QMimeData>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/gui/DragItem.h"

class QWidget;

namespace fw::detail {

// The drag a drop offers to a target: the dropped text as one item (line ends made CR) when
// the target takes text and the text does more than restate the dropped files, then each local
// file the target takes as a folder item. None when nothing is left.
std::optional<DragItem> DropItems(const QMimeData& data, bool acceptText,
                                  const std::function<bool(const std::string& path)>& takesFile);

// The data of a drag out: each item with text one line of text/plain (CR made LF), and the
// items that are URLs also as text/uri-list.
std::unique_ptr<QMimeData> DragData(const DragItem& drag);

// Carries out a drag out of the widget (through the drag hook when one is set).
void ExecDrag(QWidget* source, std::unique_ptr<QMimeData> data);

}  // namespace fw::detail
