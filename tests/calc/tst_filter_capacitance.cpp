#include "calc/filter_capacitance.h"
#include "test_support.h"

#include <QTest>

#include <string>

using namespace Qt::StringLiterals;
using vondrel::CalculateFilterCapacitance;
using vondrel::CalculationOutcome;

namespace {

CalculationOutcome Calculate(const QString& load, const QString& period)
{
    return CalculateFilterCapacitance(load.toStdU16String(), period.toStdU16String());
}

// The output box's text, or the message for incomplete input.
QString Shown(const CalculationOutcome& outcome)
{
    return outcome.kind == CalculationOutcome::Kind::Value
        ? ToQString(outcome.resultText)
        : ToQString(vondrel::kIncompleteInputMessage);
}

const QString incomplete = u"请填写完整的输入数据！"_s;

}  // namespace

class FilterCapacitanceTest : public QObject {
    Q_OBJECT

private slots:
    void calculates_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("shown");

        // The worked examples that users check the program against.
        QTest::newRow("100 ohm, 0.02 s") << u"100"_s << u"0.02"_s << u"300.0"_s;
        QTest::newRow("1000 ohm") << u"1000"_s << u"0.02"_s << u"30.0"_s;
        QTest::newRow("33 ohm rounds up") << u"33"_s << u"0.02"_s << u"909.1"_s;
        QTest::newRow("220 ohm") << u"220"_s << u"0.02"_s << u"136.4"_s;
        QTest::newRow("4700 ohm, 0.01 s") << u"4700"_s << u"0.01"_s << u"3.2"_s;
        QTest::newRow("period of 20 s") << u"100"_s << u"20"_s << u"300000.0"_s;
        QTest::newRow("below a half tenth") << u"1000000"_s << u"0.02"_s << u"0.0"_s;
        QTest::newRow("negative load") << u"-100"_s << u"0.02"_s << u"-300.0"_s;
        QTest::newRow("unit typed after the load") << u"100Ω"_s << u"0.02"_s << u"300.0"_s;
        QTest::newRow("load empty") << QString() << u"0.02"_s << incomplete;
        QTest::newRow("period all spaces") << u"100"_s << u"   "_s << incomplete;

        QTest::newRow("both empty") << QString() << QString() << incomplete;
        QTest::newRow("blanks of every kind") << u"\t\u3000"_s << u" \t"_s << incomplete;
        QTest::newRow("spaces around numbers") << u"  100 "_s << u" 0.02  "_s << u"300.0"_s;
        QTest::newRow("full-width input") << u"\u3000１００"_s << u"０．０２"_s << u"300.0"_s;
        QTest::newRow("letters inside the load") << u"12abc34"_s << u"0.02"_s << u"2500.0"_s;
        QTest::newRow("period not a number") << u"100"_s << u"abc"_s << u"0.0"_s;
        QTest::newRow("negative rounding to zero") << u"-1000000"_s << u"0.02"_s << u"0.0"_s;
        QTest::newRow("exponents") << u"1e-300"_s << u"1"_s << u"15"_s + QString(305, u'0') + u".0"_s;

        // Values as electronics people write them: prefixes, resistor codes,
        // units and a frequency for the period.
        QTest::newRow("kilo prefix") << u"4.7k"_s << u"0.02"_s << u"6.4"_s;
        QTest::newRow("resistor code 4k7") << u"4k7"_s << u"0.02"_s << u"6.4"_s;
        QTest::newRow("resistor code 2R2") << u"2R2"_s << u"0.02"_s << u"13636.4"_s;
        QTest::newRow("mega and milliseconds") << u"1M"_s << u"20ms"_s << u"0.0"_s;
        QTest::newRow("milliseconds after a blank") << u"100"_s << u"20 ms"_s << u"300.0"_s;
        QTest::newRow("mains frequency") << u"100"_s << u"50Hz"_s << u"300.0"_s;
    }

    void calculates()
    {
        QFETCH(QString, load);
        QFETCH(QString, period);
        QFETCH(QString, shown);
        QCOMPARE(Shown(Calculate(load, period)), shown);
    }

    void raisesRunTimeError_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("period");
        QTest::addColumn<int>("error");

        QTest::newRow("zero load") << u"0"_s << u"0.02"_s << 11;
        QTest::newRow("zero load and period") << u"0"_s << u"0"_s << 11;
        QTest::newRow("load not a number") << u"abc"_s << u"0.02"_s << 11;
        QTest::newRow("negative zero load") << u"-0"_s << u"0.02"_s << 11;
        QTest::newRow("load below double range") << u"1e-400"_s << u"0.02"_s << 11;
        QTest::newRow("load beyond double range") << u"1e400"_s << u"0.02"_s << 6;
        QTest::newRow("3 T overflows") << u"100"_s << u"1e308"_s << 6;
        // Scaling to microfarads comes before the division, so this overflows.
        QTest::newRow("scaled period overflows") << u"1e10"_s << u"1e303"_s << 6;
        QTest::newRow("quotient overflows") << u"1e-303"_s << u"100"_s << 6;

        // Frequencies and prefixes.
        QTest::newRow("zero frequency") << u"100"_s << u"0Hz"_s << 11;
        QTest::newRow("prefixed load beyond double range") << u"1e306k"_s << u"0.02"_s << 6;
    }

    void raisesRunTimeError()
    {
        QFETCH(QString, load);
        QFETCH(QString, period);
        QFETCH(int, error);
        QCOMPARE(RaisedErrorNumber([&] { Calculate(load, period); }), error);
    }

    void survivesLongAndHostileTexts()
    {
        const auto calculate = [](const std::u16string& load, const std::u16string& period) {
            return Shown(CalculateFilterCapacitance(load, period));
        };
        const std::u16string millionZeros(1'000'000, u'0');
        QCOMPARE(calculate(u"100", u"0.02" + millionZeros), u"300.0"_s);
        QCOMPARE(calculate(millionZeros + u"100", u"0.02"), u"300.0"_s);
        QCOMPARE(calculate(u"100" + std::u16string(1'000'000, u'Ω'), u"0.02"), u"300.0"_s);
        QCOMPARE(calculate(std::u16string(1'000'000, u' '), u"0.02"), incomplete);
        QCOMPARE(calculate(u"１0０\xD800", u"０.0２\xDFFF"), u"300.0"_s);
        QCOMPARE(calculate(u"100", u"\xDC00\xD800"), u"0.0"_s);
        QCOMPARE(calculate(u"100", std::u16string(u"\0", 1)), u"0.0"_s);
        QCOMPARE(RaisedErrorNumber([&] { calculate(std::u16string(u" \0 ", 3), u"0.02"); }), 11);
        QCOMPARE(RaisedErrorNumber([&] { calculate(u"100", std::u16string(1'000'000, u'9')); }), 6);
    }
};

QTEST_APPLESS_MAIN(FilterCapacitanceTest)
#include "tst_filter_capacitance.moc"
