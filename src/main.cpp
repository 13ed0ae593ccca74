#include "forms/application.h"
#include "forms/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();

    Form1::instance().show();
    const int status = QApplication::exec();

    Form1::destroyInstance();
    return status;
}
