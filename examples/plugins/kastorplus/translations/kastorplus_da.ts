<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Gem konfigurationen i en fil</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Opret en rapport</translation>
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
        <translation>Enhedsnavn</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Åbningsvidde</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gangtid</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Åbningsbegrænsning (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kørselsretning</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Omvendt</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Lukkekraft</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Lav</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Høj</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Natventilation</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra kl.</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Vinduesposition</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Læser</translation>
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
        <translation>Enhedsnavn</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Vinduesmotor</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Åbningsvidde</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Gangtid</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Åbningsbegrænsning</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Lukkekraft (0 lav, 2 høj)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Kørselsretning omvendt</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Natventilation</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Natventilation fra kl.</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
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
        <translation>Åbn en virtuel motor</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Ingen motor tilsluttet: den virtuelle fungerer uden hardware.</translation>
    </message>
</context>
</TS>
