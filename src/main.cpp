#include "forms/application.h"
#include "forms/form1.h"
#include "forms/form3.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = handleCommandLine(argc, argv))
        return *status;

    DesktopConnection desktop;
    QApplication app(argc, argv);
    desktop.established();
    prepareApplication();

    Form1::instance().show();
    const int status = QApplication::exec();

    // The value-entry window belongs to the main window and goes with it.
    Form3::destroyInstance();
    Form1::destroyInstance();
    return status;
}
