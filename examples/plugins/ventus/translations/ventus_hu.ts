<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Konfiguráció mentése fájlba</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Jelentés készítése</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Szél</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Szélriasztás (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Az ezekből az irányokból fújó szél bezárja az ablakokat</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Szélsebesség</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mérés</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Eső, fagy és Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Esőriasztás</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Fagyriasztás küszöbértéke</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Hőmérséklet</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-hálózat</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-jelszó</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Wi-Fi-beállítások mentése</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Szerviz</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Virtuális időjárásállomás megnyitása</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Nincs csatlakoztatott időjárásállomás: a virtuális időjárásállomás hardver nélkül működik.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus konfiguráció</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Szélriasztás</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Szélirányok (É–ÉNy bitek)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Esőriasztás</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Fagyriasztás küszöbértéke</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-hálózat</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-jelszó</translation>
    </message>
</context>
</TS>
