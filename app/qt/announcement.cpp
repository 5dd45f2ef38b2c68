#include "app/qt/announcement.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

namespace vondrel::host {

void Announce(QWidget& window, const QString& message)
{
    QAccessibleAnnouncementEvent announcement(&window, message);
    QAccessible::updateAccessibility(&announcement);
}

}  // namespace vondrel::host

#else

#include <QAccessibleObject>

// Qt has announcements from 6.8 on. Before, the window gets a notification
// object, seen only by assistive technology, which screen readers speak as
// it shows.
namespace vondrel::host {

namespace {

// The window's notification: one, made on its first message and owned by
// the window.
class Announcement final : public QObject {
    Q_OBJECT

public:
    explicit Announcement(QWidget& window);

    QString message;
};

class AccessibleAnnouncement final : public QAccessibleObject {
public:
    explicit AccessibleAnnouncement(Announcement& announcement) : QAccessibleObject(&announcement) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? static_cast<const Announcement*>(object())->message : QString();
    }
};

Announcement::Announcement(QWidget& window) : QObject(&window)
{
    // Qt's cache deletes the interface with the object.
    QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(*this));
}

}  // namespace

void Announce(QWidget& window, const QString& message)
{
    auto* announcement = window.findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement)
        announcement = new Announcement(window);
    announcement->message = message;
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace vondrel::host

#include "announcement.moc"

#endif
