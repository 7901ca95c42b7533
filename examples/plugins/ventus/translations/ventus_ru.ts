<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Сохранить конфигурацию в файл</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Создать отчёт</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Ветер</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Ветровая тревога (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Ветер с этих направлений закрывает окна</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Скорость ветра</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Дождь, мороз и Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Тревога по дождю</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Тревога по морозу ниже</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Сохранить настройки Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Сервис</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Открыть виртуальную метеостанцию</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Метеостанция не подключена: виртуальная работает без оборудования.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Конфигурация Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Ветровая тревога</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Направления ветра (биты от С до СЗ)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Тревога по дождю</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Тревога по морозу ниже</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
</context>
</TS>
