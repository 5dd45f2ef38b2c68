// The least a Qt Widgets program needs for a window of Vondrel's shape: the
// same border and size, a label, a line edit and a button, in the face that
// 宋体 stands for at 9 points. Vondrel's start-up is measured against it.

#include "app/windows.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, vondrel::host::kFixedSingleBorder);
    window.setWindowTitle(QStringLiteral("VondrelV1.0"));
    window.setFixedSize(456, 173);
    QFont songTi;
    songTi.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")});
    songTi.setPointSize(9);
    window.setFont(songTi);

    QLabel label(QStringLiteral("负载"), &window);
    label.move(24, 32);
    QLineEdit edit(&window);
    edit.setGeometry(96, 24, 89, 25);
    QPushButton button(QStringLiteral("计算"), &window);
    button.setGeometry(16, 144, 89, 25);

    window.show();
    return QApplication::exec();
}
