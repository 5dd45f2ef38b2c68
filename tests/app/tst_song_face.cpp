#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the probe with fontconfig limited to the given font files, or with
// the system's fonts when there are none.
class SongFaceTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextRendersInSongTi_data();
    void everyTextRendersInSongTi();
};

void SongFaceTest::everyTextRendersInSongTi_data()
{
    QTest::addColumn<QStringList>("fontFiles");
    QTest::addColumn<bool>("otherChinese");  // whether Chinese beyond the program's own is drawn

    QTest::newRow("system fonts") << QStringList{} << true;
    QTest::newRow("no Chinese font") << QStringList{u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s} << false;
}

void SongFaceTest::everyTextRendersInSongTi()
{
    QFETCH(QStringList, fontFiles);
    QFETCH(bool, otherChinese);

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
    QCOMPARE(answer.size(), 4);
    QCOMPARE(answer[0], u"宋体"_s);
    QCOMPARE(answer[1], QString());  // no character of the program's texts is missing
    QCOMPARE(answer[2] != u"none" && answer[2] != u"宋体", otherChinese);
    // 宋体 is found by name, without the search of every installed font
    // that a name the font database lacks costs.
    const QString log = QString::fromUtf8(probe.readAllStandardError());
    QVERIFY2(!log.contains(u"NO MATCH FOUND"), qPrintable(log));
}

QTEST_APPLESS_MAIN(SongFaceTest)
#include "tst_song_face.moc"
