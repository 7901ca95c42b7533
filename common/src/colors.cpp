#include "colors.h"

bool Colors::darkMode = false;

Colors::Colors(QObject* parent) : QObject(parent) {}

Colors::Colors(bool darkMode, QObject* parent) : QObject(parent)
{
    Colors::darkMode = darkMode;
}

QString Colors::byMode(const char* light, const char* dark)
{
    return QString::fromLatin1(darkMode ? dark : light);
}
