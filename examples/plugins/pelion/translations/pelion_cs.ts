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
        <source>Smoke alarm</source>
        <translation>Kouřový poplach</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Místo instalace (zadejte nové a stiskněte Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Schodiště</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Výtahová šachta</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Úroveň poplachu</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Místní</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Budova</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Hasiči</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Zpoždění poplachu v sekundách (nejvýše 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relé a napájení</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Otevírá okna pro denní větrání</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: denní větrání</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Hlásí poruchu do systému řízení budovy</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: poruchové hlášení</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Sledování akumulátoru</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Kontrola akumulátoru</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akumulátor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Konfigurace Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Místo instalace</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Schodiště</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Úroveň poplachu</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Zpoždění poplachu</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Sledování akumulátoru</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relé 1: denní větrání</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relé 2: poruchové hlášení</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Otevřít virtuální ústřednu</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Není připojena žádná ústředna: virtuální ústředna funguje bez hardwaru.</translation>
    </message>
</context>
</TS>
