#include "app/qt/accessible_interfaces.h"

#include "app/qt/accessible_text_box.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace vondrel::host {

namespace {

// A window that belongs to another is a dialog; the others are main
// windows, which AT-SPI calls frames.
class AccessibleWindow final : public QAccessibleWidget {
public:
    explicit AccessibleWindow(QWidget& window)
        : QAccessibleWidget(&window, window.parentWidget() ? QAccessible::Dialog : QAccessible::Window)
    {
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    if (auto* box = qobject_cast<QLineEdit*>(object))
        return new AccessibleTextBox(*box);
    // Qt asks for each class of the object in turn, the most derived first,
    // so a window that reaches plain QWidget has no interface of its own, as
    // message boxes and menus have.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && className == QLatin1StringView("QWidget"))
        return new AccessibleWindow(*widget);
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces()
{
    // Factories installed later are asked first, Qt's own among the earlier.
    QAccessible::installFactory(CreateInterface);
}

}  // namespace vondrel::host
