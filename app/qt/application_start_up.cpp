#include "app/qt/application_start_up.h"

#include "app/qt/accessible_interfaces.h"
#include "app/qt/classic_palette.h"
#include "app/qt/picture.h"
#include "app/qt/project_settings.h"
#include "app/qt/song_face.h"
#include "app/qt/window_lifetimes.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
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

void SetUpApplication()
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
    QApplication::setPalette(host::ClassicPalette());
    QApplication::setWindowIcon(ProgramIcon());
    if (QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        host::KeepWindowsAtTheirSize();
    host::KeepModalWindowsInReach();
    AddSongTi();
    // The system font of Chinese (PRC) Windows, which message boxes use.
    QFont font(kSongTi.toString(), 9);
    font.setStyleHint(QFont::Serif);
    QApplication::setFont(font);
    host::InstallAccessibleInterfaces();
}

}  // namespace vondrel
