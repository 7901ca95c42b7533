// Times the status list and its filter with many lines: appending them, switching the flag
// filter and the search text, next to a plain QSortFilterProxyModel over a QStandardItemModel
// doing the same work in the same run.

#include "messagefilterproxymodel.h"
#include "messagelistmodel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <optional>

namespace {

struct BenchOptions
{
    int lines = 100000;
    int runs = 5;
};

// One step of the scenario: what the status list does, and what the peer does to the same end.
struct Step
{
    QString name;
    std::function<void()> ours;
    std::function<void()> peer;
};

const QString SEARCH = QStringLiteral("module 17 written");

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

std::optional<BenchOptions> parseOptions(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the status list and its filter next to QSortFilterProxyModel over "
                       "QStandardItemModel."));
    parser.addHelpOption();
    const QCommandLineOption lines(QStringLiteral("lines"),
                                   QStringLiteral("Status lines appended (default 100000)."),
                                   QStringLiteral("count"), QStringLiteral("100000"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Runs of the whole scenario (default 5)."),
                                  QStringLiteral("count"), QStringLiteral("5"));
    parser.addOptions({lines, runs});
    parser.process(application);
    const BenchOptions options{parser.value(lines).toInt(), parser.value(runs).toInt()};
    if (options.lines < 1 || options.runs < 1) {
        QTextStream(stderr) << "--lines and --runs must be positive numbers\n";
        return std::nullopt;
    }
    return options;
}

// Every tenth line is an error; one line in fifty names module 17.
QString lineText(int i)
{
    return QStringLiteral("Parameter %1 of module %2 written").arg(i).arg(i % 50);
}

int lineFlag(int i)
{
    return i % 10 == 0 ? Message::ERROR : Message::INFO;
}

// The status list as the shell uses it, and the peer with the same content: text, flag and
// time stamp under the same roles, filtered through the base class's own facilities.
struct Models
{
    MessageListModel list;
    MessageFilterProxyModel filter;
    QStandardItemModel items;
    QSortFilterProxyModel itemFilter;

    Models()
    {
        filter.setSourceModel(&list);
        itemFilter.setSourceModel(&items);
        itemFilter.setFilterRole(MessageListModel::FlagRole);
    }
};

QList<Step> scenario(Models& m, int lines)
{
    return {
        {QStringLiteral("append %1 lines").arg(lines),
         [&m, lines] {
             for (int i = 0; i < lines; ++i)
                 m.list.addMessage(lineText(i), lineFlag(i));
         },
         [&m, lines] {
             for (int i = 0; i < lines; ++i) {
                 auto* item = new QStandardItem;
                 item->setData(lineText(i), MessageListModel::MessageRole);
                 item->setData(lineFlag(i), MessageListModel::FlagRole);
                 item->setData(QDateTime::currentDateTime(), MessageListModel::TimeStampRole);
                 m.items.appendRow(item);
             }
         }},
        {QStringLiteral("flag INFO"), [&m] { m.filter.setFlag(Message::INFO); },
         [&m] { m.itemFilter.setFilterFixedString(QStringLiteral("1")); }},
        {QStringLiteral("flag ERROR"), [&m] { m.filter.setFlag(Message::ERROR); },
         [&m] { m.itemFilter.setFilterFixedString(QStringLiteral("2")); }},
        {QStringLiteral("flag NONE"), [&m] { m.filter.setFlag(Message::NONE); },
         [&m] { m.itemFilter.setFilterFixedString(QString()); }},
        // The peer changes its filter role while its pattern is empty, where that is cheap.
        {QStringLiteral("search text"), [&m] { m.filter.setFilterFixedString(SEARCH); },
         [&m] {
             m.itemFilter.setFilterRole(MessageListModel::MessageRole);
             m.itemFilter.setFilterFixedString(SEARCH);
         }},
        {QStringLiteral("clear search"), [&m] { m.filter.setFilterFixedString(QString()); },
         [&m] {
             m.itemFilter.setFilterFixedString(QString());
             m.itemFilter.setFilterRole(MessageListModel::FlagRole);
         }},
    };
}

double timeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<BenchOptions> options = parseOptions(application);
    if (!options)
        return 1;

    QList<QString> names;
    QList<QList<double>> ours;
    QList<QList<double>> peer;
    for (int run = 0; run < options->runs; ++run) {
        Models models;
        const QList<Step> steps = scenario(models, options->lines);
        if (run == 0) {
            for (const Step& step : steps)
                names << step.name;
            ours.resize(steps.size());
            peer.resize(steps.size());
        }
        out() << "run " << run + 1 << ":";
        for (int i = 0; i < steps.size(); ++i) {
            ours[i] << timeMs(steps[i].ours);
            peer[i] << timeMs(steps[i].peer);
            out() << ' ' << QString::number(ours[i].last(), 'f', 1) << '/'
                  << QString::number(peer[i].last(), 'f', 1);
            // Both must show the same rows, or the figures compare different work.
            if (models.filter.rowCount() != models.itemFilter.rowCount()) {
                out() << '\n';
                QTextStream(stderr)
                    << steps[i].name << ": the status filter shows " << models.filter.rowCount()
                    << " rows, the peer " << models.itemFilter.rowCount() << '\n';
                return 1;
            }
        }
        out() << " ms (status list / peer)\n";
    }

    out() << "\nmedians of " << options->runs << " runs, " << options->lines << " lines:\n";
    out() << QStringLiteral("%1 %2 %3 %4\n")
                 .arg(QStringLiteral("step"), -22)
                 .arg(QStringLiteral("status list"), 14)
                 .arg(QStringLiteral("peer"), 14)
                 .arg(QStringLiteral("ratio"), 8);
    for (int i = 0; i < names.size(); ++i) {
        const double oursMs = median(ours[i]);
        const double peerMs = median(peer[i]);
        out() << QStringLiteral("%1 %2 %3 %4\n")
                     .arg(names[i], -22)
                     .arg(QString::number(oursMs, 'f', 2) + QStringLiteral(" ms"), 14)
                     .arg(QString::number(peerMs, 'f', 2) + QStringLiteral(" ms"), 14)
                     .arg(QString::number(oursMs / peerMs, 'f', 2), 8);
    }
    return 0;
}
