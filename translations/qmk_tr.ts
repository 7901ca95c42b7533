<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Eklentiyi sil</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçimlendir</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Yenilikleri göster</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>İndirme başarısız oldu</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Yüklemeyi iptal et</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Güncellemeler denetleniyor</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Eklenti yüklenemedi.
Bir bileşen (ör. bir sürücü) eksik olabilir.

Daha fazla bilgi için Brennhof web sitesini ziyaret edin.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Değişiklik günlüğü indiriliyor</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Eklenti indiriliyor</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Güncelleme indiriliyor</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Güncellemeyi yükle</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Lütfen yazılımı kapatın. Ardından güncellemeyi Program Files klasörüne taşıyın ve QMK&apos;yi yeniden başlatın.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Montaj kılavuzunu aç</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Uygulamadan çık</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Yazılım sürümü bilgileri</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Açık eklentiden çıkıyorsunuz.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Ancak QMK yeniden başlatıldıktan sonra etkin olur!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Yazılımın yardım sayfalarını açar.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Kullanıcı ayarları</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>%1 sürümü mevcut</translation>
    </message>
    <message>
        <source>back</source>
        <translation>geri</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Yüklenici bilgileri</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Lütfen bu kodu destek sorumlunuza iletin.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Parolanın kilidini açmak ve parolayı silmek için lütfen aldığınız kodu girin</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Müşteri bilgileri</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Karanlık modu etkinleştir</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>İndirme başarısız oldu. Lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>İndirme tamamlanmadı. Lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Genel ayarlar</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Ana parola oluştur</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>güncel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Dil seçimi</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Zorunlu alan</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Kodlar eşleşmiyor!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>ileri</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Bağlantı kurulamıyor. Lütfen bağlantınızı kontrol edip tekrar deneyin. Sorun devam ederse müşteri temsilcinize başvurun veya en son sürümü web sitemizden indirin.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Güncelleme dosyası mevcut değil. Lütfen tekrar deneyin. Sorun devam ederse müşteri temsilcinize başvurun veya en son sürümü web sitemizden indirin.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Tesis bilgileri</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Proje adı</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Araç ipuçlarını göster</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Kilit açma kodu</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Güncelleme doğru şekilde gerçekleştirilemedi, lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Ana ekrana dönmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Kaydedilmemiş tüm değişiklikler kaybolacak.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Eklentiyi silmek istediğinizden emin misiniz?

Eklenti ancak QMK yeniden başlatıldıktan sonra tekrar yüklenebilir.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Yazılımdan çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Bağlı cihazlar varsa PDF raporunun oluşturulması biraz zaman alabilir.
Süre, bağlı cihazların türüne ve sayısına göre değişir.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Kaydedilmemiş değişiklikler var.
Değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Montaj kılavuzu</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Yedek oluştur</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Fabrika ayarlarına sıfırla</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>KNX montaj kılavuzu</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Yedeği geri yükle</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Yapılandırma dosyası oluşturulurken hata oluştu.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>PDF oluşturulurken bir hata oluştu. Lütfen kontrol panelini yeniden başlatın.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Fabrika ayarlarına sıfırlama sırasında bir hata oluştu. Lütfen kontrol panelini yeniden başlatın.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Yapılandırma dosyası oluşturuldu</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Yapılandırma dosyasının oluşturulması başladı</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>PDF raporu oluşturuldu</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>PDF raporunun oluşturulması başladı</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Cihaz çıkarıldı</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Donanım yazılımı güncellemesi tamamlandı</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Donanım yazılımı güncellemesi başladı</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash yazma</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Flash yazma tamamlandı</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Yapılandırma yükleniyor</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Yapılandırmayı sıfırla</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Yapılandırmaların dosyadan yüklenmesi başladı</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Yapılandırmayı PDF dosyası olarak kaydet</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Fabrika ayarlarını geri yüklemek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Yapılandırmayı bağlı kontrol panelinden veya birleşik sistemden yükle</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Yapılandırmayı kontrol paneline veya birleşik sisteme kaydet</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Yapılandırmayı %1 dosyası olarak kaydet</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Motorlar</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Nis</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Ağu</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Yüklenici</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>oluşturulma tarihi</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Ara</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Motor hattı</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Şub</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Kapak sayfasını doldur</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Cum</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Oca</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Tem</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Haz</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Canlı veriler</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>May</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Pzt</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Kas</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>saat</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Tesis</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Eki</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Çalışma modu</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Eklenti sürüm numarası</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Öncelik</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Yağmur</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Cmt</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Kaydediliyor</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensörler</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Eyl</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
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
        <source>Set title</source>
        <translation>Başlık belirle</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standart mod</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Per</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Kullanıcı oturum açtı</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Havalandırma süresi</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Sürüm numarası</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Besleme gerilimi</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Çar</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Ne yapmak istiyorsunuz?</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Rüzgâr</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
</context>
</TS>
