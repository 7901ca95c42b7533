<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Зберегти конфігурацію у файл</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Створити звіт</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Вітер</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Сигнал вітру (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Вітер із цих напрямків зачиняє вікна</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Швидкість вітру</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Вимірювання</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Дощ, мороз і Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Сигнал дощу</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Сигнал морозу нижче</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Мережа Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Зберегти налаштування Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Сервіс</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Відкрити віртуальну метеостанцію</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Метеостанцію не під’єднано: віртуальна працює без обладнання.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Конфігурація Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Сигнал вітру</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Напрямки вітру (біти Пн–ПнЗ)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Сигнал дощу</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Сигнал морозу нижче</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Мережа Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
</context>
</TS>
