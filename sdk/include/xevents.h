#pragma once

#include "sdkglobal.h"

#include <QObject>

// The vocabulary shared by the shell, its screens and separately built plug-ins. The numeric
// values travel between binaries and must never change.
class QUILLMARK_SDK_EXPORT XEvents : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    enum ProcessTypes {
        CONNECTION,
        CONFIGURATION_LOADED,
        CONTROLUNIT_CONSTRUCTION_DIFFERENT,
        CONTROL_UNIT_FOUND,
        RESTORE_BACKUP,
        FORMAT,
        MAINTENANCE,
        SYSTEMTIME,
        REPORT_META,
        STARTUP_INFO,
        REPORT,
        BUS_SCAN
    };
    Q_ENUM(ProcessTypes)

    enum ProcessStates { ERROR, INTERRUPTED, FINISHED, LOADING_FINISHED, NEARLY_FINISHED, NONE };
    Q_ENUM(ProcessStates)

    enum MessageTypes {
        STATUS_INFO_MESSAGE,
        STATUS_ERROR_MESSAGE,
        INFO_MESSAGE,
        HINT_MESSAGE,
        WARNING_MESSAGE,
        ERROR_MESSAGE
    };
    Q_ENUM(MessageTypes)

    enum MessageActionTypes {
        OK,
        CANCEL,
        EXIT,
        FW_UPDATE,
        RESTART_DEVICE,
        FORMAT_FILE_SYSTEM,
        FACTORY_RESET,
        DEVICE_REMOVED_NOTIFY,
        UPDATE_NEXT_MODULE,
        LOAD_OK,
        LOAD_CANCEL,
        DELETE_PLUGIN,
        SAVE,
        SAVE_CAN,
        SAVE_TO_FILE,
        SAVE_WIFI_SETTINGS,
        SAVE_PDF,
        RESTORE_SINGLE_BACKUP
    };
    Q_ENUM(MessageActionTypes)

    enum UiStatus {
        SAVING,
        SAVED,
        SAVING_FAILED,
        LOADING,
        LOADED,
        SAVING_TO_FILE_SUCCESS,
        SAVING_TO_FILE_FAIL,
        REPORT_FINISHED,
        REPORT_FAILED,
        PASSWORD_DELETED,
        VIRTUAL_DEVICE_DELETED,
        BUS_SCAN_STARTED,
        BUS_SCAN_FINISHED
    };
    Q_ENUM(UiStatus)
};
