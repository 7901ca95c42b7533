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
        <source>Drive</source>
        <translation>Accionamiento</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Carrera de apertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tiempo de recorrido</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Límite de apertura (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido de marcha</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Fuerza de cierre</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilación nocturna</translation>
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
        <source>From</source>
        <translation>A partir de</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Posición de la ventana</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Configuración de Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Accionamiento de ventana</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Carrera de apertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tiempo de recorrido</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Límite de apertura</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Fuerza de cierre (0 baja, 2 alta)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Sentido de marcha invertido</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilación nocturna</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Ventilación nocturna a partir de</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Abrir un accionamiento virtual</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>No hay ningún accionamiento conectado: el virtual funciona sin hardware.</translation>
    </message>
</context>
</TS>
