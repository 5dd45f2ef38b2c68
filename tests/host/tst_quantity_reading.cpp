#include "host/quantity_reading.h"
#include "test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using vondrel::host::ReadLoadOhms;
using vondrel::host::ReadPeriodSeconds;

class QuantityReadingTest : public QObject {
    Q_OBJECT

private slots:
    // Each text as the load box and as the period box read it.
    void readsEachBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<double>("seconds");

        // A prefix moves the exponent, so each is the double of the plain number.
        QTest::newRow("kilo") << u"4.7k"_s << 4700.0 << 4700.0;
        QTest::newRow("capital kilo, after a blank") << u"4.7 K"_s << 4700.0 << 4700.0;
        QTest::newRow("milli, not mega") << u"20m"_s << 0.02 << 0.02;
        QTest::newRow("giga") << u"2.2G"_s << 2.2e9 << 2.2e9;
        QTest::newRow("micro as u") << u"3u"_s << 3e-6 << 3e-6;
        QTest::newRow("micro sign and ohm") << u"3\u00B5\u03A9"_s << 3e-6 << 3.0;
        QTest::newRow("Greek mu and second") << u"3\u03BCs"_s << 3.0 << 3e-6;
        QTest::newRow("nano") << u"0.3n"_s << 0.3e-9 << 0.3e-9;
        QTest::newRow("pico") << u"7p"_s << 7e-12 << 7e-12;
        QTest::newRow("Chinese prefix and ohm") << u"4.7千欧"_s << 4700.0 << 4.7;
        QTest::newRow("Chinese prefix and second") << u"20毫秒"_s << 20.0 << 0.02;
        QTest::newRow("Chinese mega, 欧姆") << u"1兆欧姆"_s << 1e6 << 1.0;
        QTest::newRow("exponent and prefix") << u"1e3k"_s << 1e6 << 1e6;
        QTest::newRow("negative") << u"-4.7k"_s << -4700.0 << -4700.0;
        QTest::newRow("full-width") << u"２０ｍｓ"_s << 20.0 << 0.02;
        QTest::newRow("underflow") << u"1e-320p"_s << 0.0 << 0.0;

        // Each box's units, alone or after a prefix, blanks before and inside.
        QTest::newRow("ohm sign") << u"100Ω"_s << 100.0 << 100.0;
        QTest::newRow("Ohm sign U+2126") << u"1M\u2126"_s << 1e6 << 1.0;
        QTest::newRow("ohm") << u"4.7kohm"_s << 4700.0 << 4.7;
        QTest::newRow("ohms") << u"10 ohms"_s << 10.0 << 10.0;
        QTest::newRow("Ohms, blanks before and inside") << u"10\t k\u3000Ohms "_s << 10000.0 << 10.0;
        QTest::newRow("s") << u"5s"_s << 5.0 << 5.0;
        QTest::newRow("S") << u"20mS"_s << 20.0 << 0.02;
        QTest::newRow("sec") << u"20 msec"_s << 20.0 << 0.02;

        // Frequencies, in the period box only.
        QTest::newRow("Hz") << u"50Hz"_s << 50.0 << 0.02;
        QTest::newRow("HZ, kilo apart") << u"10 k HZ"_s << 10.0 << 1e-4;
        QTest::newRow("赫兹, Chinese kilo") << u"1千赫兹"_s << 1.0 << 0.001;
        QTest::newRow("megahertz") << u"1MHz"_s << 1.0 << 1e-6;
        QTest::newRow("millihertz") << u"1mHz"_s << 1.0 << 1000.0;
        QTest::newRow("full-width hertz") << u"５０Ｈｚ"_s << 50.0 << 0.02;
        QTest::newRow("negative frequency") << u"-50Hz"_s << -50.0 << -0.02;

        // Resistor codes, in the load box only.
        QTest::newRow("code 4k7") << u"4k7"_s << 4700.0 << 4.0;
        QTest::newRow("code 4K7Ω") << u"4K7Ω"_s << 4700.0 << 4.0;
        QTest::newRow("code 2R2, unit apart") << u"2R2 ohm"_s << 2.2 << 2.0;
        QTest::newRow("code R47") << u"R47"_s << 0.47 << 0.0;
        QTest::newRow("code 1M5") << u"1M5"_s << 1.5e6 << 1.0;
        QTest::newRow("code K47") << u"K47"_s << 470.0 << 0.0;
        QTest::newRow("code, negative, full-width") << u"－４ｋ７"_s << -4700.0 << -4.0;

        // Anything else reads as the number it begins with.
        QTest::newRow("letters after the prefix") << u"4.7kx"_s << 4.7 << 4.7;
        QTest::newRow("letters inside") << u"12abc34"_s << 12.0 << 12.0;
        QTest::newRow("letters after the unit") << u"50Hzx"_s << 50.0 << 50.0;
        QTest::newRow("two prefixes") << u"1kk"_s << 1.0 << 1.0;
        QTest::newRow("unit before the prefix") << u"1Ωk"_s << 1.0 << 1.0;
        QTest::newRow("hZ") << u"50hZ"_s << 50.0 << 50.0;
        QTest::newRow("suffix without number") << u"kHz"_s << 0.0 << 0.0;
        QTest::newRow("code with a point") << u"4k7.5"_s << 4.0 << 4.0;
        QTest::newRow("code with a blank") << u"4 k7"_s << 4.0 << 4.0;
        QTest::newRow("code, then a prefix") << u"4k7k"_s << 4.0 << 4.0;
        QTest::newRow("lower-case r is no code letter") << u"2r2"_s << 2.0 << 2.0;
        QTest::newRow("milli is no code letter") << u"4m7"_s << 4.0 << 4.0;
        QTest::newRow("incomplete exponent") << u"1ek"_s << 1.0 << 1.0;
        QTest::newRow("full stop after") << u"1k。"_s << 1.0 << 1.0;
    }

    void readsEachBox()
    {
        QFETCH(QString, text);
        QFETCH(double, ohms);
        QFETCH(double, seconds);
        QCOMPARE(Exact(ReadLoadOhms(text.toStdU16String())), Exact(ohms));
        QCOMPARE(Exact(ReadPeriodSeconds(text.toStdU16String())), Exact(seconds));
    }

    void raisesRunTimeError()
    {
        const auto load = [](const std::u16string& text) { return RaisedErrorNumber([&] { ReadLoadOhms(text); }); };
        const auto period = [](const std::u16string& text) {
            return RaisedErrorNumber([&] { ReadPeriodSeconds(text); });
        };
        QCOMPARE(load(u"1e306k"), 6);
        QCOMPARE(load(u"1" + std::u16string(300, u'0') + u"G5"), 6);
        QCOMPARE(period(u"1e306ks"), 6);
        QCOMPARE(period(u"0Hz"), 11);
        QCOMPARE(period(u"-0 Hz"), 11);
        QCOMPARE(period(u"1e-320pHz"), 11);
        QCOMPARE(period(u"1e-310Hz"), 6);
        QCOMPARE(period(u"1e306kHz"), 6);
    }
};

QTEST_APPLESS_MAIN(QuantityReadingTest)
#include "tst_quantity_reading.moc"
