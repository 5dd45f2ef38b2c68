#include "app/qt/text_box.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleHints>

namespace vondrel::host {

void ReplaceText(QLineEdit& box, const QString& text)
{
    box.setText(text);
    box.setCursorPosition(0);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    // Keys that move the caret show it at its new place straight away.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (hasFocus())
            RestartBlinking();
    });
}

void TextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!isReadOnly() || !caretShown_)
        return;
    // As the line edit draws its own caret when editable: down the middle of
    // the cursor's rectangle, which reaches a pixel below the line, inside
    // the box's frame, and inverting what lies under it.
    const QRectF area = cursorRect();
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    QPainter painter(this);
    painter.setClipRect(style()->subElementRect(QStyle::SE_LineEditContents, &frame, this));
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(QRectF(area.center().x(), area.top(), width, area.height() - 1), palette().text());
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    RestartBlinking();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    blink_.stop();
    caretShown_ = false;
    update();
}

void TextBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != blink_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    update();
}

void TextBox::RestartBlinking()
{
    caretShown_ = true;
    // A flash time of 0 asks for a caret that does not blink.
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        blink_.start(flashTime / 2, this);
    update();
}

}  // namespace vondrel::host
