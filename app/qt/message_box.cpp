#include "app/qt/message_box.h"

#include "app/qt/project_settings.h"
#include "app/qt/text_bridge.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QStyle>

namespace vondrel::host {
namespace {

// The box as Windows copies it: caption, text and buttons, each closed by a
// dashed line.
QString BoxAsText(const QMessageBox& box)
{
    const QString line = QStringLiteral("---------------------------\n");
    QString text = line + box.windowTitle() + u'\n' + line + box.text() + u'\n' + line;
    for (const QAbstractButton* button : box.buttons())
        text += button->text() + QStringLiteral("   ");
    return text + u'\n' + line;
}

// What the title bar needs for the caption: the caption in the title font,
// centred as most desktops centre it, clear of the frame's buttons on either
// side: the close box, and the minimize and maximize buttons and the window
// icon that some window managers, and Qt's own decoration on Wayland, draw
// whatever the window asks. Qt's box allows for far less.
int TitleBarWidth(const QMessageBox& box)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    // Where the desktop names no face of its own, the program's.
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(box.font().family());
    font.setBold(true);
    const int caption = QFontMetrics(font).horizontalAdvance(box.windowTitle());
    const int button = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    constexpr int kButtonsOnEachSide = 4;  // three, and a margin as wide as one
    return caption + 2 * kButtonsOnEachSide * button;
}

// Keeps the box at least as wide as its title bar needs: a spacer along the
// buttons' row, since the box sets its own size as it shows.
void WidenToTitleBar(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const int buttons = grid ? grid->indexOf(box.findChild<QDialogButtonBox*>()) : -1;
    if (buttons < 0)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(buttons, &row, &column, &rowSpan, &columnSpan);
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(TitleBarWidth(box) - margins.left() - margins.right(), 0), row, 0, 1,
                  grid->columnCount());
}

void ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kProjectTitle.toString(), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // Qt's own caption would be "OK" here: no Qt translation is loaded.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    // Ctrl+C copies the box, as it does on Windows, where Qt provides it.
    WidenToTitleBar(box);
    const QShortcut copy(QKeySequence::Copy, &box, [&box] { QGuiApplication::clipboard()->setText(BoxAsText(box)); });
    box.exec();
}

}  // namespace

void ShowMessage(QWidget* owner, const QString& prompt)
{
    ShowBox(owner, QMessageBox::NoIcon, prompt);
}

void ReportRuntimeError(QWidget* owner, const RuntimeError& error)
{
    ShowBox(owner, QMessageBox::Critical, ToQString(error.report()));
}

}  // namespace vondrel::host
