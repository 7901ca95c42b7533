<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ControlUnitView</name>
    <message>
        <source>Pelion SHEV control unit</source>
        <translation>Pelion RWA-Zentrale</translation>
    </message>
    <message>
        <source>New smoke zone</source>
        <translation>Neuer Rauchabschnitt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual control unit</source>
        <translation>Virtuelle Zentrale öffnen</translation>
    </message>
</context>
</TS>
