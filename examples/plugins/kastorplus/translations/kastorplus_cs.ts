<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Uložit konfiguraci do souboru</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Vytvořit protokol</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>Pohon</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Šířka otevření</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Doba chodu</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Omezení otevření (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Směr chodu</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Obrácený</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Zavírací síla</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízká</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Noční větrání</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Poloha okna</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Čtení</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Konfigurace Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Okenní pohon</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Šířka otevření</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Doba chodu</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Omezení otevření</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Zavírací síla (0 nízká, 2 vysoká)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Obrácený směr chodu</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Noční větrání</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Noční větrání od</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servis</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Otevřít virtuální pohon</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Není připojen žádný pohon: virtuální pohon funguje bez hardwaru.</translation>
    </message>
</context>
</TS>
