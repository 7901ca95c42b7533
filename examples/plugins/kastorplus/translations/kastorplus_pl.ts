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
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Szerokość otwarcia</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Czas przebiegu</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Ograniczenie otwarcia (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek ruchu</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Odwrócony</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Siła zamykania</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Wentylacja nocna</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Położenie okna</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Odczyt</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Konfiguracja Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Napęd okienny</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Szerokość otwarcia</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Czas przebiegu</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Ograniczenie otwarcia</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Siła zamykania (0 niska, 2 wysoka)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Odwrócony kierunek ruchu</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Wentylacja nocna</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Wentylacja nocna od</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Otwórz wirtualny napęd</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Nie podłączono napędu: wirtualny działa bez sprzętu.</translation>
    </message>
</context>
</TS>
