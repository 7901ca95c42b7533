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

FetchResult fetchWithCurl(const QString& urlListFile, int parallel)
{
    FetchResult result;
    QProcess xargs;
    xargs.setStandardInputFile(urlListFile);
    xargs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    xargs.start(QStringLiteral("xargs"),
                {QStringLiteral("-P"), QString::number(parallel), QStringLiteral("-n"),
                 QStringLiteral("1"), QStringLiteral("curl"), QStringLiteral("-s"),
                 QStringLiteral("-o"), QStringLiteral("/dev/null")});
    const bool finished = xargs.waitForFinished(-1);
    result.milliseconds = elapsedMilliseconds(timer);
    if (!finished || xargs.exitStatus() != QProcess::NormalExit || xargs.exitCode() != 0)
        result.failures = 1;
    return result;
}
