#include "shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Shell shell(application.arguments());
    return application.exec();
}
