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
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Vindlarm (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Vind från de här riktningarna stänger fönstren</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Vindhastighet</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mäter</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Regn, frost och Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regnlarm</translation>
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
        <source>Frost alarm below</source>
        <translation>Frostlarm under</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-nätverk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-lösenord</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Spara Wi-Fi-inställningarna</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Öppna en virtuell väderstation</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Ingen väderstation ansluten: den virtuella fungerar utan maskinvara.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus-konfiguration</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Vindlarm</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Vindriktningar (bitar N till NV)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regnlarm</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frostlarm under</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-nätverk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-lösenord</translation>
    </message>
</context>
</TS>
