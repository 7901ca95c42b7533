#include "translator.h"

#include "globals.h"
#include "httprequesthandler.h"
#include "namecheck.h"
#include "signaturecheck.h"
#include "signaturefile.h"
#include "translationfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSet>
#include <QSettings>
#include <QTranslator>
#include <QUrlQuery>
#include <memory>
#include <utility>

namespace {

struct Language
{
    Translator::Type type;
    const char* code;
    QStringList localeNames;
    const char* objectName;
    const char* imageSource;
};

const QList<Language>& languages()
{
    static const QList<Language> table = {
        {Translator::GERMAN,
         "de",
         {"de_DE", "de_AT", "de_CH", "de_LI", "de_LU"},
         "germanButton",
         "qrc:/images/icons/lang/german.png"},
        {Translator::ENGLISH, "en", {}, "englishButton", "qrc:/images/icons/lang/english.png"},
        {Translator::RUSSIAN,
         "ru",
         {"ru_RU"},
         "russianButton",
         "qrc:/images/icons/lang/russian.png"},
        {Translator::POLISH, "pl", {"pl_PL"}, "polishButton", "qrc:/images/icons/lang/polish.png"},
        {Translator::CHINESE,
         "cn",
         {"zh_CN"},
         "chineseButton",
         "qrc:/images/icons/lang/chinese.png"},
        {Translator::FRENCH, "fr", {"fr_FR"}, "frenchButton", "qrc:/images/icons/lang/french.png"},
        {Translator::DUTCH, "nl", {"nl_NL"}, "dutchButton", "qrc:/images/icons/lang/dutch.png"},
        {Translator::ITALIAN,
         "it",
         {"it_IT"},
         "italianButton",
         "qrc:/images/icons/lang/italian.png"},
        {Translator::SPANISH,
         "es",
         {"es_ES"},
         "spanishButton",
         "qrc:/images/icons/lang/spanish.png"},
        {Translator::PORTUGUESE,
         "pt",
         {"pt_PT"},
         "portugueseButton",
         "qrc:/images/icons/lang/portuguese.png"},
        {Translator::DANISH, "da", {"da_DK"}, "danishButton", "qrc:/images/icons/lang/danish.png"},
        {Translator::CZECH, "cs", {"cs_CZ"}, "czechButton", "qrc:/images/icons/lang/czech.png"},
        {Translator::GREEK, "el", {"el_GR"}, "greekButton", "qrc:/images/icons/lang/greek.png"},
        {Translator::FINNISH,
         "fi",
         {"fi_FI"},
         "finnishButton",
         "qrc:/images/icons/lang/finnish.png"},
        {Translator::HUNGARIAN,
         "hu",
         {"hu_HU"},
         "hungarianButton",
         "qrc:/images/icons/lang/hungarian.png"},
        {Translator::NORWEGIAN,
         "nn",
         {"nn_NO"},
         "norwegianButton",
         "qrc:/images/icons/lang/norwegian.png"},
        {Translator::SWEDISH,
         "sv",
         {"sv_SE"},
         "swedishButton",
         "qrc:/images/icons/lang/swedish.png"},
        {Translator::TURKISH,
         "tr",
         {"tr_TR"},
         "turkishButton",
         "qrc:/images/icons/lang/turkish.png"},
        {Translator::UKRAINIAN,
         "uk",
         {"uk_UA"},
         "ukranianButton",
         "qrc:/images/icons/lang/ukrainian.png"},
    };
    return table;
}

template <typename Key, typename Value, typename Entry> QHash<Key, Value> tableOf(Entry entry)
{
    QHash<Key, Value> map;
    for (const Language& language : languages())
        map.insert(entry(language).first, entry(language).second);
    return map;
}

const QString PLUGIN_NAMES_FILE = QStringLiteral("getPluginNames.php");
const QString SHELL_OWNER = QStringLiteral("qmk");
const QString SHELL_FILE_PREFIX = SHELL_OWNER + QLatin1Char('_');
const QString DEFAULT_CODE = QStringLiteral("en");

// The path holds two slashes after "kelvo": the server has always been asked that way.
QString shellFileUrl(const QString& code)
{
    return Globals::storageUrl() + QStringLiteral("/translations/") + SHELL_FILE_PREFIX + code +
           QStringLiteral(".qm");
}

QString pluginFileUrl(const QString& name, const QString& code)
{
    return Globals::storageUrl() + name + QStringLiteral("/translations/") + name +
           QLatin1Char('_') + code + QStringLiteral(".qm");
}

// The translations folder of the shell (owner "qmk", asked for with the same two slashes) or of
// a plug-in; its signature file lies in it.
QString signatureUrl(const QString& owner)
{
    const QString folder = owner == SHELL_OWNER ? Globals::storageUrl() + QLatin1Char('/')
                                                : Globals::storageUrl() + owner + QLatin1Char('/');
    return folder + QStringLiteral("translations/") + SignatureFile::FILE_NAME;
}

// "qmk" for "qmk_de.qm", "kastorplus" for "kastorplus_de.qm".
QString ownerOf(const QString& fileName)
{
    return fileName.left(fileName.lastIndexOf(QLatin1Char('_')));
}

QString storedLanguageSetting()
{
    return QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME)
        .value(Globals::LANGUAGE_KEY)
        .toString()
        .toLower();
}

} // namespace

const QStringList& Translator::languageCodes()
{
    static const QStringList codes = {"de", "en", "cn", "ru", "pl", "fr", "nl", "it", "es", "pt",
                                      "da", "cs", "el", "fi", "hu", "nn", "sv", "tr", "uk"};
    return codes;
}

const QHash<QString, Translator::Type>& Translator::localeToLanguage()
{
    static const QHash<QString, Type> map = [] {
        QHash<QString, Type> locales;
        for (const Language& language : languages()) {
            locales.insert(QLatin1String(language.code), language.type);
            for (const QString& name : language.localeNames)
                locales.insert(name, language.type);
        }
        return locales;
    }();
    return map;
}

const QHash<Translator::Type, QString>& Translator::languageToCode()
{
    static const auto map = tableOf<Type, QString>([](const Language& language) {
        return qMakePair(language.type, QString::fromLatin1(language.code));
    });
    return map;
}

const QHash<QString, Translator::Type>& Translator::codeToLanguage()
{
    static const auto map = tableOf<QString, Type>([](const Language& language) {
        return qMakePair(QString::fromLatin1(language.code), language.type);
    });
    return map;
}

const QHash<QString, QString>& Translator::codeToImage()
{
    static const auto map = tableOf<QString, QString>([](const Language& language) {
        return qMakePair(QString::fromLatin1(language.code),
                         QString::fromLatin1(language.imageSource));
    });
    return map;
}

const QHash<QString, QString>& Translator::codeToObjectName()
{
    static const auto map = tableOf<QString, QString>([](const Language& language) {
        return qMakePair(QString::fromLatin1(language.code),
                         QString::fromLatin1(language.objectName));
    });
    return map;
}

Translator::Type Translator::initialLanguage(const QString& storedSetting,
                                             const QString& systemLocaleName)
{
    const QString stored = storedSetting.toLower();
    return localeToLanguage().value(stored.isEmpty() ? systemLocaleName : stored, ENGLISH);
}

Translator::Translator(QQmlEngine* engine, QQmlContext* context)
    : m_engine(engine), m_context(context)
{
    setCurrentLanguage(initialLanguage(storedLanguageSetting(), QLocale::system().name()));
}

Translator::~Translator()
{
    qDeleteAll(m_translators);
}

Translator::Type Translator::currentLanguage() const
{
    return localeToLanguage().value(storedLanguageSetting(), ENGLISH);
}

void Translator::setCurrentLanguage(Translator::Type currentLanguage)
{
    for (QTranslator* translator : std::as_const(m_translators))
        QCoreApplication::removeTranslator(translator);
    qDeleteAll(m_translators);
    m_translators.clear();

    m_currentLanguage = currentLanguage;
    const QString code = currentLanguageCode();
    if (m_context)
        m_context->setContextProperty(QStringLiteral("language"), code);
    installTranslationsForCurrentLanguage();
    if (m_engine)
        m_engine->retranslate();
    QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME)
        .setValue(Globals::LANGUAGE_KEY, code);
    emit currentLanguageChanged(currentLanguage);
}

QString Translator::currentLanguageCode() const
{
    return languageToCode().value(m_currentLanguage, DEFAULT_CODE);
}

void Translator::downloadTranslations(int appId, QObject* finishReceiver,
                                      std::function<void()> onFinished)
{
    m_onFinished = std::move(onFinished);
    m_finishReceiver = finishReceiver;
    auto* handler = new HttpRequestHandler(Globals::serverBaseUrl() + PLUGIN_NAMES_FILE);
    connect(handler, &HttpRequestHandler::httpRequestJSONFileReceived, this,
            &Translator::receiveTranslationFilePaths, Qt::UniqueConnection);
    connect(handler, &HttpRequestHandler::downloadFailed, this,
            &Translator::downloadTranslationsFailed, Qt::UniqueConnection);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("appId"), QString::number(appId));
    handler->getJsonFile(query);
}

void Translator::installTranslationsForCurrentLanguage()
{
    for (const QString& path : TranslationFiles::filesOnDisk()) {
        const QString fileName = QFileInfo(path).fileName();
        if (belongsToCurrentLanguage(fileName))
            installNewTranslationFiles(path, fileName);
    }
}

QStringList Translator::installedTranslationFiles() const
{
    QStringList paths;
    for (const QTranslator* translator : m_translators)
        paths << translator->filePath();
    return paths;
}

void Translator::installNewTranslationFiles(const QString& path, const QString& fileName)
{
    if (!fileName.isEmpty() && !belongsToCurrentLanguage(fileName))
        return;
    // A file that the server lacks and that no earlier start left would translate nothing,
    // yet cost a full retranslation.
    if (!QFileInfo::exists(path))
        return;
    for (const QTranslator* translator : std::as_const(m_translators)) {
        if (translator->filePath() == path)
            return;
    }
    auto* translator = new QTranslator;
    // A file that does not load is installed all the same; it simply translates nothing.
    (void)translator->load(path);
    QCoreApplication::installTranslator(translator);
    if (m_engine)
        m_engine->retranslate();
    m_translators.append(translator);
}

QStringList Translator::pluginNamesOf(const QJsonDocument& document, QStringList& rejected)
{
    QStringList names;
    const QJsonArray entries = document.array();
    for (const QJsonValue& entry : entries) {
        const QString name = entry.toString();
        if (NameCheck::isPlainFileName(name))
            names << name;
        else
            rejected << name;
    }
    return names;
}

QStringList Translator::translationFileUrls(const QStringList& pluginNames)
{
    QStringList urls;
    for (const QString& code : languageCodes()) {
        urls << shellFileUrl(code);
        for (const QString& name : pluginNames)
            urls << pluginFileUrl(name, code);
    }
    return urls;
}

void Translator::receiveTranslationFilePaths(const QJsonDocument& document)
{
    if (!document.isArray() && !document.isNull()) {
        emit downloadFailed(
            QStringLiteral("The plug-in names list is not a list --- %1").arg(PLUGIN_NAMES_FILE));
        finish();
        return;
    }
    if (document.isEmpty() || document.isNull() || document.array().isEmpty()) {
        finish();
        return;
    }
    QStringList rejected;
    const QStringList names = pluginNamesOf(document, rejected);
    const QStringList urls = translationFileUrls(names);
    for (const QString& name : std::as_const(rejected))
        emit downloadFailed(QStringLiteral("Translations of an invalid plug-in name skipped --- %1")
                                .arg(NameCheck::printable(name)));
    // Each download counts its own replies, so a later one cannot miss its end.
    m_receivedFiles = 0;
    m_downloadFolder = TranslationFiles::folder();
    QDir().mkpath(m_downloadFolder);
    if (SignatureCheck::isOn())
        requestSignatures(QStringList{SHELL_OWNER} + names, urls);
    else
        requestTranslationFiles(urls);
}

// The signature of every translations folder comes first; the files follow once all are in.
// A folder whose signature is missing or bad is reported once, and none of its files is stored.
void Translator::requestSignatures(const QStringList& owners, const QStringList& urls)
{
    m_signedTranslations.clear();
    auto pending = std::make_shared<QSet<QString>>(owners.cbegin(), owners.cend());
    for (const QString& owner : owners) {
        const QString url = signatureUrl(owner);
        const auto done = [this, owner, url, urls, pending](const QByteArray& reply,
                                                            const QString& failure) {
            if (!pending->remove(owner))
                return;
            Manifest release;
            const QString problem =
                failure.isEmpty()
                    ? SignatureCheck::verify(reply, {Manifest::TRANSLATIONS, owner, {}, {}, {}},
                                             url, &release)
                    : QStringLiteral("Refused %1: %2").arg(url, failure);
            if (problem.isEmpty())
                m_signedTranslations.insert(owner, release);
            else
                emit downloadFailed(problem);
            if (pending->isEmpty())
                requestTranslationFiles(urls);
        };
        auto* handler = new HttpRequestHandler(url);
        connect(handler, &HttpRequestHandler::receivedFile, this,
                [done](const QString&, const QByteArray& reply) { done(reply, QString()); });
        connect(handler, &HttpRequestHandler::downloadFailed, this,
                [done](const QString& error) { done(QByteArray(), error); });
        handler->getFile(QString());
    }
}

void Translator::requestTranslationFiles(const QStringList& urls)
{
    auto* handler = new HttpRequestHandler(urls);
    connect(handler, &HttpRequestHandler::batchReplyFinished, this,
            &Translator::translationFilesReceived, Qt::UniqueConnection);
    connect(handler, &HttpRequestHandler::downloadFailed, this, &Translator::downloadFailed,
            Qt::UniqueConnection);
    handler->getFiles();
}

void Translator::translationFilesReceived(int urlCounter, const QByteArray& reply,
                                          const QString& fileName, const QString& errorString)
{
    if (NameCheck::isPlainFileName(fileName)) {
        saveTranslationFile(reply, fileName, errorString);
        installNewTranslationFiles(m_downloadFolder + fileName, fileName);
    } else {
        emit downloadFailed(QStringLiteral("Translation file with an invalid name ignored --- %1")
                                .arg(NameCheck::printable(fileName)));
    }
    if (++m_receivedFiles == urlCounter)
        finish();
}

void Translator::downloadTranslationsFailed(const QString& errorString)
{
    emit downloadFailed(errorString);
    finish();
}

bool Translator::belongsToCurrentLanguage(const QString& fileName) const
{
    return TranslationFiles::languageCodeOf(fileName) == currentLanguageCode();
}

// Only a reply that arrived whole replaces a stored file: a failed or timed-out one may carry
// a truncated catalogue, and the older file stays in use instead.
void Translator::saveTranslationFile(const QByteArray& reply, const QString& fileName,
                                     const QString& errorString)
{
    if (!errorString.isEmpty()) {
        if (!reply.contains("404 Not Found"))
            emit downloadFailed(errorString);
        return;
    }
    if (TranslationFiles::isMissingFileReply(reply) || !isSigned(fileName, reply))
        return;
    const QString saveError = TranslationFiles::save(m_downloadFolder, fileName, reply);
    if (!saveError.isEmpty())
        emit downloadFailed(saveError);
}

bool Translator::isSigned(const QString& fileName, const QByteArray& reply)
{
    if (!SignatureCheck::isOn())
        return true;
    const QString owner = ownerOf(fileName);
    // The folder's missing or bad signature has been reported already.
    if (!m_signedTranslations.contains(owner))
        return false;
    const QString code = TranslationFiles::languageCodeOf(fileName);
    const QString problem = SignatureCheck::checkFile(
        m_signedTranslations.value(owner), fileName, reply,
        owner == SHELL_OWNER ? shellFileUrl(code) : pluginFileUrl(owner, code));
    if (problem.isEmpty())
        return true;
    qWarning("%s", qUtf8Printable(problem));
    emit downloadFailed(problem);
    return false;
}

void Translator::finish()
{
    if (!m_onFinished)
        return;
    QObject* receiver = m_finishReceiver ? m_finishReceiver : this;
    QMetaObject::invokeMethod(receiver, std::exchange(m_onFinished, {}), Qt::QueuedConnection);
}
