<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Guardar la configuración en un archivo</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Crear un informe</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Alarma de viento (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>El viento de estas direcciones cierra las ventanas</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Midiendo</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Lluvia, helada y Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarma de lluvia</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarma de helada por debajo de</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Contraseña de Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Guardar los ajustes de Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servicio</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Abrir una estación meteorológica virtual</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>No hay ninguna estación meteorológica conectada: la virtual funciona sin hardware.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Configuración de Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Alarma de viento</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Direcciones del viento (bits de N a NO)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarma de lluvia</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarma de helada por debajo de</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Contraseña de Wi-Fi</translation>
    </message>
</context>
</TS>
