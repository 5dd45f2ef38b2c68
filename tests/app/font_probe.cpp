// Prints the family that 宋体 resolves to once the program's stand-ins are
// in place, and whether that family writes simplified Chinese.

#include "app/font_substitution.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    vondrel::SubstituteSongTi();
    const QString family = QFontInfo(QFont(vondrel::kSongTi.toString(), 9)).family();
    const bool chinese = QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
    std::printf("%s\n%s\n", family.toUtf8().constData(), chinese ? "chinese" : "not chinese");
    return 0;
}
