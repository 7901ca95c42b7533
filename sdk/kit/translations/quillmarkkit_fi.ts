<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Määritykset tallennettu laitteeseen</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Määrityksiä ei voitu tallentaa laitteeseen</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Määritykset tallennettu tiedostoon %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Määrityksiä ei voitu tallentaa tiedostoon %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Määritykset ladattu tiedostosta %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 ei ole määritystiedosto (%2); nykyiset määritykset säilytetään</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 sisältää toisen laitteen määritykset (%2); nykyiset määritykset säilytetään</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 sisältää virheellisen arvon asetukselle ”%2”; nykyiset määritykset säilytetään</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Määritykset ladattu laitteesta</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Hylätäänkö muutokset ja ladataanko määritykset laitteesta?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Raportti luotu: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Raporttia ei voitu luoda sijaintiin %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Raportti tallennettu: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Raporttia ei ole vielä luotu</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Varmuuskopio kirjoitettu: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Varmuuskopiota ei voitu kirjoittaa sijaintiin %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Laitteen %1 varmuuskopio palautettu sijainnista %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Laitteesta %1 ei ole varmuuskopiota</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Laitteen salasana on poistettu</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Laitteella ei ole poistettavaa salasanaa</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Laite on varattu; yritä uudelleen, kun se on valmis</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Päivitetään laiteohjelmistoa</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Laiteohjelmisto päivitetty versioon %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Käynnistetään laite uudelleen</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Laite on käynnistynyt uudelleen</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Alustetaan laitteen muistia</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Laitteen muisti on alustettu</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Palautetaan laitteen tehdasasetukset</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Laitteen tehdasasetukset on palautettu</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Päivitetäänkö laitteen laiteohjelmisto versioon %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Käynnistetäänkö laite uudelleen nyt?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Alustus poistaa laitteeseen tallennetut määritykset. Jatketaanko?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Palautetaanko laitteen tehdasasetukset? Määrityksesi menetetään.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Palautetaanko laitteen %1 viimeisin varmuuskopio?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi-asetukset tallennettu laitteeseen</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Tässä laitteessa ei ole Wi-Fi-yhteyttä</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Laite irrotettiin, ja siinä oli tallentamattomia muutoksia. Tallennetaanko ne tiedostoon?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Tallennetaanko Wi-Fi-asetukset laitteeseen?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Laite ei hyväksy arvoa %1 asetukselle ”%2”</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtuaalinen laite %1 avattu</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Laitteen muistia ei voitu lukea (%1); siinä ovat tehdasasetukset</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Irrotetun laitteen tallentamattomat muutokset hylättiin</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Määritysraportti</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Laajennuksen versio</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark-versio</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Laiteohjelmisto</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Luotu</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Kansilehti</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Laitteen määritykset</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektin nimi</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Asiakkaan tiedot</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Asentajan tiedot</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Huoltopäivä</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Huoltoteknikko</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Kohteen tiedot</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Kuvaus</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>kyllä</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ei</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Tiedostot ja varmuuskopiot</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Tallenna laitteeseen</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Lataa laitteesta</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Avaa määritystiedosto</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Varmuuskopio SD-kortille</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Varmuuskopio SD-korttia varten</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Palauta viimeisin varmuuskopio</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Kunnossapito</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Laiteohjelmisto</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Päivitetään</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Salasanasuojaus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>käytössä</translation>
    </message>
    <message>
        <source>off</source>
        <translation>ei käytössä</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Päivitä laiteohjelmisto</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Käynnistä laite uudelleen</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Alusta laitteen muisti</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Tehdasasetukset</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Unohtunut salasana</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Irrota virtuaalinen laite</translation>
    </message>
</context>
</TS>
