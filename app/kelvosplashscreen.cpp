#include "kelvosplashscreen.h"

#include <QBitmap>
#include <QPixmap>

KelvoSplashScreen::KelvoSplashScreen()
    : QSplashScreen(QPixmap(1, 1), Qt::WindowStaysOnTopHint),
      m_images{QStringLiteral(":/images/splashscreens/desktop/step_8.png")}
{
    showNextStep();
}

void KelvoSplashScreen::showNextStep()
{
    if (m_currentStep >= m_images.size())
        return;
    const QPixmap pixmap(m_images.at(m_currentStep++));
    setPixmap(pixmap);
    setMask(pixmap.mask());
    repaint();
}

void KelvoSplashScreen::show()
{
    QSplashScreen::show();
}

void KelvoSplashScreen::closeSplash(QWidget* window)
{
    finish(window);
    deleteLater();
}

void KelvoSplashScreen::setImages(const QStringList& images)
{
    m_images = images;
    m_currentStep = 0;
    showNextStep();
}
