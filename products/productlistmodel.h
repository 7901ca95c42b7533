#pragma once

#include <QAbstractListModel>
#include <QList>

class Product;

// The product list as the launcher's rows. It reads the manager's list on every call and
// owns neither the list nor the products.
class ProductListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        APP_ID = Qt::UserRole + 1,
        INSTALLED_VERSION,
        AVAILABLE_VERSION,
        PLUGIN_NAME,
        BUTTON_STATE,
        CHANGE_LOG
    };

    explicit ProductListModel(QList<Product*>* products);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // "Multi-Plus Vent" -> "MULTI-+ VENT": every "plus" in any letter case becomes "+".
    static QString displayName(const QString& name);

    // Views drop every row and read the list again; the manager calls these around
    // replacing the list and after every change it announces.
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }

private:
    QList<Product*>* m_products;
};
