<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Конфигурация сохранена в устройстве</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Не удалось сохранить конфигурацию в устройстве</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Конфигурация сохранена в %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Не удалось сохранить конфигурацию в %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Конфигурация загружена из %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 не является файлом конфигурации (%2); текущая конфигурация сохранена</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 содержит конфигурацию другого устройства (%2); текущая конфигурация сохранена</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 содержит недопустимое значение для «%2»; текущая конфигурация сохранена</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Конфигурация загружена из устройства</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Отменить изменения и загрузить конфигурацию из устройства?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Отчёт создан: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Не удалось создать отчёт в %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Отчёт сохранён: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Отчёт ещё не создан</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Резервная копия записана: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Не удалось записать резервную копию в %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Резервная копия устройства %1 восстановлена из %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Резервной копии устройства %1 нет</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Пароль устройства удалён</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>У устройства нет пароля, который можно удалить</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Устройство занято; повторите попытку, когда оно завершит работу</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Прошивка обновлена до версии %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Перезапуск устройства</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Устройство перезапущено</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Форматирование памяти устройства</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Память устройства отформатирована</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Сброс устройства к заводским настройкам</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Устройство сброшено к заводским настройкам</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Обновить прошивку устройства до версии %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Перезапустить устройство сейчас?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Форматирование удалит конфигурацию, сохранённую в устройстве. Продолжить?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Сбросить устройство к заводским настройкам? Ваша конфигурация будет потеряна.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Восстановить последнюю резервную копию устройства %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Настройки Wi-Fi сохранены в устройстве</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>У этого устройства нет Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Устройство было отключено с несохранёнными изменениями. Сохранить их в файл?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Сохранить настройки Wi-Fi в устройстве?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Устройство не принимает %1 для «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Виртуальное устройство %1 открыто</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Не удалось прочитать память устройства (%1); в ней записаны заводские настройки</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Несохранённые изменения отключённого устройства отменены</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Отчёт о конфигурации</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Версия плагина</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Версия Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Титульный лист</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Конфигурация устройства</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Название проекта</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Данные заказчика</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Данные монтажной организации</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Дата техобслуживания</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Специалист сервисной службы</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Данные объекта</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Файлы и резервные копии</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Сохранить в устройстве</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Загрузить из устройства</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Открыть файл конфигурации</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Резервная копия на SD-карте</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Резервная копия для SD-карты</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Восстановить последнюю резервную копию</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Техобслуживание</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Защита паролем</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Обновить прошивку</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Перезапустить устройство</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Отформатировать память устройства</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Отключить виртуальное устройство</translation>
    </message>
</context>
</TS>
