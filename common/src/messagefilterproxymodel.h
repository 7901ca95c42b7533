#pragma once

#include "message.h"

#include <QSortFilterProxyModel>

// What the status box shows of the status lines: the lines of one flag, or with a search text
// every line that contains it literally (the flag is then not consulted).
class MessageFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(Message::MessageFlags flag READ flag WRITE setFlag NOTIFY flagChanged)

public:
    explicit MessageFilterProxyModel(QObject* parent = nullptr);

    Message::MessageFlags flag() const { return m_flag; }

public slots:
    // NONE shows every line.
    void setFlag(Message::MessageFlags newFlag);

signals:
    void flagChanged();
    // A line of the source changed its text.
    void dataUpdated();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Message::MessageFlags m_flag = Message::NONE;
};
