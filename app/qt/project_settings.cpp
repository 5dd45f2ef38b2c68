#include "app/qt/project_settings.h"

#include "app/qt/accessible_interfaces.h"
#include "app/qt/picture.h"
#include "app/qt/song_face.h"
#include "app/qt/window_lifetimes.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QTranslator>

namespace vondrel {

namespace {

// The sizes a title bar and a task switcher draw, at up to twice the
// density; the desktop's larger sizes come from the installed icon theme.
QIcon ProgramIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(host::ReadPicture(QStringLiteral(":/icons/%1.png").arg(side))));
    return icon;
}

// The light colours of classic dialogs, which the design's own colours are
// chosen against: black text on grey faces and white boxes. Every role the
// controls draw with is set, so that a dark desktop theme changes none.
QPalette ClassicPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor face(239, 239, 239);
    QPalette palette(black, face, white, QColor(159, 159, 159), QColor(184, 184, 184), black, white, white, face);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    const QColor greyedOut(190, 190, 190);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark})
        palette.setColor(QPalette::Disabled, role, greyedOut);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(177, 177, 177));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

// Qt's own texts, such as the input boxes' menu, in Chinese: the system's
// translation for the Qt that runs the program.
void TranslateQt()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace

void ChooseWindowSystem()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void ApplyProjectSettings()
{
    QCoreApplication::setApplicationName(kProjectTitle.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(VONDREL_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VONDREL_APP_ID));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    TranslateQt();
    // The windows are designed as classic Windows dialogs: frames whose line
    // runs through the caption, sunken boxes, raised buttons, in light colours.
    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setPalette(ClassicPalette());
    QApplication::setWindowIcon(ProgramIcon());
    host::KeepWindowsAtTheirSize();
    AddSongTi();
    // The system font of Chinese (PRC) Windows, which message boxes use.
    QFont font(kSongTi.toString(), 9);
    font.setStyleHint(QFont::Serif);
    QApplication::setFont(font);
    host::InstallAccessibleInterfaces();
}

}  // namespace vondrel
