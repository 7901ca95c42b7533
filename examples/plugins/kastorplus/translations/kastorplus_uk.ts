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
        <source>Drive</source>
        <translation>Привід</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Назва пристрою</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Ширина відчинення</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Час руху</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Обмеження відчинення (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Напрямок руху</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Прямий</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Зворотний</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Зусилля зачинення</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низьке</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормальне</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Високе</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Нічне провітрювання</translation>
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
        <source>From</source>
        <translation>З</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Положення вікна</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Зчитування</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Конфігурація Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Назва пристрою</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Віконний привід</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Ширина відчинення</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Час руху</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Обмеження відчинення</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Зусилля зачинення (0 низьке, 2 високе)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Зворотний напрямок руху</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Нічне провітрювання</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Нічне провітрювання з</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Відкрити віртуальний привід</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Привід не під’єднано: віртуальний працює без обладнання.</translation>
    </message>
</context>
</TS>
