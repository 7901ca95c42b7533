<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Salva la configurazione su file</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Crea un rapporto</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Allarme vento (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Il vento da queste direzioni chiude le finestre</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Velocità del vento</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Misurazione in corso</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Pioggia, gelo e Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Allarme pioggia</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Allarme gelo sotto</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Password Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Salva le impostazioni Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Assistenza</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Apri una stazione meteo virtuale</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Nessuna stazione meteo collegata: quella virtuale funziona senza hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Configurazione Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Allarme vento</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Direzioni del vento (bit da N a NO)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Allarme pioggia</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Allarme gelo sotto</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Password Wi-Fi</translation>
    </message>
</context>
</TS>
