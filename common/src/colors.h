#pragma once

#include <QObject>
#include <QString>

// The named colours every screen and control uses. Light and dark differ in five entries only;
// the mode is one process-wide choice made at start, so every palette object agrees.
class Colors : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString PRIMARY READ PRIMARY CONSTANT)
    Q_PROPERTY(QString SECONDARY READ SECONDARY CONSTANT)
    Q_PROPERTY(QString PRIMARY_SHEV_COLOR READ PRIMARY_SHEV_COLOR CONSTANT)
    Q_PROPERTY(QString SECONDARY_SHEV_COLOR READ SECONDARY_SHEV_COLOR CONSTANT)
    Q_PROPERTY(QString PRIMARY_WEATHER_COLOR READ PRIMARY_WEATHER_COLOR CONSTANT)
    Q_PROPERTY(QString SECONDARY_WEATHER_COLOR READ SECONDARY_WEATHER_COLOR CONSTANT)
    Q_PROPERTY(QString PRIMARY_VENT_COLOR READ PRIMARY_VENT_COLOR CONSTANT)
    Q_PROPERTY(QString SECONDARY_VENT_COLOR READ SECONDARY_VENT_COLOR CONSTANT)
    Q_PROPERTY(QString PRIMARY_NOTIFICATION_COLOR READ PRIMARY_NOTIFICATION_COLOR CONSTANT)
    Q_PROPERTY(QString SECONDARY_NOTIFICATION_COLOR READ SECONDARY_NOTIFICATION_COLOR CONSTANT)
    Q_PROPERTY(QString PRIMARY_KNX_COLOR READ PRIMARY_KNX_COLOR CONSTANT)
    Q_PROPERTY(QString SECONDARY_KNX_COLOR READ SECONDARY_KNX_COLOR CONSTANT)
    Q_PROPERTY(QString TRANSPARENT READ TRANSPARENT CONSTANT)
    Q_PROPERTY(QString LIGHTGREY READ LIGHTGREY CONSTANT)
    Q_PROPERTY(QString MEDIUMLIGHTGREY READ MEDIUMLIGHTGREY CONSTANT)
    Q_PROPERTY(QString MEDIUMGREY READ MEDIUMGREY CONSTANT)
    Q_PROPERTY(QString MEDIUMDARKGREY READ MEDIUMDARKGREY CONSTANT)
    Q_PROPERTY(QString DARKGREY READ DARKGREY CONSTANT)
    Q_PROPERTY(QString RED READ RED CONSTANT)
    Q_PROPERTY(QString SIDEBAR_COLOR READ SIDEBAR_COLOR CONSTANT)
    Q_PROPERTY(QString CONTENT_BACKGROUND_COLOR READ CONTENT_BACKGROUND_COLOR CONSTANT)
    Q_PROPERTY(QString PARTING_LINE_COLOR READ PARTING_LINE_COLOR CONSTANT)
    Q_PROPERTY(QString BUTTON_COLOR READ BUTTON_COLOR CONSTANT)
    Q_PROPERTY(QString BUTTON_TEXT_COLOR READ BUTTON_TEXT_COLOR CONSTANT)
    Q_PROPERTY(QString TITLE_COLOR READ TITLE_COLOR CONSTANT)
    Q_PROPERTY(QString DISABLED_COLOR READ DISABLED_COLOR CONSTANT)
    Q_PROPERTY(QString FOLDINGBOX_BORDER READ FOLDINGBOX_BORDER CONSTANT)
    Q_PROPERTY(QString ZID_ORANGE READ ZID_ORANGE CONSTANT)
    Q_PROPERTY(QString SELECTED_TEXT_COLOR READ SELECTED_TEXT_COLOR CONSTANT)
    Q_PROPERTY(QString DESELECTED_TEXT_COLOR READ DESELECTED_TEXT_COLOR CONSTANT)
    Q_PROPERTY(QString HOVER_HIGHLIGHT READ HOVER_HIGHLIGHT CONSTANT)
    Q_PROPERTY(QString STATUSBOX READ STATUSBOX CONSTANT)
    Q_PROPERTY(QString PLUGIN_BUTTON_NOTIFY READ PLUGIN_BUTTON_NOTIFY CONSTANT)
    Q_PROPERTY(QString MODULE_TEXT READ MODULE_TEXT CONSTANT)

public:
    // A palette in the mode chosen for this process.
    explicit Colors(QObject* parent = nullptr);
    // Chooses the mode for the whole process, then behaves as above. Start-up calls it once,
    // before any screen exists.
    explicit Colors(bool darkMode, QObject* parent = nullptr);

    QString PRIMARY() const { return QStringLiteral("#0769B3"); }
    QString SECONDARY() const { return QStringLiteral("#9DC4E1"); }
    QString PRIMARY_SHEV_COLOR() const { return QStringLiteral("#D6036E"); }
    QString SECONDARY_SHEV_COLOR() const { return QStringLiteral("#EE9CC6"); }
    QString PRIMARY_WEATHER_COLOR() const { return QStringLiteral("#0769B3"); }
    QString SECONDARY_WEATHER_COLOR() const { return QStringLiteral("#9DC4E1"); }
    QString PRIMARY_VENT_COLOR() const { return QStringLiteral("#009D94"); }
    QString SECONDARY_VENT_COLOR() const { return QStringLiteral("#9BD8D5"); }
    QString PRIMARY_NOTIFICATION_COLOR() const { return QStringLiteral("#C7D42D"); }
    QString SECONDARY_NOTIFICATION_COLOR() const { return QStringLiteral("#E9EEAE"); }
    QString PRIMARY_KNX_COLOR() const { return QStringLiteral("#0769B3"); }
    QString SECONDARY_KNX_COLOR() const { return QStringLiteral("#9DC4E1"); }
    QString TRANSPARENT() const { return QStringLiteral("transparent"); }
    QString LIGHTGREY() const { return byMode("#EEEEEE", "#A9A9A9"); }
    QString MEDIUMLIGHTGREY() const { return QStringLiteral("#C1C1C1"); }
    QString MEDIUMGREY() const { return QStringLiteral("#A9A9A9"); }
    QString MEDIUMDARKGREY() const { return QStringLiteral("#8C8C8C"); }
    QString DARKGREY() const { return QStringLiteral("#646363"); }
    QString RED() const { return QStringLiteral("#FF0000"); }
    QString SIDEBAR_COLOR() const { return QStringLiteral("#464440"); }
    QString CONTENT_BACKGROUND_COLOR() const { return byMode("#FFFFFF", "#2C2C2C"); }
    QString PARTING_LINE_COLOR() const { return QStringLiteral("#464440"); }
    QString BUTTON_COLOR() const { return QStringLiteral("#0769B3"); }
    QString BUTTON_TEXT_COLOR() const { return QStringLiteral("#FFFFFF"); }
    QString TITLE_COLOR() const { return byMode("#000000", "#FFFFFF"); }
    QString DISABLED_COLOR() const { return QStringLiteral("#C2C1C1"); }
    QString FOLDINGBOX_BORDER() const { return byMode("#FFFFFF", "#000000"); }
    QString ZID_ORANGE() const { return QStringLiteral("#E8731C"); }
    QString SELECTED_TEXT_COLOR() const { return byMode("#FFFFFF", "#000000"); }
    QString DESELECTED_TEXT_COLOR() const { return QStringLiteral("#9DC4E1"); }
    QString HOVER_HIGHLIGHT() const { return QStringLiteral("#E4F2FF"); }
    QString STATUSBOX() const { return QStringLiteral("#646363"); }
    QString PLUGIN_BUTTON_NOTIFY() const { return QStringLiteral("#9DC4E1"); }
    QString MODULE_TEXT() const { return QStringLiteral("#FFFFFF"); }

private:
    // Read at each call, so a palette made before the mode was chosen still agrees.
    static QString byMode(const char* light, const char* dark);

    static bool darkMode;
};
