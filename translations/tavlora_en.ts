<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr_TR">
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
    <name>photo</name>
    <message>
        <source>Fotoğraf açılamadı: %1</source>
        <translation>Could not open the photo: %1</translation>
    </message>
    <message>
        <source>dosya bulunamadı</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>dosya okunamıyor: okuma izni yok</source>
        <translation>cannot read the file: no read permission</translation>
    </message>
    <message>
        <source>dosyanın adı çok uzun</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>sembolik bağlar döngü kuruyor</source>
        <translation>symbolic links form a loop</translation>
    </message>
    <message>
        <source>dosya okunamıyor (sistem hatası %1)</source>
        <translation>cannot read the file (system error %1)</translation>
    </message>
    <message>
        <source>bu bir klasör, dosya değil</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>sıradan bir dosya değil (FIFO, aygıt ya da soket)</source>
        <translation>not a regular file (FIFO, device or socket)</translation>
    </message>
    <message>
        <source>fotoğraf değil: tanınan bir resim biçimi değil</source>
        <translation>not a photo: not a known image format</translation>
    </message>
    <message>
        <source>fotoğraf çok büyük (%1 × %2 piksel); en çok %3 megapiksel okunur</source>
        <translation>photo too large (%1 × %2 pixels); at most %3 megapixels are read</translation>
    </message>
    <message>
        <source>fotoğraf bozuk ya da eksik</source>
        <translation>the photo is damaged or incomplete</translation>
    </message>
    <message>
        <source>Resim yok.</source>
        <translation>No image.</translation>
    </message>
    <message>
        <source>Direnç fotoğrafta çok küçük (%1 piksel): yaklaşarak yeniden çekin</source>
        <translation>The resistor is too small in the photo (%1 pixels): take it again from closer</translation>
    </message>
</context>
<context>
    <name>photo::PhotoView</name>
    <message>
        <source>Fotoğraf ve gövdenin uçları</source>
        <translation>Photo and the ends of the body</translation>
    </message>
    <message>
        <source>Fotoğraf yok.</source>
        <translation>No photo.</translation>
    </message>
    <message>
        <source>Gövde bulunamadı.</source>
        <translation>Body not found.</translation>
    </message>
    <message>
        <source>Birinci uç %1; ikinci uç %2.</source>
        <translation>First end %1; second end %2.</translation>
    </message>
    <message>
        <source>Birinci uç seçili. %1 Ok tuşları taşır, Enter yeniden okur.</source>
        <translation>First end selected. %1 The arrow keys move it, Enter reads again.</translation>
    </message>
    <message>
        <source>İkinci uç seçili. %1 Ok tuşları taşır, Enter yeniden okur.</source>
        <translation>Second end selected. %1 The arrow keys move it, Enter reads again.</translation>
    </message>
    <message>
        <source>Fotoğrafı açın, buraya sürükleyip bırakın ya da Ctrl+V ile yapıştırın.</source>
        <translation>Open a photo, drag and drop it here or paste it with Ctrl+V.</translation>
    </message>
</context>
<context>
    <name>photo::PhotoWindow</name>
    <message>
        <source>Fotoğraftan Oku</source>
        <translation>Read from Photo</translation>
    </message>
    <message>
        <source>Aç…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Fotoğraf aç</source>
        <translation>Open photo</translation>
    </message>
    <message>
        <source>Yapıştır</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Panodaki resmi yapıştır</source>
        <translation>Paste the image on the clipboard</translation>
    </message>
    <message>
        <source>Yeniden oku</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>Uçların arasını yeniden oku</source>
        <translation>Read again between the ends</translation>
    </message>
    <message>
        <source>&amp;Okumalar (en olası ilk sırada):</source>
        <translation>&amp;Readings (likeliest first):</translation>
    </message>
    <message>
        <source>Okumalar</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Emin değilim</source>
        <translation>Not sure</translation>
    </message>
    <message>
        <source>Şüpheli bantların olabileceği renkleri Renkten Emin Değilim penceresinde açar</source>
        <translation>Opens the colours the doubtful bands may be in the Not Sure of a Colour window</translation>
    </message>
    <message>
        <source>Kullan</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Seçili okumayı ana pencerede kullan</source>
        <translation>Use the chosen reading in the main window</translation>
    </message>
    <message>
        <source>Bir direnç fotoğrafı açın (JPEG ya da PNG).</source>
        <translation>Open a photo of a resistor (JPEG or PNG).</translation>
    </message>
    <message>
        <source>Okunuyor…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>Direncin gövdesi bulunamadı. Uçları fareyle ya da Sekme ve ok tuşlarıyla gövdenin iki ucuna taşıyıp Enter&apos;a basın.</source>
        <translation>The resistor&apos;s body was not found. Move the ends to the two ends of the body with the mouse, or with Tab and the arrow keys, and press Enter.</translation>
    </message>
    <message>
        <source>Bantlar okunamadı. Uçları gövdenin iki ucuna taşıyıp Enter&apos;a basın.</source>
        <translation>The bands could not be read. Move the ends to the two ends of the body and press Enter.</translation>
    </message>
    <message numerus="yes">
        <source>%n okuma önerildi.</source>
        <translation>
            <numerusform>%n reading proposed.</numerusform>
            <numerusform>%n readings proposed.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (şüpheli)</source>
        <translation>%1 (doubtful)</translation>
    </message>
    <message>
        <source>%1. %2 bant: %3 → %4</source>
        <translation>%1. %2 bands: %3 → %4</translation>
    </message>
    <message>
        <source>  (güven % %1)</source>
        <translation>  (confidence %1 %)</translation>
    </message>
    <message>
        <source>  % %1</source>
        <translation>  %1 %</translation>
    </message>
    <message>
        <source>%1. bant: %2. %3</source>
        <translation>Band %1: %2. %3</translation>
    </message>
    <message>
        <source>Fotoğraflar (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Photos (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>Panoda resim yok.</source>
        <translation>No image on the clipboard.</translation>
    </message>
    <message>
        <source>emin değil</source>
        <translation>not sure</translation>
    </message>
    <message>
        <source>%1. bant</source>
        <translation>Band %1</translation>
    </message>
</context>
</TS>
