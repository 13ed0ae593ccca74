<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr_TR">
<context>
    <name>DoubtWindow</name>
    <message>
        <source>Renkten Emin Değilim</source>
        <translation>Unsure of a Colour</translation>
    </message>
    <message>
        <source>%1. bant</source>
        <translation>Band %1</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Emin değilim</source>
        <translation>Not sure</translation>
    </message>
    <message>
        <source>Emin değilim: %1</source>
        <translation>Not sure: %1</translation>
    </message>
    <message>
        <source>Ölçülen değer:</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>Ölçülen değer</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>Ölçüm hatası (%):</source>
        <translation>Meter error (%):</translation>
    </message>
    <message>
        <source>Ölçüm hatası</source>
        <translation>Meter error</translation>
    </message>
    <message>
        <source>Okumalar</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Kahverengi Kahverengi Kahverengi Kahverengi Kahverengi Kahverengi  100 Kilo Ohm  ± % 0,05  100 ppm/K — E96/E24 değil — ölçümle uyuşmuyor</source>
        <comment>a long line of the list, in the widest colour names, for its width</comment>
        <translation>Yellow Yellow Yellow Yellow Yellow Yellow  100 Kilo Ohm  ± 0,05 %  100 ppm/K — Not E96/E24 — does not match the measurement</translation>
    </message>
    <message>
        <source>Kullan</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Ölçüm hatası 0 ile 100 arasında bir yüzde olmalıdır.</source>
        <translation>The meter error must be a percentage from 0 to 100.</translation>
    </message>
    <message>
        <source>Her bant için bir renk seçiniz.</source>
        <translation>Choose a colour for each band.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1 bant</source>
        <translation>%1 bands</translation>
    </message>
    <message>
        <source>SMD Kodu</source>
        <translation>SMD Code</translation>
    </message>
    <message>
        <source>Direnç Birleştir</source>
        <translation>Combine Resistors</translation>
    </message>
    <message>
        <source>Fotoğraftan Oku</source>
        <translation>Read from a Photo</translation>
    </message>
    <message>
        <source>Renkten Emin Değilim</source>
        <translation>Unsure of a Colour</translation>
    </message>
    <message>
        <source>Kondansatör Kodu</source>
        <translation>Capacitor Code</translation>
    </message>
    <message>
        <source>Bobin Renk Kodu</source>
        <translation>Inductor Colour Code</translation>
    </message>
    <message>
        <source>Bantlarda değerleri göster</source>
        <translation>Show values on the bands</translation>
    </message>
    <message>
        <source>Lütfen %1 bandın her biri için bir renk seçiniz.</source>
        <translation>Please choose a colour for each of the %1 bands.</translation>
    </message>
    <message>
        <source>Direnç</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>Birinci bant</source>
        <translation>First band</translation>
    </message>
    <message>
        <source>İkinci bant</source>
        <translation>Second band</translation>
    </message>
    <message>
        <source>Çarpan</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Tolerans</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Sonuç</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Değer Vererek Renk Kodlarını Bul</source>
        <translation>Find Colour Codes from a Value</translation>
    </message>
    <message>
        <source>Hesapla</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>HAKKINDA</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>Üçüncü bant</source>
        <translation>Third band</translation>
    </message>
    <message>
        <source>Sıcaklık katsayısı</source>
        <translation>Temperature coefficient</translation>
    </message>
    <message>
        <source>Bant sayısı</source>
        <translation>Band count</translation>
    </message>
    <message>
        <source>Araçlar</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Birleşim bul</source>
        <translation>Find combination</translation>
    </message>
    <message>
        <source>dört</source>
        <translation>four</translation>
    </message>
    <message>
        <source>beş</source>
        <translation>five</translation>
    </message>
    <message>
        <source>altı</source>
        <translation>six</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>% %1</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Değer Giriniz</source>
        <translation>Enter a Value</translation>
    </message>
    <message>
        <source>Birim</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Tolerans</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>% 5</source>
        <translation>5 %</translation>
    </message>
    <message>
        <source>% 10</source>
        <translation>10 %</translation>
    </message>
    <message>
        <source>% 20</source>
        <translation>20 %</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sıcaklık katsayısı</source>
        <translation>Temperature coefficient</translation>
    </message>
    <message>
        <source>Birleşim bul</source>
        <translation>Find combination</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Hakkında</source>
        <translation>About</translation>
    </message>
    <message>
        <source>KAPAT</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>BU PROĞRAM KEMAL DİRENÇ VE AYLİN KONDANSATÖR TARAFINDAN YAZILMIŞ OLUP . TAMAMEN ÜCRETSİZDİR.</source>
        <translation>THIS PROGRAM WAS WRITTEN BY KEMAL DİRENÇ AND AYLİN KONDANSATÖR AND IS COMPLETELY FREE.</translation>
    </message>
    <message>
        <source>TÜM ELEKTRONİKÇİLER İÇİN LAZIM OLACAK BİR PROĞRAMDIR.</source>
        <translation>A PROGRAM EVERY ELECTRONICS TECHNICIAN WILL NEED.</translation>
    </message>
    <message>
        <source>HER TÜRLÜ PROĞRAM YAZILIR.</source>
        <translation>WE WRITE PROGRAMS OF EVERY KIND.</translation>
    </message>
    <message>
        <source>BİZE ULAŞMAK İÇİN :</source>
        <translation>TO CONTACT US :</translation>
    </message>
    <message>
        <source>GÜLE GÜLE KULLANIN...</source>
        <translation>ENJOY USING IT...</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Kullanım: tavlora [SEÇENEK]...
Direncin dört, beş ya da altı renk bandından değerini, yazılan bir
değerden de renk bantlarını bulur. Tavlora bir masaüstü oturumunda çalışır;
yanıt seçenekleri masaüstü olmadan da, uçbirimde yanıt verir.

  -h, --help        bu yardımı gösterir ve çıkar
  -v, --version     sürüm bilgisini gösterir ve çıkar

Yanıt seçenekleri (her çağrıda biri):
  --bands RENKLER   renklerin değeri: &quot;sarı mor kırmızı altın&quot;; 3 ile 6 renk,
                    Türkçe ya da İngilizce adlar, IEC kodları (YE VT RD GD);
                    boşluk, virgül ya da tire ile ayrılır; &quot;kırmızı?&quot; gibi
                    ? ile biten renk emin olunmayan banttır: her olası okuma
      --measured DEĞER    ölçülen değer (4K7, 1,02k): uyuşan okumalar önce
      --meter-error YÜZDE ölçüm hatası (--measured ile; olağan: 2)
  --value DEĞER     değerin renkleri: 4K7, 4,7K, R47
      --unit BİRİM        Ohm, Kohm ya da Mohm (olağan: Ohm)
      --band-count SAYI   4, 5 ya da 6 (olağan: 4)
      --tolerance YÜZDE   5, 1, 0,25 ... (olağan: 5)
      --tcr PPM           6 bantta sıcaklık katsayısı (olağan: 100)
  --smd KOD         SMD direnç kodunun değeri: 472, 4701, 01C, 4R7
  --smd-for DEĞER   değerin SMD kodları (--unit ile)
  --cap KOD         kondansatör kodunun değeri: 104, 4n7, 2A474J, S3
  --cap-for DEĞER   değerin kondansatör kodları: 4,7n, 100nF, 0,1µ
  --inductor RENKLER bobin bantlarının değeri (µH): &quot;kırmızı mor kahverengi altın&quot;
  --inductor-for DEĞER değerin bobin bantları: 270u, 2,2µH
  --combine HEDEF   hedef değere en yakın seri/paralel bağlantılar
  --ratio ORAN      orana en yakın gerilim bölücüler: 0,66 ya da &quot;5 3,3&quot;
      --series SERİ       E6, E12, E24, E48, E96, E192, E24+E96 (olağan: E24)
      --parts SAYI        1, 2 ya da 3 parça (--combine; olağan: 2)
      --range ALT-ÜST     değer aralığı: 1K-100K
      --without DEĞER     bu değeri kullanmaz; yinelenebilir
  --photo DOSYA     fotoğraftaki direncin okumaları, en iyisi önce
      --ends X1,Y1,X2,Y2  gövdenin uçları, fotoğrafın pikselleriyle
  --json            her yanıtı bir satırda bir JSON belgesi olarak yazar

Bir yanıt seçeneğinin değeri yerine - verilirse her satır ayrı bir girdi
olarak standart girdiden okunur. Seçenekler --ad DEĞER ya da --ad=DEĞER
biçiminde yazılır; -- seçeneklerin sonudur.

Qt&apos;nin kendi seçenekleri de geçerlidir; örneğin -style ADI,
-platform ADI, -reverse.

Çıkış durumu: 0 olağan ya da her girdi yanıtlandıysa; 1 masaüstü oturumu
ya da Qt platform eklentisi yoksa, ya da bir girdi reddedildiyse; 2 yanlış
seçenekte.
Ayrıntılar ve klavye kullanımı için: man tavlora
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlora %1
Telif hakkı (c) 2026 The Tavlora developers
MIT lisansı ile dağıtılır.
</source>
        <translation>Tavlora %1
Copyright (c) 2026 The Tavlora developers
Distributed under the MIT licence.
</translation>
    </message>
    <message>
        <source>tavlora: %1 &apos;%2&apos;; yardım için: tavlora --help
</source>
        <translation>tavlora: %1 &apos;%2&apos;; for help: tavlora --help
</translation>
    </message>
    <message>
        <source>tavlora: çıktı yazılamadı: %1
</source>
        <translation>tavlora: could not write the output: %1
</translation>
    </message>
    <message>
        <source>fazladan terim</source>
        <translation>unexpected argument</translation>
    </message>
    <message>
        <source>tanınmayan seçenek</source>
        <translation>unknown option</translation>
    </message>
    <message>
        <source>değer bekleyen seçenek</source>
        <translation>option needs a value</translation>
    </message>
</context>
<context>
    <name>colorcode</name>
    <message>
        <source>Renk seçilmedi</source>
        <translation>No colour chosen</translation>
    </message>
    <message>
        <source>%1 bantta gösterilemez: %2; %3 bant gerekir</source>
        <translation>Cannot be shown with %1 bands: %2; needs %3 bands</translation>
    </message>
    <message>
        <source>%1 bantta gösterilemez: %2</source>
        <translation>Cannot be shown with %1 bands: %2</translation>
    </message>
    <message>
        <source>%1 — ölçümle uyuşuyor</source>
        <translation>%1 — matches the measurement</translation>
    </message>
    <message>
        <source>%1 — ölçümle uyuşmuyor</source>
        <translation>%1 — does not match the measurement</translation>
    </message>
    <message>
        <source>%1&apos;%2</source>
        <comment>a count with its possessive ending, as in 2&apos;si; %1 alone if none</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1; en yakını: %2</source>
        <translation>%1; nearest: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n okuma, %1 standart</source>
        <translation>
            <numerusform>%n reading, %1 standard</numerusform>
            <numerusform>%n readings, %1 standard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n okumadan %1 ölçümle uyuşuyor</source>
        <translation>
            <numerusform>%1 of %n reading matches the measurement</numerusform>
            <numerusform>%1 of %n readings match the measurement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n okumanın hiçbiri ölçümle uyuşmuyor</source>
        <translation>
            <numerusform>The %n reading does not match the measurement</numerusform>
            <numerusform>None of the %n readings matches the measurement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n okuma</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; ölçümle uyuşan yok</source>
        <translation>%1; none matches the measurement</translation>
    </message>
    <message>
        <source>%1; ölçümle uyuşan: %2</source>
        <translation>%1; matching the measurement: %2</translation>
    </message>
    <message>
        <source>%1 olarak gösterilir</source>
        <translation>Shown as %1</translation>
    </message>
    <message>
        <source>%1 bantta %2 olarak gösterilir; %3 bant gerekir</source>
        <translation>Shown as %2 with %1 bands; needs %3 bands</translation>
    </message>
    <message>
        <source>%1 bantta %2 olarak gösterilir; bantlar bu değeri tam gösteremez</source>
        <translation>Shown as %2 with %1 bands; the bands cannot show this value exactly</translation>
    </message>
    <message>
        <source>%1; en yakın:</source>
        <translation>%1; nearest:</translation>
    </message>
    <message>
        <source>± % %1</source>
        <translation>± %1 %</translation>
    </message>
    <message>
        <source>Ters yönden: %1 %2</source>
        <translation>Read reversed: %1 %2</translation>
    </message>
    <message>
        <source>%1 değil</source>
        <translation>Not %1</translation>
    </message>
    <message>
        <source>%1 değeri; %2 bant gösteremez</source>
        <translation>%1 value; %2 bands cannot show it</translation>
    </message>
    <message>
        <source>%1 standart değeri</source>
        <translation>%1 standard value</translation>
    </message>
    <message>
        <source>%1; en yakın: %2</source>
        <translation>%1; nearest: %2</translation>
    </message>
    <message>
        <source>Yazılan %1; gösterilen %2</source>
        <translation>Typed %1; shown %2</translation>
    </message>
    <message>
        <source>Lütfen bir değer giriniz.</source>
        <translation>Please enter a value.</translation>
    </message>
    <message>
        <source>Değer bir sayı olmalıdır (örnek: 47; %1; 4K7).</source>
        <translation>The value must be a number (e.g. 47; %1; 4K7).</translation>
    </message>
    <message>
        <source>Ondalık ayırıcı olarak &quot;%1&quot; kullanınız (örnek: %2).</source>
        <translation>Use &quot;%1&quot; as the decimal separator (e.g. %2).</translation>
    </message>
    <message>
        <source>Küçük &quot;m&quot; belirsiz: mega için &quot;M&quot; yazınız.</source>
        <translation>A lowercase &quot;m&quot; is ambiguous: write &quot;M&quot; for mega.</translation>
    </message>
    <message>
        <source>Değer çok büyük: en fazla %1 Mega Ohm girilebilir.</source>
        <translation>Value too large: at most %1 Mega Ohm can be entered.</translation>
    </message>
    <message>
        <source>Değer çok küçük: sıfırdan büyük en küçük değer %1 Ohm.</source>
        <translation>Value too small: the smallest value above zero is %1 Ohm.</translation>
    </message>
    <message>
        <source>Değer çok uzun: en fazla %1 karakter girilebilir.</source>
        <translation>Value too long: at most %1 characters can be entered.</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>Siyah</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Kahverengi</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>Kırmızı</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Turuncu</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Sarı</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Yeşil</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Mavi</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Mor</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gri</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Beyaz</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Altın</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Gümüş</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Pembe</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Renksiz</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>forms</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>photo</name>
    <message>
        <source>Fotoğraf açılamadı: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dosya bulunamadı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dosya okunamıyor: okuma izni yok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dosyanın adı çok uzun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sembolik bağlar döngü kuruyor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dosya okunamıyor (sistem hatası %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bu bir klasör, dosya değil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sıradan bir dosya değil (FIFO, aygıt ya da soket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fotoğraf değil: tanınan bir resim biçimi değil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fotoğraf çok büyük (%1 × %2 piksel); en çok %3 megapiksel okunur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fotoğraf bozuk ya da eksik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resim yok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direnç fotoğrafta çok küçük (%1 piksel): yaklaşarak yeniden çekin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
