// One long session in one process: calculations by the thousand, with the
// boxes that incomplete input and run-time errors bring, and the principle
// window opened and closed over and over. Every press must still give its
// result, and the process must not keep growing.

#include "modal_boxes.h"
#include "principle_window.h"
#include "window_support.h"

#include "app/qt/application_start_up.h"
#include "app/qt/window_lifetimes.h"
#include "ui/main/qt/form1.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <fstream>

using namespace Qt::StringLiterals;
using vondrel::Form1;

namespace {

constexpr int kPresses = 10000;
constexpr int kPressesPerOpening = 10;  // 1,000 openings of the principle window
constexpr int kBoxes = 100;
constexpr int kBoxKinds = 4;
// By then every window and every kind of box has been shown once, and the
// caches that showing them fills (icons, glyphs) hold what they need.
constexpr int kWarmUpPresses = 100;
constexpr long kAllowedGrowth = 1024 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long residentPages = 0;
    statm >> pages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

struct Press {
    QString load;
    QString period;
    QStringList boxes;
    QString result;  // what Text3 shows afterwards; empty for "as before"
};

// One box of each kind during the warm-up, then one every 100 presses up
// to the last, 100 in all.
bool BringsBox(int press)
{
    constexpr int warmUpSpacing = kWarmUpPresses / kBoxKinds;
    constexpr int spacing = kPresses / kBoxes;
    if (press <= kWarmUpPresses)
        return press % warmUpSpacing == 0;
    return press > kBoxKinds * spacing && press % spacing == 0;
}

// The presses that bring a box, in turn: the two run-time errors and
// incomplete input, each leaving the earlier result on show.
Press BoxPress(int boxIndex)
{
    switch (boxIndex % kBoxKinds) {
    case 0: return {u"0"_s, u"0.02"_s, {kDivisionByZeroBox}, {}};
    case 1: return {u""_s, u"0.02"_s, {kIncompleteBox}, {}};
    case 2: return {u"1e-308"_s, u"1e300"_s, {kOverflowBox}, {}};
    default: return {u"100"_s, u" \u3000 "_s, {kIncompleteBox}, {}};
    }
}

// A load of 1000, 500 or 250 Ω and a period of k ms give 1.5·k, 3·k or
// 6·k µF: results with nothing past the tenths to round. The texts come
// plain, padded with blanks, with units, or in full-width digits.
Press ValuePress(int press)
{
    static const QString loads[] = {u"1000"_s, u"500"_s, u"250"_s};
    const int loadIndex = press % 3;
    const int milliseconds = press % 997 + 1;
    QString load = loads[loadIndex];
    QString period = QString::number(milliseconds / 1000.0, 'g', 15);
    switch (press % 4) {
    case 1:
        load = u"  "_s + load + u"\t"_s;
        period = u"\u3000"_s + period + u" "_s;
        break;
    case 2:
        load += u"Ω"_s;
        period += u"s"_s;
        break;
    case 3:
        for (QChar& c : load)
            c = QChar(static_cast<char16_t>(c.unicode() - u'0' + u'０'));
        break;
    }
    const double microfarads = 1.5 * (1 << loadIndex) * milliseconds;
    return {load, period, {}, QString::number(microfarads, 'f', 1)};
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vondrel::SetUpApplication(); }
    void longSessionStaysCorrectAndDoesNotGrow();
};

void SoakTest::longSessionStaysCorrectAndDoesNotGrow()
{
    Form1 form1;
    vondrel::host::ShowCentred(form1);
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    auto* load = FindControl<QLineEdit>(form1, u"Text1"_s);
    auto* period = FindControl<QLineEdit>(form1, u"Text2"_s);
    auto* result = FindControl<QLineEdit>(form1, u"Text3"_s);
    auto* calculate = FindControl<QPushButton>(form1, u"Command1"_s);

    QElapsedTimer clock;
    clock.start();
    long residentAfterWarmUp = 0;
    int boxes = 0;
    int openings = 0;
    for (int press = 1; press <= kPresses; ++press) {
        const Press expected = BringsBox(press) ? BoxPress(boxes) : ValuePress(press);
        const QString before = result->text();
        load->setText(expected.load);
        period->setText(expected.period);
        const QStringList seen = AnswerModalBoxes([calculate] { QTest::mouseClick(calculate, Qt::LeftButton); });
        boxes += static_cast<int>(seen.size());
        const QString wanted = expected.result.isEmpty() ? before : expected.result;
        const QString outcome = u"press %1: %2 then %3"_s;
        QCOMPARE(outcome.arg(press).arg(seen.join(u" / "_s), result->text()),
                 outcome.arg(press).arg(expected.boxes.join(u" / "_s), wanted));

        if (press % kPressesPerOpening == 0) {
            const auto pressExit = [](QWidget& form2) { FindControl<QPushButton>(form2, u"Command1"_s)->click(); };
            if (!WhilePrincipleOpen(form1, pressExit))
                QFAIL(qPrintable(u"opening %1 of the principle window did not open and close"_s.arg(openings + 1)));
            ++openings;
        }
        if (press == kWarmUpPresses)
            residentAfterWarmUp = ResidentBytes();
    }
    const long residentAtEnd = ResidentBytes();
    QCOMPARE(boxes, kBoxes);
    QCOMPARE(openings, kPresses / kPressesPerOpening);

    const long growth = residentAtEnd - residentAfterWarmUp;
    qInfo("%d presses, %d message boxes, %d openings of the principle window in %lld ms",
          kPresses, boxes, openings, clock.elapsed());
    qInfo("resident memory: %ld KiB after press %d, %ld KiB after press %d: %+ld KiB",
          residentAfterWarmUp / 1024, kWarmUpPresses, residentAtEnd / 1024, kPresses, growth / 1024);
    if (kUnderAddressSanitizer)
        QSKIP("AddressSanitizer's quarantine and shadow memory make the resident size no measure of leaks; "
              "its leak check covers this build");
    QVERIFY2(growth < kAllowedGrowth, qPrintable(u"grew by %1 bytes"_s.arg(growth)));
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
