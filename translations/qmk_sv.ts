<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Ta bort insticksprogram</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatera</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Spara till fil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Visa nyheter</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Starta om</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Nedladdningen misslyckades</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Avbryt inläsningen</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Söker efter uppdateringar</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Insticksprogrammet kunde inte läsas in.
En komponent kan saknas (t.ex. en drivrutin).

Mer information finns på Brennhofs webbplats.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Laddar ned ändringsloggen</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Laddar ned insticksprogrammet</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Laddar ned uppdateringen</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Installera uppdateringen</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Stäng programmet. Flytta sedan uppdateringen till mappen Program Files och starta om QMK.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Öppna monteringsanvisningen</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Information om programversionen</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Du lämnar det öppna insticksprogrammet.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Träder i kraft först efter att QMK har startats om!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Öppnar programmets hjälpsidor.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Användarinställningar</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>Version %1 är tillgänglig</translation>
    </message>
    <message>
        <source>back</source>
        <translation>tillbaka</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Installatörsuppgifter</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Lämna denna kod till din kontaktperson på supporten.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Ange koden du har fått för att låsa upp och ta bort lösenordet</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kunduppgifter</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Aktivera mörkt läge</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedladdningen misslyckades. Försök igen. Om problemet kvarstår kan du ladda ned den senaste versionen från www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Nedladdningen är ofullständig. Försök igen. Om problemet kvarstår kan du ladda ned den senaste versionen från www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laddar ned</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Skapa huvudlösenord</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Observera</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>är uppdaterad</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nyckel</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Språkval</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Obligatoriskt fält</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Koderna stämmer inte överens!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>nästa</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Ingen anslutning tillgänglig. Kontrollera anslutningen och försök igen. Om problemet kvarstår kan du kontakta din kontaktperson eller ladda ned den senaste versionen från vår webbplats.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Uppdateringsfilen är inte tillgänglig. Försök igen. Om problemet kvarstår kan du kontakta din kontaktperson eller ladda ned den senaste versionen från vår webbplats.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Objektuppgifter</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektnamn</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Visa verktygstips</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Upplåsningskod</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Uppdateringen kunde inte genomföras korrekt. Försök igen. Om problemet kvarstår kan du ladda ned den senaste versionen från www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Vill du återgå till startskärmen?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Alla osparade ändringar går förlorade.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Vill du verkligen ta bort insticksprogrammet?

Insticksprogrammet kan installeras igen först efter att QMK har startats om.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Vill du avsluta programmet?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Om enheter är anslutna kan det ta en stund att skapa PDF-rapporten.
Tiden beror på typen och antalet anslutna enheter.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Det finns osparade ändringar.
Vill du spara ändringarna?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Monteringsanvisning</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Skapa säkerhetskopia</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Återställ fabriksinställningar</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>KNX-monteringsanvisning</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Återställ säkerhetskopia</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Fel när konfigurationsfilen skulle skapas.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Ett fel uppstod när PDF-filen skulle skapas. Starta om styrcentralen.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Ett fel uppstod vid återställningen till fabriksinställningarna. Starta om styrcentralen.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Konfigurationsfilen har skapats</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Skapandet av konfigurationsfilen har startat</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>PDF-rapporten har skapats</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>Skapandet av PDF-rapporten har startat</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Enheten har tagits bort</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Firmwareuppdateringen är klar</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Firmwareuppdateringen har startat</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flashning</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Flashningen är klar</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Läser in konfigurationen</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Återställ konfigurationen</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Inläsning av konfigurationer från fil har startat</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Spara konfigurationen som PDF-fil</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Vill du verkligen återställa fabriksinställningarna?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Läs in konfigurationen från den anslutna styrcentralen eller det sammankopplade systemet</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Spara konfigurationen i styrcentralen eller det sammankopplade systemet</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Spara konfigurationen som %1-fil</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Motorer</translation>
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
        <translation>Augusti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Installatör</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>skapad den</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Avaktiverad</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Dec</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Motorlinje</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Feb</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Fyll i försättsblad</translation>
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
        <translation>Januari</translation>
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
        <translation>Realtidsdata</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Läser in</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
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
        <translation>Nej</translation>
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
        <translation>klockan</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
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
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Driftläge</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Insticksprogrammets versionsnummer</translation>
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
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Lör</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lördag</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Sparar</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensorer</translation>
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
        <translation>Servicedatum</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servicetekniker</translation>
    </message>
    <message>
        <source>Set title</source>
        <translation>Ange titel</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Normaldrift</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stoppad</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Sön</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Söndag</translation>
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
        <translation>Tis</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tisdag</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Användaren är inloggad</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Vädringstid</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Versionsnummer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Matningsspänning</translation>
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
        <translation>Vad vill du göra?</translation>
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
