#include "host/checked_arithmetic.h"
#include "test_support.h"

#include <QTest>

using vondrel::host::CheckedDivide;
using vondrel::host::CheckedMultiply;

namespace {

constexpr int kNoError = 0;

}  // namespace

class CheckedArithmeticTest : public QObject {
    Q_OBJECT

private slots:
    void computesOrRaises_data()
    {
        QTest::addColumn<bool>("divide");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("result");
        QTest::addColumn<int>("error");

        QTest::newRow("product") << false << 3.0 << 0.02 << 3.0 * 0.02 << kNoError;
        QTest::newRow("product overflows") << false << 1e308 << 10.0 << 0.0 << 6;
        QTest::newRow("negative product overflows") << false << -1e308 << 10.0 << 0.0 << 6;
        QTest::newRow("product underflows to zero") << false << 1e-300 << 1e-300 << 0.0 << kNoError;
        QTest::newRow("quotient") << true << 60000.0 << 200.0 << 300.0 << kNoError;
        QTest::newRow("zero divisor") << true << 1.0 << 0.0 << 0.0 << 11;
        QTest::newRow("zero by zero") << true << 0.0 << 0.0 << 0.0 << 11;
        QTest::newRow("negative zero divisor") << true << 1.0 << -0.0 << 0.0 << 11;
        QTest::newRow("quotient overflows") << true << 1e308 << 1e-10 << 0.0 << 6;
        QTest::newRow("quotient underflows to zero") << true << 1e-308 << 1e100 << 0.0 << kNoError;
    }

    void computesOrRaises()
    {
        QFETCH(bool, divide);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(double, result);
        QFETCH(int, error);
        double actual = 0.0;
        QCOMPARE(RaisedErrorNumber([&] {
                     actual = divide ? CheckedDivide(left, right) : CheckedMultiply(left, right);
                 }),
                 error);
        QCOMPARE(Exact(actual), Exact(result));
    }
};

QTEST_APPLESS_MAIN(CheckedArithmeticTest)
#include "tst_checked_arithmetic.moc"
