<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>ControlUnitView</name>
    <message>
        <source>Pelion SHEV control unit</source>
        <translation>Pelion SHEV control unit</translation>
    </message>
    <message>
        <source>New smoke zone</source>
        <translation>New smoke zone</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual control unit</source>
        <translation>Open virtual control unit</translation>
    </message>
</context>
</TS>
