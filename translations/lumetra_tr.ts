<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Fotoelektrik Olay</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Denetimler</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Foton Özellikleri</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Ters Gerilim</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Şiddet</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Foton Enerjisi</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>Işığı &amp;aç</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>Işığı ka&amp;pat</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Yavaş fotoelektronlar</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>&amp;1 (1.50 eV)</source>
        <translation>&amp;1 (1,50 eV)</translation>
    </message>
    <message>
        <source>&amp;2 (1.75 eV)</source>
        <translation>&amp;2 (1,75 eV)</translation>
    </message>
    <message>
        <source>&amp;3 (2.10 eV) </source>
        <translation>&amp;3 (2,10 eV) </translation>
    </message>
    <message>
        <source>&amp;4 (2.60 eV)</source>
        <translation>&amp;4 (2,60 eV)</translation>
    </message>
    <message>
        <source>&amp;%1 (%2 eV)</source>
        <translation>&amp;%1 (%2 eV)</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source> &amp;Unknown Metals</source>
        <translation>&amp;Bilinmeyen metal</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Metal 4 numarası</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Deney düzeneğinin resmi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>&amp;Dalga boyunu göster</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>&amp;Frekansı göster</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>&amp;Enerjiyi (eV) göster</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>F&amp;otoelektronları göster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Yardı&amp;m</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>Def&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>Defteri &amp;göster</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>Ölçümü &amp;kaydet</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Fotoakım</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>V =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>Işık kapalı.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>Işık açık, dalga boyu %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>Işık açık.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Yayıcı levhanın yakından görünüşü.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metal %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Ters gerilim %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Fotoelektronlar yayıcı levhadan çıkıyor.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Yayıcı levhadan fotoelektron çıkmıyor.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Yavaş fotoelektronlar içi boş çizilir.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Bir fotoakım geçiyor.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Fotoakım geçmiyor.</translation>
    </message>
</context>
<context>
    <name>Light</name>
    <message>
        <source>lambda = %1 nm</source>
        <translation>λ = %1 nm</translation>
    </message>
    <message>
        <source>Energy = %1 eV</source>
        <translation>Enerji = %1 eV</translation>
    </message>
    <message>
        <source>ƒ = %1e14 Hz</source>
        <translation>ƒ = %1e14 Hz</translation>
    </message>
</context>
<context>
    <name>UnknownMetals</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; geçerli bir sayı değil</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Geçersiz kayan nokta işlemi</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Pano açılamıyor</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Şu anda seçili bir varsayılan yazıcı yok</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Seçilen yazıcı geçerli değil</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Fotoelektrik Olay</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Lumetra Geliştiricileri</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Fotoelektrik olayın derste kullanılan bir benzetimi.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>GNU Genel Kamu Lisansı, sürüm 3 veya sonrası altında özgür yazılım.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Eksenler sıfırda&amp;n</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; eksenler sıfırdan</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>hiçbir doğru tüm hata çubuklarından geçmiyor</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>tüm hata çubuklarından geçen kesikli doğrular: h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metal %1: tüm hata çubuklarından geçen en dik ve en yatık doğrular</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, f₀ = %1 × 10¹⁴ Hz noktasında frekans eksenine kadar kesikli</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, her biri hata çubuğuyla</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>Kabul edilen %1 değeri %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>iki standart hatanın dışında</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>iki standart hata içinde</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>doğruların aralığı dışında</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>doğruların aralığı içinde</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Eşik frekansı f₀ = W/h = %1 × 10¹⁴ Hz (doğrular %2 × 10¹⁴ Hz); eşik dalga boyu c/f₀ = %3 nm (doğrular %4 nm).</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Eşik frekansı f₀ = W/h = %1 × 10¹⁴ Hz; eşik dalga boyu c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Tüm hata çubuklarından geçen doğrular: h %1 J s, W %2 eV.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Hiçbir doğru tüm hata çubuklarından geçmiyor: %1 çubukları uyuşmuyor.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Standart hatalar için en az üç frekansta kesme gerilimi gerekir.</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Belirsizlikler, %1 − 2 serbestlik dereceli en küçük kareler standart hatalarıdır.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ile %2 arası</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Satırları &amp;sil</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>Silmeyi geri a&amp;l</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Temizle…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>Ölçü&amp;mler:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>S&amp;onuçlar:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Ölçümler</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Defter - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Defterdeki %n ölçümün tümü silinsin mi? “Silmeyi geri al” onları geri getirir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Dalga boyu (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Frekans (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Enerji (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Şiddet</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Gerilim (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Akım</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>bilinmeyen %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>bilinmeyen 4, numara %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metal %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Bilinmeyen metal %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Bilinmeyen metal 4, numara %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Ölçüm %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>akım %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>akım yok</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>kesme gerilimi %1, akımlı %2 ile akımsız %3 arasında</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>henüz kesme gerilimi yok: akımlı okuma yok</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>henüz kesme gerilimi yok: akımsız okuma yok</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>kesme gerilimi yok: okumalar çelişiyor, %1 değerinde akım var ama %2 değerinde yok</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>%1 kesme gerilimine uydurulan doğru: Planck sabiti h = %2 J s = %3 eV s (kabul edilen %4 J s, %5); iş fonksiyonu W = %6 eV (kabul edilen %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>Planck sabiti ve iş fonksiyonu için en az iki frekansta kesme gerilimi gerekir.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Henüz sonuç yok. Işığı açın, bir renk seçin ve birkaç ters gerilimde ölçüm kaydedin: akımlı ve akımsız. Kesme gerilimi ikisinin arasındadır.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Defter %1 konumuna kaydedilemiyor (%2). Ölçümler Lumetra açık kaldıkça bellekte tutulur.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Defter dosyası %1 okunamadı (%2). Değiştirilmeden %3 konumuna taşındı ve defter boş başlıyor.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Defter dosyası %1 okunamadı (%2) ve kenara da taşınamadı. Olduğu gibi bırakıldı; bu oturumun ölçümleri yalnızca bellekte tutulur.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>16 MB&apos;tan büyük</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>UTF-8 metni değil</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>ilk satırı defterin başlık satırı değil</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>%1. satırda 9 değil %n hücre var</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1. satır: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>%1. satır: hiç kapanmayan bir tırnak</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>%1. satır: yersiz bir tırnak veya satır sonu</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 &quot;%2&quot; aralığın dışında</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>&amp;Anında kaydet</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kop&amp;yala</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Farklı kaydet…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Ya&amp;zdır…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Defteri farklı kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Defter %1 olarak kaydedilemedi (%2); oraya hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Frekansa göre kesme gerilimi</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>henüz kesme gerilimi yok; her renk için akımlı ve akımsız okumalar kaydedin</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Her renk için akımlı ve akımsız okumalar kaydedin.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Kesme gerilimi (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Dalga boyu (nm), frekansı gizlenmiş renkler</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>doğru h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Ters gerilime göre fotoakım</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Şiddete göre fotoakım</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Bir rengi birkaç ters gerilimde kaydedin.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Bir rengi ve gerilimi birkaç şiddette kaydedin.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Ters gerilim (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Fotoakım (ölçek bölmesi)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>şiddet %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Kesme &amp;gerilimleri</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Akım &amp;ve gerilim</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Akım ve şi&amp;ddet</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n nokta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, dalga boyuna göre %n nokta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n nokta</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Metal %1: h = %2 J s, W = %3 eV</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>red</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>mor</translation>
    </message>
    <message>
        <source>%1 eV</source>
        <translation>%1 eV</translation>
    </message>
    <message>
        <source>%1 × 10¹⁴ Hz</source>
        <translation>%1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>No current</source>
        <translation>Akım yok</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Akım var</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Uzaklaştırıldı</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Yakınlaştırıldı</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Işık kapalı</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>Işık açık</translation>
    </message>
</context>
</TS>
