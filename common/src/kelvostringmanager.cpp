#include "kelvostringmanager.h"

#include "stringtable.h"

#include <iterator>

// The maker's web address ends three texts. It is one build setting; lupdate sees it spelled
// out because the translations build hands it a copy of this file with the address in place.
#ifndef QUILLMARK_MAKER_WEB_ADDRESS
#error "QUILLMARK_MAKER_WEB_ADDRESS must be defined by the build"
#endif

namespace {

using K = KelvoStrings;

const StringTableRow ROWS[] = {
    {K::BTN_CANCEL, QT_TRANSLATE_NOOP3("QTranslator", "Cancel", "")},
    {K::BTN_DELETE_PLUGIN, QT_TRANSLATE_NOOP3("QTranslator", "Delete Plugin", "")},
    {K::BTN_FORMAT, QT_TRANSLATE_NOOP3("QTranslator", "Format", "")},
    {K::BTN_OK, QT_TRANSLATE_NOOP3("QTranslator", "Ok", "")},
    {K::BTN_SAVE_TO_FILE, QT_TRANSLATE_NOOP3("QTranslator", "Save to file", "")},
    {K::BTN_SAVE, QT_TRANSLATE_NOOP3("QTranslator", "Save", "")},
    {K::BTN_SHOW_WHATS_NEW, QT_TRANSLATE_NOOP3("QTranslator", "Show What's new", "")},
    {K::BTN_RESTART, QT_TRANSLATE_NOOP3("QTranslator", "Restart", "")},
    {K::ERR_MSG_DOWNLOAD_FAILED, QT_TRANSLATE_NOOP3("QTranslator", "Download failed", "")},
    {K::INFO_MSG_CANCEL_LOADING, QT_TRANSLATE_NOOP3("QTranslator", "Cancel loading", "")},
    {K::INFO_MSG_CHECKING_FOR_UPDATES,
     QT_TRANSLATE_NOOP3("QTranslator", "Checking for updates", "")},
    {K::INFO_MSG_DRIVER_MISSING,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "The Plugin didn't load.\nThere could be a module missing (e.g. a "
                        "driver).\n\nPlease check the Brennhof Website for more information.",
                        "")},
    {K::INFO_MSG_DOWNLOADING_CHANGELOG,
     QT_TRANSLATE_NOOP3("QTranslator", "Downloading changelog", "")},
    {K::INFO_MSG_DOWNLOADING_PLUGIN, QT_TRANSLATE_NOOP3("QTranslator", "Downloading plugin", "")},
    {K::INFO_MSG_DOWNLOADING_UPDATE, QT_TRANSLATE_NOOP3("QTranslator", "Downloading update", "")},
    {K::INFO_MSG_INSTALL_UPDATE, QT_TRANSLATE_NOOP3("QTranslator", "Install update", "")},
    {K::INFO_MSG_MACOS_UPDATE,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Please close the software. Then move the update to the Program Files "
                        "folder and restart QMK.",
                        "")},
    {K::INFO_MSG_OPEN_ASSEMBLY_INSTRUCTIONS,
     QT_TRANSLATE_NOOP3("QTranslator", "Open assembly instructions", "")},
    {K::INFO_MSG_QUIT_APPLICATION, QT_TRANSLATE_NOOP3("QTranslator", "Quit application", "")},
    {K::RIGHT_CLICK_DELETE_PLUGIN, QT_TRANSLATE_NOOP3("QTranslator", "Delete Plugin", "")},
    {K::TOOLTIP_ABOUT_BUTTON,
     QT_TRANSLATE_NOOP3("QTranslator", "Software version information", "")},
    {K::TOOLTIP_BACK_BUTTON, QT_TRANSLATE_NOOP3("QTranslator", "You leave the open plugin.", "")},
    {K::TOOLTIP_DARKMODE,
     QT_TRANSLATE_NOOP3("QTranslator", "Only becomes active after restarting QMK!",
                        "Wird erst nach Neustart von QMK aktiv!")},
    {K::TOOLTIP_HELP_BUTTON,
     QT_TRANSLATE_NOOP3("QTranslator", "Opens the software help pages.", "")},
    {K::TOOLTIP_UPDATE_BUTTON, QT_TRANSLATE_NOOP3("QTranslator", "Check for updates", "")},
    {K::TOOLTIP_USER_BUTTON, QT_TRANSLATE_NOOP3("QTranslator", "User settings", "")},
    {K::TXT_KELVO, QT_TRANSLATE_NOOP3("QTranslator", "Quillmark", "")},
    {K::TXT_AVAILABLE_VERSION, QT_TRANSLATE_NOOP3("QTranslator", "Version %1 available", "")},
    {K::TXT_BACK, QT_TRANSLATE_NOOP3("QTranslator", "back", "")},
    {K::TXT_CONSTRUCTOR_DATA, QT_TRANSLATE_NOOP3("QTranslator", "Constructor data", "")},
    {K::TXT_CUSTOMER_CODE_NOTICE_1,
     QT_TRANSLATE_NOOP3("QTranslator", "Please pass this code on to your support contact.", "")},
    {K::TXT_CUSTOMER_CODE_NOTICE_2,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "To unlock and delete the password, please enter the code you received",
                        "")},
    {K::TXT_CUSTOMER_DATA, QT_TRANSLATE_NOOP3("QTranslator", "Customer data", "")},
    {K::TXT_DARKMODE,
     QT_TRANSLATE_NOOP3("QTranslator", "Activate dark mode", "Dark Mode aktivieren")},
    {K::TXT_DOWNLOAD_FAILED,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Download failed. Please try again. If the problem persists, please "
                        "download the latest version from " QUILLMARK_MAKER_WEB_ADDRESS ".",
                        "")},
    {K::TXT_DOWNLOAD_INCOMPLETE,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Download incomplete. Please try again. If the problem persists, please "
                        "download the latest version from " QUILLMARK_MAKER_WEB_ADDRESS ".",
                        "")},
    {K::TXT_DOWNLOADING, QT_TRANSLATE_NOOP3("QTranslator", "Downloading", "")},
    {K::TXT_GENERAL_SETTINGS,
     QT_TRANSLATE_NOOP3("QTranslator", "General settings", "allgemeine Einstellungen")},
    {K::TXT_GENERATE_MASTER_PASSWORD,
     QT_TRANSLATE_NOOP3("QTranslator", "Generate master password", "")},
    {K::TXT_HINT, QT_TRANSLATE_NOOP3("QTranslator", "Hint", "")},
    {K::TXT_INFORMATION, QT_TRANSLATE_NOOP3("QTranslator", "Information", "")},
    {K::TXT_IS_UP_TO_DATE, QT_TRANSLATE_NOOP3("QTranslator", "is up to date", "")},
    {K::TXT_KEY, QT_TRANSLATE_NOOP3("QTranslator", "Key", "")},
    {K::TXT_LANGUAGE_SELECTION, QT_TRANSLATE_NOOP3("QTranslator", "Language selection", "")},
    {K::TXT_MANDATORY, QT_TRANSLATE_NOOP3("QTranslator", "Mandatory", "")},
    {K::TXT_MASTERPASSWORD_ERROR, QT_TRANSLATE_NOOP3("QTranslator", "Codes don't match!", "")},
    {K::TXT_NEXT, QT_TRANSLATE_NOOP3("QTranslator", "next", "")},
    {K::TXT_NO_CONNECTION,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Connection not available. Please check your connection and try it "
                        "again. If the problem persists, please contact your account manager or "
                        "download the latest version from the homepage.",
                        "")},
    {K::TXT_NO_JSON,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Update file not available. Please try again. If the problem persists, "
                        "please contact your account manager or download the latest version "
                        "from the homepage.",
                        "")},
    {K::TXT_OBJECT_DATA, QT_TRANSLATE_NOOP3("QTranslator", "Object data", "")},
    {K::TXT_PROJECT_NAME, QT_TRANSLATE_NOOP3("QTranslator", "Project name", "")},
    {K::TXT_SHOW_TOOLTIPS, QT_TRANSLATE_NOOP3("QTranslator", "Show tooltips", "Tooltips anzeigen")},
    {K::TXT_UNLOCK_CODE, QT_TRANSLATE_NOOP3("QTranslator", "Unlock Code", "")},
    {K::TXT_UPDATE_CORRUPT,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Update could not be carried out correctly, please try again. If the "
                        "problem persists, please download the latest version "
                        "from " QUILLMARK_MAKER_WEB_ADDRESS ".",
                        "")},
    {K::TXT_WARNING, QT_TRANSLATE_NOOP3("QTranslator", "Warning", "")},
    {K::WRN_MSG_BACK_BUTTON,
     QT_TRANSLATE_NOOP3("QTranslator", "Do you want to return to the home screen?", "")},
    {K::WRN_MSG_DELETE_NOT_SAVED,
     QT_TRANSLATE_NOOP3("QTranslator", "All unsaved changes will be lost.", "")},
    {K::WRN_MSG_DELETE_PLUGIN,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "Are you sure you want to delete the plugin?\n\nThe plugin can only be "
                        "reinstalled after restarting QMK.",
                        "")},
    {K::WRN_MSG_EXIT_BUTTON,
     QT_TRANSLATE_NOOP3("QTranslator", "Do you want to leave the software?", "")},
    {K::WRN_MSG_REPORT,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "If there are connected devices, creating the PDF report may take some "
                        "time.\nThe time period varies depending on the type and number of "
                        "connected devices",
                        "Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige "
                        "Zeit in Anspruch nehmen.\nDie Zeitspanne variiert je nach Typ und Menge "
                        "der angeschlossenen Geräte")},
    {K::WRN_MSG_UNSAVED_CHANGES,
     QT_TRANSLATE_NOOP3("QTranslator",
                        "There are unsaved changes.\nDo you want to save the changes?", "")},
};

} // namespace

KelvoStringManager* KelvoStringManager::instance()
{
    static KelvoStringManager manager;
    return &manager;
}

QString KelvoStringManager::getText(KelvoStrings::Keys key) const
{
    return m_texts.value(key);
}

void KelvoStringManager::initialize()
{
    m_texts = StringTable::translate(ROWS, std::size(ROWS));
}
