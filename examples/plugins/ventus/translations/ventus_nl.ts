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
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Windalarm (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Wind uit deze richtingen sluit de ramen</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Windsnelheid</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Wordt gemeten</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Regen, vorst en wifi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regenalarm</translation>
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
        <source>Frost alarm below</source>
        <translation>Vorstalarm onder</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wifi-wachtwoord</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Wifi-instellingen opslaan</translation>
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
        <source>Open a virtual weather station</source>
        <translation>Virtueel weerstation openen</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Geen weerstation aangesloten: het virtuele werkt zonder hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus-configuratie</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Windalarm</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Windrichtingen (bits N tot NW)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regenalarm</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Vorstalarm onder</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wifi-wachtwoord</translation>
    </message>
</context>
</TS>
