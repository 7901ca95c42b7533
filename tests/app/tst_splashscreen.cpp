#include "kelvosplashscreen.h"

#include <QPointer>
#include <QtTest>

namespace {

const QString STEP_PATH = QStringLiteral(":/images/splashscreens/desktop/step_%1.png");

// A splash screen that walks through its own list of step images.
class SteppedSplashScreen : public KelvoSplashScreen
{
public:
    explicit SteppedSplashScreen(const QStringList& steps) { setImages(steps); }
};

// The window mask keeps the card and cuts away its rounded corners.
void verifyCardMask(const QRegion& mask, const QSize& size)
{
    QCOMPARE(mask.boundingRect(), QRect(QPoint(0, 0), size));
    QVERIFY(mask.contains(QPoint(size.width() / 2, size.height() / 2)));
    QVERIFY(mask.contains(QPoint(size.width() / 2, 0)));
    for (const QPoint& corner :
         {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
          QPoint(size.width() - 1, size.height() - 1)})
        QVERIFY2(!mask.contains(corner),
                 qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
}

} // namespace

class TestSplashScreen : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFullCard();
    void stepsShowInOrder();
    void closeSplashDeletesTheSplashScreen();
};

void TestSplashScreen::showsTheFullCard()
{
    KelvoSplashScreen splash;

    QCOMPARE(splash.currentStep(), 1);
    QCOMPARE(splash.pixmap().size(), QSize(501, 305));
    QCOMPARE(splash.pixmap().toImage(), QPixmap(STEP_PATH.arg(8)).toImage());
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    verifyCardMask(splash.mask(), QSize(501, 305));
}

void TestSplashScreen::stepsShowInOrder()
{
    // An unreadable image gives an empty step; the next step still shows.
    SteppedSplashScreen splash({QStringLiteral(":/images/splashscreens/desktop/missing.png"),
                                STEP_PATH.arg(1), STEP_PATH.arg(2)});
    splash.show();
    QCOMPARE(splash.currentStep(), 1);
    QVERIFY(splash.pixmap().isNull());
    QVERIFY(splash.mask().isEmpty());

    int step = 1;
    for (const QSize& size : {QSize(501, 82), QSize(501, 116)}) {
        splash.showNextStep();
        QCOMPARE(splash.currentStep(), ++step);
        QCOMPARE(splash.pixmap().size(), size);
        verifyCardMask(splash.mask(), size);
    }

    // Steps beyond the list keep the last image.
    const qint64 shown = splash.pixmap().cacheKey();
    splash.showNextStep();
    splash.showNextStep();
    QCOMPARE(splash.currentStep(), 3);
    QCOMPARE(splash.pixmap().cacheKey(), shown);
}

void TestSplashScreen::closeSplashDeletesTheSplashScreen()
{
    QWidget mainWindow;
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    for (QWidget* window : {&mainWindow, static_cast<QWidget*>(nullptr)}) {
        QPointer<KelvoSplashScreen> splash = new KelvoSplashScreen;
        splash->show();
        QVERIFY(splash->isVisible());

        splash->closeSplash(window);

        QVERIFY(splash);
        QVERIFY(!splash->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }
}

QTEST_MAIN(TestSplashScreen)
#include "tst_splashscreen.moc"
