<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configurazione salvata nel dispositivo</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Impossibile salvare la configurazione nel dispositivo</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configurazione salvata in %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Impossibile salvare la configurazione in %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configurazione caricata da %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 non è un file di configurazione (%2); la configurazione attuale viene mantenuta</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 contiene la configurazione di un altro dispositivo (%2); la configurazione attuale viene mantenuta</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 contiene un valore non valido per «%2»; la configurazione attuale viene mantenuta</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configurazione caricata dal dispositivo</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Annullare le modifiche e caricare la configurazione dal dispositivo?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapporto creato: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Impossibile creare il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapporto salvato: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Nessun rapporto è stato ancora creato</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Backup scritto: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Impossibile scrivere il backup in %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Backup del dispositivo %1 ripristinato da %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Non esiste alcun backup del dispositivo %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>La password del dispositivo è stata eliminata</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Il dispositivo non ha alcuna password da eliminare</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Il dispositivo è occupato; riprovare quando avrà terminato</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Aggiornamento del firmware in corso</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware aggiornato alla versione %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Riavvio del dispositivo in corso</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Il dispositivo è stato riavviato</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formattazione della memoria del dispositivo in corso</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>La memoria del dispositivo è formattata</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Ripristino delle impostazioni di fabbrica del dispositivo in corso</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Il dispositivo è tornato alle impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Aggiornare il firmware del dispositivo alla versione %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Riavviare ora il dispositivo?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>La formattazione cancella la configurazione memorizzata nel dispositivo. Continuare?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Ripristinare le impostazioni di fabbrica del dispositivo? La configurazione andrà persa.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Ripristinare l&apos;ultimo backup del dispositivo %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Impostazioni Wi-Fi salvate nel dispositivo</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Questo dispositivo non dispone di Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Il dispositivo è stato rimosso con modifiche non salvate. Salvarle su file?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Salvare le impostazioni Wi-Fi nel dispositivo?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Il dispositivo non accetta %1 per «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Dispositivo virtuale %1 aperto</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Impossibile leggere la memoria del dispositivo (%1); contiene le impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Le modifiche non salvate del dispositivo rimosso sono state annullate</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Rapporto di configurazione</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Versione del plug-in</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Versione di Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Creato il</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Frontespizio</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Configurazione del dispositivo</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Dati del cliente</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Dati dell&apos;installatore</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Data di manutenzione</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Tecnico dell&apos;assistenza</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Dati dell&apos;edificio</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>File e backup</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Salva nel dispositivo</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Carica dal dispositivo</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Apri un file di configurazione</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Backup sulla scheda SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Backup per una scheda SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Ripristina l&apos;ultimo backup</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Manutenzione</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aggiornamento in corso</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Protezione con password</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attiva</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattiva</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Aggiorna il firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Riavvia il dispositivo</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formatta la memoria del dispositivo</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Password dimenticata</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Scollega il dispositivo virtuale</translation>
    </message>
</context>
</TS>
