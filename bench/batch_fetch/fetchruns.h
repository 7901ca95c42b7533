#pragma once

#include <QString>
#include <QStringList>

struct FetchResult
{
    double milliseconds = 0;
    // Processor time (user and system, all threads) that the fetch cost on the client side:
    // this process for the handler, the curl process for curl. Unlike the wall-clock time it
    // hardly depends on what else the machine is doing.
    double cpuMilliseconds = 0;
    // Replies that failed or whose size was wrong; for curl, whether any transfer failed.
    int failures = 0;
};

// Processor time used so far by this process, and by its children that have ended.
double ownCpuMilliseconds();
double childrenCpuMilliseconds();

// All `urls` with one batch of the shell's request handler, as the shell fetches them.
FetchResult fetchWithHandler(const QStringList& urls, qsizetype expectedSize);

// The curl peer: one curl process fetches every URL of the config file `curlConfigFile`,
// `parallel` transfers at a time over reused connections (`-Z --parallel-max N -K file`), with
// `caFile` as its certificate authority when given.
FetchResult fetchWithCurl(const QString& curlConfigFile, int parallel,
                          const QString& caFile = QString());

// The median of `values`.
double median(QList<double> values);

// The figures of one kind of fetch over several runs.
struct Series
{
    void add(const FetchResult& ours, const FetchResult& curl);
    // The medians and ratios, each line starting with `label`.
    QString summary(const QString& label, const QString& ourName) const;

    QList<double> ourTimes, curlTimes, ourCpu, curlCpu;
    int failures = 0;
};

// A curl config file that fetches each URL into the output path at the same position.
QByteArray curlConfig(const QStringList& urls, const QStringList& outputs);
