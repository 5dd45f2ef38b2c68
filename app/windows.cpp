#include "app/windows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace vondrel::host {

void SizeLabelsToContent(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>())
        label->adjustSize();
}

void ShowCentred(QWidget& window)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), available));
    window.show();
}

void EndProgram()
{
    QCoreApplication::exit(0);
}

}  // namespace vondrel::host
