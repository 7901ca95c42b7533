<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Slett programtillegg</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Lagre i fil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Vis nyheiter</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Start på nytt</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Nedlastinga mislukkast</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Avbryt lastinga</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Ser etter oppdateringar</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Programtillegget kunne ikkje lastast.
Det kan mangle ein komponent (t.d. ein drivar).

Sjå nettstaden til Brennhof for meir informasjon.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Lastar ned endringslogg</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Lastar ned programtillegg</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Lastar ned oppdatering</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Installer oppdatering</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Lukk programvara. Flytt deretter oppdateringa til mappa Program Files og start QMK på nytt.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Opne monteringsrettleiinga</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Avslutt programmet</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Informasjon om programvareversjonen</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Du forlèt det opne programtillegget.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Vert først aktivt etter at QMK er starta på nytt!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Opnar hjelpesidene for programvara.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sjå etter oppdateringar</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Brukarinnstillingar</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>Versjon %1 er tilgjengeleg</translation>
    </message>
    <message>
        <source>back</source>
        <translation>tilbake</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Installatørdata</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Gje denne koden vidare til kontaktpersonen din hos kundestøtta.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Skriv inn koden du har fått, for å låse opp og slette passordet</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kundedata</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Slå på mørk modus</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedlastinga mislukkast. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedlastinga er ufullstendig. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Lastar ned</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Generelle innstillingar</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Lag hovudpassord</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>er oppdatert</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nøkkel</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Språkval</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Obligatorisk felt</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Kodane samsvarer ikkje!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>neste</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Tilkoplinga er ikkje tilgjengeleg. Kontroller tilkoplinga og prøv på nytt. Dersom problemet held fram, kan du kontakte kontaktpersonen din eller laste ned den nyaste versjonen frå nettstaden vår.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Oppdateringsfila er ikkje tilgjengeleg. Prøv på nytt. Dersom problemet held fram, kan du kontakte kontaktpersonen din eller laste ned den nyaste versjonen frå nettstaden vår.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Anleggsdata</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Prosjektnamn</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Vis verktøytips</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Opplåsingskode</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Oppdateringa kunne ikkje utførast riktig. Prøv på nytt. Dersom problemet held fram, kan du laste ned den nyaste versjonen frå www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Åtvaring</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Vil du gå tilbake til startskjermen?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Alle endringar som ikkje er lagra, går tapt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Er du sikker på at du vil slette programtillegget?

Programtillegget kan først installerast på nytt etter at QMK er starta på nytt.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Vil du avslutte programvara?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Når einingar er tilkopla, kan det ta litt tid å lage PDF-rapporten.
Tida varierer etter typen og talet på tilkopla einingar.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Det finst endringar som ikkje er lagra.
Vil du lagre endringane?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Monteringsrettleiing</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Lag tryggingskopi</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Tilbakestill til fabrikkinnstillingar</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>KNX-monteringsrettleiing</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Gjenopprett tryggingskopi</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Feil ved oppretting av konfigurasjonsfila.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Det oppstod ein feil då PDF-fila skulle lagast. Start sentralen på nytt.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Det oppstod ein feil under tilbakestillinga til fabrikkinnstillingane. Start sentralen på nytt.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Konfigurasjonsfila er oppretta</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Opprettinga av konfigurasjonsfila er starta</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>PDF-rapporten er laga</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>Opprettinga av PDF-rapporten er starta</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Eininga er fjerna</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Fastvareoppdateringa er fullført</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Fastvareoppdateringa er starta</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Flashinga er fullført</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Lastar konfigurasjon</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Tilbakestill konfigurasjonen</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Lasting av konfigurasjonar frå fil er starta</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Lagre konfigurasjonen som PDF-fil</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Er du sikker på at du vil gjenopprette fabrikkinnstillingane?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Last inn konfigurasjonen frå den tilkopla sentralen eller det samankopla systemet</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Lagre konfigurasjonen i sentralen eller i det samankopla systemet</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Lagre konfigurasjonen som %1-fil</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Motorar</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Apr</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Aug</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurasjon</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Installatør</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>oppretta</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Des</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Desember</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Skildring</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Motorlinje</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Feb</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Fyll ut framsida</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Fre</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Jul</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Jun</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Sanntidsdata</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Lastar</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Mån</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Nov</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>klokka</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Anlegg</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Okt</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>På</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Opne</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Driftsmodus</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Versjonsnummer for programtillegget</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regn</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Lau</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Laurdag</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Lagrar</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensorar</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Sep</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
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
        <source>Set title</source>
        <translation>Legg inn tittel</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Normaldrift</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Søn</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Tys</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tysdag</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Brukaren er logga inn</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Luftetid</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Versjonsnummer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Forsyningsspenning</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Ons</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Kva vil du gjere?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
</TS>
