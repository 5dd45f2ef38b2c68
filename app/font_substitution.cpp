#include "app/font_substitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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
}

}  // namespace vondrel
