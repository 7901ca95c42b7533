<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual weather station</source>
        <translation>Open virtual weather station</translation>
    </message>
</context>
<context>
    <name>ThresholdView</name>
    <message>
        <source>Ventus weather station</source>
        <translation>Ventus weather station</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Wind alarm (m/s)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Rain alarm</translation>
    </message>
</context>
</TS>
