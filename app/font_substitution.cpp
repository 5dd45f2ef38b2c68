#include "app/font_substitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <qpa/qplatformfontdatabase.h>

#include <algorithm>

namespace vondrel {

void SubstituteSongTi()
{
    QStringList standIns{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")};
    // One look at the list of families: hasFamily would also ask fontconfig
    // for the aliases of each name, which costs more than the whole list.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (std::none_of(standIns.cbegin(), standIns.cend(), isInstalled)) {
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!chinese.isEmpty())
            standIns = QStringList{chinese.constFirst()};
    }
    QFont::insertSubstitutions(kSongTi.toString(), standIns);
    // 宋体 also becomes another name of the stand-in in the font database,
    // as the localized name of SimSun is on Windows. A font asked for by a
    // name the database lacks first costs a search of every installed font
    // for each script, before the substitution is tried; by an alias it is
    // found at once. The substitution stays for a database built afresh.
    const auto present = std::find_if(standIns.cbegin(), standIns.cend(), isInstalled);
    if (present != standIns.cend())
        QPlatformFontDatabase::registerAliasToFontFamily(*present, kSongTi.toString());
}

}  // namespace vondrel
