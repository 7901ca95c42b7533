#include "messagelistmodel.h"

MessageListModel::MessageListModel(QObject* parent) : QAbstractListModel(parent) {}

MessageListModel::~MessageListModel() = default;

int MessageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_messages.size());
}

bool MessageListModel::isOwnRow(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.column() == 0 && index.row() >= 0 &&
           index.row() < rowCount();
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const
{
    if (!isOwnRow(index))
        return {};
    const Message& message = *m_messages[static_cast<size_t>(index.row())];
    switch (role) {
    case MessageRole:
        return message.message();
    case FlagRole:
        return message.flag();
    case TimeStampRole:
        return message.timeStamp();
    case PrintTextRole:
        return printText(message);
    case TextColorRole:
        return message.flag() == Message::ERROR ? m_palette.RED() : m_palette.TITLE_COLOR();
    default:
        return {};
    }
}

QHash<int, QByteArray> MessageListModel::roleNames() const
{
    return {{MessageRole, "message"},
            {FlagRole, "flag"},
            {TimeStampRole, "time_stamp"},
            {PrintTextRole, "print_text"},
            {TextColorRole, "text_color"}};
}

void MessageListModel::addMessage(const QString& text, int flag)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_messages.push_back(std::make_unique<Message>(text, QDateTime::currentDateTime(), flag));
    endInsertRows();
}

void MessageListModel::appendToLastMessage(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(' '));
    if (m_messages.empty() || fields.size() < 2)
        return;
    Message& last = *m_messages.back();
    last.setMessage(last.message() + fields.at(1));
    const QModelIndex lastRow = index(rowCount() - 1);
    emit dataChanged(lastRow, lastRow);
    emit dataUpdated();
}

QString MessageListModel::printText(const Message& message)
{
    return message.timeStamp().toString(QStringLiteral("dd.MM.yyyy - hh:mm ")) + message.message();
}
