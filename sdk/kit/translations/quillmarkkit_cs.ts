<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfigurace uložena do zařízení</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Konfiguraci se nepodařilo uložit do zařízení</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigurace uložena do souboru %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Konfiguraci se nepodařilo uložit do souboru %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigurace načtena ze souboru %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Soubor %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 není konfigurační soubor (%2); stávající konfigurace zůstává zachována</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 obsahuje konfiguraci jiného zařízení (%2); stávající konfigurace zůstává zachována</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 obsahuje neplatnou hodnotu pro „%2“; stávající konfigurace zůstává zachována</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfigurace načtena ze zařízení</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Zahodit provedené změny a načíst konfiguraci ze zařízení?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Protokol vytvořen: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Protokol se nepodařilo vytvořit v umístění %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Protokol uložen: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Zatím nebyl vytvořen žádný protokol</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Záloha zapsána: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Zálohu se nepodařilo zapsat do %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Záloha zařízení %1 obnovena z %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Pro zařízení %1 neexistuje žádná záloha</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Heslo zařízení bylo odstraněno</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Zařízení nemá žádné heslo, které by bylo možné odstranit</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Zařízení je zaneprázdněno; zkuste to znovu, až dokončí práci</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware aktualizován na verzi %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Restartování zařízení</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Zařízení bylo restartováno</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formátování paměti zařízení</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Paměť zařízení je naformátována</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Obnovování továrního nastavení zařízení</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Zařízení je obnoveno do továrního nastavení</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Aktualizovat firmware zařízení na verzi %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Restartovat zařízení nyní?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formátování vymaže konfiguraci uloženou v zařízení. Pokračovat?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Obnovit tovární nastavení zařízení? Vaše konfigurace bude ztracena.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Obnovit poslední zálohu zařízení %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Nastavení Wi-Fi uloženo do zařízení</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Toto zařízení nemá Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Zařízení bylo odebráno s neuloženými změnami. Uložit je do souboru?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Uložit nastavení Wi-Fi do zařízení?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Zařízení nepřijímá hodnotu %1 pro „%2“</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtuální zařízení %1 otevřeno</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Paměť zařízení se nepodařilo přečíst (%1); obsahuje tovární nastavení</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Neuložené změny odebraného zařízení byly zahozeny</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Protokol konfigurace</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Verze pluginu</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Verze Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Vytvořeno dne</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Titulní list</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Konfigurace zařízení</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Název projektu</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Údaje o zákazníkovi</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Údaje o zhotoviteli</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Datum servisu</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servisní technik</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Údaje o objektu</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ne</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Soubory a zálohy</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Uložit do zařízení</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Načíst ze zařízení</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Otevřít konfigurační soubor</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Záloha na kartu SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Záloha pro kartu SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Obnovit poslední zálohu</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Údržba</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Ochrana heslem</translation>
    </message>
    <message>
        <source>on</source>
        <translation>zapnuta</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuta</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Aktualizovat firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Restartovat zařízení</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formátovat paměť zařízení</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Zapomenuté heslo</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Odpojit virtuální zařízení</translation>
    </message>
</context>
</TS>
