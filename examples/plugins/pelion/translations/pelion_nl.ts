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
        <source>Smoke alarm</source>
        <translation>Rookalarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Montageplaats (typ een nieuwe en druk op Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappenhuis</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Liftschacht</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmniveau</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokaal</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Gebouw</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Brandweer</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Alarmvertraging in seconden (maximaal 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relais en voeding</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Opent de ramen voor de dagelijkse ventilatie</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1: dagelijkse ventilatie</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Meldt een storing aan het gebouwbeheersysteem</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2: storingsmelding</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Accubewaking</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Accu wordt gecontroleerd</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Accu</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-configuratie</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Montageplaats</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trappenhuis</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmniveau</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarmvertraging</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Accubewaking</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1: dagelijkse ventilatie</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2: storingsmelding</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Virtuele centrale openen</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Geen centrale aangesloten: de virtuele werkt zonder hardware.</translation>
    </message>
</context>
</TS>
