<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfiguracja zapisana w urządzeniu</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Nie udało się zapisać konfiguracji w urządzeniu</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfiguracja zapisana w %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Nie udało się zapisać konfiguracji w %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfiguracja wczytana z %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 nie jest plikiem konfiguracyjnym (%2); bieżąca konfiguracja zostaje zachowana</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 zawiera konfigurację innego urządzenia (%2); bieżąca konfiguracja zostaje zachowana</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 zawiera nieprawidłową wartość dla „%2”; bieżąca konfiguracja zostaje zachowana</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfiguracja wczytana z urządzenia</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Odrzucić zmiany i wczytać konfigurację z urządzenia?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Raport utworzony: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Nie udało się utworzyć raportu w %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Raport zapisany: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Nie utworzono jeszcze raportu</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Kopia zapasowa zapisana: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Nie udało się zapisać kopii zapasowej w %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Kopia zapasowa urządzenia %1 przywrócona z %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Brak kopii zapasowej urządzenia %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Hasło urządzenia zostało usunięte</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Urządzenie nie ma hasła do usunięcia</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Urządzenie jest zajęte; spróbuj ponownie, gdy zakończy pracę</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware zaktualizowany do wersji %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Ponowne uruchamianie urządzenia</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Urządzenie zostało ponownie uruchomione</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formatowanie pamięci urządzenia</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Pamięć urządzenia została sformatowana</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Przywracanie ustawień fabrycznych urządzenia</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Przywrócono ustawienia fabryczne urządzenia</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Zaktualizować firmware urządzenia do wersji %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Uruchomić ponownie urządzenie teraz?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formatowanie usuwa konfigurację zapisaną w urządzeniu. Kontynuować?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Przywrócić ustawienia fabryczne urządzenia? Twoja konfiguracja zostanie utracona.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Przywrócić ostatnią kopię zapasową urządzenia %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Ustawienia Wi-Fi zapisane w urządzeniu</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>To urządzenie nie ma Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Urządzenie zostało odłączone z niezapisanymi zmianami. Zapisać je do pliku?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Zapisać ustawienia Wi-Fi w urządzeniu?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Urządzenie nie przyjmuje wartości %1 dla „%2”</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Otwarto wirtualne urządzenie %1</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Nie udało się odczytać pamięci urządzenia (%1); zawiera ona ustawienia fabryczne</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Niezapisane zmiany odłączonego urządzenia zostały odrzucone</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Raport konfiguracji</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Wersja wtyczki</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Wersja Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Data utworzenia</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Strona tytułowa</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Konfiguracja urządzenia</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Dane klienta</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Dane instalatora</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Data serwisu</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Serwisant</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Dane obiektu</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Pliki i kopie zapasowe</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Zapisz w urządzeniu</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Wczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Otwórz plik konfiguracyjny</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Kopia zapasowa na karcie SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Kopia zapasowa dla karty SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Przywróć ostatnią kopię zapasową</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Konserwacja</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Ochrona hasłem</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Zaktualizuj firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Uruchom ponownie urządzenie</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Sformatuj pamięć urządzenia</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Zapomniane hasło</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Odłącz wirtualne urządzenie</translation>
    </message>
</context>
</TS>
