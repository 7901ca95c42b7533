<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Save the configuration to a file</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Create a report</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Opening width</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Opening limit (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Closing force</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Night ventilation</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Window position</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+ configuration</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Window drive</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Opening width</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Opening limit</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Closing force (0 low, 2 high)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Direction reversed</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Night ventilation</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Night ventilation from</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Open a virtual actuator</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>No actuator connected: the virtual one works without hardware.</translation>
    </message>
</context>
</TS>
