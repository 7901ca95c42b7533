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
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Windalarm (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Wind aus diesen Richtungen schließt die Fenster</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Regen, Frost und WLAN</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regenalarm</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frostalarm unter</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>WLAN-Netz</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>WLAN-Passwort</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>WLAN-Einstellungen speichern</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Virtuelle Wetterstation öffnen</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Keine Wetterstation angeschlossen: die virtuelle arbeitet ohne Hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus-Konfiguration</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Windalarm</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Windrichtungen (Bits N bis NW)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regenalarm</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frostalarm unter</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>WLAN-Netz</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>WLAN-Passwort</translation>
    </message>
</context>
</TS>
