#include "app/qt/click_dispatch.h"

#include "app/qt/message_box.h"
#include "app/qt/window_lifetimes.h"
#include "host/runtime_error.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <utility>

namespace vondrel::host {

namespace {

// A Windows button that has the focus takes Return and Enter as a click;
// a Qt button does so only inside a dialog.
class EnterClicksFocusedButton final : public QObject {
public:
    explicit EnterClicksFocusedButton(QAbstractButton& button) : QObject(&button), button_(button)
    {
        button.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || key->isAutoRepeat())
            return false;
        button_.click();
        return true;
    }

private:
    QAbstractButton& button_;
};

}  // namespace

void ConnectClick(QAbstractButton& button, std::function<void()> handler)
{
    new EnterClicksFocusedButton(button);  // owned by the button
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&button, handler = std::move(handler)] {
                         // Assistive technology presses buttons through no
                         // window, so a modal window does not stop it.
                         if (IsBlockedByModalWindow(button))
                             return;
                         try {
                             handler();
                         } catch (const RuntimeError& error) {
                             ReportRuntimeError(button.window(), error);
                         }
                     });
}

}  // namespace vondrel::host
