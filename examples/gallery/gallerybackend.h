#pragma once

#include <QObject>
#include <QStringList>

class Colors;
class QQmlContext;

// Switches the gallery between the light and the dark palette and turns tooltips on and off,
// by publishing new values of the context properties that every control reads.
class GalleryBackend : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool darkMode READ darkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(bool showTooltips READ showTooltips WRITE setShowTooltips NOTIFY showTooltipsChanged)
    Q_PROPERTY(QStringList imagePaths READ imagePaths CONSTANT)
    Q_PROPERTY(int startPage READ startPage CONSTANT)

public:
    GalleryBackend(QQmlContext* context, bool darkMode, int startPage, QObject* parent = nullptr);

    bool darkMode() const { return m_darkMode; }
    void setDarkMode(bool darkMode);
    bool showTooltips() const { return m_showTooltips; }
    void setShowTooltips(bool show);
    // Every image of the image set, as "qrc:/images/..." URLs in path order.
    QStringList imagePaths() const;
    int startPage() const { return m_startPage; }

signals:
    void darkModeChanged();
    void showTooltipsChanged();

private:
    QQmlContext* m_context;
    Colors* m_palette = nullptr;
    bool m_darkMode = false;
    bool m_showTooltips = true;
    int m_startPage = 0;
};
