#pragma once

#include <QBasicTimer>
#include <QLineEdit>

namespace vondrel::host {

// Replaces the whole text of the box, which then shows it from its first
// character, as a Windows text box does: a long result shows its leading
// digits, not its tail.
void ReplaceText(QLineEdit& box, const QString& text);

// The text box of the windows' designs. Unlike a Qt line edit, a read-only
// box still shows its blinking caret while it has the focus, as a Windows
// one does, so that the user sees where the focus is.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // Shows the caret at once and blinks it from there, while focused.
    void RestartBlinking();

    QBasicTimer blink_;
    bool caretShown_ = false;
};

}  // namespace vondrel::host
