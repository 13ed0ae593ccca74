#include "inductor/inductorcode.h"

#include "capacitor/quantity.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"

#include <string>

namespace inductor
{

namespace
{

using colorcode::ExactValue;

ExactValue valueOf(std::string digits, int powerOfTen)
{
    return colorcode::normalised({std::move(digits), powerOfTen});
}

QString uh(const ExactValue &value, const QLocale &locale)
{
    return quantity::quantityText(value, quantity::Kind::Inductance, locale);
}

QString names(const std::vector<Colour> &colours)
{
    QStringList words;
    for (const Colour c : colours)
        words << inductor::colourName(c);
    return words.join(u' ');
}

QString agreementNote(const ColourRow &row)
{
    switch (row.powerAgreement) {
    case Agreement::Two:
        return QStringLiteral("%1 çarpanı iki tabloda var; biri Sarı'da durur")
            .arg(inductor::colourName(row.colour));
    case Agreement::One:
        return QStringLiteral("%1 çarpanı yalnız bir tabloda")
            .arg(inductor::colourName(row.colour));
    default:
        return {};
    }
}

QString joinNotes(const QString &a, const QString &b)
{
    return a.isEmpty() ? b : b.isEmpty() ? a : a + QStringLiteral("; ") + b;
}

// The tolerance band, or why it is none; Siyah is read two ways.
std::variant<std::vector<std::pair<std::optional<std::int32_t>, QString>>, QString>
toleranceOf(Colour colour, int place)
{
    if (colour == Colour::Renksiz)
        return std::vector<std::pair<std::optional<std::int32_t>, QString>>{
            {noBandToleranceHundredths, QStringLiteral("tolerans bandı yok: ± % 20")}};
    const ColourRow *row = rowOf(colour);
    if (!row || !row->toleranceHundredths)
        return QStringLiteral("%1. bant: %2 bobinde tolerans rengi değil (Kahverengi, Kırmızı, "
                              "Turuncu, Sarı, Altın, Gümüş, Siyah)")
            .arg(place)
            .arg(inductor::colourName(colour));
    if (row->toleranceAgreement == Agreement::Disputed)
        return std::vector<std::pair<std::optional<std::int32_t>, QString>>{
            {row->toleranceHundredths, QStringLiteral("Siyah tolerans: ± % 20 (bir tablo)")},
            {std::nullopt, QStringLiteral("iki tabloda Siyah tolerans vermez")}};
    return std::vector<std::pair<std::optional<std::int32_t>, QString>>{
        {row->toleranceHundredths, QString()}};
}

QString notDigit(Colour colour, int place)
{
    return QStringLiteral("%1. bant: %2 rakam olamaz").arg(place).arg(inductor::colourName(colour));
}

} // namespace

QString colourName(Colour colour)
{
    return QString::fromUtf8(colorcode::colourName(colour));
}

QString dotsRefusal()
{
    return QStringLiteral(
        "SMD bobin noktaları seriye özgüdür: değer her serinin veri sayfasındadır "
        "(noktalar nH okunur, 10 nH altında seriden seriye değişir)");
}

BandReading readBands(const std::vector<Colour> &given, const QLocale &locale)
{
    std::vector<Colour> bands = given;
    if (bands.size() == 4 && bands.back() == Colour::Renksiz)
        bands.pop_back();
    if (bands.size() < 3 || bands.size() > 5)
        return QStringLiteral("bobin 3, 4 ya da 5 bant taşır; verilen %1").arg(given.size());
    for (std::size_t i = 0; i + 1 < bands.size(); ++i)
        if (bands[i] == Colour::Renksiz || bands[i] == Colour::Pembe)
            return QStringLiteral("%1. bant: %2 bobinde okunmaz")
                .arg(i + 1)
                .arg(inductor::colourName(bands[i]));

    Readings out{given, {}, {}};
    std::vector<std::pair<ExactValue, QString>> values; // value, note; the likelier first
    QString how;
    Colour toleranceColour = Colour::Renksiz;

    if (bands.size() <= 4) {
        const ColourRow *d1 = rowOf(bands[0]);
        const ColourRow *d2 = rowOf(bands[1]);
        const ColourRow *m = rowOf(bands[2]);
        if (!d1 || !d1->digit)
            return notDigit(bands[0], 1);
        if (!d2 || !d2->digit)
            return notDigit(bands[1], 2);
        if (!m || !m->power)
            return QStringLiteral("3. bant: %1 çarpan olamaz").arg(inductor::colourName(bands[2]));
        values.push_back(
            {valueOf(std::to_string(*d1->digit * 10 + *d2->digit), *m->power), agreementNote(*m)});
        how = QStringLiteral("%1 bant: %2%3 × %4")
                  .arg(bands.size())
                  .arg(*d1->digit)
                  .arg(*d2->digit)
                  .arg(inductor::colourName(bands[2]));
        if (bands.size() == 4)
            toleranceColour = bands[3];
    } else {
        if (bands[0] != Colour::Gumus)
            return QStringLiteral("5 bantlı askeri biçimde 1. bant çift genişlikte Gümüş olur; "
                                  "verilen %1")
                .arg(inductor::colourName(bands[0]));
        toleranceColour = bands[4];
        const ColourRow *b2 = rowOf(bands[1]);
        const ColourRow *b3 = rowOf(bands[2]);
        const ColourRow *b4 = rowOf(bands[3]);
        if (!b2 || !b3 || !b4)
            return QStringLiteral("askeri biçimin 2.–4. bantları değer taşır");
        const QString decimalNote =
            QStringLiteral("Altın ondalık noktasıdır (bir tablo; bir başkası bunu anmaz)");
        if (bands[1] == Colour::Altin) {
            if (!b3->digit)
                return notDigit(bands[2], 3);
            if (!b4->digit)
                return notDigit(bands[3], 4);
            values.push_back(
                {valueOf(std::to_string(*b3->digit * 10 + *b4->digit), -2), decimalNote});
            how = QStringLiteral("askeri 5 bant: 0,%1%2").arg(*b3->digit).arg(*b4->digit);
        } else if (bands[2] == Colour::Altin) {
            if (!b2->digit)
                return notDigit(bands[1], 2);
            if (!b4->digit)
                return notDigit(bands[3], 4);
            values.push_back(
                {valueOf(std::to_string(*b2->digit * 10 + *b4->digit), -1), decimalNote});
            how = QStringLiteral("askeri 5 bant: %1,%2").arg(*b2->digit).arg(*b4->digit);
        } else {
            if (!b2->digit)
                return notDigit(bands[1], 2);
            if (!b3->digit)
                return notDigit(bands[2], 3);
            const std::string digits = std::to_string(*b2->digit * 10 + *b3->digit);
            how = QStringLiteral("askeri 5 bant: %1%2 × %3")
                      .arg(*b2->digit)
                      .arg(*b3->digit)
                      .arg(inductor::colourName(bands[3]));
            if (bands[3] == Colour::Altin || bands[3] == Colour::Gumus) {
                // One table's text reads them the other way round.
                const bool gold = bands[3] == Colour::Altin;
                values.push_back({valueOf(digits, gold ? -1 : -2), {}});
                values.push_back(
                    {valueOf(digits, gold ? -2 : -1),
                     QStringLiteral("bir kaynağın metni askeri biçimde Altın × 0,01, Gümüş × 0,1 "
                                    "okur")});
            } else {
                values.push_back({valueOf(digits, *b4->power), agreementNote(*b4)});
            }
        }
    }
    if (toleranceColour == Colour::Renksiz && bands.size() == 5)
        return QStringLiteral("askeri biçimin 5. bandı toleranstır");
    const auto tolerances = toleranceOf(toleranceColour, int(bands.size()));
    if (const auto *refusal = std::get_if<QString>(&tolerances))
        return *refusal;
    const auto &tol = std::get<0>(tolerances);

    out.readings.push_back({values.front().first, tol.front().first, how,
                            joinNotes(values.front().second, tol.front().second)});
    for (std::size_t i = 1; i < values.size(); ++i)
        out.readings.push_back({values[i].first, tol.front().first, how, values[i].second});
    for (std::size_t i = 1; i < tol.size(); ++i)
        out.readings.push_back({values.front().first, tol[i].first, how, tol[i].second});
    // One maker's page reads the bands in nH.
    const ExactValue &first = values.front().first;
    out.readings.push_back({valueOf(first.digits, first.powerOfTen - 3), tol.front().first, how,
                            QStringLiteral("bir üretici sayfası bantları nH okur")});
    for (Reading &r : out.readings) {
        r.how = quantity::withDecimalMark(r.how, locale);
        r.note = quantity::withDecimalMark(r.note, locale);
    }
    return out;
}

ValueBands fourBandsFor(const ExactValue &microhenries)
{
    const ExactValue n = colorcode::normalised(microhenries);
    const int count = int(n.digits.size());
    if (n.digits.empty())
        return {std::nullopt, QStringLiteral("değer sıfır")};
    if (count > 2)
        return {std::nullopt, QStringLiteral("iki anlamlı hane taşır")};
    const int leading = count - 1 + n.powerOfTen;
    const int power = leading - 1;
    if (power < -2)
        return {std::nullopt, QStringLiteral("en küçüğü 0,01 µH (Siyah Kahverengi Gümüş)")};
    if (power > 9)
        return {std::nullopt, QStringLiteral("en büyük çarpan Beyaz (× 10⁹)")};
    const int dd = QString::fromStdString(n.digits).leftJustified(2, u'0').toInt();
    std::vector<Colour> bands{colourRows[std::size_t(dd / 10)].colour,
                              colourRows[std::size_t(dd % 10)].colour};
    for (const ColourRow &row : colourRows)
        if (row.power == power) {
            bands.push_back(row.colour);
            return {bands, agreementNote(row)};
        }
    return {std::nullopt, {}};
}

ValueBands militaryBandsFor(const ExactValue &microhenries)
{
    const ExactValue n = colorcode::normalised(microhenries);
    const int count = int(n.digits.size());
    if (n.digits.empty())
        return {std::nullopt, QStringLiteral("değer sıfır")};
    if (count > 2)
        return {std::nullopt, QStringLiteral("iki anlamlı hane taşır")};
    const int leading = count - 1 + n.powerOfTen;
    const auto digit = [](int d) { return colourRows[std::size_t(d)].colour; };
    const int dd = QString::fromStdString(n.digits).leftJustified(2, u'0').toInt();
    if (leading >= 1) {
        const int power = leading - 1;
        if (power > 9)
            return {std::nullopt, QStringLiteral("en büyük çarpan Beyaz (× 10⁹)")};
        return {std::vector<Colour>{Colour::Gumus, digit(dd / 10), digit(dd % 10),
                                    colourRows[std::size_t(power)].colour},
                agreementNote(colourRows[std::size_t(power)])};
    }
    const QString note = QStringLiteral("Altın ondalık noktasıdır");
    if (leading == 0) {
        if (n.powerOfTen < -1)
            return {std::nullopt, QStringLiteral("10 µH altında ondalıktan sonra bir hane")};
        return {std::vector<Colour>{Colour::Gumus, digit(dd / 10), Colour::Altin, digit(dd % 10)},
                note};
    }
    if (n.powerOfTen < -2)
        return {std::nullopt, QStringLiteral("1 µH altında ondalıktan sonra iki hane")};
    const int hundredths = leading == -1 ? dd : dd / 10;
    return {std::vector<Colour>{Colour::Gumus, Colour::Altin, digit(hundredths / 10),
                                digit(hundredths % 10)},
            note};
}

QStringList decodeLines(const BandReading &reading, const QLocale &locale)
{
    if (const auto *refusal = std::get_if<QString>(&reading))
        return {*refusal};
    const Readings &r = std::get<Readings>(reading);
    const Reading &first = r.readings.front();
    const auto tolerance = [&locale](const std::optional<std::int32_t> &t) {
        return t ? QStringLiteral("± % ") + colorcode::percentText(*t, locale)
                 : QStringLiteral("tolerans yok");
    };
    QStringList lines{uh(first.microhenries, locale),
                      QStringLiteral("Tolerans: ") + tolerance(first.toleranceHundredths),
                      first.how};
    if (!first.note.isEmpty())
        lines << first.note;
    lines << r.notes;
    for (std::size_t i = 1; i < r.readings.size(); ++i)
        lines << QStringLiteral("Başka okuma: ") + uh(r.readings[i].microhenries, locale) +
                     QStringLiteral("  ") + tolerance(r.readings[i].toleranceHundredths) +
                     QStringLiteral(" (") + r.readings[i].note + u')';
    return lines;
}

QStringList encodeLines(const ExactValue &microhenries, const QLocale &locale)
{
    QStringList lines{uh(microhenries, locale)};
    const auto line = [](const QString &name, const ValueBands &v) {
        if (!v.bands)
            return name + QStringLiteral(": — (") + v.note + u')';
        return name + QStringLiteral(": ") + names(*v.bands) + QStringLiteral(" + tolerans bandı") +
               (v.note.isEmpty() ? QString() : QStringLiteral(" (") + v.note + u')');
    };
    lines << line(QStringLiteral("4 bant"), fourBandsFor(microhenries))
          << line(QStringLiteral("Askeri 5 bant"), militaryBandsFor(microhenries))
          << QStringLiteral("Tolerans bandı: Kahverengi ± % 1, Kırmızı ± % 2, Turuncu ± % 3, "
                            "Sarı ± % 4, Altın ± % 5, Gümüş ± % 10, yok ± % 20");
    for (QString &line : lines)
        line = quantity::withDecimalMark(line, locale);
    QStringList in;
    for (const colorcode::Series s :
         {colorcode::Series::E6, colorcode::Series::E12, colorcode::Series::E24})
        if (colorcode::isInSeries(microhenries, s))
            in << colorcode::seriesName(s);
    lines << (in.isEmpty() ? QStringLiteral("E-serisi: E6, E12, E24'te değil")
                           : QStringLiteral("E-serisi: ") + in.join(QStringLiteral(", ")));
    return lines;
}

} // namespace inductor
