#include "app/qt/song_face.h"

#include <QFontDatabase>
#include <QString>

namespace vondrel {

void AddSongTi()
{
    for (const char* weight : {"regular", "bold"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/song-%1.otf").arg(QLatin1String(weight)));
}

}  // namespace vondrel
