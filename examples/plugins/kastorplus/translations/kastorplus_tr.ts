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
        <source>Drive</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Cihaz adı</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Açılma genişliği</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Çalışma süresi</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Açılma sınırı (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Hareket yönü</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Ters</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Kapama kuvveti</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Gece havalandırması</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Pencere konumu</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Okunuyor</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+ yapılandırması</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Cihaz adı</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Pencere motoru</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Açılma genişliği</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Çalışma süresi</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Açılma sınırı</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Kapama kuvveti (0 düşük, 2 yüksek)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Ters hareket yönü</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Gece havalandırması</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Gece havalandırması başlangıcı</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>Sanal motor aç</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Bağlı motor yok: sanal motor donanım olmadan çalışır.</translation>
    </message>
</context>
</TS>
