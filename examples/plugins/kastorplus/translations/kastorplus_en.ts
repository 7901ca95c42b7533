<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>DeviceView</name>
    <message>
        <source>Kastor+ chain actuator</source>
        <translation>Kastor+ chain actuator</translation>
    </message>
    <message>
        <source>Opening width (mm)</source>
        <translation>Opening width (mm)</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Save configuration</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual actuator</source>
        <translation>Open virtual actuator</translation>
    </message>
    <message>
        <source>Connect actuator</source>
        <translation>Connect actuator</translation>
    </message>
</context>
</TS>
