<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Konfiguration in einer Datei speichern</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Bericht erstellen</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Öffnungsweite</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Öffnungsbegrenzung (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Laufrichtung</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Schließkraft</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nachtlüftung</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Fensterstellung</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Wird gelesen</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+-Konfiguration</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Fensterantrieb</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Öffnungsweite</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Öffnungsbegrenzung</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Schließkraft (0 niedrig, 2 hoch)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Laufrichtung umgekehrt</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nachtlüftung</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Nachtlüftung ab</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Virtuellen Antrieb öffnen</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Kein Antrieb angeschlossen: der virtuelle arbeitet ohne Hardware.</translation>
    </message>
</context>
</TS>
