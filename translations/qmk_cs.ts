<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Odstranit plugin</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátovat</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Uložit do souboru</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Zobrazit novinky</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restartovat</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Stahování se nezdařilo</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Zrušit načítání</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Plugin se nepodařilo načíst.
Pravděpodobně chybí některá součást (např. ovladač).

Další informace najdete na webových stránkách společnosti Brennhof.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Stahování seznamu změn</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Stahování pluginu</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Stahování aktualizace</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Nainstalovat aktualizaci</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Ukončete prosím software. Poté přesuňte aktualizaci do složky Program Files a znovu spusťte QMK.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Otevřít montážní návod</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Ukončit aplikaci</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Informace o verzi softwaru</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Opustíte otevřený plugin.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Projeví se až po restartu QMK!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Otevře stránky nápovědy k softwaru.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Vyhledat aktualizace</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Uživatelská nastavení</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>K dispozici je verze %1</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zpět</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Údaje o zhotoviteli</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Předejte prosím tento kód své kontaktní osobě na podpoře.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Chcete-li heslo odemknout a odstranit, zadejte prosím obdržený kód</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Údaje o zákazníkovi</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Zapnout tmavý režim</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Stahování se nezdařilo. Zkuste to prosím znovu. Pokud problém přetrvává, stáhněte si nejnovější verzi z www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Stahování není úplné. Zkuste to prosím znovu. Pokud problém přetrvává, stáhněte si nejnovější verzi z www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Obecná nastavení</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Vygenerovat hlavní heslo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>je aktuální</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Výběr jazyka</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Povinné pole</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Kódy se neshodují!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>další</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Připojení není k dispozici. Zkontrolujte prosím připojení a zkuste to znovu. Pokud problém přetrvává, obraťte se na svého obchodního zástupce nebo si stáhněte nejnovější verzi z našich webových stránek.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Soubor aktualizace není k dispozici. Zkuste to prosím znovu. Pokud problém přetrvává, obraťte se na svého obchodního zástupce nebo si stáhněte nejnovější verzi z našich webových stránek.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Údaje o objektu</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Název projektu</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Zobrazovat bublinovou nápovědu</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Odemykací kód</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Aktualizaci se nepodařilo správně provést, zkuste to prosím znovu. Pokud problém přetrvává, stáhněte si nejnovější verzi z www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Chcete se vrátit na úvodní obrazovku?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Všechny neuložené změny budou ztraceny.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Opravdu chcete plugin odstranit?

Plugin bude možné znovu nainstalovat až po restartu QMK.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Chcete ukončit software?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Jsou-li připojena zařízení, může vytvoření protokolu PDF nějakou dobu trvat.
Doba závisí na typu a počtu připojených zařízení.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Existují neuložené změny.
Chcete změny uložit?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Montážní návod</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Vytvořit zálohu</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Obnovit tovární nastavení</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>Montážní návod KNX</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Obnovit zálohu</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Chyba při vytváření konfiguračního souboru.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Při vytváření PDF došlo k chybě. Restartujte prosím ústřednu.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Při obnovování továrního nastavení došlo k chybě. Restartujte prosím ústřednu.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Vytváření konfiguračního souboru dokončeno</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Vytváření konfiguračního souboru zahájeno</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>Vytváření protokolu PDF dokončeno</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>Vytváření protokolu PDF zahájeno</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Zařízení odebráno</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Aktualizace firmwaru dokončena</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Aktualizace firmwaru zahájena</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flashování</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Flashování dokončeno</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Načítání konfigurace</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Resetovat konfiguraci</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Zahájeno načítání konfigurací ze souboru</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Uložit konfiguraci jako soubor PDF</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Opravdu chcete obnovit tovární nastavení?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Načíst konfiguraci z připojené ústředny nebo propojeného systému</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Uložit konfiguraci do ústředny nebo propojeného systému</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Uložit konfiguraci jako soubor %1</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Pohony</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Dub</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Duben</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Srp</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Srpen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Zhotovitel</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>vytvořeno dne</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Deaktivováno</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Pro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Prosinec</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Linka pohonů</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Úno</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Únor</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Vyplnit titulní list</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Pá</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Led</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Leden</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Čvc</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Červenec</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Čvn</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Červen</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Aktuální data</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Bře</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Březen</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Kvě</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Květen</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Lis</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>hodin</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Říj</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Říjen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Provozní režim</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Číslo verze pluginu</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorita</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Déšť</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetovat</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>So</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Ukládání</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Senzory</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Zář</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Září</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Datum servisu</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servisní technik</translation>
    </message>
    <message>
        <source>Set title</source>
        <translation>Nastavit název</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standardní režim</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zastaveno</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Čt</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Út</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Uživatel přihlášen</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Doba větrání</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Číslo verze</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Napájecí napětí</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>St</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Co chcete udělat?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vítr</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
</context>
</TS>
