#pragma once

#include <QObject>

// The keys of the shell's own texts. The values are a contract with the screens: each key's
// value is its position in the table, counted from 0.
class KelvoStrings : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    enum Keys {
        BTN_CANCEL,
        BTN_DELETE_PLUGIN,
        BTN_FORMAT,
        BTN_OK,
        BTN_SAVE_TO_FILE,
        BTN_SAVE,
        BTN_SHOW_WHATS_NEW,
        BTN_RESTART,
        ERR_MSG_DOWNLOAD_FAILED,
        INFO_MSG_CANCEL_LOADING,
        INFO_MSG_CHECKING_FOR_UPDATES,
        INFO_MSG_DRIVER_MISSING,
        INFO_MSG_DOWNLOADING_CHANGELOG,
        INFO_MSG_DOWNLOADING_PLUGIN,
        INFO_MSG_DOWNLOADING_UPDATE,
        INFO_MSG_INSTALL_UPDATE,
        INFO_MSG_MACOS_UPDATE,
        INFO_MSG_OPEN_ASSEMBLY_INSTRUCTIONS,
        INFO_MSG_QUIT_APPLICATION,
        RIGHT_CLICK_DELETE_PLUGIN,
        TOOLTIP_ABOUT_BUTTON,
        TOOLTIP_BACK_BUTTON,
        TOOLTIP_DARKMODE,
        TOOLTIP_HELP_BUTTON,
        TOOLTIP_UPDATE_BUTTON,
        TOOLTIP_USER_BUTTON,
        TXT_KELVO,
        TXT_AVAILABLE_VERSION,
        TXT_BACK,
        TXT_CONSTRUCTOR_DATA,
        TXT_CUSTOMER_CODE_NOTICE_1,
        TXT_CUSTOMER_CODE_NOTICE_2,
        TXT_CUSTOMER_DATA,
        TXT_DARKMODE,
        TXT_DOWNLOAD_FAILED,
        TXT_DOWNLOAD_INCOMPLETE,
        TXT_DOWNLOADING,
        TXT_GENERAL_SETTINGS,
        TXT_GENERATE_MASTER_PASSWORD,
        TXT_HINT,
        TXT_INFORMATION,
        TXT_IS_UP_TO_DATE,
        TXT_KEY,
        TXT_LANGUAGE_SELECTION,
        TXT_MANDATORY,
        TXT_MASTERPASSWORD_ERROR,
        TXT_NEXT,
        TXT_NO_CONNECTION,
        TXT_NO_JSON,
        TXT_OBJECT_DATA,
        TXT_PROJECT_NAME,
        TXT_SHOW_TOOLTIPS,
        TXT_UNLOCK_CODE,
        TXT_UPDATE_CORRUPT,
        TXT_WARNING,
        WRN_MSG_BACK_BUTTON,
        WRN_MSG_DELETE_NOT_SAVED,
        WRN_MSG_DELETE_PLUGIN,
        WRN_MSG_EXIT_BUTTON,
        WRN_MSG_REPORT,
        WRN_MSG_UNSAVED_CHANGES
    };
    Q_ENUM(Keys)
};
