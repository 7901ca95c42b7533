<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfigurationen er gemt i enheden</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Konfigurationen kunne ikke gemmes i enheden</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigurationen er gemt i %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Konfigurationen kunne ikke gemmes i %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigurationen er indlæst fra %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan ikke læses: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 er ikke en konfigurationsfil (%2); den aktuelle konfiguration bevares</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 indeholder konfigurationen for en anden enhed (%2); den aktuelle konfiguration bevares</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 indeholder en ugyldig værdi for »%2«; den aktuelle konfiguration bevares</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfigurationen er indlæst fra enheden</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Kassér dine ændringer, og indlæs konfigurationen fra enheden?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapport oprettet: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Rapporten kunne ikke oprettes i %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport gemt: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Der er endnu ikke oprettet nogen rapport</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Sikkerhedskopi skrevet: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Sikkerhedskopien kunne ikke skrives til %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Sikkerhedskopien af enhed %1 er gendannet fra %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Der findes ingen sikkerhedskopi af enhed %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Enhedens adgangskode er slettet</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Enheden har ingen adgangskode, der kan slettes</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Enheden er optaget; prøv igen, når den er færdig</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Opdaterer firmwaren</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmwaren er opdateret til version %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Genstarter enheden</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Enheden er genstartet</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formaterer enhedens hukommelse</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Enhedens hukommelse er formateret</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Nulstiller enheden til fabriksindstillinger</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Enheden er nulstillet til fabriksindstillinger</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Opdater enhedens firmware til version %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Genstart enheden nu?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formatering sletter den konfiguration, der er gemt i enheden. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Nulstil enheden til fabriksindstillinger? Din konfiguration går tabt.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Gendan den seneste sikkerhedskopi af enhed %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi-indstillingerne er gemt i enheden</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Denne enhed har ikke Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Enheden blev fjernet med ikke-gemte ændringer. Vil du gemme dem i en fil?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Gem Wi-Fi-indstillingerne i enheden?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Enheden accepterer ikke %1 for »%2«</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtuel enhed %1 åbnet</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Enhedens hukommelse kunne ikke læses (%1); den indeholder fabriksindstillingerne</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>De ikke-gemte ændringer for den fjernede enhed er kasseret</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Konfigurationsrapport</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhed</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Pluginversion</translation>
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
        <translation>Oprettet den</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Forside</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Enhedskonfiguration</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektnavn</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kundedata</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Installatørdata</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Servicedato</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servicetekniker</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Bygningsdata</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivelse</translation>
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
        <translation>Filer og sikkerhedskopier</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Gem i enheden</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Indlæs fra enheden</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Åbn en konfigurationsfil</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Sikkerhedskopi på SD-kortet</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Sikkerhedskopi til et SD-kort</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Gendan den seneste sikkerhedskopi</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Vedligeholdelse</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Opdaterer</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Adgangskodebeskyttelse</translation>
    </message>
    <message>
        <source>on</source>
        <translation>til</translation>
    </message>
    <message>
        <source>off</source>
        <translation>fra</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Opdater firmwaren</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Genstart enheden</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formatér enhedens hukommelse</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Fabriksindstillinger</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Glemt adgangskode</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Frakobl den virtuelle enhed</translation>
    </message>
</context>
</TS>
