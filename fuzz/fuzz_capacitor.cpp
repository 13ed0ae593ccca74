// Reading capacitor markings, whatever is typed: the reader never crashes or
// reads out of bounds, refuses what holds no marking character, reads the
// plain shapes as the reference says; and every marking the writer gives a
// typed value reads back as that value.
//
// The oracle is its own: the text brought to plain ASCII and matched against
// regular expressions, values worked out from the reference tables as typed
// for the tests (tests/capacitor/capreference.h).
//
// Input: byte 0 chooses the regional format (bit 0: point or comma), UTF-8
// or UTF-16 (bit 1), and whether the rest is a marking or a value to write
// markings for (bit 2).

#include "capacitor/capacitortext.h"
#include "capacitor/quantity.h"
#include "capreference.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

using colorcode::ExactValue;

namespace
{

[[noreturn]] void fail(const char *what, const QString &text, const QString &detail = {})
{
    std::fprintf(stderr, "%s\n  typed: \"%s\"\n  %s\n", what, qPrintable(text), qPrintable(detail));
    std::abort();
}

ExactValue value(int digits, int power)
{
    return colorcode::normalised({std::to_string(digits), power});
}

// The text as plain ASCII: spaces and invisible characters gone, digits of
// any script as 0-9, both micro signs as u; other characters as '?'.
QString plain(const QString &text)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Format ||
            category == QChar::Other_Control)
            continue;
        if (category == QChar::Number_DecimalDigit)
            out += QChar(u'0' + QChar::digitValue(c));
        else if (c == U'\u00B5' || c == U'\u03BC')
            out += u'u';
        else if (c < 0x80 && (QChar::isLetterOrNumber(c) || c == U'.' || c == U','))
            out += QChar(char16_t(c));
        else
            out += u'?';
    }
    return out;
}

void checkMarking(const QString &text, const QLocale &locale)
{
    const capacitor::MarkingReading reading = capacitor::readMarking(text);
    const auto *readings = std::get_if<capacitor::Readings>(&reading);
    const QStringList lines = capacitor::decodeLines(reading, locale);
    if (lines.isEmpty() || lines.front().isEmpty())
        fail("no line", text);
    const QString p = plain(text);
    if (text.size() > 64 || p.isEmpty() || p.contains(u'?')) {
        if (readings)
            fail("read a text with no marking in it", text, lines.join(u'\n'));
        return;
    }
    if (!readings)
        return;
    if (readings->readings.empty())
        fail("readings without a reading", text);
    for (const capacitor::Reading &r : readings->readings)
        if (colorcode::normalised(r.picofarads).digits.empty())
            fail("a reading of zero", text);
    const ExactValue first = readings->readings.front().picofarads;

    static const QRegularExpression three(QStringLiteral("^([0-9]{2})([0-9])$"));
    static const QRegularExpression eia(QStringLiteral("^[A-HJ-NP-Z][0-9]$"));
    static const QRegularExpression letter(QStringLiteral("^([0-9]{1,4})([pnu])([0-9]{1,4})$"));
    if (const auto m = three.match(p); m.hasMatch()) {
        const int m3 = m.captured(2).toInt();
        if (first != value(m.captured(1).toInt(), m3 == 8 ? -2 : m3 == 9 ? -1 : m3))
            fail("three digits read wrong", text, lines.join(u'\n'));
    } else if (eia.match(p).hasMatch()) {
        const int digit = p.at(1).digitValue();
        for (const capreference::Letter &l : capreference::eiaUpper)
            if (p.at(0) == QLatin1Char(l.letter) &&
                first != value(l.mantissa, digit == 9 ? -2 : digit - 1))
                fail("EIA-198 read wrong", text, lines.join(u'\n'));
    } else if (const auto m = letter.match(p);
               m.hasMatch() && p == text.trimmed().replace(u'µ', u'u')) {
        const int shift = m.captured(2) == u"p" ? 0 : m.captured(2) == u"n" ? 3 : 6;
        const QString digits = m.captured(1) + m.captured(3);
        const ExactValue expected =
            colorcode::normalised({digits.toStdString(), shift - int(m.captured(3).size())});
        if (first != expected)
            fail("letter code read wrong", text, lines.join(u'\n'));
    }
}

void checkValue(const QString &text, const QLocale &locale)
{
    const auto typed =
        quantity::readQuantity(text, quantity::Kind::Capacitance, locale.decimalPoint().at(0));
    const auto *v = std::get_if<ExactValue>(&typed);
    if (!v)
        return;
    if (colorcode::normalised(*v).digits.empty())
        fail("a value of zero", text);
    capacitor::encodeLines(*v, locale);
    for (const capacitor::Marking &m : capacitor::markingsFor(*v)) {
        if (!m.code)
            continue;
        for (const QString &code : m.code->split(QStringLiteral(", "))) {
            const auto reading = capacitor::readMarking(code);
            const auto *readings = std::get_if<capacitor::Readings>(&reading);
            if (!readings)
                fail("a written marking is refused", text, code);
            bool found = false;
            for (const capacitor::Reading &r : readings->readings)
                found = found || r.picofarads == colorcode::normalised(*v);
            if (!found || (m.form != capacitor::MarkingForm::Eia198 &&
                           readings->readings.front().picofarads != colorcode::normalised(*v)))
                fail("a written marking reads as another value", text, code);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t options = data[0];
    const QLocale locale = options & 1 ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c();
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const QString text = options & 2
                             ? QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 1),
                                                  qsizetype((size - 1) / 2))
                             : QString::fromUtf8(bytes, qsizetype(size - 1));
    if (options & 4)
        checkValue(text, locale);
    else
        checkMarking(text, locale);
    return 0;
}
