#pragma once

#include <QSplashScreen>
#include <QStringList>

// The card shown while the shell starts. It holds an ordered list of step images and shows
// the next one whenever start-up reports progress.
class KelvoSplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    KelvoSplashScreen();

    void showNextStep();
    void show();
    // Waits for `window` to appear, then closes and deletes the splash screen.
    void closeSplash(QWidget* window);

    int currentStep() const { return m_currentStep; }
    QStringList images() const { return m_images; }

protected:
    // For callers that show a different sequence of steps; resets to the first step.
    void setImages(const QStringList& images);

private:
    int m_currentStep = 0;
    QStringList m_images;
};
