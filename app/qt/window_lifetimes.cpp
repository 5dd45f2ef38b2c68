#include "app/qt/window_lifetimes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>

namespace vondrel::host {

void SizeLabelsToContent(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>())
        label->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter,
                                               label->sizeHint(), label->geometry()));
}

void ShowCentred(QWidget& window)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), available));
    window.show();
}

void ShowModal(QWidget& window)
{
    const QPointer<QWidget> wasActive = QApplication::activeWindow();
    window.setWindowModality(Qt::ApplicationModal);
    ShowCentred(window);
    QEventLoop loop;
    // Hiding, not minimising, is what closes a window.
    QObject::connect(window.windowHandle(), &QWindow::visibleChanged, &loop, [&loop](bool visible) {
        if (!visible)
            loop.quit();
    });
    loop.exec(QEventLoop::DialogExec);
    // Not every window system hands the activation back by itself; without
    // it, the keyboard would reach no window after the close.
    if (wasActive)
        wasActive->activateWindow();
}

bool IsBlockedByModalWindow(const QWidget& widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* owner = &widget; modal && owner; owner = owner->parentWidget())
        if (owner == modal)
            return false;
    return modal != nullptr;
}

namespace {

constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

void TakeBackToNormal(QWidget& window)
{
    if (window.windowState() & kResized)
        window.setWindowState(window.windowState() & ~kResized);
}

// Takes a maximized or full-screen window back to its normal state.
class KeepsNormalSize final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Every event of the program passes here: the cheapest test first.
        if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && (window->windowState() & kResized)) {
            if (takesStateAfterEvent_)
                QMetaObject::invokeMethod(window, [window] { TakeBackToNormal(*window); }, Qt::QueuedConnection);
            else
                TakeBackToNormal(*window);
        }
        return false;
    }

private:
    // Chosen by the Qt that the program runs with, not the one it was built
    // with: one package serves Debian 12 (Qt 6.4) and 13 (Qt 6.8).
    // Qt 6.8.2 takes the new state only after this event, and drops a change
    // asked for before: asked once it is delivered. Asked later, Qt 6.4.2
    // has drawn the window at its own size in the maximized state, for which
    // Weston 10 ends it: asked at once.
    const bool takesStateAfterEvent_ = QLibraryInfo::version() >= QVersionNumber(6, 8);
};

}  // namespace

void KeepWindowsAtTheirSize()
{
    qApp->installEventFilter(new KeepsNormalSize(qApp));
}

namespace {

// Whether the window is the modal one, or one of its own, such as its menus.
bool BelongsTo(const QWindow* window, const QWindow& modal)
{
    for (; window; window = window->transientParent())
        if (window == &modal)
            return true;
    return false;
}

}  // namespace

void KeepModalWindowsInReach()
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* focus) {
        QWindow* modal = QGuiApplication::modalWindow();
        if (!focus || !modal || BelongsTo(focus, *modal))
            return;
        modal->setWindowStates(modal->windowStates() & ~Qt::WindowMinimized);
        // Which raises it too; on Wayland through the activation protocol,
        // with the token of the click.
        modal->requestActivate();
    });
}

void EndProgram()
{
    QCoreApplication::exit(0);
}

}  // namespace vondrel::host
