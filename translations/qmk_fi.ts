<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="18"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="19"/>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="48"/>
        <source>Delete Plugin</source>
        <translation>Poista laajennus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="20"/>
        <source>Format</source>
        <translation>Alusta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="21"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="22"/>
        <source>Save to file</source>
        <translation>Tallenna tiedostoon</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="23"/>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="24"/>
        <source>Show What&apos;s new</source>
        <translation>Näytä uudet ominaisuudet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="25"/>
        <source>Restart</source>
        <translation>Käynnistä uudelleen</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="26"/>
        <source>Download failed</source>
        <translation>Lataus epäonnistui</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="27"/>
        <source>Cancel loading</source>
        <translation>Peruuta lataus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="29"/>
        <source>Checking for updates</source>
        <translation>Tarkistetaan päivityksiä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="31"/>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Laajennusta ei voitu ladata.
Jokin osa (esim. ajuri) saattaa puuttua.

Lisätietoja on Brennhofin verkkosivustolla.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="36"/>
        <source>Downloading changelog</source>
        <translation>Ladataan muutoslokia</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="37"/>
        <source>Downloading plugin</source>
        <translation>Ladataan laajennusta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="38"/>
        <source>Downloading update</source>
        <translation>Ladataan päivitystä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="39"/>
        <source>Install update</source>
        <translation>Asenna päivitys</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="41"/>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Sulje ohjelmisto. Siirrä sitten päivitys Program Files -kansioon ja käynnistä QMK uudelleen.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="46"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="50"/>
        <source>Open assembly instructions</source>
        <translation>Avaa asennusohje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="47"/>
        <source>Quit application</source>
        <translation>Lopeta sovellus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="50"/>
        <source>Software version information</source>
        <translation>Ohjelmistoversion tiedot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="51"/>
        <source>You leave the open plugin.</source>
        <translation>Poistut avoinna olevasta laajennuksesta.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="53"/>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Tulee voimaan vasta, kun QMK käynnistetään uudelleen!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="56"/>
        <source>Opens the software help pages.</source>
        <translation>Avaa ohjelmiston ohjesivut.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="57"/>
        <source>Check for updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="58"/>
        <source>User settings</source>
        <translation>Käyttäjäasetukset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="59"/>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="60"/>
        <source>Version %1 available</source>
        <translation>Versio %1 on saatavilla</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="61"/>
        <source>back</source>
        <translation>takaisin</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="62"/>
        <source>Constructor data</source>
        <translation>Asentajan tiedot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="64"/>
        <source>Please pass this code on to your support contact.</source>
        <translation>Välitä tämä koodi tukihenkilöllesi.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="66"/>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Avaa ja poista salasana syöttämällä saamasi koodi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="69"/>
        <source>Customer data</source>
        <translation>Asiakkaan tiedot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="71"/>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Tumma tila</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="73"/>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Lataus epäonnistui. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="78"/>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Lataus jäi kesken. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="82"/>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="84"/>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="86"/>
        <source>Generate master password</source>
        <translation>Luo pääsalasana</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="87"/>
        <source>Hint</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="88"/>
        <source>Information</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="89"/>
        <source>is up to date</source>
        <translation>on ajan tasalla</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="90"/>
        <source>Key</source>
        <translation>Avain</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="91"/>
        <source>Language selection</source>
        <translation>Kielen valinta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="92"/>
        <source>Mandatory</source>
        <translation>Pakollinen kenttä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="93"/>
        <source>Codes don&apos;t match!</source>
        <translation>Koodit eivät täsmää!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="94"/>
        <source>next</source>
        <translation>seuraava</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="96"/>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Yhteyttä ei ole saatavilla. Tarkista yhteys ja yritä uudelleen. Jos ongelma ei poistu, ota yhteyttä yhteyshenkilöösi tai lataa uusin versio verkkosivustoltamme.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="102"/>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Päivitystiedostoa ei ole saatavilla. Yritä uudelleen. Jos ongelma ei poistu, ota yhteyttä yhteyshenkilöösi tai lataa uusin versio verkkosivustoltamme.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="107"/>
        <source>Object data</source>
        <translation>Kohteen tiedot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="108"/>
        <source>Project name</source>
        <translation>Projektin nimi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="109"/>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Näytä työkaluvihjeet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="110"/>
        <source>Unlock Code</source>
        <translation>Avauskoodi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="112"/>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Päivitystä ei voitu suorittaa oikein. Yritä uudelleen. Jos ongelma ei poistu, lataa uusin versio osoitteesta www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="117"/>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="119"/>
        <source>Do you want to return to the home screen?</source>
        <translation>Haluatko palata aloitusnäyttöön?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="121"/>
        <source>All unsaved changes will be lost.</source>
        <translation>Kaikki tallentamattomat muutokset menetetään.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="123"/>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Haluatko varmasti poistaa laajennuksen?

Laajennuksen voi asentaa uudelleen vasta, kun QMK on käynnistetty uudelleen.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="128"/>
        <source>Do you want to leave the software?</source>
        <translation>Haluatko sulkea ohjelmiston?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="130"/>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Jos laitteita on liitettynä, PDF-raportin luominen voi kestää jonkin aikaa.
Kesto riippuu liitettyjen laitteiden tyypistä ja määrästä.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="138"/>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Muutoksia ei ole tallennettu.
Haluatko tallentaa muutokset?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="12"/>
        <source>Assembly instructions</source>
        <translation>Asennusohje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="13"/>
        <source>Create backup</source>
        <translation>Luo varmuuskopio</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="14"/>
        <source>Factory reset</source>
        <translation>Palauta tehdasasetukset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="16"/>
        <source>KNX assembly instructions</source>
        <translation>KNX-asennusohje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="17"/>
        <source>Restore backup</source>
        <translation>Palauta varmuuskopio</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="19"/>
        <source>Error while creating the configuration file.</source>
        <translation>Virhe määritystiedoston luomisessa.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="21"/>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>PDF-tiedoston luomisessa tapahtui virhe. Käynnistä keskus uudelleen.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="25"/>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Tehdasasetusten palauttamisessa tapahtui virhe. Käynnistä keskus uudelleen.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="30"/>
        <source>Creating configuration file finished</source>
        <translation>Määritystiedosto luotu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="32"/>
        <source>Creating configuration file started</source>
        <translation>Määritystiedoston luominen aloitettu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="34"/>
        <source>Creating PDF report finished</source>
        <translation>PDF-raportti luotu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="36"/>
        <source>Creating PDF report started</source>
        <translation>PDF-raportin luominen aloitettu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="37"/>
        <source>Device removed</source>
        <translation>Laite poistettu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="39"/>
        <source>Firmware update finished</source>
        <translation>Laiteohjelmiston päivitys valmis</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="41"/>
        <source>Firmware update started</source>
        <translation>Laiteohjelmiston päivitys aloitettu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="42"/>
        <source>Flash</source>
        <translation>Flash-ohjelmointi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="43"/>
        <source>Flashing finished</source>
        <translation>Flash-ohjelmointi valmis</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="45"/>
        <source>Loading configuration</source>
        <translation>Ladataan määrityksiä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="46"/>
        <source>Reset configuration</source>
        <translation>Palauta määritykset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="48"/>
        <source>Start loading configurations from file</source>
        <translation>Määritysten lataaminen tiedostosta aloitettu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="52"/>
        <source>Save the configuration as PDF file</source>
        <translation>Tallenna määritykset PDF-tiedostona</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="54"/>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Haluatko varmasti palauttaa tehdasasetukset?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="57"/>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Lataa määritykset liitetystä keskuksesta tai yhdistetystä järjestelmästä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="61"/>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Tallenna määritykset keskukseen tai yhdistettyyn järjestelmään</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="64"/>
        <source>Save configuration as %1 file</source>
        <translation>Tallenna määritykset %1-tiedostona</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="65"/>
        <source>Actuators</source>
        <translation>Moottorit</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="66"/>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Huhti</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="67"/>
        <source>April</source>
        <translation>Huhtikuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="68"/>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Elo</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="69"/>
        <source>August</source>
        <translation>Elokuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="71"/>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="72"/>
        <source>Configuration</source>
        <translation>Määritykset</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="73"/>
        <source>Constructor</source>
        <translation>Asentaja</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="74"/>
        <source>created on</source>
        <translation>luotu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="75"/>
        <source>Customer</source>
        <translation>Asiakas</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="76"/>
        <source>Deactivated</source>
        <translation>Pois käytöstä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="77"/>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Joulu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="78"/>
        <source>December</source>
        <translation>Joulukuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="79"/>
        <source>Description</source>
        <translation>Kuvaus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="80"/>
        <source>Drive line</source>
        <translation>Moottorilinja</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="81"/>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="82"/>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Helmi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="83"/>
        <source>February</source>
        <translation>Helmikuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="84"/>
        <source>Fill cover sheet</source>
        <translation>Täytä kansilehti</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="85"/>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Pe</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="86"/>
        <source>Friday</source>
        <translation>Perjantai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="87"/>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Tammi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="88"/>
        <source>January</source>
        <translation>Tammikuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="89"/>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Heinä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="90"/>
        <source>July</source>
        <translation>Heinäkuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="91"/>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Kesä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="92"/>
        <source>June</source>
        <translation>Kesäkuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="93"/>
        <source>Live data</source>
        <translation>Reaaliaikaiset tiedot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="94"/>
        <source>Loading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="95"/>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Maalis</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="96"/>
        <source>March</source>
        <translation>Maaliskuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="97"/>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Touko</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="98"/>
        <source>May</source>
        <translation>Toukokuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="99"/>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Ma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="100"/>
        <source>Monday</source>
        <translation>Maanantai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="101"/>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="102"/>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="103"/>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Marras</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="104"/>
        <source>November</source>
        <translation>Marraskuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="105"/>
        <source>o&apos;clock</source>
        <translation>klo</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="106"/>
        <source>Object</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="107"/>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Loka</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="108"/>
        <source>October</source>
        <translation>Lokakuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="109"/>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="111"/>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Päällä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="112"/>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="113"/>
        <source>Operation mode</source>
        <translation>Toimintatila</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="114"/>
        <source>Page %1 of %2</source>
        <translation>Sivu %1/%2</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="115"/>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="116"/>
        <source>Plugin Version Number</source>
        <translation>Laajennuksen versionumero</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="117"/>
        <source>Priority</source>
        <translation>Prioriteetti</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="118"/>
        <source>Rain</source>
        <translation>Sade</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="119"/>
        <source>Report</source>
        <translation>Raportti</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="120"/>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="121"/>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>La</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="122"/>
        <source>Saturday</source>
        <translation>Lauantai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="123"/>
        <source>Saving</source>
        <translation>Tallennetaan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="124"/>
        <source>Sensors</source>
        <translation>Anturit</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="125"/>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Syys</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="126"/>
        <source>September</source>
        <translation>Syyskuu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="127"/>
        <source>Service date</source>
        <translation>Huoltopäivä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="129"/>
        <source>Service representative</source>
        <translation>Huoltoteknikko</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="130"/>
        <source>Set title</source>
        <translation>Aseta otsikko</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="131"/>
        <source>Standard mode</source>
        <translation>Normaalitila</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="132"/>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="133"/>
        <source>Stopped</source>
        <translation>Pysäytetty</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="134"/>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Su</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="135"/>
        <source>Sunday</source>
        <translation>Sunnuntai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="136"/>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="137"/>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="138"/>
        <source>Thursday</source>
        <translation>Torstai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="139"/>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Ti</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="140"/>
        <source>Tuesday</source>
        <translation>Tiistai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="141"/>
        <source>User signed in</source>
        <translation>Käyttäjä kirjautunut sisään</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="142"/>
        <source>Ventilation runtime</source>
        <translation>Tuuletusaika</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="143"/>
        <source>Version number</source>
        <translation>Versionumero</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="144"/>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="145"/>
        <source>Voltage power supply</source>
        <translation>Syöttöjännite</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="146"/>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Ke</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="147"/>
        <source>Wednesday</source>
        <translation>Keskiviikko</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="148"/>
        <source>What do you want to do?</source>
        <translation>Mitä haluat tehdä?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="149"/>
        <source>Wind</source>
        <translation>Tuuli</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="150"/>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
</context>
</TS>
