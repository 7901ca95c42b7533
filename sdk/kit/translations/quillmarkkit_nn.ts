<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Konfigurasjonen er lagra i eininga</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Konfigurasjonen kunne ikkje lagrast i eininga</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigurasjonen er lagra i %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Konfigurasjonen kunne ikkje lagrast i %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigurasjonen er lasta inn frå %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan ikkje lesast: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 er ikkje ei konfigurasjonsfil (%2); den gjeldande konfigurasjonen blir verande</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 inneheld konfigurasjonen til ei anna eining (%2); den gjeldande konfigurasjonen blir verande</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 inneheld ein ugyldig verdi for «%2»; den gjeldande konfigurasjonen blir verande</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Konfigurasjonen er lasta inn frå eininga</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Forkaste endringane dine og laste inn konfigurasjonen frå eininga?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapporten er laga: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Rapporten kunne ikkje lagast i %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapporten er lagra: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Det er ikkje laga nokon rapport enno</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Tryggingskopien er skriven: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Tryggingskopien kunne ikkje skrivast til %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Tryggingskopien av eininga %1 er gjenoppretta frå %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Det finst ingen tryggingskopi av eininga %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Passordet til eininga er sletta</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Eininga har ikkje noko passord som kan slettast</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Eininga er oppteken; prøv på nytt når ho er ferdig</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Oppdaterer fastvara</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Fastvara er oppdatert til versjon %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Startar eininga på nytt</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Eininga er starta på nytt</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formaterer minnet i eininga</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Minnet i eininga er formatert</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Tilbakestiller eininga til fabrikkinnstillingane</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Eininga er tilbakestilt til fabrikkinnstillingane</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Oppdatere fastvara i eininga til versjon %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Starte eininga på nytt no?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formateringa slettar konfigurasjonen som er lagra i eininga. Vil du halde fram?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Tilbakestille eininga til fabrikkinnstillingane? Konfigurasjonen din går tapt.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Gjenopprette den siste tryggingskopien av eininga %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi-innstillingane er lagra i eininga</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Denne eininga har ikkje Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Eininga vart fjerna med endringar som ikkje er lagra. Vil du lagre dei i ei fil?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Lagre Wi-Fi-innstillingane i eininga?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Eininga godtek ikkje %1 for «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Den virtuelle eininga %1 er opna</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Minnet i eininga kunne ikkje lesast (%1); det inneheld fabrikkinnstillingane</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Endringane som ikkje var lagra i den fjerna eininga, er forkasta</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Konfigurasjonsrapport</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eining</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Versjon av programtillegget</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark-versjon</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Fastvare</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Oppretta</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Framside</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Konfigurasjon av eininga</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Prosjektnamn</translation>
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
        <translation>Serviceteknikar</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Anleggsdata</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Skildring</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nei</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Filer og tryggingskopiar</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Lagre i eininga</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Last inn frå eininga</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Opne ei konfigurasjonsfil</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Tryggingskopi på SD-kortet</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Tryggingskopi for eit SD-kort</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Gjenopprett den siste tryggingskopien</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Vedlikehald</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Fastvare</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Oppdaterer</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Passordvern</translation>
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
        <translation>Oppdater fastvara</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Start eininga på nytt</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formater minnet i eininga</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Fabrikkinnstillingar</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Gløymt passord</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Kople frå den virtuelle eininga</translation>
    </message>
</context>
</TS>
