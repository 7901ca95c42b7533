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
        <source>Drive</source>
        <translation>Hajtómű</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Eszköz neve</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Nyitási szélesség</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Futási idő</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Nyitáskorlátozás (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Mozgásirány</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Fordított</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Záróerő</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Alacsony</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Magas</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Éjszakai szellőztetés</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Ablakhelyzet</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Olvasás</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+ konfiguráció</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Eszköz neve</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Ablakhajtómű</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Nyitási szélesség</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Futási idő</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Nyitáskorlátozás</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Záróerő (0 alacsony, 2 magas)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Fordított mozgásirány</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Éjszakai szellőztetés</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Éjszakai szellőztetés kezdete</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Virtuális hajtómű megnyitása</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Nincs csatlakoztatott hajtómű: a virtuális hajtómű hardver nélkül működik.</translation>
    </message>
</context>
</TS>
