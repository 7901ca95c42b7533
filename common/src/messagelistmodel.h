#pragma once

#include "colors.h"
#include "message.h"

#include <QAbstractListModel>
#include <memory>
#include <vector>

// Every status line of the run, oldest first. Lines are only appended; the last one may be
// extended by a continuation.
class MessageListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        MessageRole = Qt::UserRole + 1,
        FlagRole,
        TimeStampRole,
        PrintTextRole,
        TextColorRole
    };

    explicit MessageListModel(QObject* parent = nullptr);
    ~MessageListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Appends a line made now.
    void addMessage(const QString& text, int flag);
    // A continuation is the marker word, one space and the addition: the addition is appended
    // to the last line. Without an addition or without a line to extend, nothing changes.
    void appendToLastMessage(const QString& text);

signals:
    // An existing line changed its text.
    void dataUpdated();

private:
    bool isOwnRow(const QModelIndex& index) const;
    // "dd.MM.yyyy - hh:mm text", as the status box shows a line.
    static QString printText(const Message& message);

    std::vector<std::unique_ptr<Message>> m_messages;
    Colors m_palette;
};
