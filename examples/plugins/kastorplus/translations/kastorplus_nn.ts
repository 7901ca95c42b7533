<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Lagre konfigurasjonen i ei fil</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Lag ein rapport</translation>
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
        <translation>Namn på eininga</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Opningsbreidd</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Køyretid</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Opningsavgrensing (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Køyreretning</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Omvend</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Lukkekraft</translation>
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
        <translation>Høg</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nattlufting</translation>
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
        <translation>Frå</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Vindaugsstilling</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Les</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+-konfigurasjon</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Namn på eininga</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Vindaugsmotor</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Opningsbreidd</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Køyretid</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Opningsavgrensing</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Lukkekraft (0 låg, 2 høg)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Omvend køyreretning</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Nattlufting</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Nattlufting frå</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Innstillingar</translation>
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
        <translation>Opne ein virtuell motor</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Ingen motor er tilkopla: den virtuelle verkar utan maskinvare.</translation>
    </message>
</context>
</TS>
