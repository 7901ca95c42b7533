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
        <source>Smoke alarm</source>
        <translation>Alarma de humo</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Ubicación (escriba una nueva y pulse Intro)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Caja de escalera</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrio</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Hueco del ascensor</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Nivel de alarma</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Bomberos</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Retardo de alarma en segundos (60 como máximo)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relés y alimentación</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Abre las ventanas para la ventilación diaria</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: ventilación diaria</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Notifica una avería al sistema de gestión del edificio</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: aviso de avería</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Supervisión de la batería</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Comprobando la batería</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Configuración de Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Caja de escalera</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Nivel de alarma</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Retardo de alarma</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Supervisión de la batería</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: ventilación diaria</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: aviso de avería</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Abrir una central virtual</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>No hay ninguna central conectada: la virtual funciona sin hardware.</translation>
    </message>
</context>
</TS>
