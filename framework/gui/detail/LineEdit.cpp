#include "framework/gui/detail/LineEdit.h"

#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
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

#include "framework/gui/detail/Drops.h"

namespace fw::detail {

namespace {

// Qt's margins between the contents rectangle and the text line; its mouse and input-method
// handlers count them too, but they are not exported.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// Up to this many UTF-16 units the text's ink is measured to centre it, as Qt does; beyond, the
// font's height serves: measuring shapes the whole line again, about 140 ms per megabyte.
constexpr int kMeasuredLength = 4096;

// The slice starts with this many characters on each side of the caret, and grows fourfold
// until it covers the view with a margin, so that the glyphs at its edges, shaped without their
// neighbours, fall outside the clip; a line whose view would need more is left to Qt, unless a
// cluster in it was cut: then the view holds that cluster's marks piled up, and the slice shows
// as many of them as it holds.
constexpr int kSliceStart = 256;
constexpr int kSliceMost = 65536;
constexpr qreal kSliceMarginPx = 32;

// An edge of the slice moves at most this far to the edge of the grapheme cluster it falls in.
// A longer cluster (a million marks on one letter) is cut: at the slice's end, where the rest of
// it lies beyond; at its start, the slice keeps the cluster's letter and its first marks and goes
// on at the cut, the marks left out being piled past the view's top or set past its left.
constexpr int kClusterReach = 256;

struct SliceEdge {
    int position;
    bool cut;  // inside a grapheme cluster
};

// A cut at `position` of `text`, past a low surrogate so as not to part it from its high one.
int CutAt(const QString& text, int position) {
    return text.at(position).isLowSurrogate() ? position + 1 : position;
}

// The edge of the grapheme cluster at or beyond `position`, going by `step` (-1 or 1) no
// further than `bound`, or else a cut at `position`.
SliceEdge ClusterEdge(const QTextLayout& layout, int position, int step, int bound) {
    for (int moved = 0; moved <= kClusterReach; ++moved) {
        const int at = position + moved * step;
        if (at == bound || layout.isValidCursorPosition(at)) return {at, false};
    }
    return {CutAt(layout.text(), position), true};
}

// Where a paint's line ends, given where Qt's does. Qt shapes a long line in pieces of a few
// thousand characters, and in some fonts each mark in a piece after its letter's takes a width:
// a letter with a million marks then passes the line's width limit, and Qt leaves out the word
// that holds it where text stands before it. The paint shows the word up to that letter, and the
// letter cut, with its first marks.
int ShownEnd(const QTextLayout& layout, int end) {
    if (!layout.isValidCursorPosition(end)) return end;
    const int length = static_cast<int>(layout.text().size());
    for (int letter = end; letter < length && letter - end <= kClusterReach;) {
        const SliceEdge next = ClusterEdge(layout, letter + 1, 1, length);
        if (next.cut) return CutAt(layout.text(), letter + kClusterReach);
        letter = next.position;
    }
    return end;
}

// The width a paint shows past the end of Qt's line.
qreal PastLineEnd(const QTextLayout& layout) {
    const int end = layout.lineAt(0).textLength();
    const int shown = ShownEnd(layout, end);
    if (shown == end) return 0;
    return QFontMetricsF(layout.font()).horizontalAdvance(layout.text().mid(end, shown - end));
}

// What a slice lays out: the line from `from` to `to`, less the middle of a cluster too long to
// lay out whole, from `headEnd` to `rest` (equal where there is none).
struct SliceRange {
    int from = 0;
    int headEnd = 0;
    int rest = 0;
    int to = 0;
    bool cut = false;

    // The slice's position for a position in the line.
    int At(int position) const {
        if (position < headEnd) return position - from;
        return headEnd - from + std::max(position, rest) - rest;
    }
};

// The characters within `span` of `anchor`, out to the edges of their clusters, in a line
// laid out up to `end`.
SliceRange Range(const QTextLayout& layout, int anchor, int span, int end) {
    SliceRange range;
    const SliceEdge head = ClusterEdge(layout, std::max(0, anchor - span), -1, 0);
    range.from = range.headEnd = range.rest = head.position;
    if (head.cut) {
        // Finding the cluster's letter reads its characters' attributes, not their glyphs.
        int letter = head.position;
        while (letter > 0 && !layout.isValidCursorPosition(letter)) --letter;
        range.headEnd = CutAt(layout.text(), letter + kClusterReach);
        range.from = ClusterEdge(layout, std::max(0, letter - span), -1, 0).position;
    }
    const SliceEdge tail = ClusterEdge(layout, std::min(end, anchor + span), 1, end);
    range.to = tail.position;
    range.cut = head.cut || tail.cut;
    return range;
}

// Draws what the line control's draw at `topLeft` would draw in `clip`: the text, with the
// selection's part (`selection`) and the caret (`caret`), from a layout of the characters around
// the caret alone, placed by the caret's x in the line (`caretX`). Qt's draw goes through every
// glyph of the line whatever the clip, and each x it measures goes through every item of the
// line: a paint of a megabyte took 65 ms in one letter, 140 ms in Latin and Japanese mixed.
// Returns false where a slice cannot stand for the line: an input method's preedit and its
// formats, a mask, right-to-left text or tabs (whose stops count from the line's start) in view.
bool DrawSlice(QPainter& painter, QWidgetLineControl& control, QPoint topLeft, const QRect& clip,
               qreal caretX, bool selection, bool caret) {
    QTextLayout& layout = *control.textLayout();
    const QTextEngine& engine = *layout.engine();
    if (!layout.preeditAreaText().isEmpty() || !layout.formats().isEmpty() ||
        !control.inputMask().isEmpty() || control.layoutDirection() != Qt::LeftToRight ||
        !engine.layoutData)
        return false;
    const QTextLine line = layout.lineAt(0);
    // Qt lays out a line only up to its width's limit, and places a caret beyond at its end: so
    // is the slice placed, going on into a word Qt left out for a cluster, the caret after it.
    const int anchor = std::min(control.cursor(), line.textLength());
    const int end = ShownEnd(layout, line.textLength());
    const qreal viewLeft = clip.left() - topLeft.x() - kSliceMarginPx;
    const qreal viewRight = clip.right() + 1 - topLeft.x() + kSliceMarginPx;

    QTextOption option = layout.textOption();
    option.setTextDirection(Qt::LeftToRight);
    QTextLayout slice;
    slice.setFont(layout.font());
    slice.setTextOption(option);
    SliceRange range;
    qreal left = 0;  // the slice's x in the line
    for (int span = kSliceStart;; span *= 4) {
        range = Range(layout, anchor, span, end);
        slice.setText(layout.text().mid(range.from, range.headEnd - range.from) +
                      layout.text().mid(range.rest, range.to - range.rest));
        slice.beginLayout();
        const QTextLine sliceLine = slice.createLine();
        slice.endLayout();
        left = caretX - sliceLine.cursorToX(range.At(anchor));
        if ((range.from == 0 || left <= viewLeft) &&
            (range.to == end || left + sliceLine.naturalTextWidth() >= viewRight))
            break;
        if (span * 4 > kSliceMost) {
            if (range.cut) break;
            return false;
        }
    }
    const auto& items = engine.layoutData->items;
    for (int item = engine.findItem(range.from);
         item < items.size() && items[item].position < range.to; ++item) {
        const QScriptAnalysis& analysis = items[item].analysis;
        if (analysis.bidiLevel != 0 || analysis.flags == QScriptAnalysis::Tab) return false;
    }

    QList<QTextLayout::FormatRange> selections;
    const int selStart = range.At(std::max(control.selectionStart(), range.from));
    const int selEnd = range.At(std::min(control.selectionEnd(), range.to));
    if (selection && selStart < selEnd) {
        QTextLayout::FormatRange selected;
        selected.start = selStart;
        selected.length = selEnd - selStart;
        selected.format.setBackground(control.palette().brush(QPalette::Highlight));
        selected.format.setForeground(control.palette().brush(QPalette::HighlightedText));
        selections.append(selected);
    }
    // The slice's baseline is the line's; so is the bottom of its caret.
    const QTextLine sliceLine = slice.lineAt(0);
    slice.draw(&painter, QPointF(topLeft) + QPointF(left, line.ascent() - sliceLine.ascent()),
               selections, clip);
    if (caret && control.cursorBlinkStatus()) {
        const qreal bottom = line.ascent() + line.descent();
        const qreal sliceBottom = sliceLine.ascent() + sliceLine.descent();
        slice.drawCursor(&painter, QPointF(topLeft) + QPointF(left, bottom - sliceBottom),
                         range.At(std::min(control.cursor(), range.to)), control.cursorWidth());
    }
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
    *quiet = true;
    KeepSelection([&] { QLineEdit::focusOutEvent(event); });
    *quiet = false;
}

void LineEdit::RestoreSelection(int start, int length, int cursor) {
    if (start < 0 || length <= 0)
        setCursorPosition(cursor);
    else if (cursor == start)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

void LineEdit::dragEnterEvent(QDragEnterEvent* event) {
    dragOver_ = true;
    QLineEdit::dragEnterEvent(event);
    AnswerUrlsAsCopy(*event);
}

void LineEdit::dragMoveEvent(QDragMoveEvent* event) {
    QLineEdit::dragMoveEvent(event);
    AnswerUrlsAsCopy(*event);
}

void LineEdit::dragLeaveEvent(QDragLeaveEvent* event) {
    dragOver_ = false;
    QLineEdit::dragLeaveEvent(event);
}

void LineEdit::dropEvent(QDropEvent* event) {
    dragOver_ = false;
    QLineEdit::dropEvent(event);
    AnswerUrlsAsCopy(*event);
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
    // handlers read it back. The caret's x is the one measure of a long line a paint takes
    // through all of the line's items. A word Qt left out for a cluster is shown past its line,
    // a caret beyond after it.
    const qreal caretLineX = control->cursorToX();
    const qreal past = text.size() > kMeasuredLength && preedit.isEmpty()
                           ? PastLineEnd(*control->textLayout())
                           : 0;
    const bool caretPast = control->cursor() > control->textLayout()->lineAt(0).textLength();
    const int caretX = qRound(caretLineX + (caretPast ? past : 0));
    const int used = qRound(control->naturalTextWidth() + past) + 1;
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
    if (text.size() <= kMeasuredLength ||
        !DrawSlice(painter, *control, topLeft, contents, caretLineX,
                   flags & QWidgetLineControl::DrawSelections,
                   flags & QWidgetLineControl::DrawCursor))
        control->draw(&painter, topLeft, contents, flags);
}

}  // namespace fw::detail
