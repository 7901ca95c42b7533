<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Poista laajennus</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Alusta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Tallenna tiedostoon</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Näytä uudet ominaisuudet</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Käynnistä uudelleen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Lataus epäonnistui</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Peruuta lataus</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Tarkistetaan päivityksiä</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Laajennusta ei voitu ladata.
Jokin osa (esim. ajuri) saattaa puuttua.

Lisätietoja on Brennhofin verkkosivustolla.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Ladataan muutoslokia</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Ladataan laajennusta</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Ladataan päivitystä</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Asenna päivitys</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Sulje ohjelmisto. Siirrä sitten päivitys Program Files -kansioon ja käynnistä QMK uudelleen.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Avaa asennusohje</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Lopeta sovellus</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Ohjelmistoversion tiedot</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Poistut avoinna olevasta laajennuksesta.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Tulee voimaan vasta, kun QMK käynnistetään uudelleen!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Avaa ohjelmiston ohjesivut.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Käyttäjäasetukset</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>Versio %1 on saatavilla</translation>
    </message>
    <message>
        <source>back</source>
        <translation>takaisin</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Asentajan tiedot</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Välitä tämä koodi tukihenkilöllesi.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Avaa ja poista salasana syöttämällä saamasi koodi</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Asiakkaan tiedot</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Ota tumma tila käyttöön</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Lataus epäonnistui. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Lataus jäi kesken. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Luo pääsalasana</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>on ajan tasalla</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Avain</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Kielen valinta</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Pakollinen kenttä</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Koodit eivät täsmää!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>seuraava</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Yhteyttä ei ole saatavilla. Tarkista yhteys ja yritä uudelleen. Jos ongelma ei poistu, ota yhteyttä yhteyshenkilöösi tai lataa uusin versio verkkosivustoltamme.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Päivitystiedostoa ei ole saatavilla. Yritä uudelleen. Jos ongelma ei poistu, ota yhteyttä yhteyshenkilöösi tai lataa uusin versio verkkosivustoltamme.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Kohteen tiedot</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektin nimi</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Näytä työkaluvihjeet</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Avauskoodi</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Päivitystä ei voitu suorittaa oikein. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Haluatko palata aloitusnäyttöön?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Kaikki tallentamattomat muutokset menetetään.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Haluatko varmasti poistaa laajennuksen?

Laajennuksen voi asentaa uudelleen vasta, kun QMK on käynnistetty uudelleen.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Haluatko sulkea ohjelmiston?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Jos laitteita on liitettynä, PDF-raportin luominen voi kestää jonkin aikaa.
Kesto riippuu liitettyjen laitteiden tyypistä ja määrästä.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Muutoksia ei ole tallennettu.
Haluatko tallentaa muutokset?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Asennusohje</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Luo varmuuskopio</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Palauta tehdasasetukset</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>KNX-asennusohje</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Palauta varmuuskopio</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Virhe määritystiedoston luomisessa.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>PDF-tiedoston luomisessa tapahtui virhe. Käynnistä keskus uudelleen.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Tehdasasetusten palauttamisessa tapahtui virhe. Käynnistä keskus uudelleen.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Määritystiedosto luotu</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Määritystiedoston luominen aloitettu</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>PDF-raportti luotu</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>PDF-raportin luominen aloitettu</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Laite poistettu</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Laiteohjelmiston päivitys valmis</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Laiteohjelmiston päivitys aloitettu</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash-ohjelmointi</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Flash-ohjelmointi valmis</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Ladataan määrityksiä</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Palauta määritykset</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Määritysten lataaminen tiedostosta aloitettu</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Tallenna määritykset PDF-tiedostona</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Haluatko varmasti palauttaa tehdasasetukset?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Lataa määritykset liitetystä keskuksesta tai yhdistetystä järjestelmästä</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Tallenna määritykset keskukseen tai yhdistettyyn järjestelmään</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Tallenna määritykset %1-tiedostona</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Moottorit</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Huhti</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Huhtikuu</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Elo</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Elokuu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Määritykset</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Asentaja</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>luotu</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Asiakas</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Pois käytöstä</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Joulu</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Joulukuu</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Kuvaus</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Moottorilinja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Helmi</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Helmikuu</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Täytä kansilehti</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Pe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Perjantai</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Tammi</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Tammikuu</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Heinä</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Heinäkuu</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Kesä</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Kesäkuu</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Reaaliaikaiset tiedot</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Maalis</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maaliskuu</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Touko</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Toukokuu</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maanantai</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Marras</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Marraskuu</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>klo</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Loka</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Lokakuu</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Toimintatila</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sivu %1/%2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Laajennuksen versionumero</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteetti</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Sade</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raportti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>La</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lauantai</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Tallennetaan</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Anturit</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Syys</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Syyskuu</translation>
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
        <source>Set title</source>
        <translation>Aseta otsikko</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Normaalitila</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Pysäytetty</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Su</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunnuntai</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>To</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torstai</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Ti</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tiistai</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Käyttäjä kirjautunut sisään</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Tuuletusaika</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Versionumero</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Syöttöjännite</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Ke</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Keskiviikko</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Mitä haluat tehdä?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Tuuli</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
</context>
</TS>
