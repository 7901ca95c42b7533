<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Mai.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
