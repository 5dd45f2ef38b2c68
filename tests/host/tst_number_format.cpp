#include "host/number_format.h"
#include "test_support.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using vondrel::host::FormatOneDecimal;

class NumberFormatTest : public QObject {
    Q_OBJECT

private slots:
    void formatsWithOneDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("whole number") << 300.0 << u"300.0"_s;
        QTest::newRow("rounds up") << 10000.0 / 11.0 << u"909.1"_s;
        QTest::newRow("rounds down") << 136.36363636363637 << u"136.4"_s;
        QTest::newRow("below a half tenth") << 0.03 << u"0.0"_s;
        QTest::newRow("negative") << -300.0 << u"-300.0"_s;
        QTest::newRow("binary noise below a tie") << 0.049999999999999996 << u"0.1"_s;
        QTest::newRow("negative rounding to zero") << -0.04 << u"0.0"_s;
        QTest::newRow("zero") << 0.0 << u"0.0"_s;
        QTest::newRow("negative zero") << -0.0 << u"0.0"_s;
        QTest::newRow("tie goes away from zero") << 0.25 << u"0.3"_s;
        QTest::newRow("negative tie goes away from zero") << -0.25 << u"-0.3"_s;
        QTest::newRow("tie stored just below") << 0.35 << u"0.4"_s;
        QTest::newRow("carry into a new digit") << 99.96 << u"100.0"_s;
        QTest::newRow("carry through the point") << 9.95 << u"10.0"_s;
        QTest::newRow("no exponent") << 1e20 << u"100000000000000000000.0"_s;
        QTest::newRow("15 significant digits") << 123456789012345678.0 << u"123456789012346000.0"_s;
        QTest::newRow("tie at the 16th digit") << 1234567890123455.0 << u"1234567890123460.0"_s;
        QTest::newRow("below a tie at the 16th digit") << 1000000000000000.5 << u"1000000000000000.0"_s;
        QTest::newRow("digits across a 10^9 boundary") << 1000000007.0 << u"1000000007.0"_s;
        QTest::newRow("odd 16-digit integer") << 9007199254740991.0 << u"9007199254740990.0"_s;
        QTest::newRow("binary noise below a tie, whole part") << 12345.249999999999 << u"12345.3"_s;
        QTest::newRow("stored below 1e23, carries into a new digit") << 1e23 << u"1"_s + QString(23, u'0') + u".0"_s;
        QTest::newRow("2^1023, the 16th digit rounds up")
            << std::ldexp(1.0, 1023) << u"898846567431158"_s + QString(293, u'0') + u".0"_s;
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << u"0.0"_s;
        QTest::newRow("largest double")
            << std::numeric_limits<double>::max() << u"179769313486232"_s + QString(294, u'0') + u".0"_s;
        QTest::newRow("most negative double")
            << std::numeric_limits<double>::lowest() << u"-179769313486232"_s + QString(294, u'0') + u".0"_s;
    }

    void formatsWithOneDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ToQString(FormatOneDecimal(value)), text);
    }

    void refusesNonFiniteValues()
    {
        for (const double value : {std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()})
            QCOMPARE(RaisedErrorNumber([&] { FormatOneDecimal(value); }), 6);
    }
};

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "tst_number_format.moc"
