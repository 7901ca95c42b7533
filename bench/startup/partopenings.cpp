// How long the first and the second opening of each part take that the shell makes only when
// it is first shown: the real shell in-process against the storage server, on the offscreen
// platform. "call" is the opening call itself, in which the part is made the first time;
// "to frame" runs until the next frame of the window is presented. Figures only.
#include "kelvo.h"
#include "shell.h"
#include "uiharness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Part
{
    const char* name;
    // An item of the part's content, which exists once the part has been made.
    QString owner;
    QString inner;
    std::function<void()> open;
    std::function<void()> close;
};

struct Opening
{
    double call = 0;
    double toFrame = -1;
};

// The time of the next frame that `window` presents after start().
class FrameClock
{
public:
    explicit FrameClock(QQuickWindow* window)
    {
        // Emitted on the render thread.
        QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [this] {
                m_presentedAt = m_timer.nsecsElapsed();
                ++m_frames;
            },
            Qt::DirectConnection);
        m_timer.start();
    }

    Opening measure(const std::function<void()>& action)
    {
        const int before = m_frames;
        const qint64 start = m_timer.nsecsElapsed();
        action();
        Opening result;
        result.call = (m_timer.nsecsElapsed() - start) / 1e6;
        if (QTest::qWaitFor([&] { return m_frames > before; }, 5000))
            result.toFrame = (m_presentedAt - start) / 1e6;
        return result;
    }

private:
    QElapsedTimer m_timer;
    std::atomic<int> m_frames{0};
    std::atomic<qint64> m_presentedAt{0};
};

void invoke(QObject* object, const char* method)
{
    if (!object || !QMetaObject::invokeMethod(object, method))
        std::fprintf(stderr, "cannot call %s\n", method);
}

void printRow(const char* name, const Opening& first, const Opening& second, bool madeEarlier)
{
    std::printf("%-24s %8.1f %9.1f %10.1f %9.1f%s\n", name, first.call, first.toFrame, second.call,
                second.toFrame, madeEarlier ? "   (made before, by the start)" : "");
}

bool made(const UiHarness& ui, const Part& part)
{
    QObject* owner = ui.find(part.owner);
    if (!owner)
        return false;
    // Pop-ups hold their items in their content item.
    auto* content = owner->property("contentItem").value<QQuickItem*>();
    return ui.findIn(content ? content : owner, part.inner) != nullptr;
}

// The update dialog is made right after the first frame, not at an opening: the time to make
// one in the running window stands for it.
double updateDialogMaking(UiHarness& ui)
{
    QQmlComponent component(&ui.shell()->engine());
    component.setData("import app.src.presentation_layer.assets.kelvo_controls\nUpdateDialog {}",
                      QUrl(QStringLiteral("qrc:/UpdateDialogMaking.qml")));
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QObject> dialog(component.create());
    const double made = timer.nsecsElapsed() / 1e6;
    if (!dialog)
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
    return made;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    UiHarness ui;
    if (!ui.start()) {
        std::fprintf(stderr, "the shell did not start against the storage server\n");
        return 1;
    }
    QQuickWindow* window = ui.window();
    QObject* statusBox = ui.find(QStringLiteral("statusBox"));
    // New lines at start may have opened the status box already; it must rest for its row.
    statusBox->setProperty("isShown", false);
    QTest::qWait(1000);

    const QList<Part> parts = {
        {"user settings", QStringLiteral("userSettings"), QStringLiteral("tooltipsToggle"),
         [&] { invoke(ui.find(QStringLiteral("userSettings")), "show"); },
         [&] { invoke(ui.find(QStringLiteral("userSettings")), "hide"); }},
        {"assembly instructions", QStringLiteral("assemblyInstructions"),
         QStringLiteral("kastorPlusInstructions"),
         [&] { invoke(ui.find(QStringLiteral("assemblyInstructions")), "show"); },
         [&] { invoke(ui.find(QStringLiteral("assemblyInstructions")), "hide"); }},
        {"about pop-up", QStringLiteral("aboutPopUp"), QStringLiteral("aboutVersion"),
         [&] { invoke(ui.find(QStringLiteral("companyHeader")), "openAbout"); },
         [&] { invoke(ui.find(QStringLiteral("companyHeader")), "closeAbout"); }},
        {"settings entry", QStringLiteral("shortcutPopup"), QStringLiteral("settingsField"),
         [&] { QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl+T,Ctrl+C"))); },
         [&] { invoke(ui.find(QStringLiteral("shortcutPopup")), "close"); }},
        {"status box", QStringLiteral("statusBox"), QStringLiteral("messageList"),
         [&] { statusBox->setProperty("isShown", true); },
         [&] { statusBox->setProperty("isShown", false); }},
        {"password pop-up", QStringLiteral("forgottenPasswordPopUp"),
         QStringLiteral("unlockCodeInput"), [&] { ui.shell()->kelvo()->openForgottenPassword(); },
         [&] { invoke(ui.find(QStringLiteral("forgottenPasswordPopUp")), "close"); }},
        {"plug-in changelog", QStringLiteral("vireoChangelog"), QStringLiteral("changelogPanel"),
         [&] { ui.find(QStringLiteral("vireoChangelog"))->setProperty("visible", true); },
         [&] { ui.find(QStringLiteral("vireoChangelog"))->setProperty("visible", false); }},
    };

    FrameClock clock(window);
    std::printf("First and second opening of the parts made at their first showing, in ms\n");
    std::printf("%-24s %8s %9s %10s %9s\n", "", "1st call", "to frame", "2nd call", "to frame");
    for (const Part& part : parts) {
        const bool madeEarlier = made(ui, part);
        const Opening first = clock.measure(part.open);
        part.close();
        QTest::qWait(600);
        const Opening second = clock.measure(part.open);
        part.close();
        QTest::qWait(600);
        printRow(part.name, first, second, madeEarlier);
    }
    std::printf("%-24s %8.1f   (made right after the first frame)\n", "update dialog",
                updateDialogMaking(ui));
    return 0;
}
