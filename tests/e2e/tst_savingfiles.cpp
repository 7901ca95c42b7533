#include "globals.h"
#include "product.h"
#include "productmanager.h"
#include "shell.h"
#include "uiharness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// Saving and opening files as a technician does on a desktop without a dialog of its own: the
// shell's dialog takes a typed name, adds the extension, asks before replacing a file, refuses
// a folder it cannot write to, and starts where the last file went.
class TestSavingFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void reportWithATypedName();
    void configurationSavedAndOpenedAgain();
    void savingAsksOrRefuses_data();
    void savingAsksOrRefuses();

private:
    QObject* plugin() const;
    template <class T> static T* shown(const QString& name);
    static void typeInDialog(QFileDialog* dialog, const QString& name);
    static void cancel(QFileDialog* dialog);
    QFileDialog* openSaveToFile();
    void setDirection(bool reversed);
    bool loadingShown() const;
    static QByteArray contents(const QString& path);
    bool protect(const QString& folder);
    static void scrollIntoView(QQuickItem* item);

    UiHarness m_ui;
    QTemporaryDir m_files;
    QString m_readOnly;
};

void TestSavingFiles::initTestCase()
{
    QVERIFY(m_ui.start());
    // The launcher makes its buttons anew whenever the catalogue changes.
    const auto button = [this] { return m_ui.item(QStringLiteral("pluginButton_KASTOR+")); };
    const auto state = [&] { return button()->property("pluginButtonState").toInt(); };
    const auto settled = [&] { return button()->height() == button()->property("lookHeight"); };
    QVERIFY(button());
    m_ui.click(button());
    QTRY_COMPARE(state(), int(Product::NOT_INSTALLED_CHANGELOG));
    QTRY_VERIFY(!loadingShown());
    QTRY_VERIFY(settled());
    QSignalSpy installed(ProductManager::instance(), &ProductManager::pluginsChanged);
    m_ui.click(m_ui.findIn(button(), QStringLiteral("downloadButton")));
    QVERIFY(installed.wait(10000));
    QTRY_COMPARE(state(), int(Product::INSTALLED));
    m_ui.click(button());
    QTRY_VERIFY(settled());
    m_ui.click(m_ui.findIn(button(), QStringLiteral("openVirtualDevice")));
    QTRY_VERIFY(m_ui.item(QStringLiteral("kastorplusControlPanel")));
    QTRY_VERIFY(!loadingShown());
}

void TestSavingFiles::cleanup()
{
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    QVERIFY(!shown<QFileDialog>(QStringLiteral("fileDialog")));
}

void TestSavingFiles::cleanupTestCase()
{
    if (!m_readOnly.isEmpty()) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_readOnly});
        QFile::setPermissions(m_readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

QObject* TestSavingFiles::plugin() const
{
    return m_ui.shell()->engine().rootContext()->contextProperty("plugin").value<QObject*>();
}

// The dialogs are windows of their own, beside the main window.
template <class T> T* TestSavingFiles::shown(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == name)
            return qobject_cast<T*>(widget);
    }
    return nullptr;
}

// The user types into the file name field and presses the dialog's accept button.
void TestSavingFiles::typeInDialog(QFileDialog* dialog, const QString& name)
{
    // A dialog that the X server has not shown yet takes no clicks.
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, name);
    // On a real X server the completer offers the folders it knows; a user dismisses the list
    // before pressing the button, which the open list would otherwise take the click from.
    if (field->completer() && field->completer()->popup()->isVisible())
        QTest::keyClick(field->completer()->popup(), Qt::Key_Escape);
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QPushButton* accept =
        buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                        : QDialogButtonBox::Open);
    QVERIFY(accept);
    QTRY_VERIFY(accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
}

void TestSavingFiles::cancel(QFileDialog* dialog)
{
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!shown<QFileDialog>(QStringLiteral("fileDialog")));
}

QFileDialog* TestSavingFiles::openSaveToFile()
{
    m_ui.click(m_ui.item(QStringLiteral("saveToFile")));
    QFileDialog* dialog = nullptr;
    return QTest::qWaitFor([&] { return (dialog = shown<QFileDialog>("fileDialog")) != nullptr; })
               ? dialog
               : nullptr;
}

void TestSavingFiles::setDirection(bool reversed)
{
    QMetaObject::invokeMethod(plugin(), "setValue", Q_ARG(QString, "directionReversed"),
                              Q_ARG(QVariant, reversed));
}

bool TestSavingFiles::loadingShown() const
{
    return m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool();
}

QByteArray TestSavingFiles::contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// As a user scrolls: the nearest flickable moves until the item shows at its bottom edge.
void TestSavingFiles::scrollIntoView(QQuickItem* item)
{
    QQuickItem* flickable = item->parentItem();
    while (flickable && !flickable->inherits("QQuickFlickable"))
        flickable = flickable->parentItem();
    QVERIFY(flickable);
    auto* content = flickable->property("contentItem").value<QQuickItem*>();
    const qreal bottom = item->mapToItem(content, QPointF(0, item->height())).y();
    flickable->setProperty("contentY", qMax(0.0, bottom - flickable->height()));
}

void TestSavingFiles::reportWithATypedName()
{
    m_ui.click(m_ui.item(QStringLiteral("createReport")));
    QQuickItem* sheet = m_ui.item(QStringLiteral("coverSheetInputs"));
    QTRY_VERIFY(sheet->y() >= 0);
    m_ui.click(
        m_ui.findIn(m_ui.findIn(sheet, QStringLiteral("projectName")), QStringLiteral("input")));
    const QString project = QStringLiteral("Fire station Nord");
    for (const QChar character : project)
        QTest::keyClick(m_ui.window(), character.toLatin1());
    QQuickItem* create = m_ui.findIn(sheet, QStringLiteral("createReportButtonButton"));
    QTRY_VERIFY(create->isVisible());
    scrollIntoView(create);
    m_ui.click(create);

    QFileDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = shown<QFileDialog>(QStringLiteral("fileDialog"))));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    // A name without extension, in a folder typed with it, as a user does.
    typeInDialog(dialog, m_files.filePath(QStringLiteral("report")));
    const QString path = m_files.filePath(QStringLiteral("report.pdf"));
    QTRY_VERIFY(QFileInfo(path).size() > 0);
    QTRY_VERIFY(!loadingShown());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(10000));
    QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(project));
    const QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    QCOMPARE(settings.value(Globals::LAST_FILE_PATH_KEY).toString(),
             QDir::toNativeSeparators(m_files.path()));
}

void TestSavingFiles::configurationSavedAndOpenedAgain()
{
    setDirection(true);
    QFileDialog* dialog = openSaveToFile();
    QVERIFY(dialog);
    // The dialog starts where the report went.
    QCOMPARE(QFileInfo(dialog->directory().absolutePath()), QFileInfo(m_files.path()));
    typeInDialog(dialog, QStringLiteral("site-a"));
    const QString path = m_files.filePath(QStringLiteral("site-a.kpc"));
    QTRY_VERIFY(QFile::exists(path));

    setDirection(false);
    m_ui.click(m_ui.item(QStringLiteral("servicePage")));
    QQuickItem* open = m_ui.item(QStringLiteral("openFileButton"));
    QTRY_VERIFY(open && open->isVisible());
    m_ui.click(open);
    QTRY_VERIFY((dialog = shown<QFileDialog>(QStringLiteral("fileDialog"))));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    typeInDialog(dialog, QStringLiteral("site-a.kpc"));
    QTRY_VERIFY(plugin()->property("configuration").toMap().value("directionReversed").toBool());
    m_ui.click(m_ui.item(QStringLiteral("settingsPage")));
}

void TestSavingFiles::savingAsksOrRefuses_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("replace: no keeps the file") << ""
                                                << "replaceFile" << QMessageBox::No << false;
    QTest::newRow("replace: yes") << ""
                                  << "replaceFile" << QMessageBox::Yes << true;
    QTest::newRow("folder that cannot be written")
        << "write-protected"
        << "folderNotWritable" << QMessageBox::Ok << false;
}

void TestSavingFiles::savingAsksOrRefuses()
{
    QFETCH(QString, folder);
    QFETCH(QString, question);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, written);
    const QString target = QDir(m_files.filePath(folder)).filePath(QStringLiteral("site-a.kpc"));
    if (folder.isEmpty()) {
        QFile::remove(target);
        QVERIFY(QFile::copy(QFINDTESTDATA("tst_savingfiles.cpp"), target));
    } else if (!protect(QFileInfo(target).path())) {
        QSKIP("no folder that this user cannot write to");
    }
    const QByteArray before = contents(target);

    QFileDialog* dialog = openSaveToFile();
    QVERIFY(dialog);
    typeInDialog(dialog, target.chopped(4));
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = shown<QMessageBox>(question)));
    QTest::mouseClick(box->button(answer), Qt::LeftButton);
    if (!written) {
        // Back in the dialog, to choose another name or folder; the user gives up.
        QTRY_VERIFY((dialog = shown<QFileDialog>("fileDialog")));
        cancel(dialog);
    }
    QTRY_COMPARE(contents(target) != before, written);
    QTRY_VERIFY(!loadingShown());
    // The probe of the folder's write access is gone again.
    QVERIFY(QDir(QFileInfo(target).path())
                .entryList({QStringLiteral(".quillmark_*")}, QDir::Files | QDir::Hidden)
                .isEmpty());
}

// Permissions do not hold back the superuser; an immutable folder does.
bool TestSavingFiles::protect(const QString& folder)
{
    m_readOnly = folder;
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner))
        return false;
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
}

QTEST_MAIN(TestSavingFiles)
#include "tst_savingfiles.moc"
