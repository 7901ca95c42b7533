<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="18"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="19"/>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="48"/>
        <source>Delete Plugin</source>
        <translation>Slett programtillegg</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="20"/>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="21"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="22"/>
        <source>Save to file</source>
        <translation>Lagre i fil</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="23"/>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="24"/>
        <source>Show What&apos;s new</source>
        <translation>Vis nyheiter</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="25"/>
        <source>Restart</source>
        <translation>Start på nytt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="26"/>
        <source>Download failed</source>
        <translation>Nedlastinga mislukkast</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="27"/>
        <source>Cancel loading</source>
        <translation>Avbryt lastinga</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="29"/>
        <source>Checking for updates</source>
        <translation>Ser etter oppdateringar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="31"/>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Programtillegget kunne ikkje lastast.
Det kan mangle ein komponent (t.d. ein drivar).

Sjå nettstaden til Brennhof for meir informasjon.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="36"/>
        <source>Downloading changelog</source>
        <translation>Lastar ned endringslogg</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="37"/>
        <source>Downloading plugin</source>
        <translation>Lastar ned programtillegg</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="38"/>
        <source>Downloading update</source>
        <translation>Lastar ned oppdatering</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="39"/>
        <source>Install update</source>
        <translation>Installer oppdatering</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="41"/>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Lukk programvara. Flytt deretter oppdateringa til mappa Program Files og start QMK på nytt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="46"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="50"/>
        <source>Open assembly instructions</source>
        <translation>Opne monteringsrettleiinga</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="47"/>
        <source>Quit application</source>
        <translation>Avslutt programmet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="50"/>
        <source>Software version information</source>
        <translation>Informasjon om programvareversjonen</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="51"/>
        <source>You leave the open plugin.</source>
        <translation>Du forlèt det opne programtillegget.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="53"/>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Vert først aktivt etter at QMK er starta på nytt!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="56"/>
        <source>Opens the software help pages.</source>
        <translation>Opnar hjelpesidene for programvara.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="57"/>
        <source>Check for updates</source>
        <translation>Sjå etter oppdateringar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="58"/>
        <source>User settings</source>
        <translation>Brukarinnstillingar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="59"/>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="60"/>
        <source>Version %1 available</source>
        <translation>Versjon %1 er tilgjengeleg</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="61"/>
        <source>back</source>
        <translation>tilbake</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="62"/>
        <source>Constructor data</source>
        <translation>Installatørdata</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="64"/>
        <source>Please pass this code on to your support contact.</source>
        <translation>Gje denne koden vidare til kontaktpersonen din hos kundestøtta.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="66"/>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Skriv inn koden du har fått, for å låse opp og slette passordet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="69"/>
        <source>Customer data</source>
        <translation>Kundedata</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="71"/>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Slå på mørk modus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="73"/>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedlastinga mislukkast. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="78"/>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedlastinga er ufullstendig. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="82"/>
        <source>Downloading</source>
        <translation>Lastar ned</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="84"/>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Generelle innstillingar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="86"/>
        <source>Generate master password</source>
        <translation>Lag hovudpassord</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="87"/>
        <source>Hint</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="88"/>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="89"/>
        <source>is up to date</source>
        <translation>er oppdatert</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="90"/>
        <source>Key</source>
        <translation>Nøkkel</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="91"/>
        <source>Language selection</source>
        <translation>Språkval</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="92"/>
        <source>Mandatory</source>
        <translation>Obligatorisk felt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="93"/>
        <source>Codes don&apos;t match!</source>
        <translation>Kodane samsvarer ikkje!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="94"/>
        <source>next</source>
        <translation>neste</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="96"/>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Tilkoplinga er ikkje tilgjengeleg. Kontroller tilkoplinga og prøv på nytt. Dersom problemet held fram, kan du kontakte kontaktpersonen din eller laste ned den nyaste versjonen frå nettstaden vår.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="102"/>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Oppdateringsfila er ikkje tilgjengeleg. Prøv på nytt. Dersom problemet held fram, kan du kontakte kontaktpersonen din eller laste ned den nyaste versjonen frå nettstaden vår.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="107"/>
        <source>Object data</source>
        <translation>Anleggsdata</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="108"/>
        <source>Project name</source>
        <translation>Prosjektnamn</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="109"/>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Vis verktøytips</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="110"/>
        <source>Unlock Code</source>
        <translation>Opplåsingskode</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="112"/>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Oppdateringa kunne ikkje utførast riktig. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="117"/>
        <source>Warning</source>
        <translation>Åtvaring</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="119"/>
        <source>Do you want to return to the home screen?</source>
        <translation>Vil du gå tilbake til startskjermen?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="121"/>
        <source>All unsaved changes will be lost.</source>
        <translation>Alle endringar som ikkje er lagra, går tapt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="123"/>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Er du sikker på at du vil slette programtillegget?

Programtillegget kan først installerast på nytt etter at QMK er starta på nytt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="128"/>
        <source>Do you want to leave the software?</source>
        <translation>Vil du avslutte programvara?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="130"/>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Når einingar er tilkopla, kan det ta litt tid å lage PDF-rapporten.
Tida varierer etter typen og talet på tilkopla einingar.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="138"/>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Det finst endringar som ikkje er lagra.
Vil du lagre endringane?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="12"/>
        <source>Assembly instructions</source>
        <translation>Monteringsrettleiing</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="13"/>
        <source>Create backup</source>
        <translation>Lag tryggingskopi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="14"/>
        <source>Factory reset</source>
        <translation>Tilbakestill til fabrikkinnstillingar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="16"/>
        <source>KNX assembly instructions</source>
        <translation>KNX-monteringsrettleiing</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="17"/>
        <source>Restore backup</source>
        <translation>Gjenopprett tryggingskopi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="19"/>
        <source>Error while creating the configuration file.</source>
        <translation>Feil ved oppretting av konfigurasjonsfila.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="21"/>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Det oppstod ein feil då PDF-fila skulle lagast. Start sentralen på nytt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="25"/>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Det oppstod ein feil under tilbakestillinga til fabrikkinnstillingane. Start sentralen på nytt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="30"/>
        <source>Creating configuration file finished</source>
        <translation>Konfigurasjonsfila er oppretta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="32"/>
        <source>Creating configuration file started</source>
        <translation>Opprettinga av konfigurasjonsfila er starta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="34"/>
        <source>Creating PDF report finished</source>
        <translation>PDF-rapporten er laga</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="36"/>
        <source>Creating PDF report started</source>
        <translation>Opprettinga av PDF-rapporten er starta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="37"/>
        <source>Device removed</source>
        <translation>Eininga er fjerna</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="39"/>
        <source>Firmware update finished</source>
        <translation>Fastvareoppdateringa er fullført</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="41"/>
        <source>Firmware update started</source>
        <translation>Fastvareoppdateringa er starta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="42"/>
        <source>Flash</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="43"/>
        <source>Flashing finished</source>
        <translation>Flashinga er fullført</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="45"/>
        <source>Loading configuration</source>
        <translation>Lastar konfigurasjon</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="46"/>
        <source>Reset configuration</source>
        <translation>Tilbakestill konfigurasjonen</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="48"/>
        <source>Start loading configurations from file</source>
        <translation>Lasting av konfigurasjonar frå fil er starta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="52"/>
        <source>Save the configuration as PDF file</source>
        <translation>Lagre konfigurasjonen som PDF-fil</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="54"/>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Er du sikker på at du vil gjenopprette fabrikkinnstillingane?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="57"/>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Last inn konfigurasjonen frå den tilkopla sentralen eller det samankopla systemet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="61"/>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Lagre konfigurasjonen i sentralen eller i det samankopla systemet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="64"/>
        <source>Save configuration as %1 file</source>
        <translation>Lagre konfigurasjonen som %1-fil</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="65"/>
        <source>Actuators</source>
        <translation>Motorar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="66"/>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>apr</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="67"/>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="68"/>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>aug</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="69"/>
        <source>August</source>
        <translation>august</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="71"/>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="72"/>
        <source>Configuration</source>
        <translation>Konfigurasjon</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="73"/>
        <source>Constructor</source>
        <translation>Installatør</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="74"/>
        <source>created on</source>
        <translation>oppretta</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="75"/>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="76"/>
        <source>Deactivated</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="77"/>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>des</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="78"/>
        <source>December</source>
        <translation>desember</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="79"/>
        <source>Description</source>
        <translation>Skildring</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="80"/>
        <source>Drive line</source>
        <translation>Motorlinje</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="81"/>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="82"/>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>feb</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="83"/>
        <source>February</source>
        <translation>februar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="84"/>
        <source>Fill cover sheet</source>
        <translation>Fyll ut framsida</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="85"/>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>fre</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="86"/>
        <source>Friday</source>
        <translation>fredag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="87"/>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>jan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="88"/>
        <source>January</source>
        <translation>januar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="89"/>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>jul</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="90"/>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="91"/>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>jun</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="92"/>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="93"/>
        <source>Live data</source>
        <translation>Sanntidsdata</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="94"/>
        <source>Loading</source>
        <translation>Lastar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="95"/>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>mar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="96"/>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="97"/>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>mai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="98"/>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="99"/>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>mån</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="100"/>
        <source>Monday</source>
        <translation>måndag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="101"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="102"/>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="103"/>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>nov</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="104"/>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="105"/>
        <source>o&apos;clock</source>
        <translation>klokka</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="106"/>
        <source>Object</source>
        <translation>Anlegg</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="107"/>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>okt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="108"/>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="109"/>
        <source>Off</source>
        <translation>Av</translation>
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
        <translation>På</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="112"/>
        <source>Open</source>
        <translation>Opne</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="113"/>
        <source>Operation mode</source>
        <translation>Driftsmodus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="114"/>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="115"/>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="116"/>
        <source>Plugin Version Number</source>
        <translation>Versjonsnummer for programtillegget</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="117"/>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="118"/>
        <source>Rain</source>
        <translation>Regn</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="119"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="120"/>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="121"/>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>lau</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="122"/>
        <source>Saturday</source>
        <translation>laurdag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="123"/>
        <source>Saving</source>
        <translation>Lagrar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="124"/>
        <source>Sensors</source>
        <translation>Sensorar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="125"/>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>sep</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="126"/>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="127"/>
        <source>Service date</source>
        <translation>Servicedato</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="129"/>
        <source>Service representative</source>
        <translation>Serviceteknikar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="130"/>
        <source>Set title</source>
        <translation>Legg inn tittel</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="131"/>
        <source>Standard mode</source>
        <translation>Normaldrift</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="132"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="133"/>
        <source>Stopped</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="134"/>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>søn</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="135"/>
        <source>Sunday</source>
        <translation>søndag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="136"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="137"/>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>tor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="138"/>
        <source>Thursday</source>
        <translation>torsdag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="139"/>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>tys</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="140"/>
        <source>Tuesday</source>
        <translation>tysdag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="141"/>
        <source>User signed in</source>
        <translation>Brukaren er logga inn</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="142"/>
        <source>Ventilation runtime</source>
        <translation>Luftetid</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="143"/>
        <source>Version number</source>
        <translation>Versjonsnummer</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="144"/>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="145"/>
        <source>Voltage power supply</source>
        <translation>Forsyningsspenning</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="146"/>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>ons</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="147"/>
        <source>Wednesday</source>
        <translation>onsdag</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="148"/>
        <source>What do you want to do?</source>
        <translation>Kva vil du gjere?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="149"/>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="150"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
</TS>
