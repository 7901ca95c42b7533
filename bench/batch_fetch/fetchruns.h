#pragma once

#include <QString>
#include <QStringList>

struct FetchResult
{
    double milliseconds = 0;
    // Replies that failed or whose size was wrong; for curl, whether any transfer failed.
    int failures = 0;
};

// All `urls` with one batch of the shell's request handler, as the shell fetches them.
FetchResult fetchWithHandler(const QStringList& urls, qsizetype expectedSize);

// The URLs listed in `urlListFile` with curl, `parallel` transfers at a time.
FetchResult fetchWithCurl(const QString& urlListFile, int parallel);
