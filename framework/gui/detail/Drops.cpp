#include "framework/gui/detail/Drops.h"

#include <QDropEvent>
#include <QMimeData>

namespace fw::detail {

bool AcceptAsCopy(QDropEvent& event) {
    if (!(event.possibleActions() & Qt::CopyAction)) return false;
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

void AnswerUrlsAsCopy(QDropEvent& event) {
    if (event.isAccepted() && event.mimeData() && event.mimeData()->hasUrls()) AcceptAsCopy(event);
}

}  // namespace fw::detail
