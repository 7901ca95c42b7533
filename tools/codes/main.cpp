#include "codetable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

namespace {

const char* SECRET_VARIABLE = "QUILLMARK_SUPPORT_SECRET";

bool writeFile(const QString& path, const QByteArray& content, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

// From the file named by --secret-file, else from the environment; a line end at the end of
// the file is not part of it.
std::optional<QByteArray> readSecret(const QString& path, QString& error)
{
    QByteArray secret = qgetenv(SECRET_VARIABLE);
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = path + QStringLiteral(": ") + file.errorString();
            return std::nullopt;
        }
        secret = file.readAll();
        while (secret.endsWith('\n') || secret.endsWith('\r'))
            secret.chop(1);
    }
    if (secret.size() < CodeTable::MINIMUM_SECRET_LENGTH) {
        error = QStringLiteral("the support secret (--secret-file or %1) needs at least %2 bytes")
                    .arg(QLatin1String(SECRET_VARIABLE))
                    .arg(CodeTable::MINIMUM_SECRET_LENGTH);
        return std::nullopt;
    }
    return secret;
}

// An existing table may be the only copy that matches a shipped resource.
bool writeNewTable(const QString& path, const CodeTable::Resource& resource, QString& error)
{
    if (QFileInfo::exists(path)) {
        error = path + QStringLiteral(" exists; it is not overwritten");
        return false;
    }
    return writeFile(
        path, CodeTable::unlockTableText(resource.tag, resource.date, resource.entries), error);
}

bool makeResource(const QCommandLineParser& parser, const QByteArray& secret, QString& error)
{
    const QString tag = parser.value(QStringLiteral("tag"));
    if (tag.isEmpty() || tag.contains(QLatin1Char(' ')) || tag.contains(QLatin1Char('<')) ||
        tag.contains(QLatin1Char('>'))) {
        error = QStringLiteral("the tag must be one word without \"<\" or \">\"");
        return false;
    }
    const QDate date =
        parser.isSet(QStringLiteral("date"))
            ? QDate::fromString(parser.value(QStringLiteral("date")), QStringLiteral("dd.MM.yyyy"))
            : QDate::currentDate();
    if (!date.isValid()) {
        error = QStringLiteral("the date must be written dd.MM.yyyy");
        return false;
    }
    const CodeTable::Resource resource{
        tag, date, CodeTable::generate(CodeTable::CODE_COUNT, secret, *QRandomGenerator::system())};
    const QString table = parser.value(QStringLiteral("unlock-table"));
    if (!table.isEmpty() && !writeNewTable(table, resource, error))
        return false;
    return writeFile(parser.value(QStringLiteral("resource")),
                     CodeTable::resourceText(tag, date, resource.entries), error);
}

bool remakeTable(const QCommandLineParser& parser, const QByteArray& secret, QString& error)
{
    QFile file(parser.value(QStringLiteral("resource")));
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    std::optional<CodeTable::Resource> resource = CodeTable::parseResource(file.readAll(), error);
    return resource && CodeTable::deriveUnlockCodes(*resource, secret, error) &&
           writeNewTable(parser.value(QStringLiteral("unlock-table")), *resource, error);
}

bool printUnlockCodes(const QStringList& customerCodes, const QByteArray& secret, QString& error)
{
    QTextStream out(stdout);
    for (const QString& typed : customerCodes) {
        const QString customerCode = typed.trimmed().toUpper();
        if (!CodeTable::isCustomerCode(customerCode)) {
            error = typed + QStringLiteral(" is not a customer code");
            return false;
        }
        out << customerCode << ' ' << CodeTable::unlockCode(secret, customerCode) << '\n';
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Forgotten-password codes from one support secret.\n"
        "  new     writes a new resource for the shell (and, with --unlock-table, its table)\n"
        "  table   writes the unlock table of an existing resource (checks the secret)\n"
        "  unlock  prints the unlock code of each customer code given"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("new, table or unlock"));
    parser.addOptions({
        {QStringLiteral("secret-file"),
         QStringLiteral("File holding the support secret (else the environment variable %1).")
             .arg(QLatin1String(SECRET_VARIABLE)),
         QStringLiteral("path")},
        {QStringLiteral("resource"), QStringLiteral("The shell's code resource."),
         QStringLiteral("path")},
        {QStringLiteral("unlock-table"),
         QStringLiteral("The support table to write; it must not exist yet and never goes into "
                        "the shell."),
         QStringLiteral("path")},
        {QStringLiteral("tag"), QStringLiteral("Short tag of a new resource (QMK)."),
         QStringLiteral("tag"), QStringLiteral("QMK")},
        {QStringLiteral("date"), QStringLiteral("Date of a new resource, dd.MM.yyyy (today)."),
         QStringLiteral("date")},
    });
    parser.process(application);

    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    QString error;
    const std::optional<QByteArray> secret =
        readSecret(parser.value(QStringLiteral("secret-file")), error);
    bool done = false;
    if (!secret) {
        done = false;
    } else if (command == QLatin1String("new") && parser.isSet(QStringLiteral("resource"))) {
        done = makeResource(parser, *secret, error);
    } else if (command == QLatin1String("table") && parser.isSet(QStringLiteral("resource")) &&
               parser.isSet(QStringLiteral("unlock-table"))) {
        done = remakeTable(parser, *secret, error);
    } else if (command == QLatin1String("unlock") && arguments.size() > 1) {
        done = printUnlockCodes(arguments.mid(1), *secret, error);
    } else {
        err << parser.helpText();
        return 2;
    }
    if (!done)
        err << error << "\n";
    return done ? 0 : 1;
}
