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
#endif

namespace {

QStringList texts(const QAbstractItemModel& model)
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
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Root ignores file permissions; while this lives, they are checked as for "nobody".
struct UnprivilegedFileAccess
{
#ifdef Q_OS_LINUX
    UnprivilegedFileAccess() : previous(setfsuid(geteuid() == 0 ? 65534 : geteuid())) {}
    ~UnprivilegedFileAccess()
    {
        setfsuid(previous);
    }
    int previous;
#endif
};

enum class Obstacle { ReadOnlyFolder, FolderInTheWay, PipeInTheWay, FullDisk };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Colors(false); } // the mode is process-wide
    void roles_data();
    void roles();
    void filter_data();
    void filter();
    void continuation_data();
    void continuation();
    void logLineFormat();
    void logIsEmptiedAndWrittenLineByLine();
    void logFailureKeepsRunning_data();
    void logFailureKeepsRunning();

private:
    TestEnvironment m_environment;
};

void TestMessages::roles_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("textColor");

    QTest::newRow("information, light") << false << int(Message::INFO) << "#000000";
    QTest::newRow("information, dark") << true << int(Message::INFO) << "#FFFFFF";
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
    model.addMessage("Loading configuration", flag);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().mid(1), (QVariantList{0, 0}));
    QCOMPARE(updated.count(), 0);

    const QModelIndex row = model.index(0);
    const QDateTime made = row.data(MessageListModel::TimeStampRole).toDateTime();
    QVERIFY(made >= before && made <= QDateTime::currentDateTime());
    QCOMPARE(row.data(MessageListModel::FlagRole), QVariant(flag));
    QCOMPARE(row.data(MessageListModel::PrintTextRole).toString(),
             made.toString("dd.MM.yyyy - hh:mm") + " Loading configuration");
    QCOMPARE(row.data(MessageListModel::TextColorRole).toString(), textColor);
    QCOMPARE(model.roleNames(), (QHash<int, QByteArray>{{257, "message"},
                                                        {258, "flag"},
                                                        {259, "time_stamp"},
                                                        {260, "print_text"},
                                                        {261, "text_color"}}));

    QStandardItemModel other(1, 1);
    for (const QModelIndex& index : {model.index(1), QModelIndex(), other.index(0, 0)})
        QVERIFY(!model.data(index, MessageListModel::MessageRole).isValid());
    QVERIFY(!model.data(row, Qt::DisplayRole).isValid());
}

void TestMessages::filter_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("searches"); // set in turn
    QTest::addColumn<QStringList>("visible");

    QTest::newRow("no flag shows every line")
        << 0 << QStringList{}
        << QStringList{"Loading configuration", "Download failed", "download finished",
                       "Checksum error.", ""};
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
}

void TestMessages::filter()
{
    QFETCH(int, flag);
    QFETCH(QStringList, searches);
    QFETCH(QStringList, visible);

    // The last row has no readable flag: shown without a flag filter only.
    QStandardItemModel source;
    for (const auto& [text, rowFlag] : std::initializer_list<std::pair<const char*, QVariant>>{
             {"Loading configuration", Message::INFO},
             {"Download failed", Message::ERROR},
             {"download finished", Message::INFO},
             {"Checksum error.", Message::ERROR},
             {"", QVariant()}}) {
        auto* item = new QStandardItem;
        item->setData(QString::fromUtf8(text), MessageListModel::MessageRole);
        item->setData(rowFlag, MessageListModel::FlagRole);
        source.appendRow(item);
    }
    MessageFilterProxyModel proxy;
    proxy.setSourceModel(&source);
    QCOMPARE(proxy.rowCount(), 5); // as a view shows them before the filter changes
    QSignalSpy flagChanged(&proxy, &MessageFilterProxyModel::flagChanged);
    QVERIFY(proxy.setProperty("flag", flag)); // as the status box sets it
    QCOMPARE(flagChanged.count(), 1);
    for (const QString& search : searches)
        proxy.setFilterFixedString(search);
    QCOMPARE(texts(proxy), visible);
}

void TestMessages::continuation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("continuation");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("updates");

    const QStringList lines{"Connecting", "Loading configuration"};
    QTest::newRow("full stop") << lines << "@ ."
                               << "Loading configuration." << 1;
    QTest::newRow("only the second field") << lines << "@progress 50% of 2"
                                           << "Loading configuration50%" << 1;
    QTest::newRow("two spaces append nothing") << lines << "@  ."
                                               << "Loading configuration" << 1;
    QTest::newRow("no second field") << lines << "@progress"
                                     << "Loading configuration" << 0;
    QTest::newRow("nothing to continue") << QStringList{} << "@ ." << QString() << 0;
}

void TestMessages::continuation()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, continuation);
    QFETCH(QString, last);
    QFETCH(int, updates);

    MessageListModel model;
    for (const QString& line : lines)
        model.addMessage(line, Message::ERROR);
    const QModelIndex lastRow = model.index(model.rowCount() - 1);
    const QVariant timeStamp = lastRow.data(MessageListModel::TimeStampRole);
    QSignalSpy updated(&model, &MessageListModel::dataUpdated);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.appendToLastMessage(continuation);
    QCOMPARE(model.rowCount(), lines.size());
    QCOMPARE(texts(model).value(lines.size() - 1), last);
    QCOMPARE(texts(model).mid(0, lines.size() - 1), lines.mid(0, lines.size() - 1));
    QCOMPARE(updated.count(), updates);
    QCOMPARE(changed.count(), updates);
    if (updates) {
        QCOMPARE(changed.first().mid(0, 2), (QVariantList{lastRow, lastRow}));
        QCOMPARE(lastRow.data(MessageListModel::TimeStampRole), timeStamp);
        QCOMPARE(lastRow.data(MessageListModel::FlagRole), QVariant(Message::ERROR));
    }
}

void TestMessages::logLineFormat()
{
    QCOMPARE(StatusLogWriter::formatLine(QDateTime({2024, 2, 5}, {14, 3, 12}), "@ ."),
             "Mon Feb 5 14:03:12 2024 - @ .");
    QCOMPARE(StatusLogWriter::formatLine(QDateTime({2023, 12, 15}, {9, 5, 7}), "Lädt"),
             "Fri Dec 15 09:05:07 2023 - Lädt");
}

void TestMessages::logIsEmptiedAndWrittenLineByLine()
{
    QFile earlier(StatusLogWriter::FILE_NAME);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier run\n") > 0);
    earlier.close();

    StatusLogWriter log;
    QCOMPARE(fileLines("statusLogger.txt"), QStringList{});
    const QStringList written{"Loading configuration", "@ .", "Größe geprüft"};
    for (int i = 0; i < written.size(); ++i) {
        const QDateTime before = QDateTime::currentDateTime().addMSecs(-1000);
        log.writeLine(written.at(i));
        // Read while the writer is alive: each line is on disk as soon as it is written.
        const QStringList lines = fileLines("statusLogger.txt");
        QCOMPARE(lines.size(), i + 1);
        const QString stamp = lines.last().section(" - ", 0, 0);
        QCOMPARE(lines.last(), stamp + " - " + written.at(i));
        const QDateTime at = QDateTime::fromString(stamp, Qt::TextDate);
        QVERIFY2(at >= before && at <= QDateTime::currentDateTime(), qPrintable(stamp));
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

// The writer says so once on the diagnostic output and never blocks.
void TestMessages::logFailureKeepsRunning()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, reason);
    QFETCH(int, linesOnDisk);

    QTemporaryDir folder(QDir::current().filePath("log-XXXXXX"));
    const QString path = folder.filePath(StatusLogWriter::FILE_NAME);
    std::optional<UnprivilegedFileAccess> access;
    if (obstacle == Obstacle::ReadOnlyFolder) {
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                         QFile::ReadOther | QFile::ExeOther));
        access.emplace();
        if (QFile probe(folder.filePath("probe")); probe.open(QIODevice::WriteOnly))
            QSKIP("file permissions are not enforced for this user");
    } else if (obstacle == Obstacle::FolderInTheWay) {
        QVERIFY(QDir().mkpath(path));
    }
#ifdef Q_OS_LINUX
    if (obstacle == Obstacle::PipeInTheWay)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif

    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression("^status log " + QRegularExpression::escape(path) + ".*" + reason));
    QTest::failOnWarning(QRegularExpression("^status log"));
    StatusLogWriter log(path);
    log.writeLine("Loading configuration");
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
    log.writeLine("Download failed");
    log.writeLine("@ .");
#ifdef Q_OS_LINUX
    if (obstacle == Obstacle::FullDisk)
        setrlimit(RLIMIT_FSIZE, &previous);
#endif
    access.reset();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(QFileInfo(path).isFile(), linesOnDisk > 0);
    if (linesOnDisk > 0)
        QCOMPARE(fileLines(path).size(), linesOnDisk);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
