#pragma once

#include <QObject>

class QNetworkReply;

// Aborts a network reply that is still running when its time is up. The guard is a child of
// the reply, so it dies with it and a reply that finished in time is never aborted later.
class ReplyTimeout : public QObject
{
    Q_OBJECT

public:
    static void set(QNetworkReply* reply, int milliseconds);

    // The time the reply was given.
    int milliseconds() const { return m_milliseconds; }

private:
    ReplyTimeout(QObject* parent, int milliseconds);
    void check();

    int m_milliseconds;
};
