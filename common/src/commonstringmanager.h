#pragma once

#include "commonstrings.h"

#include <QHash>
#include <QObject>
#include <QString>

// Holds the text of every `CommonStrings` key in the language that was installed when
// initialize() ran. One instance per process, created on first use; the texts stay fixed
// until the next initialize(), so a language change shows after a restart.
class CommonStringManager : public QObject
{
    Q_OBJECT

public:
    static CommonStringManager* instance();

    // The text of `key`; empty before initialize() and for a number that is no key.
    Q_INVOKABLE QString getText(CommonStrings::Keys key) const;
    // Translates the whole table at once and replaces the previous texts.
    void initialize();

private:
    CommonStringManager() = default;

    QHash<int, QString> m_texts;
};
