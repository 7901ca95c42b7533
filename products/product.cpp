#include "product.h"

#include <QMetaEnum>

QString Product::stateWord(ReleaseState state)
{
    return QString::fromLatin1(QMetaEnum::fromType<ReleaseState>().valueToKey(state)).toLower();
}

bool Product::isStateWord(const QString& word)
{
    return word == stateWord(DEV) || word == stateWord(BETA) || word == stateWord(RELEASE);
}

bool Product::setReleaseState(const QString& state)
{
    for (ReleaseState candidate : {DEV, BETA, RELEASE}) {
        if (state == stateWord(candidate)) {
            m_releaseState = candidate;
            return true;
        }
    }
    return false;
}
