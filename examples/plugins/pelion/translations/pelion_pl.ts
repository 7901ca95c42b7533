<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Zapisz konfigurację do pliku</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Utwórz raport</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Alarm dymowy</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Miejsce montażu (wpisz nowe i naciśnij Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Klatka schodowa</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Szyb windy</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Poziom alarmu</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokalny</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Budynek</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Straż pożarna</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Opóźnienie alarmu w sekundach (maksymalnie 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Przekaźniki i zasilanie</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Otwiera okna w celu codziennego przewietrzania</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Przekaźnik 1: codzienne przewietrzanie</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Zgłasza usterkę do systemu zarządzania budynkiem</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Przekaźnik 2: komunikat o usterce</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Kontrola akumulatora</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Sprawdzanie akumulatora</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Serwis</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Konfiguracja Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Miejsce montażu</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Klatka schodowa</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Poziom alarmu</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Opóźnienie alarmu</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Kontrola akumulatora</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Przekaźnik 1: codzienne przewietrzanie</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Przekaźnik 2: komunikat o usterce</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Otwórz wirtualną centralę</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Nie podłączono centrali: wirtualna działa bez sprzętu.</translation>
    </message>
</context>
</TS>
