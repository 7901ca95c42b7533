<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="18"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="70"/>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="19"/>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="48"/>
        <source>Delete Plugin</source>
        <translation>Eklentiyi sil</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="20"/>
        <source>Format</source>
        <translation>Biçimlendir</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="21"/>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="22"/>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="23"/>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="24"/>
        <source>Show What&apos;s new</source>
        <translation>Yenilikleri göster</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="25"/>
        <source>Restart</source>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="26"/>
        <source>Download failed</source>
        <translation>İndirme başarısız oldu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="27"/>
        <source>Cancel loading</source>
        <translation>Yüklemeyi iptal et</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="29"/>
        <source>Checking for updates</source>
        <translation>Güncellemeler denetleniyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="31"/>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Eklenti yüklenemedi.
Bir bileşen (ör. bir sürücü) eksik olabilir.

Daha fazla bilgi için Brennhof web sitesini ziyaret edin.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="36"/>
        <source>Downloading changelog</source>
        <translation>Değişiklik günlüğü indiriliyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="37"/>
        <source>Downloading plugin</source>
        <translation>Eklenti indiriliyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="38"/>
        <source>Downloading update</source>
        <translation>Güncelleme indiriliyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="39"/>
        <source>Install update</source>
        <translation>Güncellemeyi yükle</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="41"/>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Lütfen yazılımı kapatın. Ardından güncellemeyi Program Files klasörüne taşıyın ve QMK&apos;yi yeniden başlatın.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="46"/>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="50"/>
        <source>Open assembly instructions</source>
        <translation>Montaj kılavuzunu aç</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="47"/>
        <source>Quit application</source>
        <translation>Uygulamadan çık</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="50"/>
        <source>Software version information</source>
        <translation>Yazılım sürümü bilgileri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="51"/>
        <source>You leave the open plugin.</source>
        <translation>Açık eklentiden çıkıyorsunuz.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="53"/>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Ancak QMK yeniden başlatıldıktan sonra etkin olur!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="56"/>
        <source>Opens the software help pages.</source>
        <translation>Yazılımın yardım sayfalarını açar.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="57"/>
        <source>Check for updates</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="58"/>
        <source>User settings</source>
        <translation>Kullanıcı ayarları</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="59"/>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="60"/>
        <source>Version %1 available</source>
        <translation>%1 sürümü mevcut</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="61"/>
        <source>back</source>
        <translation>geri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="62"/>
        <source>Constructor data</source>
        <translation>Yüklenici bilgileri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="64"/>
        <source>Please pass this code on to your support contact.</source>
        <translation>Lütfen bu kodu destek sorumlunuza iletin.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="66"/>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Parolanın kilidini açmak ve parolayı silmek için lütfen aldığınız kodu girin</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="69"/>
        <source>Customer data</source>
        <translation>Müşteri bilgileri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="71"/>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Karanlık mod</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="73"/>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>İndirme başarısız oldu. Lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="78"/>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>İndirme tamamlanmadı. Lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="82"/>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="84"/>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Genel ayarlar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="86"/>
        <source>Generate master password</source>
        <translation>Ana parola oluştur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="87"/>
        <source>Hint</source>
        <translation>Not</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="88"/>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="89"/>
        <source>is up to date</source>
        <translation>güncel</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="90"/>
        <source>Key</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="91"/>
        <source>Language selection</source>
        <translation>Dil seçimi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="92"/>
        <source>Mandatory</source>
        <translation>Zorunlu alan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="93"/>
        <source>Codes don&apos;t match!</source>
        <translation>Kodlar eşleşmiyor!</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="94"/>
        <source>next</source>
        <translation>ileri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="96"/>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Bağlantı kurulamıyor. Lütfen bağlantınızı kontrol edip tekrar deneyin. Sorun devam ederse müşteri temsilcinize başvurun veya en son sürümü web sitemizden indirin.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="102"/>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Güncelleme dosyası mevcut değil. Lütfen tekrar deneyin. Sorun devam ederse müşteri temsilcinize başvurun veya en son sürümü web sitemizden indirin.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="107"/>
        <source>Object data</source>
        <translation>Tesis bilgileri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="108"/>
        <source>Project name</source>
        <translation>Proje adı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="109"/>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Araç ipuçlarını göster</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="110"/>
        <source>Unlock Code</source>
        <translation>Kilit açma kodu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="112"/>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Güncelleme doğru şekilde gerçekleştirilemedi, lütfen tekrar deneyin. Sorun devam ederse en son sürümü şu adresten indirin: www.brennhof.de.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="117"/>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="119"/>
        <source>Do you want to return to the home screen?</source>
        <translation>Ana ekrana dönmek istiyor musunuz?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="121"/>
        <source>All unsaved changes will be lost.</source>
        <translation>Kaydedilmemiş tüm değişiklikler kaybolacak.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="123"/>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Eklentiyi silmek istediğinizden emin misiniz?

Eklenti ancak QMK yeniden başlatıldıktan sonra tekrar yüklenebilir.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="128"/>
        <source>Do you want to leave the software?</source>
        <translation>Yazılımdan çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="130"/>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Bağlı cihazlar varsa PDF raporunun oluşturulması biraz zaman alabilir.
Süre, bağlı cihazların türüne ve sayısına göre değişir.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/kelvostringmanager.cpp" line="138"/>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Kaydedilmemiş değişiklikler var.
Değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="12"/>
        <source>Assembly instructions</source>
        <translation>Montaj kılavuzu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="13"/>
        <source>Create backup</source>
        <translation>Yedek oluştur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="14"/>
        <source>Factory reset</source>
        <translation>Fabrika ayarlarına sıfırla</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="16"/>
        <source>KNX assembly instructions</source>
        <translation>KNX montaj kılavuzu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="17"/>
        <source>Restore backup</source>
        <translation>Yedeği geri yükle</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="19"/>
        <source>Error while creating the configuration file.</source>
        <translation>Yapılandırma dosyası oluşturulurken hata oluştu.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="21"/>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>PDF oluşturulurken bir hata oluştu. Lütfen kontrol panelini yeniden başlatın.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="25"/>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Fabrika ayarlarına sıfırlama sırasında bir hata oluştu. Lütfen kontrol panelini yeniden başlatın.</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="30"/>
        <source>Creating configuration file finished</source>
        <translation>Yapılandırma dosyası oluşturuldu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="32"/>
        <source>Creating configuration file started</source>
        <translation>Yapılandırma dosyasının oluşturulması başladı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="34"/>
        <source>Creating PDF report finished</source>
        <translation>PDF raporu oluşturuldu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="36"/>
        <source>Creating PDF report started</source>
        <translation>PDF raporunun oluşturulması başladı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="37"/>
        <source>Device removed</source>
        <translation>Cihaz çıkarıldı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="39"/>
        <source>Firmware update finished</source>
        <translation>Donanım yazılımı güncellemesi tamamlandı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="41"/>
        <source>Firmware update started</source>
        <translation>Donanım yazılımı güncellemesi başladı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="42"/>
        <source>Flash</source>
        <translation>Flash yazma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="43"/>
        <source>Flashing finished</source>
        <translation>Flash yazma tamamlandı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="45"/>
        <source>Loading configuration</source>
        <translation>Yapılandırma yükleniyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="46"/>
        <source>Reset configuration</source>
        <translation>Yapılandırmayı sıfırla</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="48"/>
        <source>Start loading configurations from file</source>
        <translation>Yapılandırmaların dosyadan yüklenmesi başladı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="52"/>
        <source>Save the configuration as PDF file</source>
        <translation>Yapılandırmayı PDF dosyası olarak kaydet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="54"/>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Fabrika ayarlarını geri yüklemek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="57"/>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Yapılandırmayı bağlı kontrol panelinden veya birleşik sistemden yükle</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="61"/>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Yapılandırmayı kontrol paneline veya birleşik sisteme kaydet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="64"/>
        <source>Save configuration as %1 file</source>
        <translation>Yapılandırmayı %1 dosyası olarak kaydet</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="65"/>
        <source>Actuators</source>
        <translation>Motorlar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="66"/>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Nis</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="67"/>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="68"/>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Ağu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="69"/>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="71"/>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="72"/>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="73"/>
        <source>Constructor</source>
        <translation>Yüklenici</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="74"/>
        <source>created on</source>
        <translation>oluşturulma tarihi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="75"/>
        <source>Customer</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="76"/>
        <source>Deactivated</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="77"/>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Ara</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="78"/>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="79"/>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="80"/>
        <source>Drive line</source>
        <translation>Motor hattı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="81"/>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="82"/>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Şub</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="83"/>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="84"/>
        <source>Fill cover sheet</source>
        <translation>Kapak sayfasını doldur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="85"/>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Cum</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="86"/>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="87"/>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Oca</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="88"/>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="89"/>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Tem</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="90"/>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="91"/>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Haz</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="92"/>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="93"/>
        <source>Live data</source>
        <translation>Canlı veriler</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="94"/>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="95"/>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="96"/>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="97"/>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>May</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="98"/>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="99"/>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Pzt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="100"/>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="101"/>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="102"/>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="103"/>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Kas</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="104"/>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="105"/>
        <source>o&apos;clock</source>
        <translation>saat</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="106"/>
        <source>Object</source>
        <translation>Tesis</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="107"/>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Eki</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="108"/>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="109"/>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="110"/>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="111"/>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Açık</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="112"/>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="113"/>
        <source>Operation mode</source>
        <translation>Çalışma modu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="114"/>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="115"/>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="116"/>
        <source>Plugin Version Number</source>
        <translation>Eklenti sürüm numarası</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="117"/>
        <source>Priority</source>
        <translation>Öncelik</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="118"/>
        <source>Rain</source>
        <translation>Yağmur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="119"/>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="120"/>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="121"/>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Cmt</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="122"/>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="123"/>
        <source>Saving</source>
        <translation>Kaydediliyor</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="124"/>
        <source>Sensors</source>
        <translation>Sensörler</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="125"/>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Eyl</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="126"/>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="127"/>
        <source>Service date</source>
        <translation>Bakım tarihi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="129"/>
        <source>Service representative</source>
        <translation>Servis teknisyeni</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="130"/>
        <source>Set title</source>
        <translation>Başlık belirle</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="131"/>
        <source>Standard mode</source>
        <translation>Standart mod</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="132"/>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="133"/>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="134"/>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Paz</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="135"/>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="136"/>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="137"/>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Per</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="138"/>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="139"/>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Sal</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="140"/>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="141"/>
        <source>User signed in</source>
        <translation>Kullanıcı oturum açtı</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="142"/>
        <source>Ventilation runtime</source>
        <translation>Havalandırma süresi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="143"/>
        <source>Version number</source>
        <translation>Sürüm numarası</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="144"/>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="145"/>
        <source>Voltage power supply</source>
        <translation>Besleme gerilimi</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="146"/>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Çar</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="147"/>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="148"/>
        <source>What do you want to do?</source>
        <translation>Ne yapmak istiyorsunuz?</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="149"/>
        <source>Wind</source>
        <translation>Rüzgâr</translation>
    </message>
    <message>
        <location filename="../build/translations/lupdate/commonstringmanager.cpp" line="150"/>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
</context>
</TS>
