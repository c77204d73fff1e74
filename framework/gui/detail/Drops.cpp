#include "framework/gui/detail/Drops.h"

#include <QDropEvent>
#include <QMimeData>

namespace fw::detail {

void AnswerUrlsAsCopy(QDropEvent& event) {
    if (!event.isAccepted() || !event.mimeData() || !event.mimeData()->hasUrls() ||
        !(event.possibleActions() & Qt::CopyAction))
        return;
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

}  // namespace fw::detail
