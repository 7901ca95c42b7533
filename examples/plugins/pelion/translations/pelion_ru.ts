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
        <source>Smoke alarm</source>
        <translation>Тревога по дыму</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Место установки (введите новое и нажмите Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Лестничная клетка</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Атриум</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Шахта лифта</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Уровень тревоги</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Местный</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Здание</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Пожарная охрана</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Задержка тревоги в секундах (не более 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Реле и питание</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Открывает окна для ежедневного проветривания</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Реле 1: ежедневное проветривание</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Сообщает о неисправности в систему диспетчеризации здания</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Реле 2: сообщение о неисправности</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Контроль аккумулятора</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Проверка аккумулятора</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Аккумулятор</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Конфигурация Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место установки</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Лестничная клетка</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Уровень тревоги</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Задержка тревоги</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Контроль аккумулятора</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Реле 1: ежедневное проветривание</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Реле 2: сообщение о неисправности</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Открыть виртуальный блок управления</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Блок управления не подключён: виртуальный работает без оборудования.</translation>
    </message>
</context>
</TS>
