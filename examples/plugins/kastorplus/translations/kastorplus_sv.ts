<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Spara konfigurationen i en fil</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Skapa en rapport</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Enhetsnamn</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Öppningsbredd</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gångtid</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Öppningsbegränsning (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Gångriktning</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Omvänd</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Stängningskraft</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nattvädring</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Fönsterläge</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Läser</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+-konfiguration</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Enhetsnamn</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Fönstermotor</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Öppningsbredd</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gångtid</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Öppningsbegränsning</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Stängningskraft (0 låg, 2 hög)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Omvänd gångriktning</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nattvädring</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Nattvädring från</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Service</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Öppna en virtuell motor</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Ingen motor ansluten: den virtuella fungerar utan maskinvara.</translation>
    </message>
</context>
</TS>
