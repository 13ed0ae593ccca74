<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr_TR">
<context>
    <name>CombineWindow</name>
    <message>
        <source>Direnç Birleştir</source>
        <translation>Combine Resistors</translation>
    </message>
    <message>
        <source>&amp;Hedef:</source>
        <translation>&amp;Target:</translation>
    </message>
    <message>
        <source>Hedef</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>&amp;Seri:</source>
        <translation>&amp;Series:</translation>
    </message>
    <message>
        <source>Seri</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>En çok &amp;parça:</source>
        <translation>Max. &amp;parts:</translation>
    </message>
    <message>
        <source>En çok parça</source>
        <translation>Maximum parts</translation>
    </message>
    <message>
        <source>&amp;Alt sınır:</source>
        <translation>&amp;Lower limit:</translation>
    </message>
    <message>
        <source>Alt sınır</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Üs&amp;t sınır:</source>
        <translation>&amp;Upper limit:</translation>
    </message>
    <message>
        <source>Üst sınır</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Dışarıda &amp;bırak:</source>
        <translation>Leave &amp;out:</translation>
    </message>
    <message>
        <source>Dışarıda bırak</source>
        <translation>Leave out</translation>
    </message>
    <message>
        <source>&amp;Oran (bölücü)</source>
        <translation>&amp;Ratio (divider)</translation>
    </message>
    <message>
        <source>So&amp;nuçlar:</source>
        <translation>R&amp;esults:</translation>
    </message>
    <message>
        <source>Oran</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Sonuçlar</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>%1 ya da %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Hesaplanıyor…</source>
        <translation>Calculating…</translation>
    </message>
    <message numerus="yes">
        <source>Aralıkta %n %1 değeri.</source>
        <translation>
            <numerusform>%n %1 value in the range.</numerusform>
            <numerusform>%n %1 values in the range.</numerusform>
        </translation>
    </message>
    <message>
        <source>En iyi: %1</source>
        <translation>Best: %1</translation>
    </message>
</context>
<context>
    <name>SmdWindow</name>
    <message>
        <source>SMD Kodu</source>
        <translation>SMD Code</translation>
    </message>
    <message>
        <source>SMD kodu:</source>
        <translation>SMD code:</translation>
    </message>
    <message>
        <source>SMD kodu</source>
        <translation>SMD code</translation>
    </message>
    <message>
        <source>Değer:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
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
    <name>combine</name>
    <message>
        <source>Oran 0 ile 1 arasında bir sayı ya da iki gerilim olmalıdır (örnek: %1; %2).</source>
        <translation>The ratio must be a number between 0 and 1 or two voltages (for example: %1; %2).</translation>
    </message>
    <message>
        <source>Lütfen bir oran ya da iki gerilim giriniz.</source>
        <translation>Please enter a ratio or two voltages.</translation>
    </message>
    <message>
        <source>Dışarıda bırakılacak değer okunamadı: %1</source>
        <translation>Cannot read the value to leave out: %1</translation>
    </message>
    <message>
        <source>Alt sınır sıfırdan büyük olmalıdır.</source>
        <translation>The lower limit must be above zero.</translation>
    </message>
    <message>
        <source>Alt sınır üst sınırdan büyük olamaz.</source>
        <translation>The lower limit cannot be above the upper limit.</translation>
    </message>
    <message>
        <source>Bu aralıkta %1 değeri yok.</source>
        <translation>There is no %1 value in this range.</translation>
    </message>
    <message>
        <source>Aralık çok geniş: alt sınırı büyütünüz ya da üst sınırı küçültünüz.</source>
        <translation>The range is too wide: raise the lower limit or lower the upper limit.</translation>
    </message>
    <message>
        <source>Hedef</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Hedef sıfırdan büyük olmalıdır.</source>
        <translation>The target must be above zero.</translation>
    </message>
    <message>
        <source>Alt sınır</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Üst sınır</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>tam</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>(± % %1: %2 – %3)</source>
        <translation>(± %1 %: %2 – %3)</translation>
    </message>
    <message>
        <source>Bu oran %1 aralığının parçalarıyla yapılamaz: iki parça %2 ile %3 arasını verir.</source>
        <translation>This ratio cannot be made with parts from %1: two parts give %2 to %3.</translation>
    </message>
    <message numerus="yes">
        <source>Hedef (%1) %2 aralığının parçalarıyla yapılamaz: en çok %n parça %3 ile %4 arasını verir.</source>
        <translation>
            <numerusform>The target (%1) cannot be made with parts from %2: at most %n part gives %3 to %4.</numerusform>
            <numerusform>The target (%1) cannot be made with parts from %2: at most %n parts give %3 to %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 tek başına</source>
        <translation>%1 alone</translation>
    </message>
    <message>
        <source>Bu aralıkta %1 değeri olmadığından dışarıda bırakılamadı: %2</source>
        <translation>Cannot leave out what is not an %1 value in this range: %2</translation>
    </message>
    <message>
        <source>Dışarıda bırakılmayan değer kalmadı.</source>
        <translation>Every value is left out.</translation>
    </message>
    <message>
        <source>Hedef bu aralıkla aranamayacak kadar çok basamaklı.</source>
        <translation>The target has too many digits to search for with this range.</translation>
    </message>
    <message>
        <source>Hedefin kendisi (%1) dışarıda bırakıldı.</source>
        <translation>The target itself (%1) is left out.</translation>
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
<context>
    <name>smd</name>
    <message>
        <source>0 Ohm köprü 0, 00, 000 ya da 0000 yazılır</source>
        <translation>a 0 Ohm link is written 0, 00, 000 or 0000</translation>
    </message>
    <message>
        <source>; son hane sıfır sayısıdır</source>
        <translation>; the last digit is the number of zeros</translation>
    </message>
    <message>
        <source>%1 EIA-96 kodu değil: kodlar 01 ile 96 arasıdır</source>
        <translation>%1 is not an EIA-96 code: the codes run from 01 to 96</translation>
    </message>
    <message>
        <source>%1 EIA-96 harfi değil: Z Y X A B C D E F (R, S, H ikinci yazım)</source>
        <translation>%1 is not an EIA-96 letter: Z Y X A B C D E F (R, S, H as second spellings)</translation>
    </message>
    <message>
        <source>alt çizgi</source>
        <translation>underline</translation>
    </message>
    <message>
        <source>4 haneli kod</source>
        <translation>4-digit code</translation>
    </message>
    <message>
        <source>%1 kodu</source>
        <translation>%1 code</translation>
    </message>
    <message>
        <source>3 haneli</source>
        <translation>3-digit</translation>
    </message>
    <message>
        <source>3 haneli, altı çizili</source>
        <translation>3-digit, underlined</translation>
    </message>
    <message>
        <source>eski 3 haneli</source>
        <translation>old 3-digit</translation>
    </message>
    <message>
        <source>4 haneli</source>
        <translation>4-digit</translation>
    </message>
    <message>
        <source>R ondalık</source>
        <translation>R decimal</translation>
    </message>
    <message>
        <source>makara etiketi</source>
        <translation>reel label</translation>
    </message>
    <message>
        <source>0 Ohm köprü</source>
        <translation>0 Ohm link</translation>
    </message>
    <message>
        <source>3 haneli kod: %1</source>
        <translation>3-digit code: %1</translation>
    </message>
    <message>
        <source>3 haneli kod, altı çizili: %1</source>
        <translation>3-digit code, underlined: %1</translation>
    </message>
    <message>
        <source>eski kod: %1 %2 (%3 = %2)</source>
        <translation>old code: %1 %2 (%3 = %2)</translation>
    </message>
    <message>
        <source>4 haneli kod: %1</source>
        <translation>4-digit code: %1</translation>
    </message>
    <message>
        <source>R ondalık: %1 = %2</source>
        <translation>R decimal: %1 = %2</translation>
    </message>
    <message>
        <source>makara etiketi: E = Ohm</source>
        <translation>reel label: E = Ohm</translation>
    </message>
    <message>
        <source>bağlantı: tolerans ve standart değer yok</source>
        <translation>link: no tolerance and no standard value</translation>
    </message>
    <message>
        <source>8 ya da 9 ile biten 3 haneli kod iki türlü okunur: eski cihazlarda 8 = %1, 9 = %2</source>
        <translation>a 3-digit code ending in 8 or 9 reads two ways: on old equipment 8 = %1, 9 = %2</translation>
    </message>
    <message>
        <source>çizgi değeri değiştirmez: E96&apos;da olmayan E24 değerli ± % %1 parçayı gösterir</source>
        <translation>the bar does not change the value: it marks a ± %1 % part of an E24 value not in E96</translation>
    </message>
    <message>
        <source>sonda R makara etiketi yazımıdır: %1 = %2</source>
        <translation>an R at the end is how reel labels write ohms: %1 = %2</translation>
    </message>
    <message>
        <source>%1, %2 harfinin ikinci yazımıdır (%3)</source>
        <translation>%1 is a second spelling of the letter %2 (%3)</translation>
    </message>
    <message>
        <source>; bir üreticinin föyü H&apos;yi × 10⁷ için kullanır</source>
        <translation>; one maker&apos;s data sheet uses H for × 10⁷</translation>
    </message>
    <message>
        <source>R ondalık okuması da aynı değeri verir</source>
        <translation>read as R decimal it gives the same value</translation>
    </message>
    <message>
        <source>parça üzerinde EIA-96 okunur: üreticiler %1&apos;u %2 yazar</source>
        <translation>on a part it reads as EIA-96: makers write %1 as %2</translation>
    </message>
    <message>
        <source>parça üzerinde EIA-96 okunur; makara etiketlerinde E, Ohm yerine yazılır (%1 = %2)</source>
        <translation>on a part it reads as EIA-96; reel labels write E for Ohm (%1 = %2)</translation>
    </message>
    <message>
        <source>SMD kodu boş</source>
        <translation>the SMD code is empty</translation>
    </message>
    <message>
        <source>SMD kodu en çok 4 karakterdir; bu metin çok uzun</source>
        <translation>an SMD code has at most 4 characters; this text is too long</translation>
    </message>
    <message>
        <source>tanınmayan karakter: %1</source>
        <translation>unknown character: %1</translation>
    </message>
    <message>
        <source>Ω yalnızca kodun sonunda yazılabilir</source>
        <translation>Ω can only be written at the end of the code</translation>
    </message>
    <message>
        <source>alt çizgi değeri değiştirmez; ondalık için R kullanın: %1</source>
        <translation>an underline does not change the value; use R for a decimal point: %1</translation>
    </message>
    <message>
        <source>nokta ve virgül SMD kodunda olmaz; ondalık için R kullanın: %1</source>
        <translation>an SMD code has no point or comma; use R for a decimal point: %1</translation>
    </message>
    <message>
        <source>0 Ohm köprünün toleransı yoktur: çizgi yalnızca değerli 3 haneli kodda olur</source>
        <translation>a 0 Ohm link has no tolerance: the bar goes only under a 3-digit code with a value</translation>
    </message>
    <message>
        <source>%1 %2 karakter: SMD kodları 3 ya da 4 karakterdir</source>
        <translation>%1 has %2 characters: SMD codes have 3 or 4 characters</translation>
    </message>
    <message>
        <source>%1: SMD kodları 3 ya da 4 karakterdir; %2</source>
        <translation>%1: SMD codes have 3 or 4 characters; %2</translation>
    </message>
    <message>
        <source>çizgi yalnızca 3 haneli kodda olur (± % %1); %2 3 haneli değil</source>
        <translation>the bar goes only under a 3-digit code (± %1 %); %2 is not 3 digits</translation>
    </message>
    <message>
        <source>%1: anlamlı haneler %2, değer sıfır; %3</source>
        <translation>%1: significant digits %2, the value is zero; %3</translation>
    </message>
    <message>
        <source>%1; %2 bir değer yazımıdır, SMD kodu değil</source>
        <translation>%1; %2 is a value written out, not an SMD code</translation>
    </message>
    <message>
        <source>R ondalık işaretidir, bir kez yazılır: %1</source>
        <translation>R is the decimal point and is written once: %1</translation>
    </message>
    <message>
        <source>%1 0 Ohm verir; %2</source>
        <translation>%1 gives 0 Ohm; %2</translation>
    </message>
    <message>
        <source>K, M ve G değer yazımıdır (4K7), SMD kodunda olmaz; ondalık yalnızca R ile yazılır</source>
        <translation>K, M and G belong to values written out (4K7), not to SMD codes; a decimal point is written only as R</translation>
    </message>
    <message>
        <source>%1 bilinen bir SMD kodu biçimi değil (472, 4701, 4R7, 01C)</source>
        <translation>%1 is not a known SMD code format (472, 4701, 4R7, 01C)</translation>
    </message>
    <message>
        <source>3 haneli kod iki anlamlı hane taşır</source>
        <translation>a 3-digit code holds two significant digits</translation>
    </message>
    <message>
        <source>4 haneli kod üç anlamlı hane taşır</source>
        <translation>a 4-digit code holds three significant digits</translation>
    </message>
    <message>
        <source>3 haneli kodla en çok %1 yazılır</source>
        <translation>a 3-digit code writes at most %1</translation>
    </message>
    <message>
        <source>4 haneli kodla en çok %1 yazılır</source>
        <translation>a 4-digit code writes at most %1</translation>
    </message>
    <message>
        <source>3 haneli kodun en küçüğü %1</source>
        <translation>the smallest 3-digit code is %1</translation>
    </message>
    <message>
        <source>4 haneli kodun en küçüğü %1</source>
        <translation>the smallest 4-digit code is %1</translation>
    </message>
    <message>
        <source>3 haneli kod R&apos;den sonra en çok %1 hane taşır</source>
        <translation>a 3-digit code holds at most %1 digits after R</translation>
    </message>
    <message>
        <source>4 haneli kod R&apos;den sonra en çok %1 hane taşır</source>
        <translation>a 4-digit code holds at most %1 digits after R</translation>
    </message>
    <message>
        <source>E96&apos;da yok</source>
        <translation>not in E96</translation>
    </message>
    <message>
        <source>EIA-96 yalnızca %1 ile %2 arasını yazar</source>
        <translation>EIA-96 only writes %1 to %2</translation>
    </message>
    <message>
        <source>0 Ohm köprünün EIA-96 kodu yok; 0 ya da 00 yazılır</source>
        <translation>a 0 Ohm link has no EIA-96 code; it is written 0 or 00</translation>
    </message>
    <message>
        <source>eski cihazlarda %1 okunur</source>
        <translation>read as %1 on old equipment</translation>
    </message>
    <message>
        <source>Tolerans: ± % %1 (%2)</source>
        <translation>Tolerance: ± %1 % (%2)</translation>
    </message>
    <message>
        <source>Tolerans: kodda yok; standart değer ± % %1 ile değerlendirildi</source>
        <translation>Tolerance: not in the code; standard value judged at ± %1 %</translation>
    </message>
    <message>
        <source>Tolerans: kodda yok</source>
        <translation>Tolerance: not in the code</translation>
    </message>
    <message>
        <source>İkinci okuma: %1 (%2)</source>
        <translation>Second reading: %1 (%2)</translation>
    </message>
    <message>
        <source>%1, altı çizili: ± % %2</source>
        <translation>%1, underlined: ± %2 %</translation>
    </message>
</context>
</TS>
