<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Tallenna määritykset tiedostoon</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Luo raportti</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Moottori</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Laitteen nimi</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Avausleveys</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Käyntiaika</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Avauksen rajoitus (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Liikesuunta</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Käänteinen</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Sulkuvoima</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Pieni</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Suuri</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Yötuuletus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Alkaen</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Ikkunan asento</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Luetaan</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+-määritykset</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Laitteen nimi</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Ikkunamoottori</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Avausleveys</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Käyntiaika</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Avauksen rajoitus</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Sulkuvoima (0 pieni, 2 suuri)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Käänteinen liikesuunta</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Yötuuletus</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Yötuuletus alkaen</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Huolto</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Avaa virtuaalinen moottori</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Moottoria ei ole liitetty: virtuaalinen moottori toimii ilman laitteistoa.</translation>
    </message>
</context>
</TS>
