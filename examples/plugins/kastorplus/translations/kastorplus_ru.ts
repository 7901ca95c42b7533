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
        <source>Drive</source>
        <translation>Привод</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Ширина открывания</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Время хода</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Ограничение открывания (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление движения</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартное</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Обратное</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Усилие закрывания</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормальное</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ночное проветривание</translation>
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
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Положение окна</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Чтение</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Конфигурация Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Оконный привод</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Ширина открывания</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Время хода</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Ограничение открывания</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Усилие закрывания (0 — низкое, 2 — высокое)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Обратное направление движения</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ночное проветривание</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Ночное проветривание с</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Открыть виртуальный привод</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Привод не подключён: виртуальный работает без оборудования.</translation>
    </message>
</context>
</TS>
