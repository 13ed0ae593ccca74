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
        <translation>Usage: tavlora [OPTION]...
Finds a resistor&apos;s value from its four, five or six colour bands, and the
colour bands from a typed value. Tavlora runs in a desktop session; the
answering options answer in a terminal, without a desktop too.

  -h, --help        show this help and exit
  -v, --version     show version information and exit

Answering options (one per call):
  --bands COLOURS   the value of the colours: &quot;yellow violet red gold&quot;; 3 to 6
                    colours, Turkish or English names, IEC codes (YE VT RD GD);
                    separated by spaces, commas or hyphens; a colour ending in
                    ?, like &quot;red?&quot;, is a band in doubt: every possible reading
      --measured VALUE    measured value (4K7, 1.02k): agreeing readings first
      --meter-error PERCENT  meter error (with --measured; default: 2)
  --value VALUE     the colours of a value: 4K7, 4.7K, R47
      --unit UNIT         Ohm, Kohm or Mohm (default: Ohm)
      --band-count N      4, 5 or 6 (default: 4)
      --tolerance PERCENT 5, 1, 0.25 ... (default: 5)
      --tcr PPM           temperature coefficient on 6 bands (default: 100)
  --smd CODE        the value of an SMD resistor code: 472, 4701, 01C, 4R7
  --smd-for VALUE   the SMD codes of a value (with --unit)
  --cap CODE        the value of a capacitor code: 104, 4n7, 2A474J, S3
  --cap-for VALUE   the capacitor codes of a value: 4.7n, 100nF, 0.1µ
  --inductor COLOURS the value of inductor bands (µH): &quot;red violet brown gold&quot;
  --inductor-for VALUE the inductor bands of a value: 270u, 2.2µH
  --combine TARGET  the series/parallel networks nearest a target value
  --ratio RATIO     the voltage dividers nearest a ratio: 0.66 or &quot;5 3.3&quot;
      --series SERIES     E6, E12, E24, E48, E96, E192, E24+E96 (default: E24)
      --parts N           1, 2 or 3 parts (--combine; default: 2)
      --range LOW-HIGH    range of values: 1K-100K
      --without VALUE     do not use this value; may be repeated
  --photo FILE      the readings of the resistor in a photo, best first
      --ends X1,Y1,X2,Y2  the body&apos;s ends, in the photo&apos;s pixels
  --json            write each answer as one JSON document on one line

Given - in place of an answering option&apos;s value, each line of standard input
is read as an input of its own. Options are written --name VALUE or
--name=VALUE; -- ends the options.

Qt&apos;s own options work too; for example -style NAME,
-platform NAME, -reverse.

Exit status: 0 normally, or when every input was answered; 1 when there is no
desktop session or Qt platform plugin, or when an input was refused; 2 on a
wrong option.
For details and keyboard use: man tavlora
</translation>
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
    <message>
        <source>&quot;%1&quot; okunamadı</source>
        <translation>could not read &quot;%1&quot;</translation>
    </message>
    <message>
        <source>aralık &quot;%1&quot; ALT-ÜST biçiminde yazılmalı (1K-100K gibi)</source>
        <translation>the range &quot;%1&quot; must be written as LOW-HIGH (like 1K-100K)</translation>
    </message>
    <message>
        <source>bu aralıkta uygun bir değer yok</source>
        <translation>no suitable value in this range</translation>
    </message>
    <message>
        <source>renk yok: 3, 4 ya da 5 bant yazın (Kırmızı Mor Kahverengi Altın)</source>
        <translation>no colours: type 3, 4 or 5 bands (Red Violet Brown Gold)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; bir renk adı değil</source>
        <translation>&quot;%1&quot; is not a colour name</translation>
    </message>
    <message>
        <source>%1 ya da %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>rakam</source>
        <translation>digit</translation>
    </message>
    <message>
        <source>çarpan</source>
        <translation>multiplier</translation>
    </message>
    <message>
        <source>tolerans</source>
        <translation>tolerance</translation>
    </message>
    <message>
        <source>sıcaklık katsayısı</source>
        <translation>temperature coefficient</translation>
    </message>
    <message numerus="yes">
        <source>3 ile 6 arasında renk gerekir; %n renk yazıldı</source>
        <translation>
            <numerusform>3 to 6 colours are needed; %n colour given</numerusform>
            <numerusform>3 to 6 colours are needed; %n colours given</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. bant (%2): &quot;%3&quot; bir renk adı değil; bu bant %4 olabilir</source>
        <translation>band %1 (%2): &quot;%3&quot; is not a colour name; this band can be %4</translation>
    </message>
    <message>
        <source>%1. bant (%2): %3 %2 olamaz; bu bant %4 olabilir</source>
        <translation>band %1 (%2): %3 cannot be a %2; this band can be %4</translation>
    </message>
    <message>
        <source>bu renkler bir direnç okuması vermez</source>
        <translation>these colours give no resistor reading</translation>
    </message>
    <message>
        <source>--ends fotoğrafın içinde olur (%1 × %2 piksel); verilen &apos;%3&apos;; yardım için: tavlora --help</source>
        <translation>--ends lie inside the photo (%1 × %2 pixels); given &apos;%3&apos;; for help: tavlora --help</translation>
    </message>
    <message>
        <source>fotoğrafta bir direncin bantları okunamadı</source>
        <translation>no resistor&apos;s bands could be read in the photo</translation>
    </message>
    <message>
        <source>değer almayan seçenek</source>
        <translation>option takes no value</translation>
    </message>
    <message>
        <source>tek bir yanıt seçeneği verilebilir; fazladan</source>
        <translation>only one answering option may be given; extra</translation>
    </message>
    <message>
        <source>bir yanıt seçeneği olmadan verilen seçenek</source>
        <translation>option given without an answering option</translation>
    </message>
    <message>
        <source>--%1 ile kullanılamayan seçenek</source>
        <translation>option not for use with --%1</translation>
    </message>
    <message>
        <source>--unit Ohm, Kohm ya da Mohm olur; verilen</source>
        <translation>--unit is Ohm, Kohm or Mohm; given</translation>
    </message>
    <message>
        <source>--band-count 4, 5 ya da 6 olur; verilen</source>
        <translation>--band-count is 4, 5 or 6; given</translation>
    </message>
    <message>
        <source>--tolerance bantların bir toleransı olur (20, 10, 5, 2, 1, 0,5, 0,25, 0,1, 0,05, 0,02, 0,01); verilen</source>
        <translation>--tolerance is a tolerance of the bands (20, 10, 5, 2, 1, 0.5, 0.25, 0.1, 0.05, 0.02, 0.01); given</translation>
    </message>
    <message>
        <source>--tcr yalnız 6 bantta geçerli (--band-count 6)</source>
        <translation>--tcr applies to 6 bands only (--band-count 6)</translation>
    </message>
    <message>
        <source>--tcr bir sıcaklık katsayısı olur (250, 100, 50, 25, 20, 15, 10, 5, 1); verilen</source>
        <translation>--tcr is a temperature coefficient (250, 100, 50, 25, 20, 15, 10, 5, 1); given</translation>
    </message>
    <message>
        <source>--series E6, E12, E24, E48, E96, E192 ya da E24+E96 olur; verilen</source>
        <translation>--series is E6, E12, E24, E48, E96, E192 or E24+E96; given</translation>
    </message>
    <message>
        <source>--parts 1, 2 ya da 3 olur; verilen</source>
        <translation>--parts is 1, 2 or 3; given</translation>
    </message>
    <message>
        <source>--ends X1,Y1,X2,Y2 biçiminde piksel olur; verilen</source>
        <translation>--ends is pixels in the form X1,Y1,X2,Y2; given</translation>
    </message>
    <message>
        <source>--measured: %1; verilen</source>
        <translation>--measured: %1; given</translation>
    </message>
    <message>
        <source>--meter-error 0 ile 100 arasında bir yüzde olur; verilen</source>
        <translation>--meter-error is a percentage from 0 to 100; given</translation>
    </message>
    <message>
        <source>--meter-error yalnız --measured ile geçerli</source>
        <translation>--meter-error applies with --measured only</translation>
    </message>
    <message>
        <source>tavlora: --%1 değeri %2 bayttan uzun
</source>
        <translation>tavlora: the value of --%1 is longer than %2 bytes
</translation>
    </message>
    <message>
        <source>tavlora: satır %1: </source>
        <translation>tavlora: line %1: </translation>
    </message>
    <message>
        <source>bulunamadı</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>izin yok</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>bir klasör</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>yolundaki bir ad klasör değil</source>
        <translation>a name in its path is not a folder</translation>
    </message>
    <message>
        <source>kapalı</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>aygıtta yer kalmadı</source>
        <translation>no space left on device</translation>
    </message>
    <message>
        <source>disk kotası doldu</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>dosya çok büyük</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>okuyan taraf kapandı</source>
        <translation>the reading end was closed</translation>
    </message>
    <message>
        <source>giriş/çıkış hatası</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>adı çok uzun</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>sembolik bağlar döngü kuruyor</source>
        <translation>symbolic links form a loop</translation>
    </message>
    <message>
        <source>aygıt yok</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>sistem hatası %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>standart girdi okunamadı: %1</source>
        <translation>could not read standard input: %1</translation>
    </message>
    <message>
        <source>satır %1 bayttan uzun; okuma durdu</source>
        <translation>line longer than %1 bytes; reading stopped</translation>
    </message>
    <message>
        <source>girdi metin değil (NUL baytı); okuma durdu</source>
        <translation>the input is not text (a NUL byte); reading stopped</translation>
    </message>
    <message>
        <source>masaüstü oturumu bulunamadı; Tavlora bir masaüstü oturumunda (X11 ya da Wayland) çalışır</source>
        <translation>no desktop session found; Tavlora runs in a desktop session (X11 or Wayland)</translation>
    </message>
    <message>
        <source>Qt başlatılamadı (Qt: %1)</source>
        <translation>Qt could not start (Qt: %1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; adlı Qt platform eklentisi bulundu ama başlatılamadı (Qt: %2)</source>
        <translation>the Qt platform plugin &quot;%1&quot; was found but would not start (Qt: %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; adlı Qt platform eklentisi bulunamadı (Qt: %2)</source>
        <translation>the Qt platform plugin &quot;%1&quot; was not found (Qt: %2)</translation>
    </message>
    <message>
        <source>%1; qt6-wayland paketini kurunuz</source>
        <translation>%1; install the qt6-wayland package</translation>
    </message>
    <message>
        <source>%1; kurulu olanlar: %2</source>
        <translation>%1; installed: %2</translation>
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
        <translation type="unfinished">symbolic links form a loop</translation>
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
