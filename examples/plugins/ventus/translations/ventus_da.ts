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
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Vindalarm (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Vind fra disse retninger lukker vinduerne</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Vindhastighed</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Måler</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Regn, frost og Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regnalarm</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frostalarm under</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-netværk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-adgangskode</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Gem Wi-Fi-indstillingerne</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Åbn en virtuel vejrstation</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Ingen vejrstation tilsluttet: den virtuelle fungerer uden hardware.</translation>
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
        <translation>Vindalarm</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Vindretninger (bit N til NV)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regnalarm</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Frostalarm under</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-netværk</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-adgangskode</translation>
    </message>
</context>
</TS>
