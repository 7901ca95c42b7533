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
        <source>Wind</source>
        <translation>Rüzgâr</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Rüzgâr alarmı (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Bu yönlerden esen rüzgâr pencereleri kapatır</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Rüzgâr hızı</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Ölçülüyor</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Yağmur, don ve Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Yağmur alarmı</translation>
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
        <source>Frost alarm below</source>
        <translation>Don alarmı eşiği</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi ağı</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi parolası</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Wi-Fi ayarlarını kaydet</translation>
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
        <source>Open a virtual weather station</source>
        <translation>Sanal hava istasyonu aç</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Bağlı hava istasyonu yok: sanal hava istasyonu donanım olmadan çalışır.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus yapılandırması</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Rüzgâr alarmı</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Rüzgâr yönleri (K ile KB arası bitler)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Yağmur alarmı</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Don alarmı eşiği</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi ağı</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi parolası</translation>
    </message>
</context>
</TS>
