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
        <source>Smoke alarm</source>
        <translation>Alarme de fumo</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Local de instalação (escreva um novo e prima Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Caixa de escada</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Átrio</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Poço do elevador</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Nível de alarme</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Edifício</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Bombeiros</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Atraso do alarme em segundos (no máximo 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relés e alimentação</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Abre as janelas para a ventilação diária</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: ventilação diária</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Comunica uma avaria à gestão técnica do edifício</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: sinalização de avaria</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Monitorização da bateria</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>A verificar a bateria</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Assistência</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Configuração do Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local de instalação</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Caixa de escada</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Nível de alarme</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Atraso do alarme</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Monitorização da bateria</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: ventilação diária</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: sinalização de avaria</translation>
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
        <translation>Abrir uma central virtual</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Nenhuma central ligada: a virtual funciona sem hardware.</translation>
    </message>
</context>
</TS>
