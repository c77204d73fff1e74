#include "framework/gui/StaticText.h"

#include <QLabel>

#include "framework/gui/detail/Text.h"

namespace fw {

StaticText::StaticText(Window& owner) : RectControl(owner) {
    auto* label = new QLabel;
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    SetWidget(label);
}

void StaticText::SetText(const std::string& text) {
    text_ = text;
    if (pushPending_) return;
    pushPending_ = true;
    QMetaObject::invokeMethod(
        Widget(), [this] { FlushText(); }, Qt::QueuedConnection);
}

void StaticText::FlushText() {
    pushPending_ = false;
    static_cast<QLabel*>(Widget())->setText(detail::ToQtText(text_));
}

void StaticText::SetTextAlign(int code) {
    const Qt::Alignment h = code == 1   ? Qt::AlignHCenter
                            : code == 2 ? Qt::AlignRight
                                        : Qt::AlignLeft;
    static_cast<QLabel*>(Widget())->setAlignment(h | Qt::AlignVCenter);
}

void StaticText::SetTextColor(Color c) {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::WindowText, QColor(c.Red, c.Green, c.Blue));
    Widget()->setPalette(palette);
}

void StaticText::SetMultiline(bool on) {
    static_cast<QLabel*>(Widget())->setWordWrap(on);
}

}  // namespace fw
