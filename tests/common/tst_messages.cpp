#include "colors.h"
#include "messagefilterproxymodel.h"
#include "messagelistmodel.h"
#include "statuslogwriter.h"
#include "testenvironment.h"

#include <QDir>
#include <QStandardItemModel>
#include <QtTest>
#include <optional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QStringList visibleTexts(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data(MessageListModel::MessageRole).toString();
    return texts;
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Root ignores file permissions; while this lives, file access is checked as "nobody".
class UnprivilegedFileAccess
{
public:
#ifdef Q_OS_LINUX
    UnprivilegedFileAccess() : m_previous(setfsuid(geteuid() == 0 ? 65534 : geteuid())) {}
    ~UnprivilegedFileAccess()
    {
        setfsuid(m_previous);
    }

private:
    int m_previous;
#endif
};

enum class Obstacle { ReadOnlyFolder, FolderInTheWay, PipeInTheWay, FullDisk };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void roles_data();
    void roles();
    void filter_data();
    void filter();
    void unreadableFlagIsHidden();
    void continuation_data();
    void continuation();
    void logLineFormat_data();
    void logLineFormat();
    void logIsEmptiedAndWrittenLineByLine();
    void logFailureKeepsRunning_data();
    void logFailureKeepsRunning();

private:
    TestEnvironment m_environment;
};

void TestMessages::cleanup()
{
    Colors(false);
}

void TestMessages::roles_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("textColor");

    QTest::newRow("information, light") << false << int(Message::INFO) << "#000000";
    QTest::newRow("information, dark") << true << int(Message::INFO) << "#FFFFFF";
    QTest::newRow("error, light") << false << int(Message::ERROR) << "#FF0000";
    QTest::newRow("error, dark") << true << int(Message::ERROR) << "#FF0000";
}

void TestMessages::roles()
{
    QFETCH(bool, dark);
    QFETCH(int, flag);
    QFETCH(QString, textColor);

    Colors published(dark);
    MessageListModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy updated(&model, &MessageListModel::dataUpdated);
    const QDateTime before = QDateTime::currentDateTime();
    model.addMessage(QStringLiteral("Loading configuration"), flag);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().mid(1), (QVariantList{0, 0}));
    QCOMPARE(updated.count(), 0);

    const QModelIndex row = model.index(0);
    const QDateTime timeStamp = row.data(MessageListModel::TimeStampRole).toDateTime();
    QVERIFY(timeStamp >= before && timeStamp <= QDateTime::currentDateTime());
    QCOMPARE(row.data(MessageListModel::MessageRole).toString(), "Loading configuration");
    QCOMPARE(row.data(MessageListModel::FlagRole), QVariant(flag));
    QCOMPARE(row.data(MessageListModel::PrintTextRole).toString(),
             QLocale::c().toString(timeStamp, QStringLiteral("dd.MM.yyyy - hh:mm")) +
                 " Loading configuration");
    QCOMPARE(row.data(MessageListModel::TextColorRole).toString(), textColor);

    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.size(), 5);
    for (const auto& [role, name] :
         std::initializer_list<std::pair<int, QByteArray>>{{257, "message"},
                                                           {258, "flag"},
                                                           {259, "time_stamp"},
                                                           {260, "print_text"},
                                                           {261, "text_color"}})
        QCOMPARE(names.value(role), name);

    QStandardItemModel other(1, 1);
    for (const QModelIndex& index :
         {model.index(1), model.index(-1), QModelIndex(), other.index(0, 0)})
        QVERIFY(!model.data(index, MessageListModel::MessageRole).isValid());
    QVERIFY(!model.data(row, Qt::DisplayRole).isValid());
    QVERIFY(!model.data(row, MessageListModel::TextColorRole + 1).isValid());
}

void TestMessages::filter_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("searches"); // set in turn
    QTest::addColumn<QStringList>("visible");

    const QStringList all{"Loading configuration", "Download failed", "download finished",
                          "Checksum error."};
    QTest::newRow("no flag shows every line") << 0 << QStringList{} << all;
    QTest::newRow("information only")
        << 1 << QStringList{} << QStringList{"Loading configuration", "download finished"};
    QTest::newRow("errors only") << 2 << QStringList{}
                                 << QStringList{"Download failed", "Checksum error."};
    QTest::newRow("search overrides the flag")
        << 2 << QStringList{"ownload"} << QStringList{"Download failed", "download finished"};
    QTest::newRow("search is case-sensitive")
        << 0 << QStringList{"download"} << QStringList{"download finished"};
    QTest::newRow("search is literal") << 0 << QStringList{"."} << QStringList{"Checksum error."};
    QTest::newRow("clearing the search brings the flag back")
        << 1 << QStringList{"failed", ""}
        << QStringList{"Loading configuration", "download finished"};
    QTest::newRow("nothing found") << 0 << QStringList{"Failed"} << QStringList{};
}

void TestMessages::filter()
{
    QFETCH(int, flag);
    QFETCH(QStringList, searches);
    QFETCH(QStringList, visible);

    MessageListModel model;
    MessageFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    model.addMessage(QStringLiteral("Loading configuration"), Message::INFO);
    model.addMessage(QStringLiteral("Download failed"), Message::ERROR);
    model.addMessage(QStringLiteral("download finished"), Message::INFO);
    model.addMessage(QStringLiteral("Checksum error."), Message::ERROR);

    QSignalSpy flagChanged(&proxy, &MessageFilterProxyModel::flagChanged);
    QVERIFY(proxy.setProperty("flag", flag)); // as the status box sets it
    QCOMPARE(flagChanged.count(), 1);
    for (const QString& search : searches)
        proxy.setFilterFixedString(search);
    QCOMPARE(visibleTexts(proxy), visible);
}

void TestMessages::unreadableFlagIsHidden()
{
    QStandardItemModel source;
    auto* item = new QStandardItem;
    item->setData(QStringLiteral("no flag"), MessageListModel::MessageRole);
    source.appendRow(item);
    MessageFilterProxyModel proxy;
    proxy.setSourceModel(&source);
    QCOMPARE(proxy.rowCount(), 1);
    proxy.setFlag(Message::INFO);
    QCOMPARE(proxy.rowCount(), 0);
}

void TestMessages::continuation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("continuation");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("updates");

    const QStringList loading{"Connecting", "Loading configuration"};
    QTest::newRow("full stop") << loading << "@ ."
                               << QStringList{"Connecting", "Loading configuration."} << 1;
    QTest::newRow("only the second field")
        << loading << "@progress 50% of 2 files"
        << QStringList{"Connecting", "Loading configuration50%"} << 1;
    QTest::newRow("two spaces append nothing") << loading << "@  ." << loading << 1;
    QTest::newRow("no second field") << loading << "@progress" << loading << 0;
    QTest::newRow("nothing to continue") << QStringList{} << "@ ." << QStringList{} << 0;
}

void TestMessages::continuation()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, continuation);
    QFETCH(QStringList, expected);
    QFETCH(int, updates);

    MessageListModel model;
    MessageFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    for (const QString& line : lines)
        model.addMessage(line, Message::ERROR);
    const QVariant timeStamp = model.index(1).data(MessageListModel::TimeStampRole);
    QSignalSpy updated(&model, &MessageListModel::dataUpdated);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    model.appendToLastMessage(continuation);
    QCOMPARE(visibleTexts(model), expected);
    QCOMPARE(visibleTexts(proxy), expected);
    QCOMPARE(updated.count(), updates);
    QCOMPARE(changed.count(), updates);
    QCOMPARE(inserted.count(), 0);
    if (updates) {
        QCOMPARE(changed.first().at(0).toModelIndex(), model.index(1));
        QCOMPARE(changed.first().at(1).toModelIndex(), model.index(1));
        QCOMPARE(model.index(1).data(MessageListModel::TimeStampRole), timeStamp);
        QCOMPARE(model.index(1).data(MessageListModel::FlagRole), QVariant(Message::ERROR));
    }
}

void TestMessages::logLineFormat_data()
{
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("one-digit day")
        << QDateTime(QDate(2024, 2, 5), QTime(14, 3, 12)) << "Loading configuration"
        << "Mon Feb 5 14:03:12 2024 - Loading configuration";
    QTest::newRow("text as received") << QDateTime(QDate(2023, 12, 15), QTime(9, 5, 7)) << "@ ."
                                      << "Fri Dec 15 09:05:07 2023 - @ .";
}

void TestMessages::logLineFormat()
{
    QFETCH(QDateTime, at);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(StatusLogWriter::formatLine(at, text), line);
}

void TestMessages::logIsEmptiedAndWrittenLineByLine()
{
    QFile earlier(StatusLogWriter::FILE_NAME);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier run\n") > 0);
    earlier.close();

    StatusLogWriter log;
    QCOMPARE(fileLines(StatusLogWriter::FILE_NAME), QStringList{});
    const QStringList texts{"Loading configuration", "@ .", "Größe geprüft"};
    for (int i = 0; i < texts.size(); ++i) {
        const QDateTime before = QDateTime::currentDateTime().addMSecs(-1000);
        log.writeLine(texts.at(i));
        // Read while the writer is alive: each line is on disk as soon as it is written.
        const QStringList lines = fileLines(QDir::current().filePath("statusLogger.txt"));
        QCOMPARE(lines.size(), i + 1);
        const QString prefix = lines.last().section(QStringLiteral(" - "), 0, 0);
        QCOMPARE(lines.last(), prefix + " - " + texts.at(i));
        const QDateTime written = QDateTime::fromString(prefix, Qt::TextDate);
        QVERIFY2(written >= before && written <= QDateTime::currentDateTime(), qPrintable(prefix));
    }
}

void TestMessages::logFailureKeepsRunning_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("linesOnDisk"); // -1: the obstacle is left as it was

    QTest::newRow("read-only folder") << Obstacle::ReadOnlyFolder << "cannot be opened" << 0;
    QTest::newRow("folder in the way") << Obstacle::FolderInTheWay << "not a regular file" << -1;
#ifdef Q_OS_LINUX
    QTest::newRow("pipe in the way") << Obstacle::PipeInTheWay << "not a regular file" << -1;
    QTest::newRow("full disk") << Obstacle::FullDisk << "cannot be written" << 1;
#endif
}

void TestMessages::logFailureKeepsRunning()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, reason);
    QFETCH(int, linesOnDisk);

    QTemporaryDir folder(QDir::current().filePath("log-XXXXXX"));
    const QString path = folder.filePath(StatusLogWriter::FILE_NAME);
    switch (obstacle) {
    case Obstacle::ReadOnlyFolder:
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                         QFile::ReadOther | QFile::ExeOther));
        break;
    case Obstacle::FolderInTheWay:
        QVERIFY(QDir().mkpath(path));
        break;
    case Obstacle::PipeInTheWay:
#ifdef Q_OS_LINUX
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        break;
    case Obstacle::FullDisk:
        break;
    }

    const QRegularExpression warning("^status log " + QRegularExpression::escape(path) + ".*" +
                                     reason);
    QTest::ignoreMessage(QtWarningMsg, warning);
    QTest::failOnWarning(QRegularExpression("^status log"));
    {
        std::optional<UnprivilegedFileAccess> access;
        if (obstacle == Obstacle::ReadOnlyFolder)
            access.emplace();
        StatusLogWriter log(path);
        log.writeLine(QStringLiteral("Loading configuration"));
#ifdef Q_OS_LINUX
        rlimit previous{};
        if (obstacle == Obstacle::FullDisk) {
            // The file may not grow beyond its first line: later writes fail as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &previous);
            rlimit limited = previous;
            limited.rlim_cur = rlim_t(QFileInfo(path).size());
            setrlimit(RLIMIT_FSIZE, &limited);
        }
#endif
        log.writeLine(QStringLiteral("Download failed"));
        log.writeLine(QStringLiteral("@ ."));
#ifdef Q_OS_LINUX
        if (obstacle == Obstacle::FullDisk)
            setrlimit(RLIMIT_FSIZE, &previous);
#endif
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(QFileInfo(path).isFile(), linesOnDisk > 0);
    if (linesOnDisk > 0)
        QCOMPARE(fileLines(path).size(), linesOnDisk);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
