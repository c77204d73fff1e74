#include "framework/gui/detail/LineEdit.h"

#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>

// The paint needs the line control's layout and the scroll offset Qt's own handlers read, and
// the layout's items to know where a slice of the line can stand for it.
#include <QtGui/private/qtextengine_p.h>
#include <QtWidgets/private/qlineedit_p.h>
#include <QtWidgets/private/qwidgetlinecontrol_p.h>

namespace fw::detail {

namespace {

// Qt's margins between the contents rectangle and the text line; its mouse and input-method
// handlers count them too, but they are not exported.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// Up to this many UTF-16 units the text's ink is measured to centre it, as Qt does; beyond, the
// font's height serves: measuring shapes the whole line again, about 140 ms per megabyte.
constexpr int kMeasuredLength = 4096;

// Characters laid out on each side of those in view, so that the glyphs at the slice's edges,
// shaped without their neighbours, fall outside the clip.
constexpr int kSliceMargin = 16;

// Draws the text and the selection of the line control's line that fall in `clip`, as its own
// draw at `topLeft` would, from a layout of those characters alone: Qt's draw goes through
// every glyph of the line whatever the clip, about 65 ms per megabyte. Returns false where such
// a slice cannot stand for the line: an input method's preedit and its formats, a mask,
// right-to-left text in view, and tabs, whose stops count from the line's start.
bool DrawSlice(QPainter& painter, QWidgetLineControl& control, QPoint topLeft, const QRect& clip,
               bool selection) {
    QTextLayout& layout = *control.textLayout();
    const QTextEngine& engine = *layout.engine();
    if (!layout.preeditAreaText().isEmpty() || !layout.formats().isEmpty() ||
        !control.inputMask().isEmpty() || control.layoutDirection() != Qt::LeftToRight ||
        !engine.layoutData)
        return false;
    const QTextLine line = layout.lineAt(0);
    const int end = line.textStart() + line.textLength();
    int from = std::max(0, line.xToCursor(clip.left() - topLeft.x()) - kSliceMargin);
    int to = std::min(end, line.xToCursor(clip.right() + 1 - topLeft.x()) + kSliceMargin);
    while (from > 0 && !layout.isValidCursorPosition(from)) --from;
    while (to < end && !layout.isValidCursorPosition(to)) ++to;
    if (from >= to) return true;
    const auto& items = engine.layoutData->items;
    for (int item = engine.findItem(from); item < items.size() && items[item].position < to;
         ++item) {
        const QScriptAnalysis& analysis = items[item].analysis;
        if (analysis.bidiLevel != 0 || analysis.flags == QScriptAnalysis::Tab) return false;
    }

    QTextLayout slice(layout.text().mid(from, to - from), layout.font());
    QTextOption option = layout.textOption();
    option.setTextDirection(Qt::LeftToRight);
    slice.setTextOption(option);
    slice.beginLayout();
    const QTextLine sliceLine = slice.createLine();
    slice.endLayout();

    QList<QTextLayout::FormatRange> selections;
    const int selStart = std::max(control.selectionStart(), from);
    const int selEnd = std::min(control.selectionEnd(), to);
    if (selection && selStart < selEnd) {
        QTextLayout::FormatRange range;
        range.start = selStart - from;
        range.length = selEnd - selStart;
        range.format.setBackground(control.palette().brush(QPalette::Highlight));
        range.format.setForeground(control.palette().brush(QPalette::HighlightedText));
        selections.append(range);
    }
    // The slice's baseline and its first character's x are the line's.
    slice.draw(&painter,
               QPointF(topLeft) + QPointF(line.cursorToX(from), line.ascent() - sliceLine.ascent()),
               selections, clip);
    return true;
}

}  // namespace

bool LineEdit::event(QEvent* event) {
    // QLineEdit's own handling of activation only deselects.
    if (event->type() == QEvent::WindowActivate) return QWidget::event(event);
    return QLineEdit::event(event);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    QLineEdit::focusInEvent(event);
}

// QLineEdit drops its selection when it loses the focus; the field keeps it, unseen.
void LineEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu borrows the focus for the selection it acts on.
    if (event->reason() != Qt::PopupFocusReason) focused_ = false;
    const int start = selectionStart();
    const int length = static_cast<int>(selectedText().size());
    const int cursor = cursorPosition();
    *quiet = true;
    QLineEdit::focusOutEvent(event);
    if (start >= 0 && length > 0) {
        // Puts the cursor back on the side it stood.
        if (cursor == start)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
    *quiet = false;
}

void LineEdit::dragEnterEvent(QDragEnterEvent* event) {
    dragOver_ = true;
    QLineEdit::dragEnterEvent(event);
}

void LineEdit::dragLeaveEvent(QDragLeaveEvent* event) {
    dragOver_ = false;
    QLineEdit::dragLeaveEvent(event);
}

void LineEdit::dropEvent(QDropEvent* event) {
    dragOver_ = false;
    QLineEdit::dropEvent(event);
}

// QLineEdit's paint but for two things. Qt shapes the whole line at every paint (each blink of
// the caret, each time the field is shown) only to measure its ink and centre it, and draws all
// of its glyphs: a long line is centred by the font's height instead, and only the characters in
// view are drawn. And the selection and the caret are drawn only with the focus (Qt shows the
// caret of any field given a selection, focused or not), the caret also where a drag would drop
// its text.
void LineEdit::paintEvent(QPaintEvent*) {
    QLineEditPrivate* d = QLineEditPrivate::get(this);
    QWidgetLineControl* control = d->control;
    QPainter painter(this);
    const QPalette pal = palette();

    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    painter.setClipRect(contents);

    const QFontMetrics metrics = fontMetrics();
    const QString text = control->text();
    const QString preedit = control->preeditAreaText();
    int lineHeight = metrics.height();
    if (text.size() + preedit.size() <= kMeasuredLength)
        lineHeight = std::max(lineHeight, metrics.boundingRect(text + preedit).height());

    const Qt::Alignment align =
        QStyle::visualAlignment(control->layoutDirection(), QFlag(d->alignment));
    if (align & Qt::AlignBottom)
        d->vscroll = contents.bottom() + 1 - lineHeight - kVerticalMargin;
    else if (align & Qt::AlignTop)
        d->vscroll = contents.y() + kVerticalMargin;
    else
        d->vscroll = contents.y() + (contents.height() - lineHeight + 1) / 2;
    const QRect line(contents.x() + kHorizontalMargin, d->vscroll,
                     contents.width() - 2 * kHorizontalMargin, lineHeight);

    // The horizontal scroll keeps the caret in the line; Qt's mouse, drag and input-method
    // handlers read it back.
    const int caretX = qRound(control->cursorToX());
    const int used = qRound(control->naturalTextWidth()) + 1;
    int& scroll = d->hscroll;
    if (used <= line.width()) {
        if (align & Qt::AlignRight)
            scroll = used - line.width() + 1;
        else if (align & Qt::AlignHCenter)
            scroll = (used - line.width()) / 2;
        else
            scroll = 0;
    } else if (caretX - scroll >= line.width()) {
        scroll = caretX - line.width() + 1;
    } else if (caretX - scroll < 0 && scroll < used) {
        scroll = caretX;
    } else if (used - scroll < line.width()) {
        scroll = used - line.width() + 1;
    } else {
        scroll = std::max(0, scroll);
    }

    // The baseline stays where it is when the script, and with it the ascent, changes.
    const QPoint topLeft = line.topLeft() - QPoint(scroll, control->ascent() - metrics.ascent());
    painter.setPen(pal.text().color());
    int flags = QWidgetLineControl::DrawText;
    if (focused_ && control->hasSelectedText()) {
        flags |= QWidgetLineControl::DrawSelections;
        if (control->palette() != pal ||
            control->palette().currentColorGroup() != pal.currentColorGroup())
            control->setPalette(pal);
    }
    if (d->cursorVisible && (focused_ || dragOver_) && !control->isReadOnly() &&
        control->inputMask().isEmpty())
        flags |= QWidgetLineControl::DrawCursor;
    control->setCursorWidth(style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this));
    if (text.size() > kMeasuredLength &&
        DrawSlice(painter, *control, topLeft, contents, flags & QWidgetLineControl::DrawSelections))
        flags &= ~(QWidgetLineControl::DrawText | QWidgetLineControl::DrawSelections);
    control->draw(&painter, topLeft, contents, flags);
}

}  // namespace fw::detail
