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
        <source>Smoke alarm</source>
        <translation>Rauchalarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Einbauort (neuen eingeben und Enter drücken)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Treppenhaus</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Aufzugsschacht</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmstufe</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Feuerwehr</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Alarmverzögerung in Sekunden (höchstens 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relais und Versorgung</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Öffnet die Fenster zur täglichen Lüftung</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1: tägliche Lüftung</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Meldet eine Störung an die Gebäudeleittechnik</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2: Störmeldung</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akkuüberwachung</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Akku wird geprüft</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-Konfiguration</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Einbauort</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Treppenhaus</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmstufe</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarmverzögerung</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akkuüberwachung</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1: tägliche Lüftung</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2: Störmeldung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Virtuelle Zentrale öffnen</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Keine Zentrale angeschlossen: die virtuelle arbeitet ohne Hardware.</translation>
    </message>
</context>
</TS>
