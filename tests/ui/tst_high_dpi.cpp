#include "window_support.h"

#include "app/qt/application_start_up.h"
#include "ui/main/qt/form1.h"
#include "ui/principle/qt/form2.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a picture control of the window shows, in device pixels.
QImage Shown(QWidget& window, const QLabel& picture)
{
    const qreal ratio = window.devicePixelRatioF();
    const QRect logical(picture.mapTo(&window, QPoint()), picture.size());
    const QRect device(logical.topLeft() * ratio, logical.size() * ratio);
    return window.grab().toImage().copy(device).convertToFormat(QImage::Format_ARGB32);
}

// The picture made for this screen: the high-resolution copy, resampled to
// the screen's pixels where the ratio is not 2.
QImage Expected(const QString& source, qreal ratio)
{
    QImage sharp = QImage(QString(source).replace(u".png"_s, u"@2x.png"_s)).convertToFormat(QImage::Format_ARGB32);
    if (ratio != 2.0)
        sharp = sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied).scaled(sharp.size() / 2.0 * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return sharp;
}

// Pixels where an opaque pixel of the picture is not shown as it is, and,
// for a picture with transparent parts, where the glyph's colour shows
// through a transparent one. The resampling's rounding leaves some opaque
// pixels at an alpha of 254, and channels may differ by one.
int Differing(const QImage& shown, const QImage& expected)
{
    const auto close = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) <= 1 && qAbs(qGreen(a) - qGreen(b)) <= 1 && qAbs(qBlue(a) - qBlue(b)) <= 1;
    };
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) >= 254 ? !close(shown.pixel(x, y), want) : shown.pixel(x, y) == qRgb(126, 4, 104))
                ++differing;
        }
    return differing;
}

}  // namespace

// Run with QT_SCALE_FACTOR set: the windows keep their design in logical
// pixels, and pictures and icon are drawn from the high-resolution copies.
class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void geometryStaysLogical();
    void mainWindowPicturesAreSharp_data();
    void mainWindowPicturesAreSharp();
    void principlePictureIsSharp();
    void iconIsDrawnForTheDensity();

private:
    qreal ratio_ = 1.0;
};

void HighDpiTest::initTestCase()
{
    vondrel::SetUpApplication();
    ratio_ = qApp->devicePixelRatio();
    QVERIFY2(ratio_ > 1.0, "QT_SCALE_FACTOR is not set above 1");
}

void HighDpiTest::geometryStaysLogical()
{
    vondrel::Form1 form1;
    form1.show();
    QCOMPARE(form1.size(), QSize(456, 173));
    QCOMPARE(FindControl<QLineEdit>(form1, u"Text1"_s)->geometry(), QRect(80, 16, 89, 25));
    QCOMPARE(FindControl<QPushButton>(form1, u"Command1"_s)->size(), QSize(89, 25));
    // 9 pt at 96 dpi, as on a plain screen.
    QCOMPARE(QFontInfo(form1.font()).pixelSize(), 12);
    QCOMPARE(form1.grab().size(), (QSizeF(456, 173) * ratio_).toSize());
}

void HighDpiTest::mainWindowPicturesAreSharp_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("Image1") << u":/load-resistance.png"_s;
    QTest::newRow("Image2") << u":/period.png"_s;
    QTest::newRow("Image3") << u":/capacitance.png"_s;
    QTest::newRow("Image4") << u":/unit-line.png"_s;
}

void HighDpiTest::mainWindowPicturesAreSharp()
{
    QFETCH(QString, source);
    vondrel::Form1 form1;
    form1.show();
    const QImage expected = Expected(source, ratio_);
    const QImage shown = Shown(form1, *FindControl<QLabel>(form1, QString::fromLatin1(QTest::currentDataTag())));
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE(Differing(shown, expected), 0);
}

void HighDpiTest::principlePictureIsSharp()
{
    vondrel::Form2 form2;
    form2.show();
    // The window is a pixel shorter than its picture, and the button lies on it.
    QImage expected = Expected(u":/principle.png"_s, ratio_);
    const QImage shown = Shown(form2, *FindControl<QLabel>(form2, u"Picture"_s));
    const QWidget* button = FindControl<QPushButton>(form2, u"Command1"_s);
    const QRect covered(button->pos() * ratio_, button->size() * ratio_);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (covered.contains(x, y) || y >= form2.height() * ratio_)
                expected.setPixel(x, y, qRgba(0, 0, 0, 0));
    QCOMPARE(Differing(shown, expected), 0);
}

void HighDpiTest::iconIsDrawnForTheDensity()
{
    const QIcon icon = QApplication::windowIcon();
    for (const int side : {16, 32}) {
        const int device = qRound(side * ratio_);
        if (device % 16 != 0)
            continue;  // no image is drawn at that size
        QImage drawn = icon.pixmap(QSize(side, side), ratio_).toImage();
        QCOMPARE(drawn.size(), QSize(device, device));
        drawn.setDevicePixelRatio(1.0);
        QCOMPARE(drawn.convertToFormat(QImage::Format_RGB32),
                 QImage(u":/icons/%1.png"_s.arg(device)).convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(HighDpiTest)
#include "tst_high_dpi.moc"
