#include "filedialogservice.h"

#include "globals.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWindow>
#include <utility>

namespace {

// "PDF (*.pdf)" gives "pdf"; a filter that takes any file gives nothing.
QString extensionOf(const QString& nameFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    return pattern.match(nameFilter).captured(1);
}

// Permissions do not tell (root, network shares, write-protected media): only a file that was
// really created does. It is removed again at once.
bool canWriteIn(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.quillmark_XXXXXX"));
    return probe.open();
}

QString localPath(const QUrl& url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

QString startFolder(const QString& wanted)
{
    return !wanted.isEmpty() && QFileInfo(wanted).isDir() ? wanted
                                                          : FileDialogService::lastFolder();
}

// The dialog belongs to the window the user works in, so that it stays above it.
void placeAbove(QWidget* dialog)
{
    QWindow* window = QGuiApplication::focusWindow();
    if (!window)
        return;
    dialog->winId();
    dialog->windowHandle()->setTransientParent(window);
}

} // namespace

FileDialogService::FileDialogService(QObject* parent) : QObject(parent) {}

FileDialogService::~FileDialogService()
{
    dismissWindows();
}

bool FileDialogService::open(QObject* requester, int mode, const QString& title,
                             const QStringList& nameFilters, const QUrl& folder)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_requester = requester;
    m_mode = mode == SaveFile || mode == SelectFolder ? Mode(mode) : OpenFile;
    m_title = title;
    m_nameFilters = nameFilters;
    m_nameFilters.removeAll(QString());
    showDialog(startFolder(localPath(folder)), {});
    return true;
}

void FileDialogService::close(QObject* requester)
{
    if (!m_busy || requester != m_requester)
        return;
    dismissWindows();
    cancel();
}

QString FileDialogService::lastFolder()
{
    const QString last = QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME)
                             .value(Globals::LAST_FILE_PATH_KEY)
                             .toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return QDir::fromNativeSeparators(last);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FileDialogService::showDialog(const QString& folder, const QString& fileName)
{
    auto* dialog = new QFileDialog(nullptr, m_title, startFolder(folder));
    dialog->setObjectName(QStringLiteral("fileDialog"));
    dialog->setWindowModality(Qt::ApplicationModal);
    if (m_mode == SelectFolder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog->setNameFilters(m_nameFilters);
    }
    if (m_mode == OpenFile)
        dialog->setFileMode(QFileDialog::ExistingFile);
    if (m_mode == SaveFile) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        // The question comes from here, after the extension is added, on every platform alike.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->setDefaultSuffix(extensionOf(m_nameFilters.value(0)));
        connect(dialog, &QFileDialog::filterSelected, dialog,
                [dialog](const QString& filter) { dialog->setDefaultSuffix(extensionOf(filter)); });
        if (!fileName.isEmpty())
            dialog->selectFile(fileName);
    }
    connect(dialog, &QDialog::finished, this, &FileDialogService::dialogFinished);
    placeAbove(dialog);
    m_dialog = dialog;
    dialog->open();
}

void FileDialogService::dialogFinished(int result)
{
    auto* dialog = qobject_cast<QFileDialog*>(sender());
    if (!dialog)
        return;
    dialog->deleteLater();
    const QString path = dialog->selectedFiles().value(0);
    if (result != QDialog::Accepted || path.isEmpty()) {
        cancel();
        return;
    }
    if (m_mode == SaveFile)
        checkSavedFile(path, dialog->selectedNameFilter());
    else if (m_mode == SelectFolder && !canWriteIn(path))
        refuseFolder(path, {});
    else
        finish(path);
}

void FileDialogService::checkSavedFile(QString path, const QString& nameFilter)
{
    // A name typed with another ending still gets the one the file is read back by.
    const QString extension = extensionOf(nameFilter);
    if (!extension.isEmpty() &&
        QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + extension;
    const QFileInfo file(path);
    if (file.isDir())
        showDialog(path, {});
    else if (!canWriteIn(file.absolutePath()))
        refuseFolder(file.absolutePath(), file.fileName());
    else if (file.exists())
        askToReplace(path);
    else
        finish(path);
}

void FileDialogService::refuseFolder(const QString& folder, const QString& fileName)
{
    auto* box = new QMessageBox(QMessageBox::Warning, m_title,
                                tr("The folder \"%1\" cannot be written to. Nothing was saved.\n"
                                   "Please choose another folder.")
                                    .arg(QDir::toNativeSeparators(folder)),
                                QMessageBox::Ok);
    box->setObjectName(QStringLiteral("folderNotWritable"));
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this,
            [this, folder, fileName] { showDialog(folder, fileName); });
    placeAbove(box);
    m_question = box;
    box->open();
}

void FileDialogService::askToReplace(const QString& path)
{
    const QFileInfo file(path);
    // The question of Qt's own dialog, word for word, so that Qt's catalogues translate it.
    auto* box = new QMessageBox(
        QMessageBox::Question, m_title,
        QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
        QMessageBox::Yes | QMessageBox::No);
    box->setObjectName(QStringLiteral("replaceFile"));
    box->setDefaultButton(QMessageBox::No);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this, [this, box, path, file] {
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            finish(path);
        else
            showDialog(file.absolutePath(), file.fileName());
    });
    placeAbove(box);
    m_question = box;
    box->open();
}

void FileDialogService::dismissWindows()
{
    for (QWidget* window : {static_cast<QWidget*>(m_dialog.data()), m_question.data()}) {
        if (window) {
            window->disconnect(this);
            window->close();
            window->deleteLater();
        }
    }
}

void FileDialogService::finish(const QString& path)
{
    const QString folder = m_mode == SelectFolder ? path : QFileInfo(path).absolutePath();
    QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME)
        .setValue(Globals::LAST_FILE_PATH_KEY, QDir::toNativeSeparators(folder));
    m_busy = false;
    const QPointer<QObject> requester = std::exchange(m_requester, nullptr);
    if (requester)
        emit accepted(requester, QUrl::fromLocalFile(path));
}

void FileDialogService::cancel()
{
    m_busy = false;
    const QPointer<QObject> requester = std::exchange(m_requester, nullptr);
    if (requester)
        emit rejected(requester);
}
