#include "app/message_box.h"

#include "app/project_settings.h"
#include "app/text_bridge.h"

#include <QMessageBox>
#include <QPushButton>

namespace vondrel::host {
namespace {

void ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kProjectTitle.toString(), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // Qt's own caption would be "OK" here: no Qt translation is loaded.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

}  // namespace

void ShowMessage(QWidget* owner, const QString& prompt)
{
    ShowBox(owner, QMessageBox::NoIcon, prompt);
}

void ReportRuntimeError(QWidget* owner, const RuntimeError& error)
{
    const QString text = QStringLiteral("运行时错误 '%1':\n\n%2")
                             .arg(static_cast<int>(error.number()))
                             .arg(ToQString(error.description()));
    ShowBox(owner, QMessageBox::Critical, text);
}

}  // namespace vondrel::host
