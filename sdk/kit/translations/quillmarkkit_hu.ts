<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>A konfiguráció mentve az eszközre</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>A konfigurációt nem sikerült az eszközre menteni</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>A konfiguráció mentve ide: %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>A konfiguráció mentése sikertelen (%1): %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>A konfiguráció betöltve innen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 nem olvasható: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 nem konfigurációs fájl (%2); a jelenlegi konfiguráció megmarad</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 egy másik eszköz konfigurációját tartalmazza (%2); a jelenlegi konfiguráció megmarad</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 érvénytelen értéket tartalmaz a(z) „%2” beállításhoz; a jelenlegi konfiguráció megmarad</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>A konfiguráció betöltve az eszközről</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Elveti a módosításokat, és betölti a konfigurációt az eszközről?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>A jelentés elkészült: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>A jelentés létrehozása sikertelen (%1): %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>A jelentés mentve: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Még nem készült jelentés</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>A biztonsági mentés kiírva: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>A biztonsági mentés kiírása sikertelen (%1): %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>A(z) %1 eszköz biztonsági mentése visszaállítva innen: %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>A(z) %1 eszközről nincs biztonsági mentés</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Az eszköz jelszava törölve</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Az eszköznek nincs törölhető jelszava</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Az eszköz foglalt; próbálja újra, ha befejezte a műveletet</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Firmware frissítése</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>A firmware frissítve a(z) %1 verzióra</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Eszköz újraindítása</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Az eszköz újraindult</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Eszközmemória formázása</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Az eszközmemória formázva</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Eszköz visszaállítása a gyári beállításokra</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Az eszköz visszaállt a gyári beállításokra</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Frissíti az eszköz firmware-ét a(z) %1 verzióra?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Újraindítja most az eszközt?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>A formázás törli az eszközön tárolt konfigurációt. Folytatja?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Visszaállítja az eszközt a gyári beállításokra? A konfiguráció elvész.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Visszaállítja a(z) %1 eszköz legutóbbi biztonsági mentését?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>A Wi-Fi-beállítások mentve az eszközre</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Ez az eszköz nem rendelkezik Wi-Fi-vel</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Az eszközt nem mentett módosításokkal távolították el. Menti őket fájlba?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Menti a Wi-Fi-beállításokat az eszközre?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Az eszköz nem fogadja el a(z) %1 értéket a(z) „%2” beállításhoz</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtuális %1 eszköz megnyitva</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Az eszközmemóriát nem sikerült beolvasni (%1); a gyári beállításokat tartalmazza</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Az eltávolított eszköz nem mentett módosításai elvetve</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Konfigurációs jelentés</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Bővítmény verziója</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark verziója</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Fedlap</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Eszközkonfiguráció</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projekt neve</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Ügyféladatok</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Kivitelező adatai</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Karbantartás dátuma</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Szerviztechnikus</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Létesítmény adatai</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Leírás</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>igen</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nem</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Fájlok és biztonsági mentések</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Mentés az eszközre</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Betöltés az eszközről</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Konfigurációs fájl megnyitása</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Biztonsági mentés az SD-kártyára</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Biztonsági mentés SD-kártyához</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Legutóbbi biztonsági mentés visszaállítása</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Karbantartás</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Jelszavas védelem</translation>
    </message>
    <message>
        <source>on</source>
        <translation>be</translation>
    </message>
    <message>
        <source>off</source>
        <translation>ki</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Firmware frissítése</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Eszköz újraindítása</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Eszközmemória formázása</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Gyári beállítások</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Elfelejtett jelszó</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Virtuális eszköz leválasztása</translation>
    </message>
</context>
</TS>
