#include "fetchruns.h"

#include "httprequesthandler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <sys/resource.h>

namespace {

double elapsedMilliseconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

double cpuMilliseconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto milliseconds = [](const timeval& time) {
        return time.tv_sec * 1e3 + time.tv_usec / 1e3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

} // namespace

double ownCpuMilliseconds()
{
    return cpuMilliseconds(RUSAGE_SELF);
}

double childrenCpuMilliseconds()
{
    return cpuMilliseconds(RUSAGE_CHILDREN);
}

FetchResult fetchWithHandler(const QStringList& urls, qsizetype expectedSize)
{
    FetchResult result;
    if (urls.isEmpty())
        return result;
    auto* handler = new HttpRequestHandler(urls);
    QEventLoop loop;
    int delivered = 0;
    QObject::connect(
        handler, &HttpRequestHandler::batchReplyFinished, &loop,
        [&](int urlCounter, const QByteArray& reply, const QString&, const QString& error) {
            if (!error.isEmpty() || reply.size() != expectedSize)
                ++result.failures;
            if (++delivered == urlCounter)
                loop.quit();
        });
    const double cpuBefore = ownCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    handler->getFiles();
    loop.exec();
    result.milliseconds = elapsedMilliseconds(timer);
    result.cpuMilliseconds = ownCpuMilliseconds() - cpuBefore;
    return result;
}

FetchResult fetchWithCurl(const QString& curlConfigFile, int parallel, const QString& caFile)
{
    FetchResult result;
    QProcess curl;
    curl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double cpuBefore = childrenCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    QStringList arguments{QStringLiteral("--silent"),
                          QStringLiteral("--show-error"),
                          QStringLiteral("--no-progress-meter"),
                          QStringLiteral("--fail"),
                          QStringLiteral("--parallel"),
                          QStringLiteral("--parallel-max"),
                          QString::number(parallel),
                          QStringLiteral("--config"),
                          curlConfigFile};
    if (!caFile.isEmpty())
        arguments << QStringLiteral("--cacert") << caFile;
    curl.start(QStringLiteral("curl"), arguments);
    const bool finished = curl.waitForFinished(-1);
    result.milliseconds = elapsedMilliseconds(timer);
    result.cpuMilliseconds = childrenCpuMilliseconds() - cpuBefore;
    if (!finished || curl.exitStatus() != QProcess::NormalExit || curl.exitCode() != 0)
        result.failures = 1;
    return result;
}

QByteArray curlConfig(const QStringList& urls, const QStringList& outputs)
{
    QByteArray config;
    for (qsizetype i = 0; i < urls.size(); ++i) {
        config += "url = \"" + urls.at(i).toUtf8() + "\"\n";
        config += "output = \"" + outputs.at(i).toUtf8() + "\"\n";
    }
    return config;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

void Series::add(const FetchResult& ours, const FetchResult& curl)
{
    ourTimes << ours.milliseconds;
    curlTimes << curl.milliseconds;
    ourCpu << ours.cpuMilliseconds;
    curlCpu << curl.cpuMilliseconds;
    failures += ours.failures + curl.failures;
}

QString Series::summary(const QString& label, const QString& ourName) const
{
    return QStringLiteral("%1: median %2 %3 ms, curl %4 ms, ratio %5; processor time %2 %6 ms, "
                          "curl %7 ms, ratio %8\n")
        .arg(label, ourName)
        .arg(median(ourTimes), 0, 'f', 1)
        .arg(median(curlTimes), 0, 'f', 1)
        .arg(median(ourTimes) / median(curlTimes), 0, 'f', 2)
        .arg(median(ourCpu), 0, 'f', 1)
        .arg(median(curlCpu), 0, 'f', 1)
        .arg(median(ourCpu) / median(curlCpu), 0, 'f', 2);
}
