#include "host/quantity_reading.h"
#include "test_support.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using vondrel::host::ReadLoadOhms;
using vondrel::host::ReadPeriodSeconds;

class QuantityReadingTest : public QObject {
    Q_OBJECT

private slots:
    void readsLoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("ohms");

        // A prefix moves the exponent: the double of the plain number.
        QTest::newRow("kilo") << u"4.7k"_s << 4700.0;
        QTest::newRow("capital kilo") << u"4.7K"_s << 4700.0;
        QTest::newRow("mega") << u"1M"_s << 1e6;
        QTest::newRow("giga") << u"2.2G"_s << 2.2e9;
        QTest::newRow("milli, not mega") << u"1m"_s << 0.001;
        QTest::newRow("micro as u") << u"3u"_s << 3e-6;
        QTest::newRow("micro sign") << u"3\u00B5"_s << 3e-6;
        QTest::newRow("Greek mu") << u"3\u03BC"_s << 3e-6;
        QTest::newRow("nano") << u"0.3n"_s << 0.3e-9;
        QTest::newRow("pico") << u"7p"_s << 7e-12;
        QTest::newRow("Chinese kilo and ohm") << u"4.7千欧"_s << 4700.0;
        QTest::newRow("Chinese mega and ohm") << u"1兆欧姆"_s << 1e6;
        QTest::newRow("Chinese milli") << u"1毫"_s << 0.001;
        QTest::newRow("Chinese micro") << u"1微"_s << 1e-6;
        QTest::newRow("Chinese nano") << u"1纳"_s << 1e-9;
        QTest::newRow("Chinese pico") << u"1皮"_s << 1e-12;
        QTest::newRow("0.1 scaled exactly") << u"0.1k"_s << 100.0;
        QTest::newRow("exponent and prefix") << u"1e3k"_s << 1e6;
        QTest::newRow("negative") << u"-4.7k"_s << -4700.0;

        // Units, alone or after a prefix, with blanks before the suffix.
        QTest::newRow("ohm sign") << u"100Ω"_s << 100.0;
        QTest::newRow("ohm sign U+2126") << u"100\u2126"_s << 100.0;
        QTest::newRow("kiloohm") << u"4.7kΩ"_s << 4700.0;
        QTest::newRow("megaohm, Ohm sign") << u"1M\u2126"_s << 1e6;
        QTest::newRow("ohm") << u"4.7kohm"_s << 4700.0;
        QTest::newRow("ohms") << u"10 ohms"_s << 10.0;
        QTest::newRow("Ohm") << u"10 kOhm"_s << 10000.0;
        QTest::newRow("Ohms") << u"10kOhms"_s << 10000.0;
        QTest::newRow("blanks before and inside") << u"4.7\t k\u3000Ω  "_s << 4700.0;
        QTest::newRow("full-width") << u"４．７ｋ"_s << 4700.0;
        QTest::newRow("full-width unit") << u"１ｋｏｈｍ"_s << 1000.0;

        // Resistor codes.
        QTest::newRow("code 4k7") << u"4k7"_s << 4700.0;
        QTest::newRow("code 4K7 ohm") << u"4K7Ω"_s << 4700.0;
        QTest::newRow("code 2R2") << u"2R2"_s << 2.2;
        QTest::newRow("code 2R2 ohm") << u"2R2 Ω"_s << 2.2;
        QTest::newRow("code R47") << u"R47"_s << 0.47;
        QTest::newRow("code 1M5") << u"1M5"_s << 1.5e6;
        QTest::newRow("code 3G3") << u"3G3"_s << 3.3e9;
        QTest::newRow("code K47") << u"K47"_s << 470.0;
        QTest::newRow("code, negative") << u"-4k7"_s << -4700.0;
        QTest::newRow("code, full-width") << u"４ｋ７"_s << 4700.0;
        QTest::newRow("code letter last") << u"10R"_s << 10.0;

        // Anything else reads as the number it begins with.
        QTest::newRow("letters after the prefix") << u"4.7kx"_s << 4.7;
        QTest::newRow("letters inside") << u"12abc34"_s << 12.0;
        QTest::newRow("unit of the period") << u"4.7ks"_s << 4.7;
        QTest::newRow("two prefixes") << u"1kk"_s << 1.0;
        QTest::newRow("unit before the prefix") << u"1Ωk"_s << 1.0;
        QTest::newRow("lower-case mega is milli only") << u"1mm"_s << 1.0;
        QTest::newRow("prefix without number") << u"k"_s << 0.0;
        QTest::newRow("code with a point") << u"4k7.5"_s << 4.0;
        QTest::newRow("code with blanks") << u"4 k7"_s << 4.0;
        QTest::newRow("code, then a prefix") << u"4k7k"_s << 4.0;
        QTest::newRow("code letter alone") << u"R"_s << 0.0;
        QTest::newRow("lower-case r is no code") << u"2r2"_s << 2.0;
        QTest::newRow("milli is no code letter") << u"4m7"_s << 4.0;
        QTest::newRow("incomplete exponent") << u"1ek"_s << 1.0;
        QTest::newRow("ideographic full stop after") << u"1k。"_s << 1.0;
        QTest::newRow("underflow") << u"1e-320p"_s << 0.0;
        QTest::newRow("to the largest double") << u"1.7976931348623157e302M"_s
                                               << std::numeric_limits<double>::max();
    }

    void readsLoad()
    {
        QFETCH(QString, text);
        QFETCH(double, ohms);
        QCOMPARE(Exact(ReadLoadOhms(text.toStdU16String())), Exact(ohms));
    }

    void readsPeriod_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds");

        QTest::newRow("milliseconds") << u"20ms"_s << 0.02;
        QTest::newRow("blank before the unit") << u"20 ms"_s << 0.02;
        QTest::newRow("prefix alone") << u"20m"_s << 0.02;
        QTest::newRow("microseconds, micro sign") << u"20\u00B5s"_s << 20e-6;
        QTest::newRow("seconds") << u"5s"_s << 5.0;
        QTest::newRow("capital S") << u"5S"_s << 5.0;
        QTest::newRow("milli, capital S") << u"20mS"_s << 0.02;
        QTest::newRow("sec") << u"20 msec"_s << 0.02;
        QTest::newRow("Chinese") << u"20毫秒"_s << 0.02;
        QTest::newRow("kiloseconds") << u"1ks"_s << 1000.0;
        QTest::newRow("full-width") << u"２０ｍｓ"_s << 0.02;

        // A frequency's period.
        QTest::newRow("hertz") << u"50Hz"_s << 0.02;
        QTest::newRow("hz") << u"50hz"_s << 0.02;
        QTest::newRow("HZ") << u"50 HZ"_s << 0.02;
        QTest::newRow("赫") << u"50赫"_s << 0.02;
        QTest::newRow("赫兹") << u"50赫兹"_s << 0.02;
        QTest::newRow("kilohertz") << u"10 kHz"_s << 1e-4;
        QTest::newRow("megahertz") << u"1MHz"_s << 1e-6;
        QTest::newRow("millihertz") << u"1mHz"_s << 1000.0;
        QTest::newRow("Chinese kilohertz") << u"1千赫兹"_s << 0.001;
        QTest::newRow("full-width hertz") << u"５０Ｈｚ"_s << 0.02;
        QTest::newRow("negative frequency") << u"-50Hz"_s << -0.02;

        QTest::newRow("unit of the load") << u"50Ω"_s << 50.0;
        QTest::newRow("code") << u"4k7"_s << 4.0;
        QTest::newRow("letters after the unit") << u"50Hzx"_s << 50.0;
        QTest::newRow("hertz without number") << u"Hz"_s << 0.0;
        QTest::newRow("not a number") << u"abc"_s << 0.0;
        QTest::newRow("hZ is no unit") << u"50hZ"_s << 50.0;
    }

    void readsPeriod()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        QCOMPARE(Exact(ReadPeriodSeconds(text.toStdU16String())), Exact(seconds));
    }

    void raisesRunTimeError_data()
    {
        QTest::addColumn<bool>("load");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");

        QTest::newRow("prefix beyond a double") << true << u"1e306k"_s << 6;
        QTest::newRow("code beyond a double") << true << u"1"_s + QString(300, u'0') + u"G5"_s << 6;
        QTest::newRow("period prefix beyond a double") << false << u"1e306ks"_s << 6;
        QTest::newRow("zero frequency") << false << u"0Hz"_s << 11;
        QTest::newRow("negative zero frequency") << false << u"-0Hz"_s << 11;
        QTest::newRow("frequency below a double") << false << u"1e-320pHz"_s << 11;
        QTest::newRow("period beyond a double") << false << u"1e-310Hz"_s << 6;
        QTest::newRow("frequency beyond a double") << false << u"1e306kHz"_s << 6;
    }

    void raisesRunTimeError()
    {
        QFETCH(bool, load);
        QFETCH(QString, text);
        QFETCH(int, error);
        const std::u16string read = text.toStdU16String();
        QCOMPARE(RaisedErrorNumber([&] { load ? ReadLoadOhms(read) : ReadPeriodSeconds(read); }), error);
    }
};

QTEST_APPLESS_MAIN(QuantityReadingTest)
#include "tst_quantity_reading.moc"
