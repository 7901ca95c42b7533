<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Yapılandırma cihaza kaydedildi</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Yapılandırma cihaza kaydedilemedi</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Yapılandırma kaydedildi: %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Yapılandırma kaydedilemedi (%1): %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Yapılandırma yüklendi: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 bir yapılandırma dosyası değil (%2); mevcut yapılandırma korunuyor</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 başka bir cihazın yapılandırmasını içeriyor (%2); mevcut yapılandırma korunuyor</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1, “%2” için geçersiz bir değer içeriyor; mevcut yapılandırma korunuyor</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Yapılandırma cihazdan yüklendi</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Değişiklikleriniz atılıp yapılandırma cihazdan yüklensin mi?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapor oluşturuldu: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Rapor oluşturulamadı (%1): %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapor kaydedildi: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Henüz rapor oluşturulmadı</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Yedek yazıldı: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Yedek yazılamadı (%1): %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>%1 cihazının yedeği şuradan geri yüklendi: %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>%1 cihazının yedeği yok</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Cihaz parolası silindi</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Cihazda silinecek bir parola yok</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Cihaz meşgul; işlemini bitirdiğinde tekrar deneyin</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Donanım yazılımı güncelleniyor</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Donanım yazılımı %1 sürümüne güncellendi</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Cihaz yeniden başlatılıyor</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Cihaz yeniden başlatıldı</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Cihaz belleği biçimlendiriliyor</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Cihaz belleği biçimlendirildi</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Cihaz fabrika ayarlarına sıfırlanıyor</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Cihaz fabrika ayarlarına döndü</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Cihazın donanım yazılımı %1 sürümüne güncellensin mi?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Cihaz şimdi yeniden başlatılsın mı?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Biçimlendirme, cihazda kayıtlı yapılandırmayı siler. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Cihaz fabrika ayarlarına sıfırlansın mı? Yapılandırmanız kaybolur.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>%1 cihazının son yedeği geri yüklensin mi?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi ayarları cihaza kaydedildi</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Bu cihazda Wi-Fi yok</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Cihaz, kaydedilmemiş değişikliklerle çıkarıldı. Değişiklikler bir dosyaya kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Wi-Fi ayarları cihaza kaydedilsin mi?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Cihaz, “%2” için %1 değerini kabul etmiyor</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Sanal %1 cihazı açıldı</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Cihaz belleği okunamadı (%1); bellekte fabrika ayarları var</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Çıkarılan cihazın kaydedilmemiş değişiklikleri atıldı</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Yapılandırma raporu</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Eklenti sürümü</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark sürümü</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Donanım yazılımı</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Oluşturulma tarihi</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Kapak sayfası</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Cihaz yapılandırması</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Proje adı</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Müşteri bilgileri</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Yüklenici bilgileri</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Bakım tarihi</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Servis teknisyeni</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Tesis bilgileri</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Dosyalar ve yedekler</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Cihaza kaydet</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Cihazdan yükle</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Yapılandırma dosyası aç</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>SD karta yedek</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>SD kart için yedek</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Son yedeği geri yükle</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Bakım</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Donanım yazılımı</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Güncelleniyor</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Parola koruması</translation>
    </message>
    <message>
        <source>on</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Donanım yazılımını güncelle</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Cihazı yeniden başlat</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Cihaz belleğini biçimlendir</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Fabrika ayarları</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Parolamı unuttum</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Sanal cihazın bağlantısını kes</translation>
    </message>
</context>
</TS>
