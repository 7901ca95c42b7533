<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Save the configuration to a file</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Create a report</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Smoke alarm</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Location (type a new one and press Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Stairwell</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Lift shaft</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarm level</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Fire brigade</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Alarm delay in seconds (at most 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relays and power</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Opens the windows for the daily ventilation</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relay 1: daily ventilation</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Reports a fault to the building control</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relay 2: fault message</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Battery monitoring</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Checking the battery</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion configuration</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Stairwell</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarm level</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarm delay</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Battery monitoring</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relay 1: daily ventilation</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relay 2: fault message</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Open a virtual control unit</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>No control unit connected: the virtual one works without hardware.</translation>
    </message>
</context>
</TS>
