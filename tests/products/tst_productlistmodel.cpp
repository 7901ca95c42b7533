#include "product.h"
#include "productlistmodel.h"

#include <QtTest>

class TestProductListModel : public QObject
{
    Q_OBJECT

private slots:
    void rolesOfARow();
    void releaseStateFromStateWord();
};

// The launcher reads the rows through these role numbers and names; every "plus" of the name, in
// any letter case, shows as "+".
void TestProductListModel::rolesOfARow()
{
    QList<Product*> products;
    const ProductListModel model(&products);
    QCOMPARE(model.rowCount(), 0);
    Product vent;
    // The model reads the current list on every call.
    products.append(&vent);
    vent.setAppId(5);
    vent.setName("Plus window plus");
    vent.setInstalledVersion("1.0.0");
    vent.setAvailableVersion("1.1.0");
    vent.setChangelog("Fixes: \n\nline\n");
    vent.setInstallationState(Product::INSTALLED_UPDATEABLE);
    QCOMPARE(model.rowCount(), 1);
    const QList<std::tuple<int, QByteArray, QVariant>> roles{
        {257, "app_id", 5},
        {258, "installed_version", QString("1.0.0")},
        {259, "available_version", QString("1.1.0")},
        {260, "plugin_name", QString("+ WINDOW +")},
        {261, "button_state", 8},
        {262, "change_log", QString("Fixes: \n\nline\n")}};
    QCOMPARE(model.roleNames().size(), roles.size());
    for (const auto& [role, name, value] : roles) {
        QCOMPARE(model.roleNames().value(role), name);
        QCOMPARE(model.data(model.index(0), role), value);
    }
    vent.setInstallationState(Product::INSTALLED_DELETED);
    QCOMPARE(model.data(model.index(0), 261), QVariant(12));
    // Rows outside the list and other roles give nothing.
    QVERIFY(!model.data(model.index(1), 257).isValid());
    QVERIFY(!model.data(model.index(-1), 257).isValid());
    QVERIFY(!model.data(model.index(0), 263).isValid());
    QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
}

// The words name files and URLs: exact and case-sensitive; others leave the state unchanged.
void TestProductListModel::releaseStateFromStateWord()
{
    Product product;
    const QList<std::pair<QString, Product::ReleaseState>> words{
        {"beta", Product::BETA}, {"release", Product::RELEASE}, {"dev", Product::DEV}};
    for (const auto& [word, state] : words) {
        QVERIFY(product.setReleaseState(word));
        QCOMPARE(product.releaseState(), state);
        QCOMPARE(Product::stateWord(state), word);
    }
    for (const char* other : {"Beta", "", "alpha"}) {
        QVERIFY(!product.setReleaseState(other));
        QCOMPARE(product.releaseState(), Product::DEV);
    }
}

QTEST_GUILESS_MAIN(TestProductListModel)
#include "tst_productlistmodel.moc"
