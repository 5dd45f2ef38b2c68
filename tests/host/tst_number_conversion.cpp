#include "host/number_conversion.h"
#include "test_support.h"

#include <QTest>

#include <limits>
#include <string>

using namespace Qt::StringLiterals;
using vondrel::host::ReadLeadingNumber;

namespace {

double Read(const std::u16string& text)
{
    return ReadLeadingNumber(text);
}

}  // namespace

class NumberConversionTest : public QObject {
    Q_OBJECT

private slots:
    void readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");

        QTest::newRow("integer") << u"100"_s << 100.0;
        QTest::newRow("unit after number") << u"100Ω"_s << 100.0;
        QTest::newRow("letters between digits") << u"12abc34"_s << 12.0;
        QTest::newRow("full-width digits") << u"１００"_s << 100.0;
        QTest::newRow("exponent") << u"2.5E-3"_s << 0.0025;
        QTest::newRow("no integer digits") << u".5"_s << 0.5;
        QTest::newRow("no fraction digits") << u"5."_s << 5.0;
        QTest::newRow("plus sign") << u"+7"_s << 7.0;
        QTest::newRow("minus and point") << u"-.5"_s << -0.5;
        QTest::newRow("letters only") << u"abc"_s << 0.0;
        QTest::newRow("sign only") << u"-"_s << 0.0;
        QTest::newRow("point only") << u"."_s << 0.0;
        QTest::newRow("sign and point only") << u"+."_s << 0.0;
        QTest::newRow("grouping comma") << u"1,000"_s << 1.0;
        QTest::newRow("blank inside") << u"1 000"_s << 1.0;
        QTest::newRow("leading blank") << u" 5"_s << 0.0;
        QTest::newRow("hexadecimal") << u"0x10"_s << 0.0;
        QTest::newRow("infinity") << u"inf"_s << 0.0;
        QTest::newRow("not a number") << u"nan"_s << 0.0;
        QTest::newRow("unit prefix") << u"4.7k"_s << 4.7;
        QTest::newRow("below double range") << u"1e-400"_s << 0.0;
        QTest::newRow("negative below double range") << u"-1e-400"_s << -0.0;
        QTest::newRow("negative zero") << u"-0"_s << -0.0;
        QTest::newRow("exponent without digits") << u"1e"_s << 1.0;
        QTest::newRow("exponent with sign only") << u"1e+"_s << 1.0;
        QTest::newRow("exponent then letters") << u"1E3x"_s << 1000.0;
        QTest::newRow("exponent without mantissa") << u"e5"_s << 0.0;
        QTest::newRow("second point") << u"1.2.3"_s << 1.2;
        QTest::newRow("two signs") << u"--5"_s << 0.0;
        QTest::newRow("leading zeros") << u"00012"_s << 12.0;
        QTest::newRow("correctly rounded") << u"0.1"_s << 0.1;
        QTest::newRow("full-width minus") << u"－１２３"_s << -123.0;
        QTest::newRow("full-width mixed with ASCII") << u"１2．5ｅ－1"_s << 1.25;
        QTest::newRow("full-width plus, point and E") << u"＋．５Ｅ＋２"_s << 50.0;
        QTest::newRow("ideographic full stop") << u"０。０２"_s << 0.02;
        QTest::newRow("ideographic full stop first") << u"。02"_s << 0.02;
        QTest::newRow("halfwidth ideographic full stop") << u"4｡7k"_s << 4.7;
        QTest::newRow("second ideographic full stop") << u"1。2。3"_s << 1.2;
        QTest::newRow("largest double") << u"1.7976931348623157e308"_s
                                        << std::numeric_limits<double>::max();
        QTest::newRow("smallest subnormal") << u"4.9e-324"_s
                                            << std::numeric_limits<double>::denorm_min();
        QTest::newRow("tie goes to the even double") << u"9007199254740993"_s << 9007199254740992.0;
        QTest::newRow("past a tie in the 41st digit") << u"9007199254740993.0000000000000000000000001"_s
                                                      << 9007199254740994.0;
        QTest::newRow("rounds down to the largest double") << u"1.7976931348623158e308"_s
                                                           << std::numeric_limits<double>::max();
        QTest::newRow("largest subnormal") << u"2.2250738585072011e-308"_s
                                           << std::numeric_limits<double>::min() - std::numeric_limits<double>::denorm_min();
        QTest::newRow("just below half the smallest subnormal") << u"2.4703282292062327e-324"_s << 0.0;
        QTest::newRow("just above half the smallest subnormal") << u"2.4703282292062328e-324"_s
                                                                << std::numeric_limits<double>::denorm_min();
    }

    void readsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(Exact(Read(text.toStdU16String())), Exact(number));
    }

    void overflowRaisesError_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("beyond the largest double") << u"1.8e308"_s;
        QTest::newRow("rounds up beyond the largest double") << u"1.7976931348623159e308"_s;
        QTest::newRow("large exponent") << u"1e400"_s;
        QTest::newRow("negative") << u"-1e400"_s;
        QTest::newRow("small mantissa, larger exponent") << u"0.00001e314"_s;
        QTest::newRow("full-width") << u"９ｅ９９９"_s;
    }

    void overflowRaisesError()
    {
        QFETCH(QString, text);
        QCOMPARE(RaisedErrorNumber([&] { Read(text.toStdU16String()); }), 6);
    }

    void readsLongAndHostileTexts()
    {
        const std::u16string million(1'000'000, u'0');
        QCOMPARE(Exact(Read(million + u"7")), Exact(7.0));
        QCOMPARE(Exact(Read(u"0." + million + u"1")), Exact(0.0));
        QCOMPARE(Exact(Read(u"1e" + million + u"2")), Exact(100.0));
        QCOMPARE(Exact(Read(u"0." + std::u16string(1'000'000, u'3'))), Exact(1.0 / 3.0));
        QCOMPARE(Exact(Read(u"-1e-" + std::u16string(1'000'000, u'9'))), Exact(-0.0));
        QCOMPARE(RaisedErrorNumber([] { Read(std::u16string(1'000'000, u'1')); }), 6);
        QCOMPARE(RaisedErrorNumber([] { Read(u"1e" + std::u16string(1'000'000, u'9')); }), 6);
        QCOMPARE(Exact(Read(u"4" + std::u16string(1'000'000, u'x'))), Exact(4.0));

        QCOMPARE(Exact(Read(u"12\xD800" u"34")), Exact(12.0));
        QCOMPARE(Exact(Read(u"\xDC00" u"5")), Exact(0.0));
        QCOMPARE(Exact(Read(std::u16string(u"12\0" u"34", 5))), Exact(12.0));
        QCOMPARE(Exact(Read(std::u16string(u"\0" u"5", 2))), Exact(0.0));
    }
};

QTEST_APPLESS_MAIN(NumberConversionTest)
#include "tst_number_conversion.moc"
