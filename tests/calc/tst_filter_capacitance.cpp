#include "calc/calculation_examples.h"
#include "test_support.h"

#include <QTest>

#include <iterator>
#include <string>

using namespace Qt::StringLiterals;
using vondrel::CalculateFilterCapacitance;
using vondrel::CalculationOutcome;
using vondrel::CalculationPresentation;
using vondrel::PresentCalculation;

namespace {

// One row per example of the shared table, by its name.
void AddExamples()
{
    QTest::addColumn<int>("example");
    for (std::size_t i = 0; i < std::size(kCalculationExamples); ++i)
        QTest::newRow(kCalculationExamples[i].name) << static_cast<int>(i);
}

const CalculationExample& Example()
{
    QFETCH(int, example);
    return kCalculationExamples[example];
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
    void calculates_data() { AddExamples(); }
    void calculates()
    {
        const CalculationExample& example = Example();
        const auto calculate = [&] { return CalculateFilterCapacitance(example.load, example.period); };
        if (example.runtimeError != 0) {
            QCOMPARE(RaisedErrorNumber(calculate), example.runtimeError);
            return;
        }
        QCOMPARE(Shown(calculate()),
                 example.resultText.empty() ? incomplete : ToQString(example.resultText));
    }

    void presents_data() { AddExamples(); }
    void presents()
    {
        const CalculationExample& example = Example();
        const auto present = [&] { return PresentCalculation(example.load, example.period, kSpokenUnit); };
        if (example.runtimeError != 0) {
            QCOMPARE(RaisedErrorNumber(present), example.runtimeError);
            return;
        }
        const CalculationPresentation shown = present();
        const CalculationPresentation expected = ExpectedPresentation(example);
        QCOMPARE(ToQString(shown.message), ToQString(expected.message));
        QCOMPARE(ToQString(shown.resultText), ToQString(expected.resultText));
        QCOMPARE(ToQString(shown.announcement), ToQString(expected.announcement));
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
