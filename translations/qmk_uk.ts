<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="18"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="19"/>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="48"/>
        <source>Delete Plugin</source>
        <translation>Видалити плагін</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="20"/>
        <source>Format</source>
        <translation>Форматувати</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="21"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="22"/>
        <source>Save to file</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="23"/>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="24"/>
        <source>Show What&apos;s new</source>
        <translation>Показати нововведення</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="25"/>
        <source>Restart</source>
        <translation>Перезапустити</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="26"/>
        <source>Download failed</source>
        <translation>Помилка завантаження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="27"/>
        <source>Cancel loading</source>
        <translation>Скасувати завантаження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="29"/>
        <source>Checking for updates</source>
        <translation>Пошук оновлень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="31"/>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Не вдалося завантажити плагін.
Можливо, бракує якогось компонента (наприклад, драйвера).

Докладніше див. на вебсайті Brennhof.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="36"/>
        <source>Downloading changelog</source>
        <translation>Завантаження журналу змін</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="37"/>
        <source>Downloading plugin</source>
        <translation>Завантаження плагіна</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="38"/>
        <source>Downloading update</source>
        <translation>Завантаження оновлення</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="39"/>
        <source>Install update</source>
        <translation>Встановити оновлення</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="41"/>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Закрийте програму. Потім перемістіть оновлення до папки Program Files і перезапустіть QMK.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="46"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="50"/>
        <source>Open assembly instructions</source>
        <translation>Відкрити інструкцію з монтажу</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="47"/>
        <source>Quit application</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="50"/>
        <source>Software version information</source>
        <translation>Відомості про версію програми</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="51"/>
        <source>You leave the open plugin.</source>
        <translation>Ви виходите з відкритого плагіна.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="53"/>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Набуде чинності лише після перезапуску QMK!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="56"/>
        <source>Opens the software help pages.</source>
        <translation>Відкриває сторінки довідки програми.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="57"/>
        <source>Check for updates</source>
        <translation>Перевірити наявність оновлень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="58"/>
        <source>User settings</source>
        <translation>Налаштування користувача</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="59"/>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="60"/>
        <source>Version %1 available</source>
        <translation>Доступна версія %1</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="61"/>
        <source>back</source>
        <translation>назад</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="62"/>
        <source>Constructor data</source>
        <translation>Дані монтажної організації</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="64"/>
        <source>Please pass this code on to your support contact.</source>
        <translation>Передайте цей код своїй контактній особі у службі підтримки.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="66"/>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Щоб розблокувати та видалити пароль, введіть отриманий код</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="69"/>
        <source>Customer data</source>
        <translation>Дані замовника</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="71"/>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Темний режим</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="73"/>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Помилка завантаження. Спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="78"/>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Завантаження не завершено. Спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="82"/>
        <source>Downloading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="84"/>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Загальні налаштування</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="86"/>
        <source>Generate master password</source>
        <translation>Згенерувати майстер-пароль</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="87"/>
        <source>Hint</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="88"/>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="89"/>
        <source>is up to date</source>
        <translation>має актуальну версію</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="90"/>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="91"/>
        <source>Language selection</source>
        <translation>Вибір мови</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="92"/>
        <source>Mandatory</source>
        <translation>Обов’язкове поле</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="93"/>
        <source>Codes don&apos;t match!</source>
        <translation>Коди не збігаються!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="94"/>
        <source>next</source>
        <translation>далі</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="96"/>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>З’єднання недоступне. Перевірте з’єднання та спробуйте ще раз. Якщо проблема не зникне, зверніться до свого менеджера або завантажте найновішу версію з нашого вебсайту.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="102"/>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Файл оновлення недоступний. Спробуйте ще раз. Якщо проблема не зникне, зверніться до свого менеджера або завантажте найновішу версію з нашого вебсайту.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="107"/>
        <source>Object data</source>
        <translation>Дані об’єкта</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="108"/>
        <source>Project name</source>
        <translation>Назва проєкту</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="109"/>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Показувати підказки</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="110"/>
        <source>Unlock Code</source>
        <translation>Код розблокування</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="112"/>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Не вдалося правильно виконати оновлення, спробуйте ще раз. Якщо проблема не зникне, завантажте найновішу версію з www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="117"/>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="119"/>
        <source>Do you want to return to the home screen?</source>
        <translation>Повернутися на головний екран?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="121"/>
        <source>All unsaved changes will be lost.</source>
        <translation>Усі незбережені зміни буде втрачено.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="123"/>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Справді видалити плагін?

Повторно встановити плагін можна буде лише після перезапуску QMK.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="128"/>
        <source>Do you want to leave the software?</source>
        <translation>Вийти з програми?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="130"/>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Якщо під’єднано пристрої, створення PDF-звіту може тривати деякий час.
Тривалість залежить від типу та кількості під’єднаних пристроїв.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="138"/>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Є незбережені зміни.
Зберегти зміни?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="12"/>
        <source>Assembly instructions</source>
        <translation>Інструкція з монтажу</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="13"/>
        <source>Create backup</source>
        <translation>Створити резервну копію</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="14"/>
        <source>Factory reset</source>
        <translation>Скинути до заводських налаштувань</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="16"/>
        <source>KNX assembly instructions</source>
        <translation>Інструкція з монтажу KNX</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="17"/>
        <source>Restore backup</source>
        <translation>Відновити з резервної копії</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="19"/>
        <source>Error while creating the configuration file.</source>
        <translation>Помилка під час створення файлу конфігурації.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="21"/>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Під час створення PDF сталася помилка. Перезапустіть блок керування.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="25"/>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Під час скидання до заводських налаштувань сталася помилка. Перезапустіть блок керування.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="30"/>
        <source>Creating configuration file finished</source>
        <translation>Створення файлу конфігурації завершено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="32"/>
        <source>Creating configuration file started</source>
        <translation>Розпочато створення файлу конфігурації</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="34"/>
        <source>Creating PDF report finished</source>
        <translation>Створення PDF-звіту завершено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="36"/>
        <source>Creating PDF report started</source>
        <translation>Розпочато створення PDF-звіту</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="37"/>
        <source>Device removed</source>
        <translation>Пристрій від’єднано</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="39"/>
        <source>Firmware update finished</source>
        <translation>Оновлення мікропрограми завершено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="41"/>
        <source>Firmware update started</source>
        <translation>Розпочато оновлення мікропрограми</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="42"/>
        <source>Flash</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="43"/>
        <source>Flashing finished</source>
        <translation>Прошивку завершено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="45"/>
        <source>Loading configuration</source>
        <translation>Завантаження конфігурації</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="46"/>
        <source>Reset configuration</source>
        <translation>Скинути конфігурацію</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="48"/>
        <source>Start loading configurations from file</source>
        <translation>Розпочато завантаження конфігурацій із файлу</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="52"/>
        <source>Save the configuration as PDF file</source>
        <translation>Зберегти конфігурацію як файл PDF</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="54"/>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Справді відновити заводські налаштування?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="57"/>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Завантажити конфігурацію з під’єднаного блока керування або об’єднаної системи</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="61"/>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Зберегти конфігурацію в блоці керування або об’єднаній системі</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="64"/>
        <source>Save configuration as %1 file</source>
        <translation>Зберегти конфігурацію як файл %1</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="65"/>
        <source>Actuators</source>
        <translation>Приводи</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="66"/>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Кві</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="67"/>
        <source>April</source>
        <translation>Квітень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="68"/>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Сер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="69"/>
        <source>August</source>
        <translation>Серпень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="71"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="72"/>
        <source>Configuration</source>
        <translation>Конфігурація</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="73"/>
        <source>Constructor</source>
        <translation>Монтажна організація</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="74"/>
        <source>created on</source>
        <translation>створено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="75"/>
        <source>Customer</source>
        <translation>Замовник</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="76"/>
        <source>Deactivated</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="77"/>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Гру</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="78"/>
        <source>December</source>
        <translation>Грудень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="79"/>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="80"/>
        <source>Drive line</source>
        <translation>Лінія приводів</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="81"/>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="82"/>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Лют</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="83"/>
        <source>February</source>
        <translation>Лютий</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="84"/>
        <source>Fill cover sheet</source>
        <translation>Заповнити титульний аркуш</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="85"/>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Пт</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="86"/>
        <source>Friday</source>
        <translation>П’ятниця</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="87"/>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Січ</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="88"/>
        <source>January</source>
        <translation>Січень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="89"/>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Лип</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="90"/>
        <source>July</source>
        <translation>Липень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="91"/>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Чер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="92"/>
        <source>June</source>
        <translation>Червень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="93"/>
        <source>Live data</source>
        <translation>Поточні дані</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="94"/>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="95"/>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Бер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="96"/>
        <source>March</source>
        <translation>Березень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="97"/>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Тра</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="98"/>
        <source>May</source>
        <translation>Травень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="99"/>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="100"/>
        <source>Monday</source>
        <translation>Понеділок</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="101"/>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="102"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="103"/>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Лис</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="104"/>
        <source>November</source>
        <translation>Листопад</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="105"/>
        <source>o&apos;clock</source>
        <translation>год.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="106"/>
        <source>Object</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="107"/>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Жов</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="108"/>
        <source>October</source>
        <translation>Жовтень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="109"/>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="111"/>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Увімк.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="112"/>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="113"/>
        <source>Operation mode</source>
        <translation>Режим роботи</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="114"/>
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="115"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="116"/>
        <source>Plugin Version Number</source>
        <translation>Номер версії плагіна</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="117"/>
        <source>Priority</source>
        <translation>Пріоритет</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="118"/>
        <source>Rain</source>
        <translation>Дощ</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="119"/>
        <source>Report</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="120"/>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="121"/>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Сб</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="122"/>
        <source>Saturday</source>
        <translation>Субота</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="123"/>
        <source>Saving</source>
        <translation>Збереження</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="124"/>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="125"/>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Вер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="126"/>
        <source>September</source>
        <translation>Вересень</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="127"/>
        <source>Service date</source>
        <translation>Дата обслуговування</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="129"/>
        <source>Service representative</source>
        <translation>Сервісний технік</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="130"/>
        <source>Set title</source>
        <translation>Задати заголовок</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="131"/>
        <source>Standard mode</source>
        <translation>Стандартний режим</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="132"/>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="133"/>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="134"/>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Нд</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="135"/>
        <source>Sunday</source>
        <translation>Неділя</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="136"/>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="137"/>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Чт</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="138"/>
        <source>Thursday</source>
        <translation>Четвер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="139"/>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Вт</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="140"/>
        <source>Tuesday</source>
        <translation>Вівторок</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="141"/>
        <source>User signed in</source>
        <translation>Користувач увійшов</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="142"/>
        <source>Ventilation runtime</source>
        <translation>Час провітрювання</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="143"/>
        <source>Version number</source>
        <translation>Номер версії</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="144"/>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="145"/>
        <source>Voltage power supply</source>
        <translation>Напруга живлення</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="146"/>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Ср</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="147"/>
        <source>Wednesday</source>
        <translation>Середа</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="148"/>
        <source>What do you want to do?</source>
        <translation>Що ви хочете зробити?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="149"/>
        <source>Wind</source>
        <translation>Вітер</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="150"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
</context>
</TS>
