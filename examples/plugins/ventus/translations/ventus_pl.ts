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
        <source>Wind</source>
        <translation>Wiatr</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Alarm wiatrowy (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Wiatr z tych kierunków zamyka okna</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Prędkość wiatru</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Deszcz, mróz i Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarm deszczowy</translation>
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
        <source>Frost alarm below</source>
        <translation>Alarm mrozowy poniżej</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Hasło Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Zapisz ustawienia Wi-Fi</translation>
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
        <source>Open a virtual weather station</source>
        <translation>Otwórz wirtualną stację pogodową</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Nie podłączono stacji pogodowej: wirtualna działa bez sprzętu.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Konfiguracja Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Alarm wiatrowy</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Kierunki wiatru (bity od N do NW)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarm deszczowy</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarm mrozowy poniżej</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Hasło Wi-Fi</translation>
    </message>
</context>
</TS>
