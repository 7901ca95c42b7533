#include "product.h"
#include "productlistmodel.h"

#include <QtTest>

class TestProductListModel : public QObject
{
    Q_OBJECT

private slots:
    void roleNamesAreFixed();
    void dataOfEachRole_data();
    void dataOfEachRole();
    void displayForm_data();
    void displayForm();
    void emptyListHasNoRows();
    void invalidIndexOrRoleGivesNothing_data();
    void invalidIndexOrRoleGivesNothing();
    void readsTheCurrentList();
    void releaseStateFromStateWord_data();
    void releaseStateFromStateWord();

private:
    static std::unique_ptr<Product> product();
};

std::unique_ptr<Product> TestProductListModel::product()
{
    auto vent = std::make_unique<Product>();
    vent->setAppId(5);
    vent->setName(QStringLiteral("window plus"));
    vent->setInstalledVersion(QStringLiteral("1.0.0"));
    vent->setAvailableVersion(QStringLiteral("1.1.0"));
    vent->setChangelog(QStringLiteral("Fixes: \n\nline\n"));
    vent->setInstallationState(Product::INSTALLED_UPDATEABLE);
    return vent;
}

void TestProductListModel::roleNamesAreFixed()
{
    QList<Product*> products;
    const ProductListModel model(&products);
    const QHash<int, QByteArray> expected{
        {257, "app_id"},      {258, "installed_version"}, {259, "available_version"},
        {260, "plugin_name"}, {261, "button_state"},      {262, "change_log"}};
    QCOMPARE(model.roleNames(), expected);
}

void TestProductListModel::dataOfEachRole_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("app_id") << 257 << QVariant(5);
    QTest::newRow("installed_version") << 258 << QVariant(QStringLiteral("1.0.0"));
    QTest::newRow("available_version") << 259 << QVariant(QStringLiteral("1.1.0"));
    QTest::newRow("plugin_name") << 260 << QVariant(QStringLiteral("WINDOW +"));
    QTest::newRow("button_state") << 261 << QVariant(8);
    QTest::newRow("change_log") << 262 << QVariant(QStringLiteral("Fixes: \n\nline\n"));
}

void TestProductListModel::dataOfEachRole()
{
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    const auto vent = product();
    QList<Product*> products{vent.get()};
    const ProductListModel model(&products);
    QCOMPARE(model.data(model.index(0), role), expected);
}

void TestProductListModel::displayForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Vent"
                           << "VENT";
    QTest::newRow("lower plus") << "window plus"
                                << "WINDOW +";
    QTest::newRow("mixed case") << "Multi-Plus Vent"
                                << "MULTI-+ VENT";
    QTest::newRow("twice") << "PLUSPLUS"
                           << "++";
    QTest::newRow("empty") << ""
                           << "";
}

void TestProductListModel::displayForm()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    Product named;
    named.setName(name);
    QList<Product*> products{&named};
    const ProductListModel model(&products);
    QCOMPARE(model.data(model.index(0), ProductListModel::PLUGIN_NAME).toString(), shown);
}

void TestProductListModel::emptyListHasNoRows()
{
    QList<Product*> products;
    const ProductListModel model(&products);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.data(model.index(0), ProductListModel::APP_ID).isValid());
}

void TestProductListModel::invalidIndexOrRoleGivesNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::newRow("row past the end") << 1 << 257;
    QTest::newRow("negative row") << -1 << 257;
    QTest::newRow("role below the table") << 0 << 256;
    QTest::newRow("role above the table") << 0 << 263;
    QTest::newRow("display role") << 0 << int(Qt::DisplayRole);
}

void TestProductListModel::invalidIndexOrRoleGivesNothing()
{
    QFETCH(int, row);
    QFETCH(int, role);
    const auto vent = product();
    QList<Product*> products{vent.get()};
    const ProductListModel model(&products);
    QVERIFY(!model.data(model.index(row), role).isValid());
}

void TestProductListModel::readsTheCurrentList()
{
    QList<Product*> products;
    const ProductListModel model(&products);
    const auto vent = product();
    products.append(vent.get());
    QCOMPARE(model.rowCount(), 1);
    vent->setInstallationState(Product::INSTALLED_DELETED);
    QCOMPARE(model.data(model.index(0), ProductListModel::BUTTON_STATE).toInt(), 12);
}

void TestProductListModel::releaseStateFromStateWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("state");
    QTest::newRow("release") << "release" << true << int(Product::RELEASE);
    QTest::newRow("beta") << "beta" << true << int(Product::BETA);
    QTest::newRow("dev") << "dev" << true << int(Product::DEV);
    QTest::newRow("upper case") << "Beta" << false << int(Product::DEV);
    QTest::newRow("empty") << "" << false << int(Product::DEV);
    QTest::newRow("unknown") << "alpha" << false << int(Product::DEV);
}

void TestProductListModel::releaseStateFromStateWord()
{
    QFETCH(QString, word);
    QFETCH(bool, accepted);
    QFETCH(int, state);
    Product product;
    product.setReleaseState(QStringLiteral("dev"));
    QCOMPARE(product.setReleaseState(word), accepted);
    QCOMPARE(int(product.releaseState()), state);
}

QTEST_GUILESS_MAIN(TestProductListModel)
#include "tst_productlistmodel.moc"
