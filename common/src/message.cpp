#include "message.h"

Message::Message(QObject* parent) : QObject(parent), m_timeStamp(QDateTime::currentDateTime()) {}

Message::Message(const QString& message, const QDateTime& timeStamp, qint32 flag)
    : m_message(message), m_flag(flag), m_timeStamp(timeStamp)
{
}

Message::Message(const Message& other)
    : QObject(nullptr), m_message(other.m_message), m_flag(other.m_flag),
      m_timeStamp(other.m_timeStamp)
{
}
