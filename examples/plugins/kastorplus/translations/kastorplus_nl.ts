<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Configuratie opslaan in een bestand</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Rapport maken</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Aandrijving</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Apparaatnaam</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Openingsbreedte</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Openingsbegrenzing (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Looprichting</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Omgekeerd</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Sluitkracht</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nachtventilatie</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vanaf</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Raamstand</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Wordt gelezen</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+-configuratie</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Apparaatnaam</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Raamaandrijving</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Openingsbreedte</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Openingsbegrenzing</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Sluitkracht (0 laag, 2 hoog)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Looprichting omgekeerd</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nachtventilatie</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Nachtventilatie vanaf</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
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
        <translation>Virtuele aandrijving openen</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Geen aandrijving aangesloten: de virtuele werkt zonder hardware.</translation>
    </message>
</context>
</TS>
