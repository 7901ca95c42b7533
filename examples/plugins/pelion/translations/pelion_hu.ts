<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Konfiguráció mentése fájlba</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Jelentés készítése</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Füstriasztás</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Beépítési hely (írjon be újat, és nyomja meg az Entert)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Lépcsőház</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Átrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Felvonóakna</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Riasztási szint</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Helyi</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Épület</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Tűzoltóság</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Riasztási késleltetés másodpercben (legfeljebb 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relék és tápellátás</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Kinyitja az ablakokat a napi szellőztetéshez</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>1. relé: napi szellőztetés</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Hibát jelez az épületfelügyeleti rendszernek</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>2. relé: hibajelzés</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akkumulátorfelügyelet</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Akkumulátor ellenőrzése</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akkumulátor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Szerviz</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion konfiguráció</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Beépítési hely</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Lépcsőház</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Riasztási szint</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Riasztási késleltetés</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akkumulátorfelügyelet</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>1. relé: napi szellőztetés</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>2. relé: hibajelzés</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Virtuális vezérlőközpont megnyitása</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Nincs csatlakoztatott vezérlőközpont: a virtuális vezérlőközpont hardver nélkül működik.</translation>
    </message>
</context>
</TS>
