<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>DeviceView</name>
    <message>
        <source>Kastor+ chain actuator</source>
        <translation>Kastor+ Kettenantrieb</translation>
    </message>
    <message>
        <source>Opening width (mm)</source>
        <translation>Öffnungsweite (mm)</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual actuator</source>
        <translation>Virtuellen Antrieb öffnen</translation>
    </message>
    <message>
        <source>Connect actuator</source>
        <translation>Antrieb verbinden</translation>
    </message>
</context>
</TS>
