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
        <source>Drive</source>
        <translation>Atuador</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Curso de abertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo de curso</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Limite de abertura (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido de marcha</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Força de fecho</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
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
        <translation>Ventilação noturna</translation>
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
        <source>From</source>
        <translation>A partir das</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Posição da janela</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>A ler</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Configuração do Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Atuador de janela</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Curso de abertura</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Tempo de curso</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Limite de abertura</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Força de fecho (0 baixa, 2 alta)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Sentido de marcha invertido</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilação noturna</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Ventilação noturna a partir das</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Abrir um atuador virtual</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Nenhum atuador ligado: o virtual funciona sem hardware.</translation>
    </message>
</context>
</TS>
