#pragma once

#include "kelvostrings.h"

#include <QHash>
#include <QObject>
#include <QString>

// Holds the text of every `KelvoStrings` key in the language that was installed when
// initialize() ran. One instance per process, created on first use; the texts stay fixed
// until the next initialize(), so a language change shows after a restart.
class KelvoStringManager : public QObject
{
    Q_OBJECT

public:
    static KelvoStringManager* instance();

    // The text of `key`; empty before initialize() and for a number that is no key.
    Q_INVOKABLE QString getText(KelvoStrings::Keys key) const;
    // Translates the whole table at once and replaces the previous texts.
    void initialize();

private:
    KelvoStringManager() = default;

    QHash<int, QString> m_texts;
};
