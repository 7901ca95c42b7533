#include "buildkeys.h"
#include "shell.h"
#include "signaturecheck.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    SignatureCheck::trustKeys(buildKeys());
    Shell shell(application.arguments(), sinceStart);
    return application.exec();
}
