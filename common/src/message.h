#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// One entry of the status log. Flag and time stamp are fixed when the entry is made.
class Message : public QObject
{
    Q_OBJECT

public:
    enum MessageFlags { NONE, INFO, ERROR };
    Q_ENUM(MessageFlags)

    explicit Message(QObject* parent = nullptr);
    Message(const QString& message, const QDateTime& timeStamp, qint32 flag);
    Message(const Message& other);

    QString message() const { return m_message; }
    int flag() const { return m_flag; }
    QDateTime timeStamp() const { return m_timeStamp; }

    void setMessage(const QString& message) { m_message = message; }

private:
    QString m_message;
    qint32 m_flag = INFO;
    QDateTime m_timeStamp;
};
