#include "gallerybackend.h"

#include "colors.h"

#include <QDirIterator>
#include <QQmlContext>

GalleryBackend::GalleryBackend(QQmlContext* context, bool darkMode, int startPage, QObject* parent)
    : QObject(parent), m_context(context), m_startPage(startPage)
{
    setDarkMode(darkMode);
    m_context->setContextProperty(QStringLiteral("showTooltips"), m_showTooltips);
}

void GalleryBackend::setDarkMode(bool darkMode)
{
    if (m_palette && darkMode == m_darkMode)
        return;
    m_darkMode = darkMode;
    // A palette object answers in the process-wide mode, so the old one is replaced only after
    // the new one is published and every binding has read from it.
    Colors* previous = m_palette;
    m_palette = new Colors(darkMode, this);
    m_context->setContextProperty(QStringLiteral("globalColors"), m_palette);
    if (previous)
        previous->deleteLater();
    emit darkModeChanged();
}

void GalleryBackend::setShowTooltips(bool show)
{
    if (show == m_showTooltips)
        return;
    m_showTooltips = show;
    m_context->setContextProperty(QStringLiteral("showTooltips"), show);
    emit showTooltipsChanged();
}

QStringList GalleryBackend::imagePaths() const
{
    QStringList paths;
    QDirIterator images(QStringLiteral(":/images"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (images.hasNext()) {
        const QString path = images.next();
        if (!path.startsWith(QStringLiteral(":/images/splashscreens/")))
            paths.append(QStringLiteral("qrc") + path);
    }
    paths.sort();
    return paths;
}
