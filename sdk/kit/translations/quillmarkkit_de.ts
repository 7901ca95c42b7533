<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfiguration im Gerät gespeichert</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Die Konfiguration konnte nicht im Gerät gespeichert werden</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfiguration in %1 gespeichert</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Die Konfiguration konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfiguration aus %1 geladen</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 ist keine Konfigurationsdatei (%2); die aktuelle Konfiguration bleibt erhalten</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 enthält die Konfiguration eines anderen Geräts (%2); die aktuelle Konfiguration bleibt erhalten</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 enthält einen ungültigen Wert für „%2“; die aktuelle Konfiguration bleibt erhalten</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfiguration vom Gerät geladen</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Ihre Änderungen verwerfen und die Konfiguration vom Gerät laden?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Bericht erstellt: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 erstellt werden: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Bericht gespeichert: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Es wurde noch kein Bericht erstellt</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Sicherung geschrieben: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Die Sicherung konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Sicherung von Gerät %1 aus %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Es gibt keine Sicherung von Gerät %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Das Gerätepasswort wurde gelöscht</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Das Gerät hat kein Passwort, das gelöscht werden könnte</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Das Gerät ist beschäftigt; bitte erneut versuchen, wenn es fertig ist</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware auf Version %1 aktualisiert</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Gerät wird neu gestartet</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Das Gerät wurde neu gestartet</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Gerätespeicher wird formatiert</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Der Gerätespeicher ist formatiert</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Gerät wird auf Werkseinstellungen zurückgesetzt</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Das Gerät ist auf Werkseinstellungen zurückgesetzt</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Gerätefirmware auf Version %1 aktualisieren?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Gerät jetzt neu starten?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Das Formatieren löscht die im Gerät gespeicherte Konfiguration. Fortfahren?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Gerät auf Werkseinstellungen zurücksetzen? Ihre Konfiguration geht verloren.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Letzte Sicherung von Gerät %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>WLAN-Einstellungen im Gerät gespeichert</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Dieses Gerät hat kein WLAN</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Das Gerät wurde mit ungespeicherten Änderungen entfernt. In einer Datei speichern?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>WLAN-Einstellungen im Gerät speichern?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Das Gerät nimmt %1 für „%2“ nicht an</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtuelles Gerät %1 geöffnet</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Der Gerätespeicher konnte nicht gelesen werden (%1); er enthält die Werkseinstellungen</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Die ungespeicherten Änderungen des entfernten Geräts wurden verworfen</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Konfigurationsbericht</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Plug-in-Version</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark-Version</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Gerätekonfiguration</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kundendaten</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Errichterdaten</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Wartungsdatum</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servicetechniker</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Objektdaten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Dateien und Sicherungen</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Im Gerät speichern</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Vom Gerät laden</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Sicherung auf der SD-Karte</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Sicherung für eine SD-Karte</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Letzte Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Passwortschutz</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Gerätespeicher formatieren</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Passwort vergessen</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Virtuelles Gerät abziehen</translation>
    </message>
</context>
</TS>
