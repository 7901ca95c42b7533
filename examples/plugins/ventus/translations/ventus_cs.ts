<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Uložit konfiguraci do souboru</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Vytvořit protokol</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Vítr</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Alarm větru (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Vítr z těchto směrů zavírá okna</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Rychlost větru</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Měření</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Déšť, mráz a Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarm deště</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarm mrazu pod</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Síť Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Heslo Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Uložit nastavení Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servis</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Otevřít virtuální meteostanici</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Není připojena žádná meteostanice: virtuální meteostanice funguje bez hardwaru.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Konfigurace Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Alarm větru</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Směry větru (bity S až SZ)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarm deště</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarm mrazu pod</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Síť Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Heslo Wi-Fi</translation>
    </message>
</context>
</TS>
