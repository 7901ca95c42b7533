<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configuratie opgeslagen in het apparaat</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>De configuratie kon niet in het apparaat worden opgeslagen</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuratie opgeslagen in %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>De configuratie kon niet in %1 worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuratie geladen uit %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 is geen configuratiebestand (%2); de huidige configuratie blijft behouden</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 bevat de configuratie van een ander apparaat (%2); de huidige configuratie blijft behouden</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 bevat een ongeldige waarde voor ‘%2’; de huidige configuratie blijft behouden</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configuratie geladen uit het apparaat</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Uw wijzigingen verwerpen en de configuratie uit het apparaat laden?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapport gemaakt: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Het rapport kon niet worden gemaakt in %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport opgeslagen: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Er is nog geen rapport gemaakt</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Back-up geschreven: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>De back-up kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Back-up van apparaat %1 teruggezet uit %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Er is geen back-up van apparaat %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Het apparaatwachtwoord is verwijderd</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Het apparaat heeft geen wachtwoord om te verwijderen</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Het apparaat is bezig; probeer het opnieuw wanneer het klaar is</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Firmware wordt bijgewerkt</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware bijgewerkt naar versie %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Apparaat wordt opnieuw gestart</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Het apparaat is opnieuw gestart</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Apparaatgeheugen wordt geformatteerd</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Het apparaatgeheugen is geformatteerd</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Apparaat wordt teruggezet naar de fabrieksinstellingen</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Het apparaat is teruggezet naar de fabrieksinstellingen</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Firmware van het apparaat bijwerken naar versie %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Apparaat nu opnieuw starten?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formatteren wist de configuratie die in het apparaat is opgeslagen. Doorgaan?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Apparaat terugzetten naar de fabrieksinstellingen? Uw configuratie gaat verloren.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Laatste back-up van apparaat %1 terugzetten?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wifi-instellingen opgeslagen in het apparaat</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Dit apparaat heeft geen wifi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Het apparaat is verwijderd met niet-opgeslagen wijzigingen. Deze opslaan in een bestand?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Wifi-instellingen opslaan in het apparaat?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Het apparaat accepteert %1 niet voor ‘%2’</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtueel apparaat %1 geopend</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Het apparaatgeheugen kon niet worden gelezen (%1); het bevat de fabrieksinstellingen</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>De niet-opgeslagen wijzigingen van het verwijderde apparaat zijn verworpen</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Configuratierapport</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Plug-inversie</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark-versie</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Gemaakt op</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Voorblad</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Apparaatconfiguratie</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projectnaam</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Klantgegevens</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Installateursgegevens</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Onderhoudsdatum</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servicemonteur</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Objectgegevens</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Bestanden en back-ups</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Opslaan in het apparaat</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Laden uit het apparaat</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Configuratiebestand openen</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Back-up op de SD-kaart</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Back-up voor een SD-kaart</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Laatste back-up terugzetten</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Onderhoud</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Wordt bijgewerkt</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Wachtwoordbeveiliging</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Firmware bijwerken</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Apparaat opnieuw starten</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Apparaatgeheugen formatteren</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Fabrieksinstellingen</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Wachtwoord vergeten</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Virtueel apparaat loskoppelen</translation>
    </message>
</context>
</TS>
