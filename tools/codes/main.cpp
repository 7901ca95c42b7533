#include "codetable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the forgotten-password resource of the shell and, separately, "
                       "the table of unlock codes that support hands out."));
    parser.addHelpOption();
    const QCommandLineOption resource(QStringLiteral("resource"),
                                      QStringLiteral("The resource file to write."),
                                      QStringLiteral("path"));
    const QCommandLineOption table(QStringLiteral("unlock-table"),
                                   QStringLiteral("The support table to write; it must not exist "
                                                  "yet and never goes into the shell."),
                                   QStringLiteral("path"));
    const QCommandLineOption tag(QStringLiteral("tag"), QStringLiteral("Short tag (QMK)."),
                                 QStringLiteral("tag"), QStringLiteral("QMK"));
    const QCommandLineOption date(QStringLiteral("date"),
                                  QStringLiteral("Date of the table, dd.MM.yyyy (today)."),
                                  QStringLiteral("date"));
    parser.addOptions({resource, table, tag, date});
    parser.process(application);

    if (!parser.isSet(resource) || !parser.isSet(table)) {
        err << "both --resource and --unlock-table are required\n";
        return 2;
    }
    const QString tagText = parser.value(tag);
    if (tagText.isEmpty() || tagText.contains(QLatin1Char(' ')) ||
        tagText.contains(QLatin1Char('<')) || tagText.contains(QLatin1Char('>'))) {
        err << "the tag must be one word without \"<\" or \">\"\n";
        return 2;
    }
    const QDate day = parser.isSet(date)
                          ? QDate::fromString(parser.value(date), QStringLiteral("dd.MM.yyyy"))
                          : QDate::currentDate();
    if (!day.isValid()) {
        err << "the date must be written dd.MM.yyyy\n";
        return 2;
    }
    // An existing table may be the only copy that matches a shipped resource.
    if (QFileInfo::exists(parser.value(table))) {
        err << parser.value(table) << " exists; it is not overwritten\n";
        return 1;
    }

    const QList<CodeTable::Entry> entries =
        CodeTable::generate(CodeTable::CODE_COUNT, *QRandomGenerator::system());
    QString error;
    if (!writeFile(parser.value(table), CodeTable::unlockTableText(tagText, day, entries), error) ||
        !writeFile(parser.value(resource), CodeTable::resourceText(tagText, day, entries), error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
