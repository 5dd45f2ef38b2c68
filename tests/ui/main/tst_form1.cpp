#include "modal_boxes.h"
#include "window_support.h"

#include "app/qt/application_start_up.h"
#include "app/qt/song_face.h"
#include "app/qt/text_bridge.h"
#include "app/qt/window_lifetimes.h"
#include "tests/calc/calculation_examples.h"
#include "ui/main/qt/form1.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using vondrel::Form1;
using vondrel::ToQString;

namespace {

// The design gives lengths in twips, 15 to the pixel.
QRect Twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

const QColor kWindowColour(192, 255, 255);
const QColor kResultColour(255, 224, 192);

// In the output box before a press: replaced by a result, kept otherwise.
const QString kEarlierResult = u"12.3"_s;

// Types the text key by key, as a keyboard layout that has these characters
// would deliver them.
void TypeKeys(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Commits the text as an input method does once a phrase is chosen.
void CommitFromInputMethod(QWidget* widget, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// Runs the application's main loop until something ends it; a guard ends
// it with -1 if nothing does, so a broken exit fails instead of hanging.
int RunMainLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(10000);
    return QCoreApplication::exec();
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vondrel::SetUpApplication(); }
    void init();
    void cleanup() { form_.reset(); }

    void startsAloneCentredAndFixed();
    void staysAtItsSizeWhenMaximized();
    void controls_data();
    void controls();
    void colours();
    void pictures_data();
    void pictures();
    void controlsReadOutInChinese_data();
    void controlsReadOutInChinese();
    void everyControlReadsOutInChinese();
    void tabChainStartsOnCalculate();
    void enterPressesOnlyAFocusedButton();
    void inputBoxesTakeAnyTextRightJustified();
    void resultBoxIsReadOnlyButCopyable();
    void resultBoxShowsItsCaret();
    void menusOfTheBoxesAreChinese();

    void calculate_data();
    void calculate();
    void errorsAreReportedAndCalculatorGoesOn();
    void longResultShowsFromItsStart();
    void incompleteInputKeepsEarlierResult();
    void boxCopiesAsOnWindows();
    void boxesAreWideEnoughForTheirCaption();
    void exitEndsProgram();
    void closeBoxEndsProgram();

private:
    template <typename T>
    T* Find(const QString& name) const
    {
        return FindControl<T>(*form_, name);
    }
    void Fill(const QString& box, const QString& text) { Find<QLineEdit>(box)->setText(text); }
    QString Result() const { return Find<QLineEdit>(u"Text3"_s)->text(); }
    QStringList PressCalculate()
    {
        return AnswerModalBoxes([this] { QTest::mouseClick(Find<QPushButton>(u"Command1"_s), Qt::LeftButton); });
    }

    std::unique_ptr<Form1> form_;
};

void Form1Test::init()
{
    form_ = std::make_unique<Form1>();
    vondrel::host::ShowCentred(*form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void Form1Test::startsAloneCentredAndFixed()
{
    QCOMPARE(form_->windowTitle(), u"VondrelV1.0    -    [编程: Trelmon]"_s);
    QCOMPARE(form_->size(), QSize(456, 173));
    QCOMPARE(form_->minimumSize(), form_->size());
    QCOMPARE(form_->maximumSize(), form_->size());

    const Qt::WindowFlags flags = form_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QVERIFY(IsCentredOnScreen(*form_));

    const QList<QSize> iconSizes = form_->windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(16, 16)));

    QWidgetList visibleWindows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            visibleWindows << window;
    QCOMPARE(visibleWindows, QWidgetList{form_.get()});
    for (const QString& box : {u"Text1"_s, u"Text2"_s, u"Text3"_s})
        QVERIFY(Find<QLineEdit>(box)->text().isEmpty());
}

void Form1Test::staysAtItsSizeWhenMaximized()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"_s))
        QSKIP("Only on Wayland: elsewhere the window system keeps a window of fixed size at its size");
    // As the decoration that Qt draws itself on Wayland maximizes.
    form_->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QVERIFY(QTest::qWaitFor([this] {
        return form_->windowHandle()->windowStates() == Qt::WindowNoState && form_->size() == QSize(456, 173);
    }));
}

void Form1Test::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("inside");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char* name, const char* kind, const char* inside, const QString& caption,
                        QRect place, double points = 9, bool bold = false) {
        QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(inside) << caption << place
                            << points << bold;
    };
    row("Frame1", "frame", "Form1", u"输入"_s, Twips(240, 120, 6375, 735));
    row("Label4", "label", "Frame1", u"负载"_s, Twips(120, 360, 360, 180));
    row("Image1", "picture", "Frame1", {}, Twips(600, 240, 450, 450));
    row("Label2", "label", "Frame1", u"="_s, Twips(1080, 360, 90, 180));
    row("Text1", "text box", "Frame1", {}, Twips(1200, 240, 1335, 375), 10.5);
    row("Label7", "label", "Frame1", u"Ω"_s, Twips(2640, 360, 180, 180));
    row("Label5", "label", "Frame1", u"电源电压周期"_s, Twips(3240, 360, 1080, 180));
    row("Image2", "picture", "Frame1", {}, Twips(4320, 240, 450, 450));
    row("Label3", "label", "Frame1", u"="_s, Twips(4680, 360, 90, 180));
    row("Text2", "text box", "Frame1", {}, Twips(4800, 240, 1095, 375), 10.5);
    row("Label8", "label", "Frame1", u"S"_s, Twips(6000, 360, 90, 180));
    row("Frame2", "frame", "Form1", u"输出"_s, Twips(240, 960, 6375, 735));
    row("Label6", "label", "Frame2", u"滤波电容"_s, Twips(600, 360, 900, 210), 10.5, true);
    row("Image3", "picture", "Frame2", {}, Twips(1440, 240, 450, 450));
    row("Label1", "label", "Frame2", u"应大于"_s, Twips(1920, 360, 675, 210), 10.5, true);
    row("Text3", "text box", "Frame2", {}, Twips(2760, 285, 1215, 345), 10.5);
    row("Label9", "label", "Frame2", u"μF"_s, Twips(4080, 360, 270, 180));
    row("Image4", "picture", "Form1", {}, Twips(240, 1800, 3885, 285));
    row("Command1", "button", "Form1", u"计算"_s, Twips(240, 2160, 1335, 375));
    row("Command2", "button", "Form1", u"计算原理"_s, Twips(2760, 2160, 1455, 375));
    row("Command3", "button", "Form1", u"退出"_s, Twips(5400, 2160, 1215, 375));
}

void Form1Test::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, inside);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(double, points);
    QFETCH(bool, bold);

    auto* control = Find<QWidget>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->parentWidget()->objectName(), inside);

    QString shown;
    if (kind == u"frame") {
        shown = Find<QGroupBox>(control->objectName())->title();
    } else if (kind == u"label" || kind == u"picture") {
        auto* label = Find<QLabel>(control->objectName());
        shown = label->text();
        QCOMPARE(label->pixmap().isNull(), kind == u"label");
    } else if (kind == u"text box") {
        QVERIFY(qobject_cast<QLineEdit*>(control));
    } else {
        auto* button = Find<QPushButton>(control->objectName());
        shown = button->text();
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(shown, caption);
    QVERIFY2(!shown.contains(u'&'), "a caption carries an access key");

    if (kind == u"label") {
        // Labels size themselves to the caption in the font actually used,
        // so none is clipped, keeping their left edge and vertical centre.
        QCOMPARE(control->x(), place.x());
        QVERIFY(qAbs(2 * control->y() + control->height() - 2 * place.y() - place.height()) <= 1);
        const QFontMetrics metrics(control->font());
        QVERIFY(control->width() >= metrics.horizontalAdvance(caption));
        QVERIFY(control->height() >= metrics.height());
    } else {
        QCOMPARE(control->geometry(), place);
    }

    const QFont font = control->font();
    QCOMPARE(font.family(), vondrel::kSongTi.toString());
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    if (kind != u"picture") {
        const QString resolved = QFontInfo(font).family();
        QVERIFY2(resolved == vondrel::kSongTi,
                 qPrintable(u"宋体 resolved to "_s + resolved));
    }
}

void Form1Test::colours()
{
    QCOMPARE(form_->palette().color(QPalette::Window), kWindowColour);
    for (const QString& frame : {u"Frame1"_s, u"Frame2"_s}) {
        QCOMPARE(Find<QGroupBox>(frame)->palette().color(QPalette::Window), kWindowColour);
        QVERIFY(Find<QGroupBox>(frame)->autoFillBackground());
    }
    for (QLabel* label : form_->findChildren<QLabel*>())
        QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
    QCOMPARE(Find<QLineEdit>(u"Text3"_s)->palette().color(QPalette::Base), kResultColour);
    const QColor systemBase = QApplication::palette().color(QPalette::Base);
    QCOMPARE(Find<QLineEdit>(u"Text1"_s)->palette().color(QPalette::Base), systemBase);
    QCOMPARE(Find<QLineEdit>(u"Text2"_s)->palette().color(QPalette::Base), systemBase);
}

void Form1Test::pictures_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("symbol");
    QTest::newRow("Image1") << QSize(30, 30) << true;
    QTest::newRow("Image2") << QSize(30, 30) << true;
    QTest::newRow("Image3") << QSize(30, 30) << true;
    QTest::newRow("Image4") << QSize(259, 19) << false;
}

void Form1Test::controlsReadOutInChinese_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const auto row = [](const char* control, QAccessible::Role role, const QString& name,
                        const QString& description = {}) {
        QTest::newRow(control) << int(role) << name << description;
    };
    using A = QAccessible;
    row("Frame1", A::Grouping, u"输入"_s);
    row("Label4", A::StaticText, u"负载"_s);
    row("Image1", A::Graphic, u"R（负载电阻）"_s);
    row("Label2", A::StaticText, u"等于"_s);
    row("Text1", A::EditableText, u"负载 R"_s, u"单位：欧姆（Ω）"_s);
    row("Label7", A::StaticText, u"欧姆"_s);
    row("Label5", A::StaticText, u"电源电压周期"_s);
    row("Image2", A::Graphic, u"T（电源电压周期）"_s);
    row("Label3", A::StaticText, u"等于"_s);
    row("Text2", A::EditableText, u"电源电压周期 T"_s, u"单位：秒（S）"_s);
    row("Label8", A::StaticText, u"秒"_s);
    row("Frame2", A::Grouping, u"输出"_s);
    row("Label6", A::StaticText, u"滤波电容"_s);
    row("Image3", A::Graphic, u"C（滤波电容）"_s);
    row("Label1", A::StaticText, u"应大于"_s);
    row("Text3", A::EditableText, u"滤波电容"_s, u"应大于此值，单位：微法（μF）"_s);
    row("Label9", A::StaticText, u"微法"_s);
    row("Image4", A::Graphic, u"电容单位换算：1F = 10³mF = 10⁶μF = 10⁹nF = 10¹²pF"_s,
        u"1 法等于 10 的 3 次方毫法，等于 10 的 6 次方微法，等于 10 的 9 次方纳法，等于 10 的 12 次方皮法"_s);
    row("Command1", A::Button, u"计算"_s);
    row("Command2", A::Button, u"计算原理"_s);
    row("Command3", A::Button, u"退出"_s);
}

void Form1Test::controlsReadOutInChinese()
{
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(Find<QWidget>(QString::fromLatin1(QTest::currentDataTag())));
    QCOMPARE(int(control->role()), role);
    QCOMPARE(control->text(QAccessible::Name), name);
    QCOMPARE(control->text(QAccessible::Description), description);
}

void Form1Test::everyControlReadsOutInChinese()
{
    QCOMPARE(ControlsWithoutChineseName(*form_), QStringList());
}

void Form1Test::pictures()
{
    QFETCH(QSize, size);
    QFETCH(bool, symbol);

    auto* picture = Find<QLabel>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(!picture->hasScaledContents());
    QCOMPARE(picture->pixmap().size(), size);
    QCOMPARE(picture->size(), size);

    const QImage image = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QMap<QRgb, int> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++colours[qAlpha(image.pixel(x, y)) == 0 ? 0 : image.pixel(x, y)];
    if (symbol) {
        // Two colours: the glyph, and transparency where the white was.
        QCOMPARE(colours.keys(), (QList<QRgb>{0, qRgb(126, 4, 104)}));
    } else {
        QVERIFY(!colours.contains(0));
        const QRgb bar = std::max_element(colours.keyValueBegin(), colours.keyValueEnd(),
                                          [](auto a, auto b) { return a.second < b.second; })->first;
        QVERIFY2(qAbs(qRed(bar) - 252) <= 6 && qAbs(qGreen(bar) - 253) <= 6 && qBlue(bar) <= 12,
                 "the unit line is not on a yellow bar");
    }
}

void Form1Test::tabChainStartsOnCalculate()
{
    QCOMPARE(QApplication::focusWidget(), Find<QWidget>(u"Command1"_s));
    QStringList visited;
    for (int press = 0; press < 6; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{u"Command2"_s, u"Command3"_s, u"Text1"_s, u"Text2"_s, u"Text3"_s,
                                   u"Command1"_s}));
}

void Form1Test::enterPressesOnlyAFocusedButton()
{
    Fill(u"Text1"_s, u"100"_s);
    Fill(u"Text2"_s, u"0.02"_s);
    auto* load = Find<QLineEdit>(u"Text1"_s);
    load->setFocus();
    QCOMPARE(AnswerModalBoxes([load] { QTest::keyClick(load, Qt::Key_Return); }), QStringList{});
    QVERIFY(Result().isEmpty());

    auto* calculate = Find<QPushButton>(u"Command1"_s);
    calculate->setFocus();
    QCOMPARE(AnswerModalBoxes([calculate] { QTest::keyClick(calculate, Qt::Key_Return); }), QStringList{});
    QCOMPARE(Result(), u"300.0"_s);
}

void Form1Test::inputBoxesTakeAnyTextRightJustified()
{
    for (const QString& name : {u"Text1"_s, u"Text2"_s}) {
        auto* box = Find<QLineEdit>(name);
        QVERIFY(box->alignment().testFlag(Qt::AlignRight));

        box->clear();
        box->setFocus();
        TypeKeys(box, u"100Ω abc-+.e"_s);
        CommitFromInputMethod(box, u"１００．５"_s);
        QCOMPARE(box->text(), u"100Ω abc-+.e１００．５"_s);

        const QString longer(100000, u'9');
        box->setText(longer);
        QCOMPARE(box->text(), longer);
    }
}

void Form1Test::resultBoxIsReadOnlyButCopyable()
{
    Fill(u"Text1"_s, u"100"_s);
    Fill(u"Text2"_s, u"0.02"_s);
    QCOMPARE(PressCalculate(), QStringList{});

    auto* result = Find<QLineEdit>(u"Text3"_s);
    QVERIFY(result->focusPolicy() & Qt::TabFocus);
    result->setFocus();
    QTest::keyClicks(result, u"12"_s);
    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(result->text(), u"300.0"_s);

    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"300.0"_s);
}

void Form1Test::resultBoxShowsItsCaret()
{
    auto* result = Find<QLineEdit>(u"Text3"_s);
    result->setText(u"300.0"_s);
    const auto shownWithFocus = [result](bool readOnly) {
        result->clearFocus();
        result->setReadOnly(readOnly);
        result->setFocus();
        result->setCursorPosition(3);
        return result->grab().toImage();
    };
    // Read-only, the box draws its caret as it does when editable.
    const QImage editable = shownWithFocus(false);
    QCOMPARE(shownWithFocus(true), editable);
    result->clearFocus();
    QVERIFY(result->grab().toImage() != editable);
}

void Form1Test::menusOfTheBoxesAreChinese()
{
    for (const QString& name : {u"Text1"_s, u"Text3"_s}) {
        const std::unique_ptr<QMenu> menu(Find<QLineEdit>(name)->createStandardContextMenu());
        for (const QAction* action : menu->actions())
            QVERIFY2(action->isSeparator() || std::any_of(action->text().cbegin(), action->text().cend(), [](QChar c) {
                         return c.script() == QChar::Script_Han;
                     }),
                     qPrintable(action->text()));
    }
}

void Form1Test::calculate_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("boxes");

    for (const CalculationExample& example : kCalculationExamples) {
        const QString load = ToQString(example.load);
        const QString period = ToQString(example.period);
        if (example.runtimeError != 0)
            QTest::newRow(example.name) << load << period << kEarlierResult
                                        << QStringList{example.runtimeError == 11 ? kDivisionByZeroBox : kOverflowBox};
        else if (example.resultText.empty())
            QTest::newRow(example.name) << load << period << kEarlierResult << QStringList{kIncompleteBox};
        else
            QTest::newRow(example.name) << load << period << ToQString(example.resultText) << QStringList{};
    }
}

void Form1Test::calculate()
{
    QFETCH(QString, load);
    QFETCH(QString, period);
    QFETCH(QString, after);
    QFETCH(QStringList, boxes);

    Find<QLineEdit>(u"Text3"_s)->setText(kEarlierResult);
    Fill(u"Text1"_s, load);
    Fill(u"Text2"_s, period);
    QCOMPARE(PressCalculate(), boxes);
    QCOMPARE(Result(), after);
    QCOMPARE(Find<QLineEdit>(u"Text1"_s)->text(), load);
    QCOMPARE(Find<QLineEdit>(u"Text2"_s)->text(), period);
}

void Form1Test::errorsAreReportedAndCalculatorGoesOn()
{
    const auto calculate = [this](const QString& load, const QString& period) {
        Fill(u"Text1"_s, load);
        Fill(u"Text2"_s, period);
        return PressCalculate();
    };
    QCOMPARE(calculate(u"100"_s, u"0.02"_s), QStringList{});
    QCOMPARE(Result(), u"300.0"_s);

    QCOMPARE(calculate(u"0"_s, u"0.02"_s), QStringList{kDivisionByZeroBox});
    QCOMPARE(Result(), u"300.0"_s);
    QCOMPARE(calculate(u"1e-308"_s, u"1e300"_s), QStringList{kOverflowBox});
    QCOMPARE(Result(), u"300.0"_s);
    QVERIFY(form_->isVisible());

    QCOMPARE(calculate(u"1000"_s, u"0.01"_s), QStringList{});
    QCOMPARE(Result(), u"15.0"_s);
    QCOMPARE(calculate(u"1000"_s, u"0.01"_s), QStringList{});
    QCOMPARE(Result(), u"15.0"_s);
}

void Form1Test::longResultShowsFromItsStart()
{
    Fill(u"Text1"_s, u"1e-3"_s);
    Fill(u"Text2"_s, u"1e3"_s);
    QCOMPARE(PressCalculate(), QStringList{});
    auto* result = Find<QLineEdit>(u"Text3"_s);
    QCOMPARE(result->text(), u"1500000000000.0"_s);
    QVERIFY(result->fontMetrics().horizontalAdvance(result->text()) > result->width());
    QCOMPARE(result->cursorPosition(), 0);
    QVERIFY(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 5);
}

void Form1Test::incompleteInputKeepsEarlierResult()
{
    Fill(u"Text1"_s, u"100"_s);
    Fill(u"Text2"_s, u"0.02"_s);
    QCOMPARE(PressCalculate(), QStringList{});
    QCOMPARE(Result(), u"300.0"_s);

    // Editing a box recomputes nothing.
    auto* period = Find<QLineEdit>(u"Text2"_s);
    period->setFocus();
    period->selectAll();
    QTest::keyClick(period, Qt::Key_Delete);
    QCOMPARE(Result(), u"300.0"_s);

    QCOMPARE(PressCalculate(), QStringList{kIncompleteBox});
    QCOMPARE(Result(), u"300.0"_s);
}

void Form1Test::boxCopiesAsOnWindows()
{
    QGuiApplication::clipboard()->clear();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // Through the window, as the window system delivers keys, so that
            // shortcuts see them.
            QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier);
            box->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(5);
    QTest::mouseClick(Find<QPushButton>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"---------------------------\n"
             u"Vondrel\n"
             u"---------------------------\n"
             u"请填写完整的输入数据！\n"
             u"---------------------------\n"
             u"确定   \n"
             u"---------------------------\n"_s);
}

void Form1Test::boxesAreWideEnoughForTheirCaption()
{
    QList<int> spare;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&spare] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
            font.setBold(true);
            const int caption = QFontMetrics(font).horizontalAdvance(box->windowTitle());
            const int button = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
            // The caption centred, with three of the frame's buttons on either side.
            spare << box->width() - caption - 6 * button;
            box->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(5);
    for (const QString& load : {u""_s, u"0"_s}) {
        Fill(u"Text1"_s, load);
        Fill(u"Text2"_s, u"0.02"_s);
        QTest::mouseClick(Find<QPushButton>(u"Command1"_s), Qt::LeftButton);
    }
    QCOMPARE(spare.size(), 2);
    QCOMPARE_GE(spare[0], 0);
    QCOMPARE_GE(spare[1], 0);
}

void Form1Test::exitEndsProgram()
{
    QTimer::singleShot(0, form_.get(), [this] { QTest::mouseClick(Find<QPushButton>(u"Command3"_s), Qt::LeftButton); });
    QCOMPARE(RunMainLoop(), 0);
}

void Form1Test::closeBoxEndsProgram()
{
    QTimer::singleShot(0, form_.get(), [this] { form_->windowHandle()->close(); });
    QCOMPARE(RunMainLoop(), 0);
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
