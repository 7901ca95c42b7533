<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Видалити плагін</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Форматувати</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Показати нововведення</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезапустити</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Помилка завантаження</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Скасувати завантаження</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Пошук оновлень</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Не вдалося завантажити плагін.
Можливо, бракує якогось компонента (наприклад, драйвера).

Докладніше див. на вебсайті Brennhof.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Завантаження журналу змін</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Завантаження плагіна</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Завантаження оновлення</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Встановити оновлення</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Закрийте програму. Потім перемістіть оновлення до папки Program Files і перезапустіть QMK.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Відкрити інструкцію з монтажу</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Відомості про версію програми</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Ви виходите з відкритого плагіна.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Набуде чинності лише після перезапуску QMK!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Відкриває сторінки довідки програми.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Перевірити наявність оновлень</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Налаштування користувача</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>Доступна версія %1</translation>
    </message>
    <message>
        <source>back</source>
        <translation>назад</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Дані монтажної організації</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Передайте цей код своїй контактній особі у службі підтримки.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Щоб розблокувати та видалити пароль, введіть отриманий код</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Дані замовника</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Увімкнути темний режим</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Помилка завантаження. Спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Завантаження не завершено. Спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Згенерувати майстер-пароль</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>має актуальну версію</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Вибір мови</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Обов’язкове поле</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Коди не збігаються!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>далі</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>З’єднання недоступне. Перевірте з’єднання та спробуйте ще раз. Якщо проблема не зникне, зверніться до свого менеджера або завантажте найновішу версію з нашого вебсайту.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Файл оновлення недоступний. Спробуйте ще раз. Якщо проблема не зникне, зверніться до свого менеджера або завантажте найновішу версію з нашого вебсайту.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Дані об’єкта</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Назва проєкту</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Показувати підказки</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Код розблокування</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Не вдалося правильно виконати оновлення, спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Повернутися на головний екран?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Усі незбережені зміни буде втрачено.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Справді видалити плагін?

Повторно встановити плагін можна буде лише після перезапуску QMK.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Вийти з програми?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Якщо під’єднано пристрої, створення PDF-звіту може тривати деякий час.
Тривалість залежить від типу та кількості під’єднаних пристроїв.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Є незбережені зміни.
Зберегти зміни?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Інструкція з монтажу</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Створити резервну копію</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Скинути до заводських налаштувань</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>Інструкція з монтажу KNX</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Відновити з резервної копії</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Помилка під час створення файлу конфігурації.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Під час створення PDF сталася помилка. Перезапустіть блок керування.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Під час скидання до заводських налаштувань сталася помилка. Перезапустіть блок керування.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Створення файлу конфігурації завершено</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Розпочато створення файлу конфігурації</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>Створення PDF-звіту завершено</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>Розпочато створення PDF-звіту</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Пристрій від’єднано</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Оновлення мікропрограми завершено</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Розпочато оновлення мікропрограми</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Прошивку завершено</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Завантаження конфігурації</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Скинути конфігурацію</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Розпочато завантаження конфігурацій із файлу</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Зберегти конфігурацію як файл PDF</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Справді відновити заводські налаштування?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Завантажити конфігурацію з під’єднаного блока керування або об’єднаної системи</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Зберегти конфігурацію в блоці керування або об’єднаній системі</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Зберегти конфігурацію як файл %1</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Приводи</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Кві</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Квітень</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Сер</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Серпень</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфігурація</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Монтажна організація</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>створено</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Замовник</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Гру</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Грудень</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Лінія приводів</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Лют</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Лютий</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Заповнити титульний аркуш</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>П’ятниця</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Січ</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Січень</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Лип</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Липень</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Чер</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Червень</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Поточні дані</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Бер</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Березень</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Тра</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Травень</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понеділок</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Лис</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Листопад</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>год.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Жов</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Жовтень</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Режим роботи</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Номер версії плагіна</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Пріоритет</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Дощ</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Субота</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Збереження</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Вер</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Вересень</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Дата обслуговування</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Сервісний технік</translation>
    </message>
    <message>
        <source>Set title</source>
        <translation>Задати заголовок</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Стандартний режим</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Нд</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Неділя</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четвер</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вівторок</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Користувач увійшов</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Час провітрювання</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Номер версії</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Напруга живлення</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Середа</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Що ви хочете зробити?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Вітер</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
</context>
</TS>
