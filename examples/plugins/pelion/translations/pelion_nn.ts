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
        <source>Smoke alarm</source>
        <translation>Røykalarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Monteringsstad (skriv inn ein ny og trykk Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappeoppgang</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Heissjakt</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmnivå</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Bygning</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Brannvesen</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Alarmforseinking i sekund (høgst 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relé og straumforsyning</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Opnar vindauga for den daglege luftinga</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: dagleg lufting</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Melder feil til byggautomasjonen</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: feilmelding</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriovervaking</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Kontrollerer batteriet</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteri</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Merknader</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-konfigurasjon</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Monteringsstad</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappeoppgang</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmnivå</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarmforseinking</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriovervaking</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: dagleg lufting</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: feilmelding</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Merknader</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Opne ein virtuell sentral</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Ingen sentral er tilkopla: den virtuelle verkar utan maskinvare.</translation>
    </message>
</context>
</TS>
