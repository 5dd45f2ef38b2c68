#include "app/qt/application_start_up.h"
#include "app/qt/window_lifetimes.h"
#include "ui/main/qt/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    vondrel::ChooseWindowSystem();
    QApplication application(argc, argv);
    vondrel::SetUpApplication();
    vondrel::Form1 form1;
    vondrel::host::ShowCentred(form1);
    return QApplication::exec();
}
