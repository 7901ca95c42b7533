#include "colors.h"
#include "testenvironment.h"
#include "theme.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlPropertyMap>
#include <QQuickStyle>
#include <QtQuickTest>
#include <memory>

// Stands in for the shell's controller: records what the controls ask of it.
class ControllerDouble : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isMobile MEMBER m_isMobile)

public:
    ControllerDouble(QQmlContext* context, QObject* parent) : QObject(parent), m_context(context) {}

    Q_INVOKABLE bool getIsMobile() const { return m_isMobile; }
    // As the real controller does, the choice reaches every tooltip at once.
    Q_INVOKABLE void setShowTooltips(bool show)
    {
        m_context->setContextProperty(QStringLiteral("showTooltips"), show);
    }

signals:
    void showSplashScreen(bool show);
    void openFileDialog(bool isSaving, bool isWithLoading, const QVariant& filters,
                        bool isPDF = false);

private:
    QQmlContext* m_context;
    bool m_isMobile = false;
};

// Stands in for a loaded plug-in.
class PluginDouble : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE void saveConfigurationToFile(const QString& path, bool withLoading)
    {
        emit configurationSavedToFile(path, withLoading);
    }

signals:
    void configurationSavedToFile(const QString& path, bool withLoading);
};

// Collects the warnings of the QML engine (type errors, reference errors, failed bindings), so
// that each test can fail on the warnings it caused.
class QmlWarnings : public QObject
{
    Q_OBJECT

public:
    explicit QmlWarnings(QQmlEngine* engine) : QObject(engine)
    {
        connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
            for (const QQmlError& warning : warnings)
                m_captured.append(warning.toString());
        });
    }

    Q_INVOKABLE QStringList take() { return std::exchange(m_captured, {}); }

private:
    QStringList m_captured;
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        m_environment = std::make_unique<TestEnvironment>();
        QQuickStyle::setStyle(QStringLiteral("Basic"));
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        QQmlContext* context = engine->rootContext();
        context->setContextProperty(QStringLiteral("qmlWarnings"), new QmlWarnings(engine));
        // A 96-dpi screen, so that the expected sizes do not depend on the machine.
        auto* theme = new Theme(Theme::Screen{96.0, QSize(1920, 1080)}, engine);
        context->setContextProperty(QStringLiteral("sizes"), theme->sizes());
        context->setContextProperty(QStringLiteral("fonts"), theme->fonts());
        context->setContextProperty(QStringLiteral("margin"), theme->margin());
        context->setContextProperty(QStringLiteral("radii"), theme->radii());
        context->setContextProperty(QStringLiteral("animDuration"), theme->animDuration());
        context->setContextProperty(QStringLiteral("globalColors"), new Colors(false, engine));
        context->setContextProperty(QStringLiteral("showTooltips"), true);
        context->setContextProperty(QStringLiteral("kelvo"), new ControllerDouble(context, engine));
        context->setContextProperty(QStringLiteral("plugin"), new PluginDouble(engine));
    }

private:
    std::unique_ptr<TestEnvironment> m_environment;
};

QUICK_TEST_MAIN_WITH_SETUP(commoncontrols, Setup)

#include "tst_commoncontrols.moc"
