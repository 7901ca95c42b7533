<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfigurationen har sparats i enheten</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Konfigurationen kunde inte sparas i enheten</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigurationen har sparats i %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Konfigurationen kunde inte sparas i %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigurationen har lästs in från %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan inte läsas: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 är ingen konfigurationsfil (%2); den aktuella konfigurationen behålls</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 innehåller konfigurationen för en annan enhet (%2); den aktuella konfigurationen behålls</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 innehåller ett ogiltigt värde för ”%2”; den aktuella konfigurationen behålls</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfigurationen har lästs in från enheten</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Vill du förkasta dina ändringar och läsa in konfigurationen från enheten?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapporten har skapats: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Rapporten kunde inte skapas i %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapporten har sparats: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Ingen rapport har skapats ännu</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Säkerhetskopian har skrivits: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Säkerhetskopian kunde inte skrivas till %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Säkerhetskopian av enhet %1 har återställts från %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Det finns ingen säkerhetskopia av enhet %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Enhetens lösenord har tagits bort</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Enheten har inget lösenord att ta bort</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Enheten är upptagen; försök igen när den är klar</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Uppdaterar firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware har uppdaterats till version %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Startar om enheten</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Enheten har startats om</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formaterar enhetens minne</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Enhetens minne har formaterats</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Återställer enheten till fabriksinställningarna</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Enheten har återställts till fabriksinställningarna</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Vill du uppdatera enhetens firmware till version %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Vill du starta om enheten nu?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formateringen raderar konfigurationen som är sparad i enheten. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Vill du återställa enheten till fabriksinställningarna? Din konfiguration går förlorad.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Vill du återställa den senaste säkerhetskopian av enhet %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi-inställningarna har sparats i enheten</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Den här enheten har inget Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Enheten togs bort med osparade ändringar. Vill du spara dem i en fil?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Vill du spara Wi-Fi-inställningarna i enheten?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Enheten godtar inte %1 för ”%2”</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Den virtuella enheten %1 har öppnats</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Enhetens minne kunde inte läsas (%1); det innehåller fabriksinställningarna</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>De osparade ändringarna i den borttagna enheten har förkastats</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Konfigurationsrapport</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Insticksprogrammets version</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark-version</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Skapad den</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Försättsblad</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Enhetskonfiguration</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektnamn</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kunduppgifter</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Installatörsuppgifter</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Servicedatum</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servicetekniker</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Objektuppgifter</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nej</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Filer och säkerhetskopior</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Spara i enheten</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Läs in från enheten</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Öppna en konfigurationsfil</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Säkerhetskopia på SD-kortet</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Säkerhetskopia för ett SD-kort</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Återställ den senaste säkerhetskopian</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Underhåll</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Uppdaterar</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Lösenordsskydd</translation>
    </message>
    <message>
        <source>on</source>
        <translation>på</translation>
    </message>
    <message>
        <source>off</source>
        <translation>av</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Uppdatera firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Starta om enheten</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formatera enhetens minne</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Fabriksinställningar</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Glömt lösenord</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Koppla från den virtuella enheten</translation>
    </message>
</context>
</TS>
