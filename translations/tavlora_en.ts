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
