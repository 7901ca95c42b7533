#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

// One entry of the catalogue "plugins.info". Every value is read as text; a value of another
// JSON type reads as empty text.
struct CatalogueEntry
{
    QString appId;
    QString name;
    QString version;
    QString state;
    QString relDate;

    static CatalogueEntry fromJson(const QJsonObject& object);
    // Whether a document is a catalogue at all: an object with a "plugins" array.
    static bool isCatalogue(const QJsonDocument& document);
    // The entries of a catalogue document in catalogue order; an entry that is no object
    // reads as an entry of empty texts.
    static QList<CatalogueEntry> listFrom(const QJsonDocument& document);

    // The catalogue identifier as a number, 0 when the text is not a decimal number.
    int numericAppId() const;
    // Why the entry cannot be used, naming it; empty when it can. The name and version
    // become file names and URL parts, so a name or version that is not safe as one is refused.
    QString problem() const;
};
