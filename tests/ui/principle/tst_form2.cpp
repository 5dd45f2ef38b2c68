#include "app/qt/application_start_up.h"
#include "app/qt/song_face.h"
#include "app/qt/window_lifetimes.h"
#include "ui/main/qt/form1.h"
#include "principle_window.h"
#include "window_support.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using vondrel::Form1;

namespace {

// Clicks the middle of a control of a window the way the window system
// delivers a click, so that the modality of other windows applies to it.
void ClickThroughWindowSystem(QWidget& window, const QWidget& control)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, control.mapTo(&window, control.rect().center()));
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vondrel::SetUpApplication(); }
    void init();
    void cleanup() { form1_.reset(); }

    void opensAsDesigned();
    void pictureFillsTheWindowUnscaled();
    void controlsReadOutInChinese();
    void closingReturnsToMainWindow_data();
    void closingReturnsToMainWindow();
    void everyOpeningIsFresh();
    void mainWindowTakesNoInputWhileOpen();
    void minimizedComesBackWhenMainWindowIsActivated();
    void openingsLeaveNoWindowBehind();

private:
    // Presses Principle, lets `whileOpen` look at the principle window once
    // it is the active modal window and close it, and returns once the
    // button's handler has returned. A window that never opens, or is not
    // closed within 10 s, fails the test instead of hanging it.
    bool WhileOpen(const std::function<void(QWidget&)>& whileOpen);

    std::unique_ptr<Form1> form1_;
};

void Form2Test::init()
{
    form1_ = std::make_unique<Form1>();
    vondrel::host::ShowCentred(*form1_);
    QVERIFY(QTest::qWaitForWindowActive(form1_.get()));
}

bool Form2Test::WhileOpen(const std::function<void(QWidget&)>& whileOpen)
{
    return WhilePrincipleOpen(*form1_, whileOpen);
}

void Form2Test::opensAsDesigned()
{
    form1_->move(10, 10);  // the window centres on the screen, not on Form1
    QVERIFY(WhileOpen([this](QWidget& form2) {
        QCOMPARE(form2.objectName(), u"Form2"_s);
        QCOMPARE(form2.windowTitle(), u"Form2"_s);
        QCOMPARE(form2.size(), QSize(310, 127));
        QCOMPARE(form2.minimumSize(), form2.size());
        QCOMPARE(form2.maximumSize(), form2.size());
        // Owned by the main window, so that every window manager keeps it above.
        QCOMPARE(form2.parentWidget(), form1_.get());
        QCOMPARE(form2.windowHandle()->transientParent(), form1_->windowHandle());
        QCOMPARE(form2.windowModality(), Qt::ApplicationModal);
        QVERIFY(IsCentredOnScreen(form2));

        const Qt::WindowFlags flags = form2.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        for (const int side : {16, 32})
            QCOMPARE(form2.windowIcon().pixmap(side).toImage(), form1_->windowIcon().pixmap(side).toImage());

        auto* exit = FindControl<QPushButton>(form2, u"Command1"_s);
        QCOMPARE(exit->text(), u"退出"_s);
        QCOMPARE(exit->geometry(), QRect(3480 / 15, 1320 / 15, 975 / 15, 375 / 15));
        QCOMPARE(exit->font().family(), vondrel::kSongTi.toString());
        QCOMPARE(exit->font().pointSizeF(), 9.0);
        QCOMPARE(QFontInfo(exit->font()).family(),
                 QFontInfo(FindControl<QPushButton>(*form1_, u"Command1"_s)->font()).family());
        QCOMPARE(QApplication::focusWidget(), exit);

        QWidgetList focusable;
        for (QWidget* control : form2.findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus)
                focusable << control;
        QCOMPARE(focusable, QWidgetList{exit});
        exit->click();
    }));
}

void Form2Test::pictureFillsTheWindowUnscaled()
{
    const QImage picture = QImage(u":/principle.png"_s).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(310, 128));
    QVERIFY(WhileOpen([&picture](QWidget& form2) {
        const QRect button = FindControl<QPushButton>(form2, u"Command1"_s)->geometry();
        const QImage shown = form2.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(310, 127));
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (!button.contains(x, y) && shown.pixel(x, y) != picture.pixel(x, y))
                    ++differing;
        QCOMPARE(differing, 0);
        form2.close();
    }));
}

void Form2Test::controlsReadOutInChinese()
{
    QVERIFY(WhileOpen([](QWidget& form2) {
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(FindControl<QLabel>(form2, u"Picture"_s));
        QVERIFY(picture);
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), u"3. 滤波电容器容量的求法"_s);
        QCOMPARE(picture->text(QAccessible::Description),
                 u"输入负载 R 和电源电压的周期 T，可得输出电容 C。\n公式：C ≥ (3~5)T / (2R)"_s);
        QCOMPARE(ControlsWithoutChineseName(form2), QStringList());
        form2.close();
    }));
}

void Form2Test::closingReturnsToMainWindow_data()
{
    using Close = std::function<void(QWidget&)>;
    QTest::addColumn<Close>("close");
    const auto exit = [](QWidget& form2) { return FindControl<QPushButton>(form2, u"Command1"_s); };
    QTest::newRow("Exit clicked") << Close([=](QWidget& form2) { QTest::mouseClick(exit(form2), Qt::LeftButton); });
    QTest::newRow("Return on Exit") << Close([=](QWidget& form2) { QTest::keyClick(exit(form2), Qt::Key_Return); });
    QTest::newRow("Enter on Exit") << Close([=](QWidget& form2) { QTest::keyClick(exit(form2), Qt::Key_Enter, Qt::KeypadModifier); });
    QTest::newRow("Space on Exit") << Close([=](QWidget& form2) { QTest::keyClick(exit(form2), Qt::Key_Space); });
    QTest::newRow("close box") << Close([](QWidget& form2) { form2.windowHandle()->close(); });
}

void Form2Test::closingReturnsToMainWindow()
{
    QFETCH(std::function<void(QWidget&)>, close);
    QPointer<QWidget> shown;
    QVERIFY(WhileOpen([&](QWidget& form2) {
        shown = &form2;
        close(form2);
    }));
    QVERIFY(shown.isNull());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(form1_->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form1_.get()));
}

void Form2Test::everyOpeningIsFresh()
{
    QImage first;
    QVERIFY(WhileOpen([&first](QWidget& form2) {
        first = form2.grab().toImage();
        form2.move(0, 0);
        form2.windowHandle()->close();
    }));
    form1_->move(30, 40);
    QVERIFY(WhileOpen([&first](QWidget& form2) {
        QVERIFY(IsCentredOnScreen(form2));
        QCOMPARE(QApplication::focusWidget(), FindControl<QPushButton>(form2, u"Command1"_s));
        QCOMPARE(form2.grab().toImage(), first);
        form2.close();
    }));
}

void Form2Test::mainWindowTakesNoInputWhileOpen()
{
    auto* load = FindControl<QLineEdit>(*form1_, u"Text1"_s);
    auto* result = FindControl<QLineEdit>(*form1_, u"Text3"_s);
    load->setText(u"100"_s);
    FindControl<QLineEdit>(*form1_, u"Text2"_s)->setText(u"0.02"_s);
    QSignalSpy presses[] = {
        {FindControl<QPushButton>(*form1_, u"Command1"_s), &QAbstractButton::clicked},
        {FindControl<QPushButton>(*form1_, u"Command2"_s), &QAbstractButton::clicked},
        {FindControl<QPushButton>(*form1_, u"Command3"_s), &QAbstractButton::clicked},
    };
    QVERIFY(WhileOpen([&](QWidget& form2) {
        for (const char* button : {"Command1", "Command2", "Command3"})
            ClickThroughWindowSystem(*form1_, *FindControl<QPushButton>(*form1_, QString::fromLatin1(button)));
        ClickThroughWindowSystem(*form1_, *load);
        QTest::keyClick(form1_->windowHandle(), '5');
        QTest::keyClick(form1_->windowHandle(), Qt::Key_Return);
        QVERIFY(form2.isActiveWindow());
        form2.close();
    }));
    QCOMPARE(presses[0].count(), 0);
    QCOMPARE(presses[1].count(), 1);  // the press that opened the window
    QCOMPARE(presses[2].count(), 0);
    QCOMPARE(load->text(), u"100"_s);
    QVERIFY(result->text().isEmpty());

    // The same click, once the window is closed, does reach the main window.
    ClickThroughWindowSystem(*form1_, *FindControl<QPushButton>(*form1_, u"Command1"_s));
    QCOMPARE(result->text(), u"300.0"_s);
}

void Form2Test::minimizedComesBackWhenMainWindowIsActivated()
{
    QVERIFY(WhileOpen([this](QWidget& form2) {
        form2.windowHandle()->setWindowStates(Qt::WindowMinimized);
        form1_->windowHandle()->requestActivate();
        // qWaitFor, which Qt 6.8 compiles without a conversion warning, unlike QTRY_.
        QVERIFY(QTest::qWaitFor([&form2] {
            return form2.windowHandle()->windowStates() == Qt::WindowNoState && form2.isActiveWindow();
        }));
        form2.close();
    }));
}

void Form2Test::openingsLeaveNoWindowBehind()
{
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    for (int opening = 1; opening <= 1000; ++opening) {
        const bool closed = WhileOpen([](QWidget& form2) { FindControl<QPushButton>(form2, u"Command1"_s)->click(); });
        if (!closed)
            QFAIL(qPrintable(u"opening %1 did not open and close"_s.arg(opening)));
    }
    QVERIFY(PrincipleWindows().isEmpty());
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
