#include "app/qt/message_box.h"

#include "app/qt/project_settings.h"
#include "app/qt/text_bridge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

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

void ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kProjectTitle.toString(), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // Qt's own caption would be "OK" here: no Qt translation is loaded.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    // Ctrl+C copies the box, as it does on Windows, where Qt provides it.
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
