#include "app/project_settings.h"

#include "app/font_substitution.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace vondrel {

void ApplyProjectSettings()
{
    QCoreApplication::setApplicationName(kProjectTitle.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(VONDREL_VERSION));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // The windows are designed as classic Windows dialogs: frames whose line
    // runs through the caption, sunken boxes, raised buttons.
    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vondrel.ico")));
    SubstituteSongTi();
}

}  // namespace vondrel
