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
        <source>Smoke alarm</source>
        <translation>Röklarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Monteringsplats (skriv en ny och tryck på Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trapphus</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Hisschakt</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Larmnivå</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokalt</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Byggnad</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Räddningstjänst</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Larmfördröjning i sekunder (högst 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Reläer och strömförsörjning</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Öppnar fönstren för den dagliga vädringen</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relä 1: daglig vädring</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Rapporterar fel till fastighetsautomationen</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relä 2: felmeddelande</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriövervakning</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Kontrollerar batteriet</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteri</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-konfiguration</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Monteringsplats</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Trapphus</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Larmnivå</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Larmfördröjning</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Batteriövervakning</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relä 1: daglig vädring</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relä 2: felmeddelande</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Öppna en virtuell styrcentral</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Ingen styrcentral ansluten: den virtuella fungerar utan maskinvara.</translation>
    </message>
</context>
</TS>
