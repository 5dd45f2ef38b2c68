#include "app/project_settings.h"

#include "app/accessible_interfaces.h"
#include "app/font_substitution.h"
#include "app/picture.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QPixmap>

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

}  // namespace

void ApplyProjectSettings()
{
    QCoreApplication::setApplicationName(kProjectTitle.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(VONDREL_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VONDREL_APP_ID));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // The windows are designed as classic Windows dialogs: frames whose line
    // runs through the caption, sunken boxes, raised buttons.
    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setWindowIcon(ProgramIcon());
    SubstituteSongTi();
    // The system font of Chinese (PRC) Windows, which message boxes use.
    QApplication::setFont(QFont(kSongTi.toString(), 9));
    host::InstallAccessibleInterfaces();
}

}  // namespace vondrel
