#include "host/trim.h"
#include "test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TrimTest : public QObject {
    Q_OBJECT

private slots:
    void trimsBlanksAtBothEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");

        QTest::newRow("nothing to trim") << u"100"_s << u"100"_s;
        QTest::newRow("spaces") << u"   100  "_s << u"100"_s;
        QTest::newRow("tabs and ideographic spaces") << u"\t\u3000 0.02\u3000\t"_s << u"0.02"_s;
        QTest::newRow("inner blanks stay") << u" 1 0\u30000 "_s << u"1 0\u30000"_s;
        QTest::newRow("only blanks") << u" \t\u3000 "_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("other white space stays") << u"\u00A0100\n"_s << u"\u00A0100\n"_s;
    }

    void trimsBlanksAtBothEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        const std::u16string input = text.toStdU16String();
        QCOMPARE(ToQString(vondrel::host::TrimBlanks(input)), trimmed);
    }
};

QTEST_APPLESS_MAIN(TrimTest)
#include "tst_trim.moc"
