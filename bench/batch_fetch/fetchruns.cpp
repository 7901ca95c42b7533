#include "fetchruns.h"

#include "httprequesthandler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

namespace {

double elapsedMilliseconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

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
    QElapsedTimer timer;
    timer.start();
    handler->getFiles();
    loop.exec();
    result.milliseconds = elapsedMilliseconds(timer);
    return result;
}

FetchResult fetchWithCurl(const QString& curlConfigFile, int parallel)
{
    FetchResult result;
    QProcess curl;
    curl.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"), {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                                        QStringLiteral("--fail"), QStringLiteral("--parallel"),
                                        QStringLiteral("--parallel-max"), QString::number(parallel),
                                        QStringLiteral("--config"), curlConfigFile});
    const bool finished = curl.waitForFinished(-1);
    result.milliseconds = elapsedMilliseconds(timer);
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
