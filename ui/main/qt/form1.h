#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form1;
}

namespace vondrel {

// The calculator window. Its controls, geometry, captions, fonts, colours
// and tab order are the design in form1.ui; this class adds the border and
// the labels' sizing, and wires the buttons to their handlers.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Ui::Form1> ui_;
};

}  // namespace vondrel
