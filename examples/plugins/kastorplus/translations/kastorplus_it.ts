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
        <source>Drive</source>
        <translation>Attuatore</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome del dispositivo</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Corsa di apertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo di corsa</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Limite di apertura (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Senso di marcia</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Invertito</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Forza di chiusura</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilazione notturna</translation>
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
        <source>From</source>
        <translation>Dalle</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Posizione della finestra</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura in corso</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Configurazione Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome del dispositivo</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Attuatore per finestre</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Corsa di apertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo di corsa</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Limite di apertura</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Forza di chiusura (0 bassa, 2 alta)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Senso di marcia invertito</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilazione notturna</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Ventilazione notturna dalle</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Apri un attuatore virtuale</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Nessun attuatore collegato: quello virtuale funziona senza hardware.</translation>
    </message>
</context>
</TS>
