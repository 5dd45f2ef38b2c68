// The least a Qt Widgets program needs for a window of Vondrel's shape: the
// same border and size, a frame, a label, a line edit and a button, in the
// fonts of Vondrel's design, named by the face that 宋体 stands for: 9 points
// for the window, 10.5 for the box, 10.5 bold for the label. Vondrel's
// start-up is measured against it.

#include "app/qt/window_lifetimes.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QFont SongTi(qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, vondrel::host::kFixedSingleBorder);
    window.setWindowTitle(QStringLiteral("VondrelV1.0"));
    window.setFixedSize(456, 173);
    window.setFont(SongTi(9));

    QGroupBox frame(QStringLiteral("输出"), &window);
    frame.setGeometry(16, 64, 425, 49);
    QLabel label(QStringLiteral("滤波电容"), &frame);
    label.setFont(SongTi(10.5, QFont::Bold));
    label.move(40, 24);
    QLineEdit edit(&frame);
    edit.setFont(SongTi(10.5));
    edit.setGeometry(184, 19, 81, 23);
    QPushButton button(QStringLiteral("计算"), &window);
    button.setGeometry(16, 144, 89, 25);

    window.show();
    return QApplication::exec();
}
