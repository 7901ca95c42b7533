#pragma once

#include "metadata.h"

#include <QString>

// Process-wide constants and the few process-wide values that the command line may change.
namespace Globals {

inline const QString ORGANISATION_NAME = QStringLiteral("brennhof");
inline const QString ORGANISATION_DOMAIN = QStringLiteral("brennhof.de");
inline const QString APPLICATION_NAME = QStringLiteral("Kelvo");
inline const QString DISPLAY_NAME = Metadata::DISPLAY_NAME;
inline const QString PRODUCT_ABBREVIATION = QStringLiteral("QMK");
inline const QString COMPANY_FULL_NAME = Metadata::COMPANY_FULL_NAME;
inline const QString COPYRIGHT = Metadata::COPYRIGHT;

inline const QString FIRMWARE_INFO_PATH = QStringLiteral("/firmwares/firmware.info");
inline const QString ASSEMBLY_INSTRUCTIONS_INFO_PATH =
    QStringLiteral("/assembly_instructions/assembly_instructions.info");

inline const QString LANGUAGE_KEY = QStringLiteral("translator/language");
inline const QString LAST_FILE_PATH_KEY = QStringLiteral("editor/key4");
inline const QString THEME_KEY = QStringLiteral("theme");
inline const QString SHOW_TOOLTIPS_KEY = QStringLiteral("showTooltips");
inline const QString TCP_KEY = QStringLiteral("TCP");
inline const QString UPDATE_HINT_GROUP = QStringLiteral("showUpdateHint");
// The newest shell version the user put off with "later".
inline const QString UPDATE_LATER_KEY = QStringLiteral("updateLater");
inline const QString PLUGIN_TO_DELETE_GROUP = QStringLiteral("pluginToDelete");

inline const QString VERSION_NUMBER = Metadata::VERSION_NUMBER;
inline const QString BUILD_NUMBER = Metadata::BUILD_NUMBER;
inline const QString BUILD_DATE = Metadata::BUILD_DATE;

// The shell's own application id (translations, self-update, terms of use).
inline constexpr int KELVO_APP_ID = 6;

// "2.1.0" -> "2_1_0", the form versions take inside keys, file and folder names.
QString versionKey(const QString& version);

// The maker's server, always ending in "/". Defaults to the build setting; the environment
// variable QUILLMARK_SERVER_URL overrides it, and -url selects the development server.
QString serverBaseUrl();
void useDevelopmentServer();
QString storageUrl();

// The writable application data folder, created with all missing parents on every call.
QString appDataPath();

} // namespace Globals
