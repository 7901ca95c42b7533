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
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Wind alarm (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Wind from these directions closes the windows</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Measuring</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Rain, frost and Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Rain alarm</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frost alarm below</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi network</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi password</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Save the Wi-Fi settings</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Open a virtual weather station</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>No weather station connected: the virtual one works without hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus configuration</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Wind alarm</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Wind directions (bits N to NW)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Rain alarm</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frost alarm below</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi network</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi password</translation>
    </message>
</context>
</TS>
