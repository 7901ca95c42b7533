<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Yapılandırmayı bir dosyaya kaydet</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Rapor oluştur</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Duman alarmı</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Montaj yeri (yenisini yazıp Enter tuşuna basın)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Merdiven boşluğu</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atriyum</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Asansör kuyusu</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarm seviyesi</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Yerel</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Bina</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>İtfaiye</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Saniye cinsinden alarm gecikmesi (en fazla 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Röleler ve güç beslemesi</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Günlük havalandırma için pencereleri açar</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Röle 1: günlük havalandırma</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Arızayı bina otomasyon sistemine bildirir</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Röle 2: arıza bildirimi</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akü izleme</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Akü kontrol ediliyor</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akü</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servis</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion yapılandırması</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Montaj yeri</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Merdiven boşluğu</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarm seviyesi</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Alarm gecikmesi</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akü izleme</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Röle 1: günlük havalandırma</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Röle 2: arıza bildirimi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Sanal kontrol paneli aç</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Bağlı kontrol paneli yok: sanal kontrol paneli donanım olmadan çalışır.</translation>
    </message>
</context>
</TS>
