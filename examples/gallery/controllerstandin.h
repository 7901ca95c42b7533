#pragma once

#include <QObject>
#include <QVariant>

// Takes the place of the shell's controller (`kelvo`) in the gallery: the controls that ask the
// controller for something reach this object, and the gallery shows what they asked.
class ControllerStandIn : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE bool getIsMobile() const { return false; }

signals:
    void showSplashScreen(bool show);
    void openFileDialog(bool isSaving, bool isWithLoading, const QVariant& filters,
                        bool isPDF = false);
};
