// quillmark-sign: makes the maker's signing keys and writes the signature files of a storage
// tree, so that the shell installs only what the maker signed.
#include "signer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << "quillmark-sign: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("keygen --private <file> --public <file>\n"
                       "    makes a key pair; the private key never goes into a repository\n"
                       "storage --key <file> --storage <storage/kelvo folder>\n"
                       "    signs every plug-in version, translations and file-list folder "
                       "and the shell's update\n"
                       "folder --key <file> --folder <dir> --scope <s> --name <n> "
                       "[--version <v>] [--state <w>] [--output <name>] [file ...]\n"
                       "    signs the given files of one folder (all of it when none given)"));
    parser.addHelpOption();
    const QList<QCommandLineOption> options{
        {"private", "Private key file to write.", "file"},
        {"public", "Public key file to write.", "file"},
        {"key", "Private key file to sign with.", "file"},
        {"storage", "The storage folder (storage/kelvo) to sign.", "folder"},
        {"folder", "One folder to sign.", "folder"},
        {"scope", "plugin, translations, firmwares, assembly_instructions or update.", "scope"},
        {"name", "Plug-in name, or qmk for the shell.", "name"},
        {"version", "Version the folder holds.", "version"},
        {"state", "State word the folder holds.", "state"},
        {"output", "Signature file name.", "name", SignatureFile::FILE_NAME},
    };
    parser.addOptions(options);
    parser.addPositionalArgument("command", "keygen, storage or folder");
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);

    QString error;
    if (command == QLatin1String("keygen")) {
        if (!parser.isSet("private") || !parser.isSet("public"))
            return fail(QStringLiteral("keygen needs --private and --public"));
        error = Signer::makeKeys(parser.value("private"), parser.value("public"));
    } else if (command == QLatin1String("storage") || command == QLatin1String("folder")) {
        QByteArray privatePem;
        error = Signer::readPrivateKey(parser.value("key"), &privatePem);
        if (error.isEmpty() && command == QLatin1String("storage"))
            error = Signer::signStorage(parser.value("storage"), privatePem);
        else if (error.isEmpty())
            error = Signer::signFolder(parser.value("folder"),
                                       {parser.value("scope"),
                                        parser.value("name"),
                                        parser.value("version"),
                                        parser.value("state"),
                                        {}},
                                       arguments.mid(1), parser.value("output"), privatePem);
    } else {
        parser.showHelp(1);
    }
    return error.isEmpty() ? 0 : fail(error);
}
