<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Tallenna määritykset tiedostoon</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Luo raportti</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Tuuli</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Tuulihälytys (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Näistä suunnista puhaltava tuuli sulkee ikkunat</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Tuulen nopeus</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mitataan</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Sade, pakkanen ja Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Sadehälytys</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Pakkashälytys alle</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-verkko</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-salasana</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Tallenna Wi-Fi-asetukset</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Huolto</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Avaa virtuaalinen sääasema</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Sääasemaa ei ole liitetty: virtuaalinen sääasema toimii ilman laitteistoa.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus-määritykset</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Tuulihälytys</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Tuulen suunnat (bitit P–LU)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Sadehälytys</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Pakkashälytys alle</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi-verkko</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi-salasana</translation>
    </message>
</context>
</TS>
