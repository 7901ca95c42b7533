<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Guardar a configuração num ficheiro</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Criar um relatório</translation>
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
        <translation>Alarme de vento (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>O vento destas direções fecha as janelas</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Velocidade do vento</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>A medir</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Chuva, geada e Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarme de chuva</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarme de geada abaixo de</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Palavra-passe Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Guardar as definições de Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Assistência</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Abrir uma estação meteorológica virtual</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Nenhuma estação meteorológica ligada: a virtual funciona sem hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Configuração do Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Alarme de vento</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Direções do vento (bits de N a NO)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarme de chuva</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarme de geada abaixo de</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Palavra-passe Wi-Fi</translation>
    </message>
</context>
</TS>
