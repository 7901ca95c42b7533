<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Конфігурацію збережено в пристрої</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Не вдалося зберегти конфігурацію в пристрої</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Конфігурацію збережено в %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Не вдалося зберегти конфігурацію в %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Конфігурацію завантажено з %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не вдається прочитати %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 не є файлом конфігурації (%2); поточну конфігурацію збережено</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 містить конфігурацію іншого пристрою (%2); поточну конфігурацію збережено</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 містить неприпустиме значення для «%2»; поточну конфігурацію збережено</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Конфігурацію завантажено з пристрою</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Скасувати ваші зміни й завантажити конфігурацію з пристрою?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Звіт створено: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Не вдалося створити звіт у %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Звіт збережено: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Звіт ще не створено</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Резервну копію записано: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Не вдалося записати резервну копію в %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Резервну копію пристрою %1 відновлено з %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Резервної копії пристрою %1 немає</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Пароль пристрою видалено</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Пристрій не має пароля, який можна видалити</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Пристрій зайнятий; спробуйте ще раз, коли він завершить роботу</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Оновлення мікропрограми</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Мікропрограму оновлено до версії %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Перезапуск пристрою</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Пристрій перезапущено</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Форматування пам’яті пристрою</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Пам’ять пристрою відформатовано</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Скидання пристрою до заводських налаштувань</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Пристрій скинуто до заводських налаштувань</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Оновити мікропрограму пристрою до версії %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Перезапустити пристрій зараз?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Форматування видаляє конфігурацію, збережену в пристрої. Продовжити?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Скинути пристрій до заводських налаштувань? Вашу конфігурацію буде втрачено.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Відновити останню резервну копію пристрою %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Налаштування Wi-Fi збережено в пристрої</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Цей пристрій не має Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Пристрій від’єднано з незбереженими змінами. Зберегти їх у файл?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Зберегти налаштування Wi-Fi у пристрої?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Пристрій не приймає значення %1 для «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Віртуальний пристрій %1 відкрито</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Не вдалося прочитати пам’ять пристрою (%1); у ній заводські налаштування</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Незбережені зміни від’єднаного пристрою скасовано</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Звіт про конфігурацію</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Версія плагіна</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Версія Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Мікропрограма</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Дата створення</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Титульний аркуш</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Конфігурація пристрою</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Назва проєкту</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Дані замовника</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Дані монтажної організації</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Дата обслуговування</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Сервісний технік</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Дані об’єкта</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>так</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ні</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Файли та резервні копії</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Зберегти в пристрої</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Завантажити з пристрою</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Відкрити файл конфігурації</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Резервна копія на SD-картку</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Резервна копія для SD-картки</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Відновити останню резервну копію</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Обслуговування</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Мікропрограма</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Захист паролем</translation>
    </message>
    <message>
        <source>on</source>
        <translation>увімкнено</translation>
    </message>
    <message>
        <source>off</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Оновити мікропрограму</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Перезапустити пристрій</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Форматувати пам’ять пристрою</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Забутий пароль</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Від’єднати віртуальний пристрій</translation>
    </message>
</context>
</TS>
