#include "app/font_substitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace vondrel {

void SubstituteSongTi()
{
    QStringList standIns{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")};
    if (std::none_of(standIns.cbegin(), standIns.cend(), QFontDatabase::hasFamily)) {
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!chinese.isEmpty())
            standIns = QStringList{chinese.constFirst()};
    }
    QFont::insertSubstitutions(kSongTi.toString(), standIns);
}

}  // namespace vondrel
