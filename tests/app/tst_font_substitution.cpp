#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the probe with fontconfig limited to the given font files, or with
// the system's fonts when there are none.
class FontSubstitutionTest : public QObject {
    Q_OBJECT

private slots:
    void songTiResolves_data();
    void songTiResolves();
};

void FontSubstitutionTest::songTiResolves_data()
{
    QTest::addColumn<QStringList>("fontFiles");
    QTest::addColumn<QString>("family");  // empty: any family that writes simplified Chinese
    QTest::addColumn<bool>("chinese");

    const QString notoSans = u"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"_s;
    const QString uming = u"/usr/share/fonts/truetype/arphic/uming.ttc"_s;
    const QString dejaVu = u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s;
    QTest::newRow("system fonts: Noto Serif CJK SC first") << QStringList{} << u"Noto Serif CJK SC"_s << true;
    QTest::newRow("no Noto Serif: AR PL UMing CN") << QStringList{uming, notoSans, dejaVu} << u"AR PL UMing CN"_s
                                                   << true;
    QTest::newRow("no Song face: any Chinese font") << QStringList{notoSans, dejaVu} << QString() << true;
    QTest::newRow("no Chinese font at all") << QStringList{dejaVu} << u"DejaVu Sans"_s << false;
}

void FontSubstitutionTest::songTiResolves()
{
    QFETCH(QStringList, fontFiles);
    QFETCH(QString, family);
    QFETCH(bool, chinese);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QT_LOGGING_RULES"_s, u"qt.text.font.match.debug=true"_s);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    if (!fontFiles.isEmpty()) {
        const QString fonts = scratch.filePath(u"fonts"_s);
        QVERIFY(QDir().mkpath(fonts));
        for (const QString& file : fontFiles) {
            QVERIFY2(QFile::exists(file), qPrintable(file + u" is not installed"_s));
            QVERIFY(QFile::link(file, fonts + u'/' + QFileInfo(file).fileName()));
        }
        QFile config(scratch.filePath(u"fonts.conf"_s));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(u"<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir><cachedir>%2</cachedir></fontconfig>\n"_s
                         .arg(fonts, scratch.filePath(u"cache"_s))
                         .toUtf8());
        config.close();
        environment.insert(u"FONTCONFIG_FILE"_s, config.fileName());
    }

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(FONT_PROBE), {});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);

    const QStringList answer = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
    QCOMPARE(answer.size(), 3);
    if (!family.isEmpty())
        QCOMPARE(answer[0], family);
    QCOMPARE(answer[1] == u"chinese", chinese);
    const QString log = QString::fromUtf8(probe.readAllStandardError());
    // With a stand-in, 宋体 is found by name, without the search of every
    // installed font that a name the font database lacks costs.
    if (chinese)
        QVERIFY2(!log.contains(u"NO MATCH FOUND"), qPrintable(log));
}

QTEST_APPLESS_MAIN(FontSubstitutionTest)
#include "tst_font_substitution.moc"
