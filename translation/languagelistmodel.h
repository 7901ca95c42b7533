#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The languages offered in the user settings, one row per language code, with what a
// language button needs: its object name, flag image, Translator::Type and code.
class LanguageListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        ObjectNameRole = Qt::UserRole + 1,
        ImageSourceRole,
        LanguageRole,
        LanguageCodeRole
    };

    explicit LanguageListModel(const QStringList& codes, QObject* parent = nullptr);

    // The codes of the languages for which the shell and every plug-in have a translation
    // file on disk, sorted; "de" and "en" when there is no translation file at all.
    static QStringList languageCodesOnDisk();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QStringList m_codes;
};
