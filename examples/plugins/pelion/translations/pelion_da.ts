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
        <source>Smoke alarm</source>
        <translation>Røgalarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Placering (skriv en ny, og tryk på Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappeopgang</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Elevatorskakt</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmniveau</translation>
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
        <translation>Brandvæsen</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Alarmforsinkelse i sekunder (højst 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relæer og forsyning</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Åbner vinduerne til den daglige udluftning</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relæ 1: daglig udluftning</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Melder en fejl til bygningsautomatikken</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relæ 2: fejlmelding</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriovervågning</translation>
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
        <translation>Noter</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-konfiguration</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappeopgang</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmniveau</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarmforsinkelse</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriovervågning</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relæ 1: daglig udluftning</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relæ 2: fejlmelding</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noter</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Åbn en virtuel central</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Ingen central tilsluttet: den virtuelle fungerer uden hardware.</translation>
    </message>
</context>
</TS>
