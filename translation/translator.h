#pragma once

#include "manifest.h"

#include <QByteArray>
#include <QHash>
#include <QJsonDocument>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QQmlContext;
class QQmlEngine;
class QTranslator;

// Owns the current language of the interface: installs the translation files of that language
// from the local translation folder, lets the engine re-evaluate its texts, stores the choice,
// and fetches the shell's and every plug-in's translation files from the server at start.
class Translator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Translator::Type currentLanguage READ currentLanguage WRITE setCurrentLanguage NOTIFY
                   currentLanguageChanged)

public:
    enum Type {
        GERMAN,
        ENGLISH,
        RUSSIAN,
        POLISH,
        CHINESE,
        FRENCH,
        DUTCH,
        ITALIAN,
        SPANISH,
        PORTUGUESE,
        DANISH,
        CZECH,
        GREEK,
        FINNISH,
        HUNGARIAN,
        NORWEGIAN,
        SWEDISH,
        TURKISH,
        UKRAINIAN
    };
    Q_ENUM(Type)

    // The 19 codes in download order (not the order of Type).
    static const QStringList& languageCodes();
    // Every code and every further locale name, exact and case-sensitive.
    static const QHash<QString, Type>& localeToLanguage();
    static const QHash<Type, QString>& languageToCode();
    static const QHash<QString, Type>& codeToLanguage();
    static const QHash<QString, QString>& codeToImage();
    static const QHash<QString, QString>& codeToObjectName();

    // The language to start with: the stored setting, lower-cased, when there is one, else the
    // system locale's name as it stands; either looked up exactly, English when not found.
    static Type initialLanguage(const QString& storedSetting, const QString& systemLocaleName);

    // The plug-in names of a names list that can become parts of file names, in list order;
    // the others are appended to `rejected`.
    static QStringList pluginNamesOf(const QJsonDocument& document, QStringList& rejected);
    // Every translation file of the shell and of the plug-ins `pluginNames`, in download order.
    static QStringList translationFileUrls(const QStringList& pluginNames);

    // Starts with initialLanguage() of the stored setting and the system locale.
    Translator(QQmlEngine* engine, QQmlContext* context);
    ~Translator() override;

    // The language stored in the settings, English when none or an unknown one is stored.
    Type currentLanguage() const;
    // Installs the language's files, retranslates, stores the choice and publishes the code
    // as the context property "language"; all of it even when the language does not change.
    Q_INVOKABLE void setCurrentLanguage(Translator::Type currentLanguage);
    QString currentLanguageCode() const;

    // Fetches the plug-in names list, then every translation file of the shell and of those
    // plug-ins, and queues `onFinished` on `finishReceiver`'s thread exactly once when all
    // replies are in or the names list could not be had.
    void downloadTranslations(int appId, QObject* finishReceiver, std::function<void()> onFinished);
    void installTranslationsForCurrentLanguage();
    // The files installed for the current language, in installation order.
    QStringList installedTranslationFiles() const;

public slots:
    void installNewTranslationFiles(const QString& path, const QString& fileName = QString());
    void receiveTranslationFilePaths(const QJsonDocument& document);
    // `errorString` is empty for a reply that arrived whole and successfully.
    void translationFilesReceived(int urlCounter, const QByteArray& reply, const QString& fileName,
                                  const QString& errorString = QString());
    void downloadTranslationsFailed(const QString& errorString);

signals:
    void currentLanguageChanged(Translator::Type currentLanguage);
    void downloadFailed(QString errorString);

private:
    bool belongsToCurrentLanguage(const QString& fileName) const;
    void requestSignatures(const QStringList& owners, const QStringList& urls);
    void requestTranslationFiles(const QStringList& urls);
    // Whether a file may be stored: always with checks off, else when its folder's signed
    // manifest lists it as it arrived (a refusal is reported).
    bool isSigned(const QString& fileName, const QByteArray& reply);
    void saveTranslationFile(const QByteArray& reply, const QString& fileName,
                             const QString& errorString);
    void finish();

    int m_receivedFiles = 0;
    Type m_currentLanguage = ENGLISH;
    QQmlEngine* m_engine = nullptr;
    QList<QTranslator*> m_translators;
    QQmlContext* m_context = nullptr;
    std::function<void()> m_onFinished;
    QObject* m_finishReceiver = nullptr;
    // Where the running download stores its files, created when the files are asked for.
    QString m_downloadFolder;
    // The signed manifest of each translations folder, by owner ("qmk" or a plug-in name).
    QHash<QString, Manifest> m_signedTranslations;
};
