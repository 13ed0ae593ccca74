#include "capacitor/capacitortext.h"
#include "capacitor/quantity.h"
#include "capreference.h"
#include "colorcode/exactvalue.h"

#include <QTest>

#include <span>

using colorcode::ExactValue;
using namespace capacitor;

namespace
{

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale pointLocale(QLocale::English, QLocale::UnitedStates);

// "4.7", "100000": the test's own spelling of a value in pF.
ExactValue pf(const QString &text)
{
    QString digits = text;
    int power = 0;
    if (const qsizetype point = digits.indexOf(u'.'); point >= 0) {
        power = -int(digits.size() - 1 - point);
        digits.remove(point, 1);
    }
    return colorcode::normalised({digits.toStdString(), power});
}

// A value as the test spells it: "4.7", "100000".
QString spelled(const ExactValue &value)
{
    const ExactValue n = colorcode::normalised(value);
    QString digits = QString::fromStdString(n.digits);
    if (n.powerOfTen >= 0)
        return digits + QString(n.powerOfTen, u'0');
    const int decimals = -n.powerOfTen;
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals - digits.size() + 1, u'0'));
    return digits.left(digits.size() - decimals) + u'.' + digits.right(decimals);
}

QString spelled(const std::optional<Tolerance> &t)
{
    if (!t)
        return {};
    const auto number = [](std::int32_t hundredths) {
        return hundredths ? spelled(ExactValue{std::to_string(hundredths), -2})
                          : QStringLiteral("0");
    };
    const QString plus = number(t->plusHundredths);
    switch (t->kind) {
    case Tolerance::Kind::Percent:
        return plus + u'%';
    case Tolerance::Kind::Picofarads:
        return plus + QStringLiteral("pF");
    case Tolerance::Kind::Asymmetric:
        return u'+' + plus + u'-' + number(t->minusHundredths) + u'%';
    }
    return {};
}

QString spelledVolts(const std::optional<std::int64_t> &v)
{
    return v ? spelled(ExactValue{std::to_string(*v), -2}) : QString();
}

// "470000|5%|100": value, tolerance and volts of a reading.
QString spelled(const Reading &r)
{
    return spelled(r.picofarads) + u'|' + spelled(r.tolerance) + u'|' +
           spelledVolts(r.voltsHundredths);
}

const Readings *readingsOf(const MarkingReading &reading)
{
    return std::get_if<Readings>(&reading);
}

QString refusalOf(const MarkingReading &reading)
{
    const auto *refusal = std::get_if<Refusal>(&reading);
    return refusal ? refusalText(*refusal) : QString();
}

bool readsAs(const Readings &readings, const ExactValue &value)
{
    return std::any_of(readings.readings.begin(), readings.readings.end(), [&](const Reading &r) {
        return r.picofarads == colorcode::normalised(value);
    });
}

std::optional<QString> codeOf(const ExactValue &value, const QString &name)
{
    for (const Marking &m : markingsFor(value))
        if (formName(m.form) == name)
            return m.code;
    return std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(capacitor::RefusalKind)
Q_DECLARE_METATYPE(QList<capacitor::NoteKind>)

class TestCapacitorMarking : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void disputed_data();
    void disputed();
    void refusals_data();
    void refusals();
    void quantityRefusals_data();
    void quantityRefusals();
    void threeDigitCodes();
    void e24Values();
    void eia198Letters();
    void voltageCodes();
    void lines_data();
    void lines();
    void notes_data();
    void notes();
    void markingLines_data();
    void markingLines();
    void letterCodes_data();
    void letterCodes();
    void quantities_data();
    void quantities();
};

void TestCapacitorMarking::workedExamples_data()
{
    // The reference's worked examples, value in pF, tolerance and volts of
    // the likeliest reading, and a second value that must be among the
    // readings where the reference names one.
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("picofarads");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("also");
    const auto row = [](const char *marking, const char *pF, const char *tol, const char *volts,
                        const char *shown, const char *also = "") {
        QTest::newRow(marking) << QString::fromUtf8(marking) << QString::fromUtf8(pF)
                               << QString::fromUtf8(tol) << QString::fromUtf8(volts)
                               << QString::fromUtf8(shown) << QString::fromUtf8(also);
    };
    row("104", "100000", "", "", "100 nF");
    row("103", "10000", "", "", "10 nF");
    row("472", "4700", "", "", "4,7 nF");
    row("471", "470", "", "", "470 pF");
    row("470", "47", "", "", "47 pF", "470");
    row("100", "10", "", "", "10 pF", "100");
    row("221", "220", "", "", "220 pF");
    row("224", "220000", "", "", "220 nF");
    row("474J", "470000", "5%", "", "470 nF");
    row("105", "1000000", "", "", "1 µF");
    row("476", "47000000", "", "", "47 µF");
    row("107", "100000000", "", "", "100 µF");
    row("478", "0.47", "", "", "0,47 pF", "4700000000");
    row("479", "4.7", "", "", "4,7 pF", "47000000000");
    row("109", "1", "", "", "1 pF", "10000000000");
    row("339", "3.3", "", "", "3,3 pF");
    row("3R9", "3.9", "", "", "3,9 pF", "3900000");
    row("0R5", "0.5", "", "", "0,5 pF");
    row("R50", "0.5", "", "", "0,5 pF");
    row("2R2", "2.2", "", "", "2,2 pF", "2200000");
    row("1R5C", "1.5", "0.25pF", "", "1,5 pF");
    row("2p2B", "2.2", "0.1pF", "", "2,2 pF");
    row("p47", "0.47", "", "", "0,47 pF");
    row("4p7", "4.7", "", "", "4,7 pF");
    row("5p6", "5.6", "", "", "5,6 pF");
    row("4n7", "4700", "", "", "4,7 nF");
    row("4N7", "4700", "", "", "4,7 nF");
    row("n47", "470", "", "", "470 pF");
    row("47n", "47000", "", "", "47 nF");
    row("4µ7", "4700000", "", "", "4,7 µF");
    row("4μ7 (Greek mu)", "4700000", "", "", "4,7 µF");
    row("4u7", "4700000", "", "", "4,7 µF");
    row("4m7", "4700000000", "", "", "4,7 mF");
    row(".1K63", "100000", "10%", "63", "100 nF");
    row("1K63", "1000000", "10%", "63", "1 µF");
    row("104J", "100000", "5%", "", "100 nF");
    row("2A474J", "470000", "5%", "100", "470 nF");
    row("103J2A", "10000", "5%", "100", "10 nF");
    row("2A105K", "1000000", "10%", "100", "1 µF");
    row("2A 105K", "1000000", "10%", "100", "1 µF");
    row("1H203K", "20000", "10%", "50", "20 nF");
    row("224Z", "220000", "+80-20%", "", "220 nF");
    row("3L102K", "1000", "10%", "1200", "1 nF");
    row("1N104K", "100000", "10%", "75", "100 nF");
    row("2E 4n7J", "4700", "5%", "250", "4,7 nF");
    row("105K 330V", "1000000", "10%", "330", "1 µF");
    row("S3", "4700", "", "", "4,7 nF");
    row("J5", "220000", "", "", "220 nF");
    row("A1", "10", "", "", "10 pF");
    row("T6", "5100000", "", "", "5,1 µF");
    row("KA2", "100", "", "", "100 pF");
    row("NA5", "100000", "", "", "100 nF");
    row("S9", "0.47", "", "", "0,47 pF");
    row("A8", "100000000", "", "", "100 µF");
    row("W4", "68000", "", "", "68 nF");
    row("a2", "250", "", "", "250 pF");
    row("e3", "4500", "", "", "4,5 nF");
    row("b3", "3500", "", "", "3,5 nF", "3000");
    row("g2", "900", "", "", "900 pF");
    row("n2", "700", "", "", "700 pF", "200");
    row("m3", "6000", "", "", "6 nF", "300000000");
    row("A475", "4700000", "", "10", "4,7 µF");
    row("107C", "100000000", "", "16", "100 µF");
    row("47", "47", "", "", "47 pF");
    row("C0805 part numbers are no marking: 221 stays pF", "220", "", "", "220 pF");
}

void TestCapacitorMarking::workedExamples()
{
    QFETCH(QString, marking);
    QFETCH(QString, picofarads);
    QFETCH(QString, tolerance);
    QFETCH(QString, volts);
    QFETCH(QString, shown);
    QFETCH(QString, also);
    QString text = marking.section(u' ', 0, 0) == marking ? marking : marking;
    if (marking.contains(QStringLiteral("(Greek mu)")))
        text = QStringLiteral("4μ7");
    else if (marking.startsWith(QStringLiteral("C0805")))
        text = QStringLiteral("221");
    const MarkingReading reading = readMarking(text);
    const Readings *readings = readingsOf(reading);
    QVERIFY2(readings, qPrintable(refusalOf(reading)));
    const Reading &first = readings->readings.front();
    QCOMPARE(spelled(first.picofarads), picofarads);
    QCOMPARE(spelled(first.tolerance), tolerance);
    QCOMPARE(spelledVolts(first.voltsHundredths), volts);
    QCOMPARE(decodeLines(reading, turkish).front(), shown);
    if (!also.isEmpty())
        QVERIFY2(readsAs(*readings, pf(also)),
                 qPrintable(decodeLines(reading, turkish).join(u'\n')));
}

void TestCapacitorMarking::disputed_data()
{
    // Where the sources disagree, every reading is listed, the likelier
    // first: "value|tolerance|volts" as the test spells them.
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<bool>("voltsDisputed");
    QTest::newRow("8 as x 0,01 or x 10^8")
        << "478" << QStringList{"0.47||", "4700000000||"} << false;
    QTest::newRow("9 as x 0,1 or x 10^9") << "109" << QStringList{"1||", "10000000000||"} << false;
    QTest::newRow("last 0 or a plain value") << "470" << QStringList{"47||", "470||"} << false;
    QTest::newRow("R in pF or uF") << "2R2" << QStringList{"2.2||", "2200000||"} << false;
    QTest::newRow("R05 in uF") << "R05" << QStringList{"0.05||", "50000||"} << false;
    QTest::newRow("B absolute or percent")
        << "104B" << QStringList{"100000|0.1pF|", "100000|0.1%|"} << false;
    QTest::newRow("C three ways") << "1R5C"
                                  << QStringList{"1.5|0.25pF|", "1500000|0.25pF|", "1.5|0.2pF|",
                                                 "1.5|0.25%|"}
                                  << false;
    QTest::newRow("D absolute or percent")
        << "4R7D" << QStringList{"4.7|0.5pF|", "4700000|0.5pF|", "4.7|0.5%|"} << false;
    QTest::newRow("E") << "104E" << QStringList{"100000|0.5%|", "100000|0.25%|"} << false;
    QTest::newRow("F below 10 pF") << "4p7F" << QStringList{"4.7|1pF|", "4.7|1%|"} << false;
    QTest::newRow("F from 10 pF") << "101F" << QStringList{"100|1%|"} << false;
    QTest::newRow("G below 10 pF") << "1p0G" << QStringList{"1|2pF|", "1|2%|"} << false;
    QTest::newRow("H") << "104H" << QStringList{"100000|3%|", "100000|2.5%|"} << false;
    QTest::newRow("N") << "103N" << QStringList{"10000|30%|", "10000|0.05%|"} << false;
    QTest::newRow("Q one source") << "104Q" << QStringList{"100000|+30-10%|"} << false;
    QTest::newRow("P") << "104P" << QStringList{"100000|+100-0%|"} << false;
    QTest::newRow("3L as 1200 V first")
        << "3L102K" << QStringList{"1000|10%|1200", "1000|10%|5500"} << true;
    QTest::newRow("0L as 5,5 V first")
        << "0L104K" << QStringList{"100000|10%|5.5", "100000|10%|1.2"} << true;
    QTest::newRow("1N as 75 V") << "1N104K"
                                << QStringList{"100000|10%|75", "100000|10%|15", "1104|10%|"}
                                << true;
    QTest::newRow("3N as 1500 V first")
        << "3N102K" << QStringList{"1000|10%|1500", "1000|10%|7500", "3102|10%|"} << true;
    QTest::newRow("T one comment")
        << "2T104K" << QStringList{"100000|10%|150", "100000|10%|"} << true;
    QTest::newRow("I one source") << "2I104K" << QStringList{"100000|10%|650", "100000|10%|"}
                                  << true;
    QTest::newRow("tantalum or ceramic, 100 uF")
        << "107C"
        << QStringList{"100000000||16", "100000000|0.25pF|", "100000000|0.2pF|", "100000000|0.25%|"}
        << false;
    QTest::newRow("ceramic or tantalum, 100 nF")
        << "104C" << QStringList{"100000|0.25pF|", "100000|0.2pF|", "100000|0.25%|", "100000||16"}
        << false;
    QTest::newRow("tantalum letter without a source")
        << "B475" << QStringList{"4700000||"} << false;
    QTest::newRow("b two tables") << "b3" << QStringList{"3500||", "3000||"} << false;
    QTest::newRow("n EIA-198 or letter code") << "n2" << QStringList{"700||", "200||"} << false;
    QTest::newRow("m EIA-198 or letter code")
        << "m3" << QStringList{"6000||", "300000000||"} << false;
    QTest::newRow("N upper case both ways") << "N2" << QStringList{"330||", "200||"} << false;
    QTest::newRow("R EIA-198 or decimal")
        << "R5" << QStringList{"430000||", "0.5||", "500000||"} << false;
    QTest::newRow("R0: no zero as R decimal") << "R0" << QStringList{"4.3||"} << false;
    QTest::newRow("y one table") << "y2" << QStringList{"900||"} << false;
    QTest::newRow("c one table") << "c2" << QStringList{"350||"} << false;
}

void TestCapacitorMarking::disputed()
{
    QFETCH(QString, marking);
    QFETCH(QStringList, readings);
    QFETCH(bool, voltsDisputed);
    const MarkingReading reading = readMarking(marking);
    const Readings *found = readingsOf(reading);
    QVERIFY2(found, qPrintable(refusalOf(reading)));
    QStringList got;
    for (const Reading &r : found->readings)
        got << spelled(r);
    QCOMPARE(got, readings);
    QCOMPARE(capacitor::voltsDisputed(*found), voltsDisputed);
    // Every reading but the first says why it is there.
    for (std::size_t i = 1; i < found->readings.size(); ++i)
        QVERIFY2(!found->readings[i].notes.empty(), qPrintable(got.join(u' ')));
}

void TestCapacitorMarking::refusals_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("says");
    QTest::addColumn<RefusalKind>("kind");
    QTest::newRow("empty") << "  "
                           << "boş" << RefusalKind::Empty;
    QTest::newRow("I unused") << "I3"
                              << "“I3”: EIA-198'de I ve O" << RefusalKind::IOInEia198;
    QTest::newRow("O unused") << "KO3"
                              << "I ve O" << RefusalKind::IOInEia198;
    QTest::newRow("zero") << "000"
                          << "“000”: değer sıfır" << RefusalKind::ZeroValue;
    QTest::newRow("unknown") << "4x7"
                             << "“4x7” bilinen bir kondansatör kodu değil"
                             << RefusalKind::UnknownCode;
    QTest::newRow("sign") << "104+"
                          << "tanınmayan karakter: “+”" << RefusalKind::UnknownCharacter;
    QTest::newRow("too long") << QString(65, u'1') << "çok uzun" << RefusalKind::TextTooLong;
    // A long word is quoted to its first 40 characters.
    QTest::newRow("60 characters quoted to 40")
        << QString(60, u'x')
        << QStringLiteral("“") + QString(40, u'x') + QStringLiteral("…” bilinen")
        << RefusalKind::UnknownCode;
    QTest::newRow("60 characters with volts twice")
        << QStringLiteral("2A474J ") + QString(49, u'7') + QStringLiteral("V")
        << QStringLiteral("“2A474J") + QString(34, u'7') + QStringLiteral("…” bilinen")
        << RefusalKind::UnknownCode;
    QTest::newRow("volts twice") << "2A474J 100V"
                                 << "iki kez yazılmış: “2A474J 100V”" << RefusalKind::VoltsTwice;
    QTest::newRow("upper M without digits is tolerance") << "M"
                                                         << "bilinen" << RefusalKind::UnknownCode;
}

void TestCapacitorMarking::refusals()
{
    QFETCH(QString, marking);
    QFETCH(QString, says);
    QFETCH(RefusalKind, kind);
    const MarkingReading reading = readMarking(marking);
    const auto *refusal = std::get_if<Refusal>(&reading);
    QVERIFY(refusal);
    QCOMPARE(refusal->kind, kind);
    const QString text = refusalText(*refusal);
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY2(!text.contains(QString(41, u'x')), qPrintable(text));
}

void TestCapacitorMarking::quantityRefusals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("says");
    QTest::newRow("two prefixes") << "4n7p"
                                  << "bir kez yazılır: “4n7p”";
    QTest::newRow("60 characters quoted to 40")
        << QStringLiteral("1") + QString(58, u'x') + QStringLiteral("n")
        << QStringLiteral("“1") + QString(39, u'x') +
               QStringLiteral("…” bir kapasite değeri değil");
    QTest::newRow("60 characters, two prefixes")
        << QStringLiteral("4n") + QString(57, u'7') + QStringLiteral("p")
        << QStringLiteral("bir kez yazılır: “4n") + QString(38, u'7') + QStringLiteral("…”");
    QTest::newRow("60 characters, two marks")
        << QStringLiteral("1,") + QString(56, u'2') + QStringLiteral(",n")
        << QStringLiteral("“1,") + QString(38, u'2') + QStringLiteral("…” bir sayı değil");
    // The example keeps its digit after the decimal mark.
    QTest::newRow("no unit") << "100"
                             << "birim gerekli: p, n, µ (u) ya da m; örnek: 4,7n, 100nF";
}

void TestCapacitorMarking::quantityRefusals()
{
    QFETCH(QString, typed);
    QFETCH(QString, says);
    const auto read = quantity::readQuantity(typed, quantity::Kind::Capacitance, u',');
    const auto *refusal = std::get_if<QString>(&read);
    QVERIFY(refusal);
    QVERIFY2(refusal->contains(says), qPrintable(*refusal));
}

void TestCapacitorMarking::threeDigitCodes()
{
    // Every three-digit code: DD × 10^M, 8 and 9 as × 0,01 and × 0,1 first.
    for (int dd = 1; dd <= 99; ++dd)
        for (int m = 0; m <= 9; ++m) {
            const QString code = QString::number(dd).rightJustified(2, u'0') + QString::number(m);
            const int power = m == 8 ? -2 : m == 9 ? -1 : m;
            const ExactValue expected = colorcode::normalised({std::to_string(dd), power});
            const MarkingReading reading = readMarking(code);
            const Readings *readings = readingsOf(reading);
            QVERIFY2(readings, qPrintable(code));
            QCOMPARE(readings->readings.front().picofarads, expected);
            if (m >= 8)
                QVERIFY2(readsAs(*readings, {std::to_string(dd), m}), qPrintable(code));
            // Back again: the same code where the first digit is no zero.
            if (dd >= 10)
                QCOMPARE(codeOf(expected, QStringLiteral("3 haneli")), std::optional(code));
        }
}

void TestCapacitorMarking::e24Values()
{
    // Every E24 value from 0,1 pF to 99 µF: each marking it gets reads back
    // as the value.
    for (int power = -2; power <= 6; ++power)
        for (const int mantissa : {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91}) {
            const ExactValue value = colorcode::normalised({std::to_string(mantissa), power});
            const QString name = spelled(value);
            int codes = 0;
            for (const Marking &m : markingsFor(value)) {
                if (!m.code)
                    continue;
                for (const QString &code : m.code->split(QStringLiteral(", "))) {
                    const MarkingReading reading = readMarking(code);
                    const Readings *readings = readingsOf(reading);
                    QVERIFY2(readings, qPrintable(name + u' ' + code + u' ' + refusalOf(reading)));
                    if (m.form == MarkingForm::Eia198)
                        QVERIFY2(readsAs(*readings, value), qPrintable(name + u' ' + code));
                    else
                        QCOMPARE(readings->readings.front().picofarads, value);
                    ++codes;
                }
            }
            // A three-digit code, a letter code and an EIA-198 code at least.
            QVERIFY2(codes >= 3, qPrintable(name));
        }
}

void TestCapacitorMarking::eia198Letters()
{
    const auto value = [](int mantissa, int digit) {
        return colorcode::normalised({std::to_string(mantissa), digit == 9 ? -2 : digit - 1});
    };
    for (const auto &table : {std::span<const capreference::Letter>(capreference::eiaUpper),
                              std::span<const capreference::Letter>(capreference::eiaLower)})
        for (const capreference::Letter &l : table)
            for (int digit = 0; digit <= 9; ++digit) {
                const QString code = QChar::fromLatin1(l.letter) + QString::number(digit);
                const ExactValue expected = value(l.mantissa, digit);
                const MarkingReading reading = readMarking(code);
                const Readings *readings = readingsOf(reading);
                QVERIFY2(readings, qPrintable(code));
                QVERIFY2(readsAs(*readings, expected), qPrintable(code));
                if (table.size() == capreference::eiaUpper.size()) {
                    QCOMPARE(readings->readings.front().picofarads, expected);
                    // With a maker's letter before it, the same value.
                    const MarkingReading withMaker = readMarking(u'K' + code);
                    const Readings *kemet = readingsOf(withMaker);
                    QVERIFY(kemet);
                    QVERIFY2(kemet->readings.front().picofarads == expected,
                             qPrintable(code + u' ' + spelled(kemet->readings.front())));
                }
                const std::optional<QString> codes = codeOf(expected, QStringLiteral("EIA-198"));
                QVERIFY2(codes && codes->split(QStringLiteral(", ")).contains(code),
                         qPrintable(code));
            }
}

void TestCapacitorMarking::voltageCodes()
{
    for (int digit = 0; digit <= 3; ++digit)
        for (const capreference::Letter &l : capreference::voltageLetters) {
            const QString code = QString::number(digit) + QChar::fromLatin1(l.letter);
            std::int64_t volts = l.mantissa;
            for (int i = 0; i < digit; ++i)
                volts *= 10;
            QCOMPARE(consensusVolts(code), std::optional(volts));
            QCOMPARE(voltageCodeFor(volts), std::optional(code));
            // Before and after a code with a tolerance.
            for (const QString &marking :
                 {code + QStringLiteral("104K"), QStringLiteral("104K") + code}) {
                const MarkingReading reading = readMarking(marking);
                const Readings *readings = readingsOf(reading);
                QVERIFY2(readings, qPrintable(marking));
                QVERIFY2(readings->readings.front().voltsHundredths == std::optional(volts),
                         qPrintable(marking));
                QVERIFY2(readings->readings.front().picofarads == pf(QStringLiteral("100000")),
                         qPrintable(marking));
            }
        }
    QCOMPARE(consensusVolts(QStringLiteral("4A")), std::nullopt);
    QCOMPARE(consensusVolts(QStringLiteral("2L")), std::nullopt);
}

void TestCapacitorMarking::lines_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QStringList>("contains");
    QTest::addColumn<bool>("english");
    QTest::newRow("104 in three units")
        << "104" << QStringList{"100 nF", "Aynı değer: 100000 pF = 100 nF = 0,1 µF"} << false;
    QTest::newRow("2A474J") << "2A474J" << QStringList{"Tolerans: ± % 5", "Gerilim: 100 V"}
                            << false;
    QTest::newRow("9 names some makers")
        << "109" << QStringList{"9 = × 0,1: bazı üreticilerde", "Başka okuma: 10 mF"} << false;
    QTest::newRow("tantalum warns of its stripe")
        << "A475"
        << QStringList{"Tantal: şerit = +. Alüminyum elektrolitik: şerit = −.", "Gerilim: 10 V"}
        << false;
    QTest::newRow("disputed volts")
        << "3L102K" << QStringList{"Gerilim: 1200 V (harfi tartışmalı"} << false;
    QTest::newRow("asymmetric") << "224Z" << QStringList{"Tolerans: + % 80 / − % 20"} << false;
    QTest::newRow("tantalum letter without a source")
        << "B475" << QStringList{"veri sayfasına"} << false;
    QTest::newRow("a point under English")
        << "109" << QStringList{"9 = × 0.1: bazı üreticilerde", "Aynı değer: 1 pF = 0.001 nF"}
        << true;
    QTest::newRow("table decimals under English")
        << "1N104K" << QStringList{"N = 7.5", "N = 1.5"} << true;
    // Every kind of note, worded once, under a comma and a point locale.
    QTest::newRow("last 0 adds no zero")
        << "100"
        << QStringList{"3 haneli kod: 10 × 10⁰ pF", "son 0 sıfır eklemez: 100 = 10 pF",
                       "Başka okuma: 100 pF (bir sayfa 0 ile bitenleri düz değer sayar; düz "
                       "değer: 100 pF)"}
        << false;
    QTest::newRow("8 in three digits")
        << "478"
        << QStringList{"3 haneli kod: 47 × 0,01 pF", "8 = × 0,01: bazı üreticilerde",
                       "(iki tabloda 8 = × 10⁸; 3 haneli kod: 47 × 10⁸ pF)"}
        << false;
    QTest::newRow("8 in three digits, English")
        << "478" << QStringList{"3 haneli kod: 47 × 0.01 pF", "8 = × 0.01: bazı üreticilerde"}
        << true;
    QTest::newRow("7 on tantalums")
        << "107" << QStringList{"7 = × 10⁷ tantallarda (107 = 100 µF)"} << false;
    QTest::newRow("R as a µF point")
        << "3R9"
        << QStringList{"R ondalık (pF): 3R9 = 3,9 pF",
                       "Başka okuma: 3,9 µF (elektrolitik ya da tantalda R µF ondalığı olabilir "
                       "(bir kit kılavuzu); R ondalık (µF): 3R9 = 3,9 µF)",
                       "Tantal: şerit = +."}
        << false;
    QTest::newRow("R as a µF point, English")
        << "3R9" << QStringList{"R ondalık (pF): 3R9 = 3.9 pF", "R ondalık (µF): 3R9 = 3.9 µF"}
        << true;
    QTest::newRow("letter code with milli")
        << "4m7" << QStringList{"harf kodu: m birim ve ondalık yerinde", "m = mili (mF)"} << false;
    QTest::newRow("upper-case N") << "4N7"
                                  << QStringList{"büyük N: IEC küçük n yazar; parçalarda görülür"}
                                  << false;
    QTest::newRow("upper-case M, English")
        << "4M7" << QStringList{"büyük M bir dirençte mega okunur (4M7 = 4.7 MΩ)"} << true;
    QTest::newRow("C in one table and as percent")
        << "104C"
        << QStringList{"C bir tabloda ± 0,2 pF", "C yüzde olarak: iki tabloda ± % 0,25",
                       "C mutlak (pF) okundu; 10 pF üstünde olağan dışıdır",
                       "tantal okuması: C gerilim harfi", "SMD tantal: 104 pF kodu, C = 16 V"}
        << false;
    QTest::newRow("C as percent, English")
        << "104C" << QStringList{"C yüzde olarak: iki tabloda ± % 0.25"} << true;
    QTest::newRow("G below 10 pF")
        << "4p7G"
        << QStringList{"10 pF altında G: ± 2 pF (tek tablo)",
                       "10 pF altında G yüzde olarak: ± % 2 (dört tablo)"}
        << false;
    QTest::newRow("F below 10 pF")
        << "4p7F" << QStringList{"10 pF altında F: ± 1 pF (üç tablo)"} << false;
    QTest::newRow("one source") << "104Q" << QStringList{"Q tek kaynakta"} << false;
    QTest::newRow("volts in one reader's reading")
        << "2T104K"
        << QStringList{"2T: T = 1,5 (2T = 150 V, bir okur yorumu)", "2T: T'yi hiçbir tablo vermez"}
        << false;
    QTest::newRow("I used by one source") << "2I104K"
                                          << QStringList{"2I: I = 6,5 (2I = 650 V, tek kaynak)",
                                                         "2I: I öteki harf kodlarında kullanılmaz"}
                                          << false;
    QTest::newRow("N nominal volts, English")
        << "3N104K"
        << QStringList{"3N: N = 1.5 (3N ≈ 1500 V, bir tablo)", "3N: N = 7.5 (1N = 75 V, TDK)"}
        << true;
    QTest::newRow("L in three tables")
        << "0L104K" << QStringList{"0L: L = 5,5 (0L = 5,5 V, üç tablo)"} << false;
    QTest::newRow("read without the voltage code")
        << "1N104K" << QStringList{"(gerilim kodu olmadan"} << false;
    QTest::newRow("b two ways") << "b3"
                                << QStringList{"EIA-198: b = 3,5, 3 = × 10³ pF",
                                               "b = 3,5 (iki tablo)",
                                               "b = 3,0 (EIA-198-D'yi aktaran tablo)"}
                                << false;
    QTest::newRow("g in one table, English")
        << "g2" << QStringList{"g yalnız EIA-198-D'yi aktaran tabloda; öteki tablo 9.0'ı y yazar"}
        << true;
    QTest::newRow("y in two tables")
        << "y2" << QStringList{"y iki tabloda; EIA-198-D'yi aktaran tablo 9,0'ı g yazar"} << false;
    QTest::newRow("c in one table")
        << "c2" << QStringList{"c yalnız EIA-198-D'yi aktaran tabloda"} << false;
    QTest::newRow("EIA-198 9") << "S9"
                               << QStringList{"EIA-198: S = 4,7, 9 = × 0,1 pF",
                                              "9 = × 0,1 (iki tablo; ikisi 9'u hiç vermez)"}
                               << false;
    QTest::newRow("EIA-198 8, English")
        << "A8" << QStringList{"burada 8 = × 10⁸; 3 haneli kodda 8 = × 0.01"} << true;
    QTest::newRow("maker letter") << "NA5" << QStringList{"ilk harf üretici: N = Novacap"} << false;
    QTest::newRow("EIA-198 or R decimal")
        << "R5" << QStringList{"(R ondalık olarak da okunur; R ondalık (pF): R5 = 0,5 pF)"}
        << false;
    QTest::newRow("EIA-198 or letter code")
        << "n2"
        << QStringList{"(harf kodu olarak da okunur; harf kodu: n birim ve ondalık yerinde)"}
        << false;
    QTest::newRow("tantalum volts letter first")
        << "A475"
        << QStringList{"SMD tantal: A gerilim harfi, 3 haneli kod: 47 × 10⁵ pF",
                       "A = 10 V (tantal gerilim harfi)"}
        << false;
    QTest::newRow("tantalum, ceramic reading second")
        << "107C" << QStringList{"seramik okuması; bu değerde mutlak tolerans olağan dışı"}
        << false;
    QTest::newRow("film print") << "1K63"
                                << QStringList{"film baskısı: 1 µF, K tolerans, 63 V",
                                               "K tolerans harfidir, kilo değil",
                                               "bir dirençte 1K63 harf kodu başka bir değerdir"}
                                << false;
    QTest::newRow("film print with a comma, English")
        << "1,5K100" << QStringList{"film baskısı: 1.5 µF, K tolerans, 100 V"} << true;
    QTest::newRow("one or two digits")
        << "47" << QStringList{"1-2 haneli: değer pF olarak"} << false;
}

void TestCapacitorMarking::lines()
{
    QFETCH(QString, marking);
    QFETCH(QStringList, contains);
    QFETCH(bool, english);
    const QLocale locale = english ? pointLocale : turkish;
    const QString text = decodeLines(readMarking(marking), locale).join(u'\n');
    for (const QString &part : contains)
        QVERIFY2(text.contains(part), qPrintable(text));
}

void TestCapacitorMarking::notes_data()
{
    // The notes as data: which kinds a reading carries, in order; reading -1
    // is the marking's own notes.
    using N = NoteKind;
    QTest::addColumn<QString>("marking");
    QTest::addColumn<int>("reading");
    QTest::addColumn<QList<NoteKind>>("kinds");
    QTest::newRow("104: none") << "104" << 0 << QList<N>{};
    QTest::newRow("109 first") << "109" << 0 << QList<N>{N::SomeMakersFactor};
    QTest::newRow("109 second") << "109" << 1 << QList<N>{N::TwoTablesPower};
    QTest::newRow("470 plain") << "470" << 1 << QList<N>{N::PlainValuePage};
    QTest::newRow("tolerance after the value's note")
        << "4m7B" << 0 << QList<N>{N::UnitLetter, N::AbsoluteAbove10pF};
    QTest::newRow("tolerance's second reading keeps its own note only")
        << "478B" << 2 << QList<N>{N::ToleranceReading};
    QTest::newRow("disputed volts first") << "3L102K" << 0 << QList<N>{N::VoltageLetter};
    QTest::newRow("without the voltage code")
        << "1N104K" << 2 << QList<N>{N::WithoutVoltageCode, N::UnitLetter};
    QTest::newRow("b3 second") << "b3" << 1 << QList<N>{N::Eia198LowerCase};
    QTest::newRow("b9") << "b9" << 0 << QList<N>{N::Eia198LowerCase, N::Eia198Nine};
    QTest::newRow("maker") << "KA2" << -1 << QList<N>{N::Maker};
    QTest::newRow("R5 as R decimal, µF")
        << "R5" << 2 << QList<N>{N::AlsoRDecimal, N::RMicrofaradsOnElectrolytics};
    QTest::newRow("tantalum and its warning") << "A475" << -1 << QList<N>{N::Polarity};
    QTest::newRow("tantalum letter without a source") << "B475" << 0 << QList<N>{N::VoltsBySeries};
    QTest::newRow("film print") << "1K63" << 0 << QList<N>{N::ToleranceNotKilo};
    QTest::newRow("film print's own notes") << "1K63" << -1 << QList<N>{N::ResistorLetterCode};
    QTest::newRow("107C tantalum first") << "107C" << 0 << QList<N>{N::TantalumReadingLetter};
    QTest::newRow("107C ceramic") << "107C" << 1
                                  << QList<N>{N::SevenForTantalums, N::AbsoluteAbove10pF,
                                              N::CeramicUnusualTolerance};
}

void TestCapacitorMarking::notes()
{
    QFETCH(QString, marking);
    QFETCH(int, reading);
    QFETCH(QList<NoteKind>, kinds);
    const MarkingReading read = readMarking(marking);
    const Readings *readings = readingsOf(read);
    QVERIFY2(readings, qPrintable(refusalOf(read)));
    QVERIFY(reading < int(readings->readings.size()));
    const std::vector<Note> &notes =
        reading < 0 ? readings->notes : readings->readings[std::size_t(reading)].notes;
    QList<NoteKind> got;
    for (const Note &note : notes)
        got << note.kind;
    QCOMPARE(got, kinds);
}

void TestCapacitorMarking::markingLines_data()
{
    // A value's markings, with the notes on them, under both marks.
    QTest::addColumn<QString>("picofarads");
    QTest::addColumn<QStringList>("contains");
    QTest::addColumn<bool>("english");
    QTest::newRow("4,7 nF") << "4700"
                            << QStringList{"3 haneli: 472", "R ondalık: — (yalnız 10 pF altında)",
                                           "harf kodu: 4n7", "EIA-198: S3"}
                            << false;
    QTest::newRow("below the smallest three-digit code")
        << "0.01" << QStringList{"3 haneli: — (en küçüğü 0,1 pF (108))"} << false;
    QTest::newRow("below the smallest three-digit code, English")
        << "0.01" << QStringList{"3 haneli: — (en küçüğü 0.1 pF (108))"} << true;
    QTest::newRow("above the largest")
        << "1000000000" << QStringList{"3 haneli: — (en büyüğü 990 µF (997))"} << false;
    QTest::newRow("three significant digits")
        << "4750" << QStringList{"3 haneli: — (iki anlamlı hane taşır)"} << false;
    QTest::newRow("8 for 0,01")
        << "0.47"
        << QStringList{"3 haneli: 478 (8 = × 0,01 bazı üreticilerde; iki tablo 8'i × 10⁸ okur)",
                       "R ondalık: R47",
                       "EIA-198: S9 (9 = × 0,1 (iki tablo; ikisi 9'u hiç vermez))"}
        << false;
    QTest::newRow("9 for 0,1, English")
        << "4.7"
        << QStringList{"3 haneli: 479 (9 = × 0.1 bazı üreticilerde; iki tablo 9'i × 10⁹ okur)"}
        << true;
    QTest::newRow("7 on tantalums")
        << "100000000"
        << QStringList{"3 haneli: 107 (7 tantallarda kullanılır)",
                       "harf kodu: 100µ (ASCII ile: 100u)",
                       "EIA-198: A8 (burada 8 = × 10⁸; 3 haneli kodda 8 = × 0,01)"}
        << false;
    QTest::newRow("last 0") << "10" << QStringList{"3 haneli: 100 (son 0 sıfır eklemez)"} << false;
    QTest::newRow("R holds two digits")
        << "4.75" << QStringList{"R ondalık: — (R kodu en çok iki hane taşır)"} << false;
    QTest::newRow("letter code too long")
        << "0.0123456789012" << QStringList{"harf kodu: — (harf kodu en çok 12 hane taşır)"}
        << false;
    QTest::newRow("lower-case letters both tables")
        << "3000" << QStringList{"EIA-198: M3, b3 (b = 3,0 (EIA-198-D'yi aktaran tablo))"} << false;
    QTest::newRow("9,0 two spellings, English")
        << "900"
        << QStringList{"EIA-198: g2, y2 (g yalnız EIA-198-D'yi aktaran tabloda; öteki tablo "
                       "9.0'ı y yazar; y iki tabloda; EIA-198-D'yi aktaran tablo 9.0'ı g yazar)"}
        << true;
    QTest::newRow("no EIA-198 letter")
        << "4750" << QStringList{"EIA-198: — (EIA-198 tablolarında yok)"} << false;
}

void TestCapacitorMarking::markingLines()
{
    QFETCH(QString, picofarads);
    QFETCH(QStringList, contains);
    QFETCH(bool, english);
    const QLocale locale = english ? pointLocale : turkish;
    const QStringList lines = encodeLines(pf(picofarads), locale);
    for (const QString &line : contains)
        QVERIFY2(lines.contains(line), qPrintable(lines.join(u'\n')));
}

void TestCapacitorMarking::letterCodes_data()
{
    QTest::addColumn<QString>("picofarads");
    QTest::addColumn<QString>("code"); // empty: none written
    QTest::newRow("4,7 nF") << "4700"
                            << "4n7";
    QTest::newRow("below 1 pF, the letter first") << "0.82"
                                                  << "p82";
    QTest::newRow("100 µF") << "100000000"
                            << "100µ";
    QTest::newRow("twelve digits, the most a code holds") << "1234.56789012"
                                                          << "1n23456789012";
    QTest::newRow("thirteen digits") << "12345.67890123"
                                     << "";
    QTest::newRow("leading zeros count") << "0.0815950068941"
                                         << "";
}

void TestCapacitorMarking::letterCodes()
{
    QFETCH(QString, picofarads);
    QFETCH(QString, code);
    const std::optional<QString> written = codeOf(pf(picofarads), QStringLiteral("harf kodu"));
    QCOMPARE(written.value_or(QString()), code);
    // What is written reads back as the value.
    if (written) {
        const MarkingReading reading = readMarking(*written);
        const Readings *readings = readingsOf(reading);
        QVERIFY(readings);
        QCOMPARE(readings->readings.front().picofarads, pf(picofarads));
    }
}

void TestCapacitorMarking::quantities_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("picofarads"); // empty: refused
    QTest::newRow("4,7n") << "4,7n"
                          << "4700";
    QTest::newRow("100nF") << "100nF"
                           << "100000";
    QTest::newRow("0,1µ") << "0,1µ"
                          << "100000";
    QTest::newRow("0,1uF") << "0,1uF"
                           << "100000";
    QTest::newRow("4n7") << "4n7"
                         << "4700";
    QTest::newRow("47 pF") << "47 pF"
                           << "47";
    QTest::newRow("1F") << "1F"
                        << "1000000000000";
    QTest::newRow("4,7mF") << "4,7mF"
                           << "4700000000";
    QTest::newRow("point under a comma locale") << "4.7n"
                                                << "";
    QTest::newRow("no unit") << "100"
                             << "";
    QTest::newRow("mega") << "4M7"
                          << "";
    QTest::newRow("zero") << "0n"
                          << "";
    QTest::newRow("two prefixes") << "4n7p"
                                  << "";
    QTest::newRow("too small") << "0,001p"
                               << "";
}

void TestCapacitorMarking::quantities()
{
    QFETCH(QString, typed);
    QFETCH(QString, picofarads);
    const auto read = quantity::readQuantity(typed, quantity::Kind::Capacitance, u',');
    if (picofarads.isEmpty()) {
        QVERIFY(std::holds_alternative<QString>(read));
        return;
    }
    if (const auto *refusal = std::get_if<QString>(&read))
        QFAIL(qPrintable(*refusal));
    QCOMPARE(std::get<ExactValue>(read), pf(picofarads));
}

QTEST_APPLESS_MAIN(TestCapacitorMarking)
#include "tst_capacitormarking.moc"
