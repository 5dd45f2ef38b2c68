#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form2;
}

namespace vondrel {

// The principle window: the rule behind the calculation, as a picture, and
// a button that closes the window. Its design is form2.ui; this class adds
// the border and wires the button. The window that opens it owns it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::Form2> ui_;
};

}  // namespace vondrel
