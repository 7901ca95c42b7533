#include "fetchruns.h"

#include "httprequesthandler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
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

FetchResult fetchWithCurl(const QString& curlConfigFile, int parallel)
{
    FetchResult result;
    QProcess curl;
    curl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double cpuBefore = childrenCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                QStringLiteral("--no-progress-meter"), QStringLiteral("--fail"),
                QStringLiteral("--parallel"), QStringLiteral("--parallel-max"),
                QString::number(parallel), QStringLiteral("--config"), curlConfigFile});
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
