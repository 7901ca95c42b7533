#include "productlistmodel.h"

#include "product.h"

ProductListModel::ProductListModel(QList<Product*>* products) : m_products(products) {}

int ProductListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_products->size());
}

QVariant ProductListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.column() < 0 ||
        index.row() >= m_products->size())
        return QVariant();

    const Product* product = m_products->at(index.row());
    switch (role) {
    case APP_ID:
        return product->appId();
    case INSTALLED_VERSION:
        return product->installedVersion();
    case AVAILABLE_VERSION:
        return product->availableVersion();
    case PLUGIN_NAME:
        return displayName(product->name());
    case BUTTON_STATE:
        return int(product->installationState());
    case CHANGE_LOG:
        return product->changelog();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ProductListModel::roleNames() const
{
    return {{APP_ID, "app_id"},
            {INSTALLED_VERSION, "installed_version"},
            {AVAILABLE_VERSION, "available_version"},
            {PLUGIN_NAME, "plugin_name"},
            {BUTTON_STATE, "button_state"},
            {CHANGE_LOG, "change_log"}};
}

QString ProductListModel::displayName(const QString& name)
{
    return QString(name)
        .replace(QLatin1String("plus"), QLatin1String("+"), Qt::CaseInsensitive)
        .toUpper();
}
