#include "shell.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    Shell shell(application.arguments(), sinceStart);
    return application.exec();
}
