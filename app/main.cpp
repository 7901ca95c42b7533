#include "buildkeys.h"
#include "shell.h"
#include "signaturecheck.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SignatureCheck::trustKeys(buildKeys());
    Shell shell(application.arguments());
    return application.exec();
}
