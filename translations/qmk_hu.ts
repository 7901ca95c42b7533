<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Bővítmény törlése</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formázás</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Mentés fájlba</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Újdonságok megjelenítése</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Újraindítás</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Sikertelen letöltés</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Betöltés megszakítása</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>A bővítményt nem sikerült betölteni.
Előfordulhat, hogy hiányzik egy összetevő (pl. egy illesztőprogram).

További információkat a Brennhof weboldalán talál.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Változásnapló letöltése</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Bővítmény letöltése</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Frissítés letöltése</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Frissítés telepítése</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Zárja be a szoftvert. Ezután helyezze át a frissítést a Program Files mappába, és indítsa újra a QMK-t.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Szerelési útmutató megnyitása</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Kilépés az alkalmazásból</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Szoftververzió adatai</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Kilép a megnyitott bővítményből.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Csak a QMK újraindítása után lép érvénybe!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Megnyitja a szoftver súgóoldalait.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Felhasználói beállítások</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>A(z) %1 verzió elérhető</translation>
    </message>
    <message>
        <source>back</source>
        <translation>vissza</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Kivitelező adatai</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Adja meg ezt a kódot a támogatási kapcsolattartójának.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>A jelszó feloldásához és törléséhez adja meg a kapott kódot</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Ügyféladatok</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Sötét mód bekapcsolása</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A letöltés sikertelen. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A letöltés nem teljes. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés folyamatban</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Általános beállítások</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Mesterjelszó létrehozása</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>naprakész</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kulcs</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Nyelvválasztás</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Kötelező mező</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>A kódok nem egyeznek!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>tovább</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>A kapcsolat nem érhető el. Ellenőrizze a kapcsolatot, és próbálja újra. Ha a probléma továbbra is fennáll, forduljon kapcsolattartójához, vagy töltse le a legújabb verziót weboldalunkról.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>A frissítési fájl nem érhető el. Próbálja újra. Ha a probléma továbbra is fennáll, forduljon kapcsolattartójához, vagy töltse le a legújabb verziót weboldalunkról.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Létesítmény adatai</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projekt neve</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Elemleírások megjelenítése</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Feloldókód</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A frissítést nem sikerült megfelelően végrehajtani. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Vissza szeretne térni a kezdőképernyőre?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Minden nem mentett módosítás elvész.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Biztosan törölni szeretné a bővítményt?

A bővítmény csak a QMK újraindítása után telepíthető újra.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Ki szeretne lépni a szoftverből?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Csatlakoztatott eszközök esetén a PDF-jelentés elkészítése hosszabb ideig tarthat.
Az időtartam a csatlakoztatott eszközök típusától és számától függ.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Nem mentett módosítások vannak.
Szeretné menteni a módosításokat?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Szerelési útmutató</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Biztonsági mentés készítése</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Gyári visszaállítás</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>KNX szerelési útmutató</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Biztonsági mentés visszaállítása</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Hiba a konfigurációs fájl létrehozása közben.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Hiba történt a PDF létrehozása közben. Indítsa újra a vezérlőközpontot.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Hiba történt a gyári beállítások visszaállítása közben. Indítsa újra a vezérlőközpontot.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>A konfigurációs fájl elkészült</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>A konfigurációs fájl létrehozása elindult</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>A PDF-jelentés elkészült</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>A PDF-jelentés létrehozása elindult</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Eszköz eltávolítva</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>A firmware-frissítés befejeződött</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>A firmware-frissítés elindult</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flashelés</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>A flashelés befejeződött</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Konfiguráció betöltése</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Konfiguráció visszaállítása</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>A konfigurációk fájlból való betöltése elindult</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>A konfiguráció mentése PDF-fájlként</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Biztosan vissza szeretné állítani a gyári beállításokat?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Konfiguráció betöltése a csatlakoztatott vezérlőközpontból vagy az összekapcsolt rendszerből</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Konfiguráció tárolása a vezérlőközpontban vagy az összekapcsolt rendszerben</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Konfiguráció mentése %1-fájlként</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Hajtóművek</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Ápr.</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Április</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Augusztus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguráció</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Kivitelező</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>létrehozva</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Ügyfél</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Dec.</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Leírás</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Hajtóműkör</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Febr.</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Február</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Fedlap kitöltése</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Péntek</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Január</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Júl.</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Július</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Jún.</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Június</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Élő adatok</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Márc.</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Március</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Máj.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Május</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Hétfő</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>óra</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Létesítmény</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Október</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Be</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Üzemmód</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1. oldal / %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Bővítmény verziószáma</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritás</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Eső</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Jelentés</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Szo</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Szombat</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Mentés folyamatban</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Érzékelők</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Szept.</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Szeptember</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Karbantartás dátuma</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Szerviztechnikus</translation>
    </message>
    <message>
        <source>Set title</source>
        <translation>Cím megadása</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Normál üzemmód</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Leállítva</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Vasárnap</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Hőmérséklet</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Cs</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Csütörtök</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Kedd</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Felhasználó bejelentkezve</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Szellőztetési idő</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Verziószám</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Tápfeszültség</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Sze</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Szerda</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Mit szeretne tenni?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Szél</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
</context>
</TS>
