<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="18"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="19"/>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="48"/>
        <source>Delete Plugin</source>
        <translation>Bővítmény törlése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="20"/>
        <source>Format</source>
        <translation>Formázás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="21"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="22"/>
        <source>Save to file</source>
        <translation>Mentés fájlba</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="23"/>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="24"/>
        <source>Show What&apos;s new</source>
        <translation>Újdonságok megjelenítése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="25"/>
        <source>Restart</source>
        <translation>Újraindítás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="26"/>
        <source>Download failed</source>
        <translation>Sikertelen letöltés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="27"/>
        <source>Cancel loading</source>
        <translation>Betöltés megszakítása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="29"/>
        <source>Checking for updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="31"/>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>A bővítményt nem sikerült betölteni.
Előfordulhat, hogy hiányzik egy összetevő (pl. egy illesztőprogram).

További információkat a Brennhof weboldalán talál.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="36"/>
        <source>Downloading changelog</source>
        <translation>Változásnapló letöltése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="37"/>
        <source>Downloading plugin</source>
        <translation>Bővítmény letöltése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="38"/>
        <source>Downloading update</source>
        <translation>Frissítés letöltése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="39"/>
        <source>Install update</source>
        <translation>Frissítés telepítése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="41"/>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Zárja be a szoftvert. Ezután helyezze át a frissítést a Program Files mappába, és indítsa újra a QMK-t.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="46"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="50"/>
        <source>Open assembly instructions</source>
        <translation>Szerelési útmutató megnyitása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="47"/>
        <source>Quit application</source>
        <translation>Kilépés az alkalmazásból</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="50"/>
        <source>Software version information</source>
        <translation>Szoftververzió adatai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="51"/>
        <source>You leave the open plugin.</source>
        <translation>Kilép a megnyitott bővítményből.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="53"/>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Csak a QMK újraindítása után lép érvénybe!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="56"/>
        <source>Opens the software help pages.</source>
        <translation>Megnyitja a szoftver súgóoldalait.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="57"/>
        <source>Check for updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="58"/>
        <source>User settings</source>
        <translation>Felhasználói beállítások</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="59"/>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="60"/>
        <source>Version %1 available</source>
        <translation>A(z) %1 verzió elérhető</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="61"/>
        <source>back</source>
        <translation>vissza</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="62"/>
        <source>Constructor data</source>
        <translation>Kivitelező adatai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="64"/>
        <source>Please pass this code on to your support contact.</source>
        <translation>Adja meg ezt a kódot a támogatási kapcsolattartójának.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="66"/>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>A jelszó feloldásához és törléséhez adja meg a kapott kódot</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="69"/>
        <source>Customer data</source>
        <translation>Ügyféladatok</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="71"/>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Sötét mód</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="73"/>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A letöltés sikertelen. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="78"/>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A letöltés nem teljes. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="82"/>
        <source>Downloading</source>
        <translation>Letöltés folyamatban</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="84"/>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Általános beállítások</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="86"/>
        <source>Generate master password</source>
        <translation>Mesterjelszó létrehozása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="87"/>
        <source>Hint</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="88"/>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="89"/>
        <source>is up to date</source>
        <translation>naprakész</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="90"/>
        <source>Key</source>
        <translation>Kulcs</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="91"/>
        <source>Language selection</source>
        <translation>Nyelvválasztás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="92"/>
        <source>Mandatory</source>
        <translation>Kötelező mező</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="93"/>
        <source>Codes don&apos;t match!</source>
        <translation>A kódok nem egyeznek!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="94"/>
        <source>next</source>
        <translation>tovább</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="96"/>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>A kapcsolat nem érhető el. Ellenőrizze a kapcsolatot, és próbálja újra. Ha a probléma továbbra is fennáll, forduljon kapcsolattartójához, vagy töltse le a legújabb verziót weboldalunkról.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="102"/>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>A frissítési fájl nem érhető el. Próbálja újra. Ha a probléma továbbra is fennáll, forduljon kapcsolattartójához, vagy töltse le a legújabb verziót weboldalunkról.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="107"/>
        <source>Object data</source>
        <translation>Létesítmény adatai</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="108"/>
        <source>Project name</source>
        <translation>Projekt neve</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="109"/>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Elemleírások</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="110"/>
        <source>Unlock Code</source>
        <translation>Feloldókód</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="112"/>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>A frissítést nem sikerült megfelelően végrehajtani. Próbálja újra. Ha a probléma továbbra is fennáll, töltse le a legújabb verziót innen: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="117"/>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="119"/>
        <source>Do you want to return to the home screen?</source>
        <translation>Vissza szeretne térni a kezdőképernyőre?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="121"/>
        <source>All unsaved changes will be lost.</source>
        <translation>Minden nem mentett módosítás elvész.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="123"/>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Biztosan törölni szeretné a bővítményt?

A bővítmény csak a QMK újraindítása után telepíthető újra.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="128"/>
        <source>Do you want to leave the software?</source>
        <translation>Ki szeretne lépni a szoftverből?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="130"/>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Csatlakoztatott eszközök esetén a PDF-jelentés elkészítése hosszabb ideig tarthat.
Az időtartam a csatlakoztatott eszközök típusától és számától függ.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="138"/>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Nem mentett módosítások vannak.
Szeretné menteni a módosításokat?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="12"/>
        <source>Assembly instructions</source>
        <translation>Szerelési útmutató</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="13"/>
        <source>Create backup</source>
        <translation>Biztonsági mentés készítése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="14"/>
        <source>Factory reset</source>
        <translation>Gyári visszaállítás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="16"/>
        <source>KNX assembly instructions</source>
        <translation>KNX szerelési útmutató</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="17"/>
        <source>Restore backup</source>
        <translation>Biztonsági mentés visszaállítása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="19"/>
        <source>Error while creating the configuration file.</source>
        <translation>Hiba a konfigurációs fájl létrehozása közben.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="21"/>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Hiba történt a PDF létrehozása közben. Indítsa újra a vezérlőközpontot.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="25"/>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Hiba történt a gyári beállítások visszaállítása közben. Indítsa újra a vezérlőközpontot.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="30"/>
        <source>Creating configuration file finished</source>
        <translation>A konfigurációs fájl elkészült</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="32"/>
        <source>Creating configuration file started</source>
        <translation>A konfigurációs fájl létrehozása elindult</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="34"/>
        <source>Creating PDF report finished</source>
        <translation>A PDF-jelentés elkészült</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="36"/>
        <source>Creating PDF report started</source>
        <translation>A PDF-jelentés létrehozása elindult</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="37"/>
        <source>Device removed</source>
        <translation>Eszköz eltávolítva</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="39"/>
        <source>Firmware update finished</source>
        <translation>A firmware-frissítés befejeződött</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="41"/>
        <source>Firmware update started</source>
        <translation>A firmware-frissítés elindult</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="42"/>
        <source>Flash</source>
        <translation>Flashelés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="43"/>
        <source>Flashing finished</source>
        <translation>A flashelés befejeződött</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="45"/>
        <source>Loading configuration</source>
        <translation>Konfiguráció betöltése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="46"/>
        <source>Reset configuration</source>
        <translation>Konfiguráció visszaállítása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="48"/>
        <source>Start loading configurations from file</source>
        <translation>A konfigurációk fájlból való betöltése elindult</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="52"/>
        <source>Save the configuration as PDF file</source>
        <translation>A konfiguráció mentése PDF-fájlként</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="54"/>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Biztosan vissza szeretné állítani a gyári beállításokat?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="57"/>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Konfiguráció betöltése a csatlakoztatott vezérlőközpontból vagy az összekapcsolt rendszerből</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="61"/>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Konfiguráció tárolása a vezérlőközpontban vagy az összekapcsolt rendszerben</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="64"/>
        <source>Save configuration as %1 file</source>
        <translation>Konfiguráció mentése %1-fájlként</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="65"/>
        <source>Actuators</source>
        <translation>Hajtóművek</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="66"/>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>ápr.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="67"/>
        <source>April</source>
        <translation>április</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="68"/>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>aug.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="69"/>
        <source>August</source>
        <translation>augusztus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="71"/>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="72"/>
        <source>Configuration</source>
        <translation>Konfiguráció</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="73"/>
        <source>Constructor</source>
        <translation>Kivitelező</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="74"/>
        <source>created on</source>
        <translation>létrehozva</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="75"/>
        <source>Customer</source>
        <translation>Ügyfél</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="76"/>
        <source>Deactivated</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="77"/>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>dec.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="78"/>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="79"/>
        <source>Description</source>
        <translation>Leírás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="80"/>
        <source>Drive line</source>
        <translation>Hajtóműkör</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="81"/>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="82"/>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>febr.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="83"/>
        <source>February</source>
        <translation>február</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="84"/>
        <source>Fill cover sheet</source>
        <translation>Fedlap kitöltése</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="85"/>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>P</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="86"/>
        <source>Friday</source>
        <translation>péntek</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="87"/>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>jan.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="88"/>
        <source>January</source>
        <translation>január</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="89"/>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>júl.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="90"/>
        <source>July</source>
        <translation>július</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="91"/>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>jún.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="92"/>
        <source>June</source>
        <translation>június</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="93"/>
        <source>Live data</source>
        <translation>Élő adatok</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="94"/>
        <source>Loading</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="95"/>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>márc.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="96"/>
        <source>March</source>
        <translation>március</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="97"/>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>máj.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="98"/>
        <source>May</source>
        <translation>május</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="99"/>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>H</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="100"/>
        <source>Monday</source>
        <translation>hétfő</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="101"/>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="102"/>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="103"/>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>nov.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="104"/>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="105"/>
        <source>o&apos;clock</source>
        <translation>óra</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="106"/>
        <source>Object</source>
        <translation>Létesítmény</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="107"/>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>okt.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="108"/>
        <source>October</source>
        <translation>október</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="109"/>
        <source>Off</source>
        <translation>Ki</translation>
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
        <translation>Be</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="112"/>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="113"/>
        <source>Operation mode</source>
        <translation>Üzemmód</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="114"/>
        <source>Page %1 of %2</source>
        <translation>%1. oldal / %2</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="115"/>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="116"/>
        <source>Plugin Version Number</source>
        <translation>Bővítmény verziószáma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="117"/>
        <source>Priority</source>
        <translation>Prioritás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="118"/>
        <source>Rain</source>
        <translation>Eső</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="119"/>
        <source>Report</source>
        <translation>Jelentés</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="120"/>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="121"/>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Szo</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="122"/>
        <source>Saturday</source>
        <translation>szombat</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="123"/>
        <source>Saving</source>
        <translation>Mentés folyamatban</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="124"/>
        <source>Sensors</source>
        <translation>Érzékelők</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="125"/>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>szept.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="126"/>
        <source>September</source>
        <translation>szeptember</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="127"/>
        <source>Service date</source>
        <translation>Karbantartás dátuma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="129"/>
        <source>Service representative</source>
        <translation>Szerviztechnikus</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="130"/>
        <source>Set title</source>
        <translation>Cím megadása</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="131"/>
        <source>Standard mode</source>
        <translation>Normál üzemmód</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="132"/>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="133"/>
        <source>Stopped</source>
        <translation>Leállítva</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="134"/>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="135"/>
        <source>Sunday</source>
        <translation>vasárnap</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="136"/>
        <source>Temperature</source>
        <translation>Hőmérséklet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="137"/>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Cs</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="138"/>
        <source>Thursday</source>
        <translation>csütörtök</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="139"/>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>K</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="140"/>
        <source>Tuesday</source>
        <translation>kedd</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="141"/>
        <source>User signed in</source>
        <translation>Felhasználó bejelentkezve</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="142"/>
        <source>Ventilation runtime</source>
        <translation>Szellőztetési idő</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="143"/>
        <source>Version number</source>
        <translation>Verziószám</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="144"/>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="145"/>
        <source>Voltage power supply</source>
        <translation>Tápfeszültség</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="146"/>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Sze</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="147"/>
        <source>Wednesday</source>
        <translation>szerda</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="148"/>
        <source>What do you want to do?</source>
        <translation>Mit szeretne tenni?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="149"/>
        <source>Wind</source>
        <translation>Szél</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="150"/>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
</context>
</TS>
