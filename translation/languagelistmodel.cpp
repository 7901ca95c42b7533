#include "languagelistmodel.h"

#include "translationfiles.h"
#include "translator.h"

#include <QFileInfo>
#include <QMap>
#include <algorithm>

LanguageListModel::LanguageListModel(const QStringList& codes, QObject* parent)
    : QAbstractListModel(parent), m_codes(codes)
{
}

QStringList LanguageListModel::languageCodesOnDisk()
{
    QMap<QString, int> filesPerCode;
    for (const QString& path : TranslationFiles::filesOnDisk()) {
        const QString code = TranslationFiles::languageCodeOf(QFileInfo(path).fileName());
        if (!code.isEmpty())
            ++filesPerCode[code];
    }
    if (filesPerCode.isEmpty())
        return {QStringLiteral("de"), QStringLiteral("en")};
    // A language is offered only when no owner lacks its file: fewer files than the best
    // covered language means the shell or a plug-in would show untranslated texts.
    const int most = *std::max_element(filesPerCode.cbegin(), filesPerCode.cend());
    QStringList codes;
    for (auto it = filesPerCode.cbegin(); it != filesPerCode.cend(); ++it) {
        if (it.value() == most)
            codes << it.key();
    }
    return codes;
}

int LanguageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_codes.size());
}

QVariant LanguageListModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model() || index.row() >= m_codes.size())
        return QString();
    const QString& code = m_codes.at(index.row());
    switch (role) {
    case ObjectNameRole:
        return Translator::codeToObjectName().value(code, QStringLiteral("languageButton"));
    case ImageSourceRole:
        return Translator::codeToImage().value(
            code, QStringLiteral("qrc:/images/icons/lang/english.png"));
    case LanguageRole:
        return static_cast<int>(Translator::codeToLanguage().value(code, Translator::ENGLISH));
    case LanguageCodeRole:
        return code;
    default:
        return QString();
    }
}

QHash<int, QByteArray> LanguageListModel::roleNames() const
{
    return {{ObjectNameRole, "object_name"},
            {ImageSourceRole, "image_source"},
            {LanguageRole, "language"},
            {LanguageCodeRole, "language_code"}};
}
