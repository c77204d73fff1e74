#include "framework/gui/ListView_p.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "framework/core/MsgBox.h"
#include "framework/core/Utf8.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/ListModel_p.h"
#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/detail/EventLoopTurn.h"
#include "framework/gui/detail/Text.h"

namespace fw::detail {

ListView::ListView(Listbox& listbox, ListModel& model)
    : listbox_(listbox), model_(model), header_(new QHeaderView(Qt::Horizontal, this)) {
    setModel(&model);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(true);
    connect(&model, &QAbstractItemModel::rowsInserted, this, [this] { RowsChanged(); });
    connect(&model, &QAbstractItemModel::rowsRemoved, this, [this] { RowsChanged(); });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { RowsChanged(); });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(new ListDelegate(listbox, model, *this));
    setFocusPolicy(Qt::StrongFocus);
    header_->setModel(&model);
    header_->setStretchLastSection(true);
    header_->setSectionsClickable(false);
    header_->hide();
}

void ListView::SetHasHeading(bool on) {
    hasHeading_ = on;
    header_->setVisible(on);
    updateGeometries();
}

void ListView::SetRowHeight(int height) {
    rowHeight_ = height;
    RowsChanged();
}

void ListView::RowsChanged() {
    updateGeometries();
    viewport()->update();
}

qint64 ListView::Offset() const {
    return qint64{verticalScrollBar()->value()} * scrollUnit_;
}

void ListView::SetOffset(qint64 pixels) {
    ScrollToStep(pixels / scrollUnit_);
}

void ListView::ScrollToStep(qint64 step) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(static_cast<int>(std::clamp<qint64>(step, 0, bar->maximum())));
}

int ListView::verticalOffset() const {
    return static_cast<int>(std::min<qint64>(Offset(), INT_MAX));
}

int ListView::PageSteps() const {
    const int height = viewport()->height();
    return scrollUnit_ == 1 ? height : std::max(1, height / RowHeight());
}

QRect ListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    const int h = RowHeight();
    // A row far from the viewport is placed just as far outside it as an int allows.
    constexpr qint64 kFar = qint64{1} << 30;
    const qint64 top = qint64{index.row()} * h - Offset();
    return {0, static_cast<int>(std::clamp(top, -kFar, kFar)), viewport()->width(), h};
}

QModelIndex ListView::indexAt(const QPoint& point) const {
    if (point.y() < 0) return {};
    const qint64 row = (point.y() + Offset()) / RowHeight();
    return row < model_.rowCount() ? model_.index(static_cast<int>(row)) : QModelIndex();
}

void ListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) return;
    // In steps of the scroll bar.
    const qint64 h = RowHeight() / scrollUnit_;
    const qint64 top = index.row() * h;
    const qint64 height = PageSteps();
    QScrollBar* bar = verticalScrollBar();
    if (hint == PositionAtTop || (hint == EnsureVisible && top < bar->value()))
        ScrollToStep(top);
    else if (hint == PositionAtBottom || (hint == EnsureVisible && top + h > bar->value() + height))
        ScrollToStep(top + h - height);
    else if (hint == PositionAtCenter)
        ScrollToStep(top + h / 2 - height / 2);
}

void ListView::scrollContentsBy(int dx, int dy) {
    const qint64 pixels = qint64{dy} * scrollUnit_;
    if (std::abs(pixels) < viewport()->height())
        viewport()->scroll(dx, static_cast<int>(pixels));
    else
        viewport()->update();
}

int ListView::RowHeight() const {
    return rowHeight_ > 0 ? rowHeight_ : fontMetrics().height() + 4;
}

void ListView::updateGeometries() {
    const int headerHeight = hasHeading_ ? header_->sizeHint().height() : 0;
    setViewportMargins(0, headerHeight, 0, 0);
    if (hasHeading_) {
        const QRect area = viewport()->geometry();
        header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    }
    const int h = RowHeight();
    const qint64 rows = model_.rowCount();
    const qint64 offset = Offset();
    const int unit = rows * h - viewport()->height() <= INT_MAX ? 1 : h;
    QScrollBar* bar = verticalScrollBar();
    if (unit != scrollUnit_) {
        scrollUnit_ = unit;
        viewport()->update();
    }
    bar->setSingleStep(h / unit);
    bar->setPageStep(PageSteps());
    bar->setRange(0, static_cast<int>(std::max<qint64>(0, rows * h / unit - PageSteps())));
    SetOffset(offset);
    QAbstractItemView::updateGeometries();
}

void ListView::paintEvent(QPaintEvent* event) {
    // Rows appended since the last turn are shown at once.
    model_.Announce();
    QPainter painter(viewport());
    const int h = RowHeight();
    const QRect area = event->rect();
    const qint64 offset = Offset();
    const int first = static_cast<int>(std::max<qint64>(0, (area.top() + offset) / h));
    const int last =
        static_cast<int>(std::min<qint64>(model_.rowCount() - 1, (area.bottom() + offset) / h));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model_.index(row);
        option.rect = visualRect(index);
        itemDelegate()->paint(&painter, option, index);
    }
}

void ListView::SelectOnly(int row) {
    model_.ClearSelection();
    if (row >= 0 && row < model_.Count()) model_.SetSelected(row, true);
    viewport()->update();
}

void ListView::MoveCursor(int row, bool extend) {
    model_.Announce();
    const int count = model_.Count();
    if (count == 0) return;
    row = std::clamp(row, 0, count - 1);
    if (extend && listbox_.SelectionType() == 1 && anchor_ >= 0) {
        model_.ClearSelection();
        model_.SelectRange(std::min(anchor_, row), std::max(anchor_, row));
        cursor_ = row;
    } else {
        SelectOnly(row);
        cursor_ = anchor_ = row;
    }
    scrollTo(model_.index(row));
    viewport()->update();
}

void ListView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    model_.Announce();
    const QPoint pos = event->position().toPoint();
    const int row = indexAt(pos).row();
    const bool multi = listbox_.SelectionType() == 1;
    const auto mods = event->modifiers();
    pressPos_ = pos;
    pressRow_ = row;
    pendingClickRow_ = -1;
    if (row < 0) {
        if (!(mods & (Qt::ShiftModifier | Qt::ControlModifier))) SelectOnly(-1);
        dragPossible_ = false;
        return;
    }
    if (multi && (mods & Qt::ShiftModifier) && anchor_ >= 0) {
        if (!(mods & Qt::ControlModifier)) model_.ClearSelection();
        model_.SelectRange(std::min(anchor_, row), std::max(anchor_, row));
        cursor_ = row;
    } else if (multi && (mods & Qt::ControlModifier)) {
        model_.SetSelected(row, !model_.Selected(row));
        cursor_ = anchor_ = row;
    } else if (model_.Selected(row) && event->button() == Qt::LeftButton) {
        // A press on a selected row may start a drag of the whole selection; the click
        // selects the row alone only when the button comes up without a drag.
        pendingClickRow_ = row;
        cursor_ = anchor_ = row;
    } else {
        SelectOnly(row);
        cursor_ = anchor_ = row;
    }
    dragPossible_ =
        event->button() == Qt::LeftButton && listbox_.EnableDrag() && model_.Selected(row);
    viewport()->update();
}

void ListView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !dragPossible_) return;
    if ((event->position().toPoint() - pressPos_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    dragPossible_ = false;
    pendingClickRow_ = -1;
    listbox_.StartDrag(pressRow_);
}

void ListView::mouseReleaseEvent(QMouseEvent*) {
    if (pendingClickRow_ >= 0) SelectOnly(pendingClickRow_);
    pendingClickRow_ = -1;
    dragPossible_ = false;
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ListView::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int page = std::max(1, viewport()->height() / std::max(1, RowHeight()));
    const int from = cursor_ >= 0 ? cursor_ : -1;
    switch (event->key()) {
        case Qt::Key_Up:
            MoveCursor(from < 0 ? 0 : from - 1, extend);
            break;
        case Qt::Key_Down:
            MoveCursor(from + 1, extend);
            break;
        case Qt::Key_PageUp:
            MoveCursor(from - page, extend);
            break;
        case Qt::Key_PageDown:
            MoveCursor(from + page, extend);
            break;
        case Qt::Key_Home:
            MoveCursor(0, extend);
            break;
        case Qt::Key_End:
            MoveCursor(model_.Count() - 1, extend);
            break;
        default:
            event->ignore();
            return;
    }
    event->accept();
}

void ListView::focusInEvent(QFocusEvent* event) {
    QAbstractItemView::focusInEvent(event);
    viewport()->update();
}

void ListView::focusOutEvent(QFocusEvent* event) {
    QAbstractItemView::focusOutEvent(event);
    viewport()->update();
}

void ListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const int row = index.row();
    if (row < 0 || row >= model_.Count()) return;
    const QRect rect = option.rect;
    bool tookOver = false;
    painter->save();
    painter->translate(rect.topLeft());
    painter->setClipRect(QRect(0, 0, rect.width(), rect.height()));
    {
        Graphics g(*painter, rect.width(), rect.height());
        try {
            tookOver = listbox_.Event_CellBackgroundPaint(g, row, 0);
        } catch (...) {
            // Reported once the paint is over (a message box inside a paint event would paint
            // again underneath it), and once for all the rows of one paint.
            static bool reportPending = false;
            if (!reportPending) {
                reportPending = true;
                QTimer::singleShot(0, [failure = std::current_exception()] {
                    reportPending = false;
                    HandleUnhandledException(failure);
                });
            }
        }
    }
    painter->restore();
    const bool selected = model_.Selected(row);
    const QPalette::ColorGroup group = view_.hasFocus() ? QPalette::Active : QPalette::Inactive;
    if (selected && !tookOver)
        painter->fillRect(rect, option.palette.color(group, QPalette::Highlight));
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QRect textRect = rect.adjusted(4, 0, -2, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      ShownStart(model_.Row(row), option.fontMetrics, textRect.width()));
}

QString ListDelegate::ShownStart(std::string_view row, const QFontMetrics& metrics, int width) {
    // Qt lays out the whole of the text it elides, and a row may hold megabytes. A first guess
    // from the average width of a character is doubled until the text no longer fits or the
    // row has no more, so a row costs what its visible part costs. A character that can be seen
    // is a pixel wide at least: more than one per pixel are never needed.
    const auto most = static_cast<std::size_t>(std::max(0, width)) + 1;
    const auto guess = most / static_cast<std::size_t>(std::max(1, metrics.averageCharWidth())) + 2;
    for (std::size_t n = std::min(guess, most);; n = std::min(2 * n, most)) {
        const std::size_t end = utf8::OffsetOfChar(row, n);
        const QString start = ToQtText(row.substr(0, end));
        const QString shown = metrics.elidedText(start, Qt::ElideRight, width);
        if (shown != start || end == row.size() || n == most) return shown;
    }
}

QSize ListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {100, view_.RowHeight()};
}

}  // namespace fw::detail
