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
        <source>Smoke alarm</source>
        <translation>Тривога задимлення</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Місце встановлення (введіть нове й натисніть Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Сходова клітка</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Атріум</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Шахта ліфта</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Рівень тривоги</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Локальний</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Будівля</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Пожежна служба</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Затримка тривоги в секундах (не більше 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Реле та живлення</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Відчиняє вікна для щоденного провітрювання</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Реле 1: щоденне провітрювання</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Повідомляє систему керування будівлею про несправність</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Реле 2: сигнал несправності</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Контроль акумулятора</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Перевірка акумулятора</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Акумулятор</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примітки</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Конфігурація Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Місце встановлення</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Сходова клітка</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Рівень тривоги</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Затримка тривоги</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Контроль акумулятора</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Реле 1: щоденне провітрювання</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Реле 2: сигнал несправності</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примітки</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Відкрити віртуальний блок керування</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Блок керування не під’єднано: віртуальний працює без обладнання.</translation>
    </message>
</context>
</TS>
