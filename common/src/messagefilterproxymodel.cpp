#include "messagefilterproxymodel.h"

#include "messagelistmodel.h"

MessageFilterProxyModel::MessageFilterProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void MessageFilterProxyModel::setFlag(Message::MessageFlags newFlag)
{
    m_flag = newFlag;
    emit flagChanged();
    invalidateFilter();
}

bool MessageFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    const QRegularExpression& search = filterRegularExpression();
    if (search.isValid() && !search.pattern().isEmpty())
        return sourceModel()->data(row, MessageListModel::MessageRole).toString().contains(search);
    if (m_flag == Message::NONE)
        return true;
    bool isNumber = false;
    const int rowFlag = sourceModel()->data(row, MessageListModel::FlagRole).toInt(&isNumber);
    return isNumber && rowFlag == m_flag;
}
