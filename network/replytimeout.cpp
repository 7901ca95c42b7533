#include "replytimeout.h"

#include <QNetworkReply>
#include <QTimer>

void ReplyTimeout::set(QNetworkReply* reply, int milliseconds)
{
    new ReplyTimeout(reply, milliseconds);
}

ReplyTimeout::ReplyTimeout(QObject* parent, int milliseconds)
    : QObject(parent), m_milliseconds(milliseconds)
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &ReplyTimeout::check);
    timer->start(milliseconds);
}

void ReplyTimeout::check()
{
    auto* reply = qobject_cast<QNetworkReply*>(parent());
    if (!reply) {
        qCritical("ReplyTimeout was used on a non-QNetworkReply object!");
        // Without a reply nobody owns this guard.
        if (!parent())
            deleteLater();
        return;
    }
    if (reply->isRunning())
        reply->abort();
}
