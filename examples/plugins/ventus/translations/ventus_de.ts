<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual weather station</source>
        <translation>Virtuelle Wetterstation öffnen</translation>
    </message>
</context>
<context>
    <name>ThresholdView</name>
    <message>
        <source>Ventus weather station</source>
        <translation>Ventus Wetterstation</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Windalarm (m/s)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Regenalarm</translation>
    </message>
</context>
</TS>
