<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr_TR">
<context>
    <name>CapacitorWindow</name>
    <message>
        <source>Kondansatör Kodu</source>
        <translation>Capacitor Code</translation>
    </message>
    <message>
        <source>Kondansatör kodu:</source>
        <translation>Capacitor code:</translation>
    </message>
    <message>
        <source>Kondansatör kodu</source>
        <translation>Capacitor code</translation>
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
    <name>InductorWindow</name>
    <message>
        <source>Bobin Renk Kodu</source>
        <translation>Inductor Colour Code</translation>
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
        <source>Üçüncü bant</source>
        <translation>Third band</translation>
    </message>
    <message>
        <source>Dördüncü bant</source>
        <translation>Fourth band</translation>
    </message>
    <message>
        <source>Beşinci bant</source>
        <translation>Fifth band</translation>
    </message>
    <message>
        <source>Bant sayısı:</source>
        <translation>Band count:</translation>
    </message>
    <message>
        <source>Bant sayısı</source>
        <translation>Band count</translation>
    </message>
    <message>
        <source>Değer:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>5 bant (askeri)</source>
        <translation>5 bands (military)</translation>
    </message>
    <message>
        <source>%1 bant</source>
        <translation>%1 bands</translation>
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
    <name>capacitor</name>
    <message>
        <source>üç tablo</source>
        <translation>three tables</translation>
    </message>
    <message>
        <source>bir tablo</source>
        <translation>one table</translation>
    </message>
    <message>
        <source>bir okur yorumu</source>
        <translation>one reader&apos;s comment</translation>
    </message>
    <message>
        <source>tek kaynak</source>
        <translation>one source</translation>
    </message>
    <message>
        <source>dört tablo</source>
        <translation>four tables</translation>
    </message>
    <message>
        <source>tek tablo</source>
        <translation>one table</translation>
    </message>
    <message>
        <source>10 pF altında %1 yüzde olarak: %2 (%3)</source>
        <translation>below 10 pF, %1 as a percentage: %2 (%3)</translation>
    </message>
    <message>
        <source>10 pF altında %1: %2 (%3)</source>
        <translation>below 10 pF, %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 yüzde olarak: iki tabloda %2</source>
        <translation>%1 as a percentage: %2 in two tables</translation>
    </message>
    <message>
        <source>%1 iki tabloda %2</source>
        <translation>%1 = %2 in two tables</translation>
    </message>
    <message>
        <source>%1 tek kaynakta</source>
        <translation>%1 in one source only</translation>
    </message>
    <message>
        <source>%1 bir tabloda %2</source>
        <translation>%1 = %2 in one table</translation>
    </message>
    <message>
        <source>%1&apos;yi hiçbir tablo vermez</source>
        <translation>no table gives %1</translation>
    </message>
    <message>
        <source>%1 öteki harf kodlarında kullanılmaz</source>
        <translation>%1 is not used in the other letter codes</translation>
    </message>
    <message>
        <source>%1 = %2 (%3 ≈ %4, %5)</source>
        <translation>%1 = %2 (%3 ≈ %4, %5)</translation>
    </message>
    <message>
        <source>%1 = %2 (%3 = %4, %5)</source>
        <translation>%1 = %2 (%3 = %4, %5)</translation>
    </message>
    <message>
        <source>%1 yalnız EIA-198-D&apos;yi aktaran tabloda</source>
        <translation>%1 only in the table quoting EIA-198-D</translation>
    </message>
    <message>
        <source>%1 yalnız EIA-198-D&apos;yi aktaran tabloda; öteki tablo %2&apos;ı %3 yazar</source>
        <translation>%1 only in the table quoting EIA-198-D; the other table writes %2 as %3</translation>
    </message>
    <message>
        <source>%1 iki tabloda; EIA-198-D&apos;yi aktaran tablo %2&apos;ı %3 yazar</source>
        <translation>%1 in two tables; the table quoting EIA-198-D writes %2 as %3</translation>
    </message>
    <message>
        <source>%1 = %2 (iki tablo)</source>
        <translation>%1 = %2 (two tables)</translation>
    </message>
    <message>
        <source>%1 = %2 (EIA-198-D&apos;yi aktaran tablo)</source>
        <translation>%1 = %2 (the table quoting EIA-198-D)</translation>
    </message>
    <message>
        <source>m = mili (mF)</source>
        <translation>m = milli (mF)</translation>
    </message>
    <message>
        <source>büyük M bir dirençte mega okunur (4M7 = 4,7 MΩ); burada mili sayıldı</source>
        <translation>a capital M reads as mega on a resistor (4M7 = 4,7 MΩ); taken as milli here</translation>
    </message>
    <message>
        <source>büyük %1: IEC küçük %2 yazar; parçalarda görülür</source>
        <translation>capital %1: IEC writes a small %2; seen on parts</translation>
    </message>
    <message>
        <source>3 haneli</source>
        <translation>3-digit</translation>
    </message>
    <message>
        <source>R ondalık</source>
        <translation>R decimal</translation>
    </message>
    <message>
        <source>harf kodu</source>
        <translation>letter code</translation>
    </message>
    <message>
        <source>3 haneli kod: %1 %2 pF</source>
        <translation>3-digit code: %1 %2 pF</translation>
    </message>
    <message>
        <source>düz değer: %1 pF</source>
        <translation>plain value: %1 pF</translation>
    </message>
    <message>
        <source>1-2 haneli: değer pF olarak</source>
        <translation>1 or 2 digits: the value in pF</translation>
    </message>
    <message>
        <source>R ondalık (pF): %1 = %2 pF</source>
        <translation>R decimal (pF): %1 = %2 pF</translation>
    </message>
    <message>
        <source>R ondalık (µF): %1 = %2 µF</source>
        <translation>R decimal (µF): %1 = %2 µF</translation>
    </message>
    <message>
        <source>harf kodu: %1 birim ve ondalık yerinde</source>
        <translation>letter code: %1 is the unit, in place of the decimal mark</translation>
    </message>
    <message>
        <source>EIA-198: %1 = %2, %3 = %4 pF</source>
        <translation>EIA-198: %1 = %2, %3 = %4 pF</translation>
    </message>
    <message>
        <source>SMD tantal: %1 pF kodu, %2 = %3</source>
        <translation>SMD tantalum: %1 pF code, %2 = %3</translation>
    </message>
    <message>
        <source>film baskısı: %1 µF, %2 tolerans, %3 V</source>
        <translation>film print: %1 µF, %2 tolerance, %3 V</translation>
    </message>
    <message>
        <source>SMD tantal: %1 gerilim harfi, %2</source>
        <translation>SMD tantalum: %1 voltage letter, %2</translation>
    </message>
    <message>
        <source>%1 = %2: bazı üreticilerde</source>
        <translation>%1 = %2: with some makers</translation>
    </message>
    <message>
        <source>iki tabloda %1 = × 10%2</source>
        <translation>in two tables %1 = × 10%2</translation>
    </message>
    <message>
        <source>7 = × 10⁷ tantallarda (107 = 100 µF); iki tablo seramikte 7&apos;yi kullanılmaz sayar</source>
        <translation>7 = × 10⁷ on tantalums (107 = 100 µF); two tables count 7 as unused on ceramics</translation>
    </message>
    <message>
        <source>son 0 sıfır eklemez: %1 = %2</source>
        <translation>a last 0 adds no zero: %1 = %2</translation>
    </message>
    <message>
        <source>bir sayfa 0 ile bitenleri düz değer sayar</source>
        <translation>one page takes codes ending in 0 as plain values</translation>
    </message>
    <message>
        <source>elektrolitik ya da tantalda R µF ondalığı olabilir (bir kit kılavuzu)</source>
        <translation>on an electrolytic or tantalum R may be a µF decimal point (one kit manual)</translation>
    </message>
    <message>
        <source>%1 mutlak (pF) okundu; 10 pF üstünde olağan dışıdır</source>
        <translation>%1 read as absolute (pF); unusual above 10 pF</translation>
    </message>
    <message>
        <source>gerilim kodu olmadan</source>
        <translation>without a voltage code</translation>
    </message>
    <message>
        <source>9 = %1 (iki tablo; ikisi 9&apos;u hiç vermez)</source>
        <translation>9 = %1 (two tables; two give no 9 at all)</translation>
    </message>
    <message>
        <source>burada 8 = × 10⁸; 3 haneli kodda 8 = %1</source>
        <translation>here 8 = × 10⁸; in a 3-digit code 8 = %1</translation>
    </message>
    <message>
        <source>R ondalık olarak da okunur</source>
        <translation>also reads as an R decimal</translation>
    </message>
    <message>
        <source>harf kodu olarak da okunur</source>
        <translation>also reads as a letter code</translation>
    </message>
    <message>
        <source>ilk harf üretici: %1 = %2</source>
        <translation>first letter is the maker: %1 = %2</translation>
    </message>
    <message>
        <source>%1 = %2 (tantal gerilim harfi)</source>
        <translation>%1 = %2 (tantalum voltage letter)</translation>
    </message>
    <message>
        <source>bu harfin gerilimi seriye göre değişir: veri sayfasına bakın</source>
        <translation>this letter&apos;s voltage depends on the series: see the data sheet</translation>
    </message>
    <message>
        <source>tantal okuması: %1 gerilim harfi</source>
        <translation>tantalum reading: %1 is the voltage letter</translation>
    </message>
    <message>
        <source>seramik okuması; bu değerde mutlak tolerans olağan dışı</source>
        <translation>ceramic reading; an absolute tolerance is unusual at this value</translation>
    </message>
    <message>
        <source>%1 tolerans harfidir, kilo değil</source>
        <translation>%1 is a tolerance letter, not kilo</translation>
    </message>
    <message>
        <source>bir dirençte %1 harf kodu başka bir değerdir</source>
        <translation>on a resistor the letter code %1 is another value</translation>
    </message>
    <message>
        <source>iki anlamlı hane taşır</source>
        <translation>two significant digits only</translation>
    </message>
    <message>
        <source>en küçüğü %1 pF (108)</source>
        <translation>the smallest is %1 pF (108)</translation>
    </message>
    <message>
        <source>en büyüğü 990 µF (997)</source>
        <translation>the largest is 990 µF (997)</translation>
    </message>
    <message>
        <source>%1 = %2 bazı üreticilerde; iki tablo %1&apos;i × 10%3 okur</source>
        <translation>%1 = %2 with some makers; two tables read %1 as × 10%3</translation>
    </message>
    <message>
        <source>7 tantallarda kullanılır</source>
        <translation>7 is used on tantalums</translation>
    </message>
    <message>
        <source>son 0 sıfır eklemez</source>
        <translation>a last 0 adds no zero</translation>
    </message>
    <message>
        <source>yalnız 10 pF altında</source>
        <translation>below 10 pF only</translation>
    </message>
    <message>
        <source>R kodu en çok iki hane taşır</source>
        <translation>an R code carries at most two digits</translation>
    </message>
    <message>
        <source>harf kodu en çok %1 hane taşır</source>
        <translation>a letter code carries at most %1 digits</translation>
    </message>
    <message>
        <source>ASCII ile: %1</source>
        <translation>in ASCII: %1</translation>
    </message>
    <message>
        <source>EIA-198 tablolarında yok</source>
        <translation>not in the EIA-198 tables</translation>
    </message>
    <message>
        <source>Tantal: şerit = +. Alüminyum elektrolitik: şerit = −.</source>
        <translation>Tantalum: stripe = +. Aluminium electrolytic: stripe = −.</translation>
    </message>
    <message>
        <source>kondansatör kodu en çok %1 karakterdir; bu metin çok uzun</source>
        <translation>a capacitor code has at most %1 characters; this text is too long</translation>
    </message>
    <message>
        <source>tanınmayan karakter: %1</source>
        <translation>unknown character: %1</translation>
    </message>
    <message>
        <source>kondansatör kodu boş</source>
        <translation>the capacitor code is empty</translation>
    </message>
    <message>
        <source>%1: EIA-198&apos;de I ve O kullanılmaz (bir not dosyasındaki I = 2,2 ve O = 3,3 J ve N&apos;nin yanlış yazımıdır)</source>
        <translation>%1: EIA-198 does not use I and O (the I = 2,2 and O = 3,3 of one notes file are misprints of J and N)</translation>
    </message>
    <message>
        <source>%1: değer sıfır olamaz</source>
        <translation>%1: the value cannot be zero</translation>
    </message>
    <message>
        <source>gerilim iki kez yazılmış: %1</source>
        <translation>voltage written twice: %1</translation>
    </message>
    <message>
        <source>%1 bilinen bir kondansatör kodu değil (104, 4n7, 2A474J, S3, 3R9)</source>
        <translation>%1 is not a known capacitor code (104, 4n7, 2A474J, S3, 3R9)</translation>
    </message>
    <message>
        <source>± % %1</source>
        <translation>± %1 %</translation>
    </message>
    <message>
        <source>+ % %1 / − % %2</source>
        <translation>+ %1 % / − %2 %</translation>
    </message>
    <message>
        <source>tantal</source>
        <translation>tantalum</translation>
    </message>
    <message>
        <source>Aynı değer: %1</source>
        <translation>Same value: %1</translation>
    </message>
    <message>
        <source>Tolerans: %1</source>
        <translation>Tolerance: %1</translation>
    </message>
    <message>
        <source>kodda yok</source>
        <translation>not in the code</translation>
    </message>
    <message>
        <source>Gerilim: %1 (harfi tartışmalı; başka okumaya bakın)</source>
        <translation>Voltage: %1 (its letter is disputed; see the other reading)</translation>
    </message>
    <message>
        <source>Gerilim: %1</source>
        <translation>Voltage: %1</translation>
    </message>
    <message>
        <source>Gerilim: harfi tartışmalı; okumalara bakın</source>
        <translation>Voltage: its letter is disputed; see the readings</translation>
    </message>
    <message>
        <source>Tantal okuması</source>
        <translation>Tantalum reading</translation>
    </message>
    <message>
        <source>Başka okuma: %1 (%2)</source>
        <translation>Other reading: %1 (%2)</translation>
    </message>
    <message>
        <source>E-serisi: hiçbirinde değil</source>
        <translation>E series: in none</translation>
    </message>
    <message>
        <source>E-serisi: %1</source>
        <translation>E series: %1</translation>
    </message>
    <message>
        <source>metin çok uzun: bir kapasite değeri en çok %1 karakterdir</source>
        <translation>text too long: a capacitance has at most %1 characters</translation>
    </message>
    <message>
        <source>metin çok uzun: bir endüktans değeri en çok %1 karakterdir</source>
        <translation>text too long: an inductance has at most %1 characters</translation>
    </message>
    <message>
        <source>tanınmayan karakter: “%1”</source>
        <translation>unknown character: “%1”</translation>
    </message>
    <message>
        <source>kapasite değeri boş</source>
        <translation>the capacitance is empty</translation>
    </message>
    <message>
        <source>endüktans değeri boş</source>
        <translation>the inductance is empty</translation>
    </message>
    <message>
        <source>M büyük harfle mega okunur; mili için küçük m yazın (4m7)</source>
        <translation>a capital M reads as mega; write a small m for milli (4m7)</translation>
    </message>
    <message>
        <source>birim ön eki bir kez yazılır: “%1”</source>
        <translation>the unit prefix is written once: “%1”</translation>
    </message>
    <message>
        <source>birim gerekli: p, n, µ (u) ya da m; örnek: %1, 100nF</source>
        <translation>unit needed: p, n, µ (u) or m; for example %1, 100nF</translation>
    </message>
    <message>
        <source>birim gerekli: n, µ (u) ya da m; örnek: %1, 270u</source>
        <translation>unit needed: n, µ (u) or m; for example %1, 270u</translation>
    </message>
    <message>
        <source>ön ek ondalık işaretinin yerindeyken ayrıca “%1” yazılmaz</source>
        <translation>with the prefix in place of the decimal mark, “%1” is not written too</translation>
    </message>
    <message>
        <source>ondalık işareti “%1”; “%2” kullanılmaz</source>
        <translation>the decimal mark is “%1”; “%2” is not used</translation>
    </message>
    <message>
        <source>“%1” bir sayı değil</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>“%1” bir kapasite değeri değil</source>
        <translation>“%1” is not a capacitance</translation>
    </message>
    <message>
        <source>“%1” bir endüktans değeri değil</source>
        <translation>“%1” is not an inductance</translation>
    </message>
    <message>
        <source>değer sıfır olamaz</source>
        <translation>the value cannot be zero</translation>
    </message>
    <message>
        <source>en çok %1 anlamlı hane okunur</source>
        <translation>at most %1 significant digits are read</translation>
    </message>
    <message>
        <source>değer çok küçük: en az %1</source>
        <translation>value too small: at least %1</translation>
    </message>
    <message>
        <source>değer çok büyük: en çok %1</source>
        <translation>value too large: at most %1</translation>
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
    <name>forms</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>inductor</name>
    <message>
        <source>%1 çarpanı iki tabloda var; biri Sarı&apos;da durur</source>
        <translation>%1 as a multiplier in two tables; one stops at Yellow</translation>
    </message>
    <message>
        <source>%1 çarpanı yalnız bir tabloda</source>
        <translation>%1 as a multiplier in one table only</translation>
    </message>
    <message>
        <source>Altın ondalık noktasıdır (bir tablo; bir başkası bunu anmaz)</source>
        <translation>Gold is the decimal point (one table; another does not mention it)</translation>
    </message>
    <message>
        <source>Altın ondalık noktasıdır</source>
        <translation>Gold is the decimal point</translation>
    </message>
    <message>
        <source>bir kaynağın metni askeri biçimde Altın × 0,01, Gümüş × 0,1 okur</source>
        <translation>one source&apos;s text reads Gold × 0,01, Silver × 0,1 in the military form</translation>
    </message>
    <message>
        <source>tolerans bandı yok: ± % 20</source>
        <translation>no tolerance band: ± 20 %</translation>
    </message>
    <message>
        <source>Siyah tolerans: ± % 20 (bir tablo)</source>
        <translation>Black tolerance: ± 20 % (one table)</translation>
    </message>
    <message>
        <source>iki tabloda Siyah tolerans vermez</source>
        <translation>in two tables Black gives no tolerance</translation>
    </message>
    <message>
        <source>bir üretici sayfası bantları nH okur</source>
        <translation>one maker&apos;s page reads the bands in nH</translation>
    </message>
    <message>
        <source>değer sıfır</source>
        <translation>the value is zero</translation>
    </message>
    <message>
        <source>iki anlamlı hane taşır</source>
        <translation>two significant digits only</translation>
    </message>
    <message>
        <source>en küçüğü 0,01 µH (Siyah Kahverengi Gümüş)</source>
        <translation>the smallest is 0,01 µH (Black Brown Silver)</translation>
    </message>
    <message>
        <source>en büyük çarpan Beyaz (× 10⁹)</source>
        <translation>the largest multiplier is White (× 10⁹)</translation>
    </message>
    <message>
        <source>10 µH altında ondalıktan sonra bir hane</source>
        <translation>below 10 µH, one digit after the decimal point</translation>
    </message>
    <message>
        <source>1 µH altında ondalıktan sonra iki hane</source>
        <translation>below 1 µH, two digits after the decimal point</translation>
    </message>
    <message>
        <source>bu çarpanın rengi yok</source>
        <translation>no colour for this multiplier</translation>
    </message>
    <message>
        <source>± % %1</source>
        <translation>± %1 %</translation>
    </message>
    <message>
        <source>tolerans yok</source>
        <translation>no tolerance</translation>
    </message>
    <message>
        <source>SMD bobin noktaları seriye özgüdür: değer her serinin veri sayfasındadır (noktalar nH okunur, 10 nH altında seriden seriye değişir)</source>
        <translation>SMD inductor dots belong to their series: the value is in each series&apos; data sheet (the dots read in nH, and below 10 nH they differ from series to series)</translation>
    </message>
    <message>
        <source>%1 bant: %2%3 × %4</source>
        <translation>%1 bands: %2%3 × %4</translation>
    </message>
    <message>
        <source>askeri 5 bant: 0,%1%2</source>
        <translation>military 5 bands: 0,%1%2</translation>
    </message>
    <message>
        <source>askeri 5 bant: %1,%2</source>
        <translation>military 5 bands: %1,%2</translation>
    </message>
    <message>
        <source>askeri 5 bant: %1%2 × %3</source>
        <translation>military 5 bands: %1%2 × %3</translation>
    </message>
    <message>
        <source>bobin 3, 4 ya da 5 bant taşır; verilen %1</source>
        <translation>an inductor has 3, 4 or 5 bands; given %1</translation>
    </message>
    <message>
        <source>%1. bant: %2 bobinde okunmaz</source>
        <translation>band %1: %2 is not read on an inductor</translation>
    </message>
    <message>
        <source>%1. bant: %2 rakam olamaz</source>
        <translation>band %1: %2 cannot be a digit</translation>
    </message>
    <message>
        <source>%1. bant: %2 çarpan olamaz</source>
        <translation>band %1: %2 cannot be a multiplier</translation>
    </message>
    <message>
        <source>5 bantlı askeri biçimde 1. bant çift genişlikte Gümüş olur; verilen %1</source>
        <translation>in the 5-band military form band 1 is a double-width Silver; given %1</translation>
    </message>
    <message>
        <source>askeri biçimin 2.–4. bantları değer taşır</source>
        <translation>bands 2–4 of the military form carry the value</translation>
    </message>
    <message>
        <source>askeri biçimin 5. bandı toleranstır</source>
        <translation>band 5 of the military form is the tolerance</translation>
    </message>
    <message>
        <source>%1. bant: %2 bobinde tolerans rengi değil (Kahverengi, Kırmızı, Turuncu, Sarı, Altın, Gümüş, Siyah)</source>
        <translation>band %1: %2 is no tolerance colour on an inductor (Brown, Red, Orange, Yellow, Gold, Silver, Black)</translation>
    </message>
    <message>
        <source>Tolerans: %1</source>
        <translation>Tolerance: %1</translation>
    </message>
    <message>
        <source>Başka okuma: %1  %2 (%3)</source>
        <translation>Other reading: %1  %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 + tolerans bandı</source>
        <translation>%1: %2 + tolerance band</translation>
    </message>
    <message>
        <source>4 bant</source>
        <translation>4 bands</translation>
    </message>
    <message>
        <source>Askeri 5 bant</source>
        <translation>Military 5 bands</translation>
    </message>
    <message>
        <source>Tolerans bandı: Kahverengi ± % 1, Kırmızı ± % 2, Turuncu ± % 3, Sarı ± % 4, Altın ± % 5, Gümüş ± % 10, yok ± % 20</source>
        <translation>Tolerance band: Brown ± 1 %, Red ± 2 %, Orange ± 3 %, Yellow ± 4 %, Gold ± 5 %, Silver ± 10 %, none ± 20 %</translation>
    </message>
    <message>
        <source>E-serisi: E6, E12, E24&apos;te değil</source>
        <translation>E series: not in E6, E12, E24</translation>
    </message>
    <message>
        <source>E-serisi: %1</source>
        <translation>E series: %1</translation>
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
    <message>
        <source>Birinci uç seçili: %1.</source>
        <translation>First end selected: %1.</translation>
    </message>
    <message>
        <source>İkinci uç seçili: %1.</source>
        <translation>Second end selected: %1.</translation>
    </message>
</context>
<context>
    <name>photo::PhotoWindow</name>
    <message>
        <source>Fotoğraftan Oku</source>
        <translation>Read from a Photo</translation>
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
        <translation>Opens the colours the doubtful bands may be in the Unsure of a Colour window</translation>
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
