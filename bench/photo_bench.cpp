// How well bands are read from photos: for a folder of photos with a
// labels.csv (file,value_ohms[,bands,...]) and, when given, a file of hand-
// marked body ends (file,x1,y1,x2,y2), the share of photos per source (the
// file name up to its first '-') whose true value is the first reading and
// among the three, with the ends Tavlora finds and with the marked ones, and
// the time per photo (opening and reading). With --verbose, every photo
// read wrong, and the colour pairs mixed up most. With --shrink F, each
// photo is made F times as large and saved again as a JPEG first, marked
// ends with it: how small a body can be and still be read. With --close-up
// K, each photo is cut down to a square K times the marked body's length, or
// the longer side of the part's box, around it (within the photo), and
// enlarged to 800 pixels across: a part filling the frame, as a microscope or
// a phone held close shows it; photos with neither are not counted.
//
//   photo_bench FOLDER [--ends FILE] [--verbose] [--per-photo] [--shrink F | --close-up K]

#include "colorcode/bandtables.h"
#include "colorcode/exactvalue.h"
#include "photo/photoloader.h"
#include "photo/photoreading.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

using colorcode::Colour;

namespace
{

struct Label {
    QString file;
    colorcode::ExactValue value;
    std::vector<Colour> bands;                // empty when not given
    std::optional<std::array<double, 4>> box; // "cx cy w h", fractions of the photo
};

// "4.7", "10000000", "0.47" to an exact value; nothing for anything else.
std::optional<colorcode::ExactValue> exactFrom(const QString &text)
{
    colorcode::ExactValue v;
    int afterPoint = -1;
    for (const QChar c : text.trimmed()) {
        if (c == u'.' && afterPoint < 0) {
            afterPoint = 0;
        } else if (c.isDigit()) {
            v.digits += char(c.unicode());
            if (afterPoint >= 0)
                ++afterPoint;
        } else {
            return std::nullopt;
        }
    }
    if (v.digits.empty())
        return std::nullopt;
    v.powerOfTen = afterPoint > 0 ? -afterPoint : 0;
    return colorcode::normalised(v);
}

std::optional<Colour> colourNamed(const QString &name)
{
    for (const auto &e : colorcode::multiplierList)
        if (name == QString::fromUtf8(e.text))
            return e.colour;
    for (const auto &e : colorcode::toleranceList)
        if (name == QString::fromUtf8(e.text))
            return e.colour;
    return std::nullopt;
}

QString nameOf(Colour c)
{
    return QString::fromUtf8(colorcode::colourName(c));
}

QString bandsText(const std::vector<Colour> &bands)
{
    QStringList names;
    for (const Colour c : bands)
        names << nameOf(c);
    return names.join(u' ');
}

QString valueText(const colorcode::ExactValue &v)
{
    return QString::fromStdString(v.digits.empty() ? "0" : v.digits) + u'e' +
           QString::number(v.powerOfTen);
}

QStringList csvRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList rows = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return rows;
}

std::vector<Label> readLabels(const QString &path)
{
    std::vector<Label> labels;
    const QStringList rows = csvRows(path);
    if (rows.isEmpty())
        return labels;
    const QStringList header = rows.front().trimmed().split(u',');
    const qsizetype fileColumn = header.indexOf(u"file"_qs);
    const qsizetype valueColumn = header.indexOf(u"value_ohms"_qs);
    const qsizetype bandsColumn = header.indexOf(u"bands"_qs);
    const qsizetype boxColumn = header.indexOf(u"box"_qs);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList cells = rows[i].trimmed().split(u',');
        if (fileColumn < 0 || valueColumn < 0 || cells.size() <= std::max(fileColumn, valueColumn))
            continue;
        const auto value = exactFrom(cells[valueColumn]);
        if (!value)
            continue;
        Label label{cells[fileColumn], *value, {}, std::nullopt};
        if (boxColumn >= 0 && boxColumn < cells.size()) {
            const QStringList parts = cells[boxColumn].split(u' ', Qt::SkipEmptyParts);
            if (parts.size() == 4)
                label.box = std::array<double, 4>{
                    QLocale::c().toDouble(parts[0]), QLocale::c().toDouble(parts[1]),
                    QLocale::c().toDouble(parts[2]), QLocale::c().toDouble(parts[3])};
        }
        if (bandsColumn >= 0 && bandsColumn < cells.size())
            for (const QString &name : cells[bandsColumn].split(u' ', Qt::SkipEmptyParts))
                if (const auto c = colourNamed(name))
                    label.bands.push_back(*c);
        labels.push_back(label);
    }
    return labels;
}

std::map<QString, photo::Ends> readEnds(const QString &path)
{
    std::map<QString, photo::Ends> ends;
    const QStringList rows = csvRows(path);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList c = rows[i].trimmed().split(u',');
        if (c.size() < 5)
            continue;
        const auto number = [&c](int k) { return QLocale::c().toDouble(c[k]); };
        ends[c[0]] = {{number(1), number(2)}, {number(3), number(4)}};
    }
    return ends;
}

struct Tally {
    int photos = 0, first = 0, amongThree = 0, tooSmall = 0, boxed = 0, found = 0;
    int honestlySmall = 0; // refused as too small for the part's own size
    double milliseconds = 0, slowest = 0;
};

QString percent(int part, int whole)
{
    return whole ? QString::number(100.0 * part / whole, 'f', 1) + u" %"_qs : u"–"_qs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool verbose = args.removeAll(u"--verbose"_qs) > 0;
    // One line per photo ("photo", own ends; "marked", marked ends): file,
    // body length in photo pixels, found in its box (1, 0, or - without a
    // box), rank of the true value (- when not among the three), too small
    // (1 or 0), the first reading's share and fit, milliseconds taken.
    const bool perPhoto = args.removeAll(u"--per-photo"_qs) > 0;
    QString endsPath;
    if (const qsizetype at = args.indexOf(u"--ends"_qs); at >= 0 && at + 1 < args.size()) {
        endsPath = args[at + 1];
        args.remove(at, 2);
    }
    // A photo made smaller loses what a small part in a photo loses: the
    // size limit, measured on photos that read well at full size.
    double shrink = 1;
    if (const qsizetype at = args.indexOf(u"--shrink"_qs); at >= 0 && at + 1 < args.size()) {
        shrink = QLocale::c().toDouble(args[at + 1]);
        args.remove(at, 2);
    }
    double closeUp = 0;
    if (const qsizetype at = args.indexOf(u"--close-up"_qs); at >= 0 && at + 1 < args.size()) {
        closeUp = QLocale::c().toDouble(args[at + 1]);
        args.remove(at, 2);
    }
    QTemporaryDir shrunkDir;
    QTextStream out(stdout);
    if (args.size() != 1 || !(shrink > 0 && shrink <= 1) || !(closeUp == 0 || closeUp >= 1) ||
        (closeUp > 0 && shrink < 1)) {
        out << "usage: photo_bench FOLDER [--ends FILE] [--verbose] [--per-photo] [--shrink F | "
               "--close-up K]\n";
        return 2;
    }
    const QDir folder(args[0]);
    const std::vector<Label> labels = readLabels(folder.filePath(u"labels.csv"_qs));
    const std::map<QString, photo::Ends> marked =
        endsPath.isEmpty() ? std::map<QString, photo::Ends>{} : readEnds(endsPath);
    if (labels.empty()) {
        out << "no labels in " << folder.filePath(u"labels.csv"_qs) << "\n";
        return 2;
    }

    std::map<QString, Tally> own, given;
    std::map<std::pair<Colour, Colour>, QStringList> confusions;
    std::vector<std::pair<double, bool>> confidences; // first reading's share, right or not
    // The confidence shown with the first reading (its share where none is
    // shown), right or not, per source.
    std::map<QString, std::vector<std::pair<double, bool>>> shownBySource;
    int unmarked = 0; // photos left out of close-ups: neither ends nor a box
    for (const Label &label : labels) {
        const QString source = label.file.section(u'-', 0, 0);
        QString path = folder.filePath(label.file);
        if (!QFile::exists(path)) {
            out << "missing, not counted: " << label.file << "\n";
            continue;
        }
        // Photo pixels to the pixels of the photo read: (x - left) * scale.
        double left = 0, top = 0, scale = shrink;
        if (shrink < 1) {
            const QImage full(path);
            const QString smaller = shrunkDir.filePath(label.file);
            full.scaled(full.size() * shrink, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .save(smaller, "JPEG", 85);
            path = smaller;
        }
        std::optional<std::array<double, 4>> box = label.box;
        if (closeUp > 0) {
            // Around the marked body, or else around the part's box.
            const QImage full(path);
            const auto it = marked.find(label.file);
            double cx = 0, cy = 0, length = 0;
            if (it != marked.end()) {
                const photo::Ends &e = it->second;
                cx = (e.first.x + e.second.x) / 2;
                cy = (e.first.y + e.second.y) / 2;
                length = photo::lengthOf(e);
            } else if (label.box) {
                const auto &[bx, by, bw, bh] = *label.box;
                cx = bx * full.width();
                cy = by * full.height();
                length = std::max(bw * full.width(), bh * full.height());
            } else {
                ++unmarked;
                continue;
            }
            // Whole pixels: the cut, the enlargement and what maps into it
            // agree.
            const int width = int(std::min(closeUp * length, double(full.width())));
            const int height = int(std::min(closeUp * length, double(full.height())));
            const QRect cut(int(std::clamp(cx - width / 2.0, 0.0, double(full.width() - width))),
                            int(std::clamp(cy - height / 2.0, 0.0, double(full.height() - height))),
                            width, height);
            left = cut.left();
            top = cut.top();
            scale = 800.0 / width;
            const QString closer = shrunkDir.filePath(label.file);
            full.copy(cut)
                .scaled(800, int(std::lround(height * scale)), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation)
                .save(closer, "JPEG", 90);
            path = closer;
            if (box) {
                auto &[bx, by, bw, bh] = *box;
                bx = (bx * full.width() - left) / width;
                by = (by * full.height() - top) / height;
                bw *= double(full.width()) / width;
                bh *= double(full.height()) / height;
            }
        }
        for (const bool withEnds : {false, true}) {
            std::optional<photo::Ends> ends;
            if (withEnds) {
                const auto it = marked.find(label.file);
                if (it == marked.end())
                    continue;
                ends = it->second;
                for (photo::Point *p : {&ends->first, &ends->second})
                    *p = {(p->x - left) * scale, (p->y - top) * scale};
            }
            QElapsedTimer timer;
            timer.start();
            const photo::FileReading reading = photo::readPhotoFile(path, ends);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            Tally &t = (withEnds ? given : own)[source];
            ++t.photos;
            t.milliseconds += ms;
            t.slowest = std::max(t.slowest, ms);
            int rank = -1;
            for (std::size_t i = 0; i < reading.readings.size(); ++i)
                if (reading.readings[i].ohms == label.value) {
                    rank = int(i);
                    break;
                }
            t.first += rank == 0;
            t.amongThree += rank >= 0;
            t.tooSmall += reading.tooSmall.has_value();
            const int foundBefore = t.found;
            if (box && !withEnds) {
                ++t.boxed;
                if (reading.ends && !reading.size.isEmpty()) {
                    // Found: the body's centre inside the part's box.
                    const auto &[cx, cy, w, h] = *box;
                    const double x =
                        (reading.ends->first.x + reading.ends->second.x) / 2 / reading.size.width();
                    const double y = (reading.ends->first.y + reading.ends->second.y) / 2 /
                                     reading.size.height();
                    t.found += std::abs(x - cx) <= w / 2 && std::abs(y - cy) <= h / 2;
                }
            }
            // A refusal is honest where the length it names is the part's
            // (found in its box), or where the part's box is itself too
            // small to read whatever was measured; not where a lead or an
            // edge was measured beside a part large enough to read.
            if (reading.tooSmall) {
                bool honest = !box || withEnds || t.found > foundBefore;
                if (!honest && !reading.size.isEmpty()) {
                    const double w = (*box)[2] * reading.size.width(),
                                 h = (*box)[3] * reading.size.height();
                    honest = std::hypot(w, h) < photo::minReadableLength;
                }
                t.honestlySmall += honest;
            }
            if (!withEnds && !reading.readings.empty()) {
                const auto &r = reading.readings[0];
                const double shown = r.confidence ? *r.confidence / 100.0 : r.share;
                confidences.emplace_back(r.share, rank == 0);
                shownBySource[source].emplace_back(shown, rank == 0);
            }
            if (!withEnds && rank != 0 && !label.bands.empty() && !reading.readings.empty()) {
                // The colours mixed up: the first reading against the truth,
                // band by band, where the counts agree.
                const auto &read = reading.readings[0].bands;
                if (read.size() == label.bands.size())
                    for (std::size_t k = 0; k < read.size(); ++k)
                        if (read[k] != label.bands[k])
                            confusions[{label.bands[k], read[k]}] << label.file;
            }
            if (perPhoto)
                out << (withEnds ? "marked " : "photo ") << label.file << " "
                    << qRound(reading.length) << " "
                    << (box ? (t.found > foundBefore ? "1" : "0") : "-") << " "
                    << (rank < 0 ? u"-"_qs : QString::number(rank + 1)) << " "
                    << (reading.tooSmall ? 1 : 0) << " "
                    << (reading.readings.empty() ? 0.0 : reading.readings[0].share) << " "
                    << (reading.readings.empty() ? 0.0 : reading.readings[0].fit) << " "
                    << qRound(ms) << "\n";
            if (verbose && rank != 0) {
                out << (withEnds ? "  [marked ends] " : "  [own ends]    ") << label.file
                    << "  true " << valueText(label.value) << " (" << bandsText(label.bands)
                    << ")  rank " << (rank < 0 ? u"-"_qs : QString::number(rank + 1)) << "\n";
                if (!reading.error.isEmpty())
                    out << "      " << reading.error << "\n";
                if (reading.ends)
                    out << "      ends " << int(reading.ends->first.x) << ","
                        << int(reading.ends->first.y) << " " << int(reading.ends->second.x) << ","
                        << int(reading.ends->second.y) << "\n";
                for (const auto &r : reading.readings)
                    out << "      " << valueText(r.ohms) << "  " << bandsText(r.bands) << "\n";
            }
        }
    }

    if (unmarked > 0)
        out << unmarked << " photos without marked ends or a box, not counted in close-ups\n";
    out << "source  photos  own ends: first  among three  too small  three or too small  body "
           "found  ms/photo "
           "(slowest)  |  marked ends: photos  first  among three\n";
    for (const auto &[source, t] : own) {
        const Tally g = given.count(source) ? given.at(source) : Tally{};
        out << source.leftJustified(8) << QString::number(t.photos).leftJustified(8)
            << percent(t.first, t.photos).leftJustified(17)
            << percent(t.amongThree, t.photos).leftJustified(13)
            << QString::number(t.tooSmall).leftJustified(11)
            << percent(t.amongThree + t.honestlySmall, t.photos).leftJustified(18)
            << (t.boxed ? percent(t.found, t.boxed) : u"–"_qs).leftJustified(12)
            << (QString::number(t.milliseconds / t.photos, 'f', 1) + u" ("_qs +
                QString::number(t.slowest, 'f', 1) + u')')
                   .leftJustified(20)
            << "|  " << QString::number(g.photos).leftJustified(20)
            << percent(g.first, g.photos).leftJustified(7) << percent(g.amongThree, g.photos)
            << "\n";
    }
    for (const auto &[source, shown] : shownBySource) {
        // Calibration: of the first readings shown at each tenth of
        // confidence, how many are right.
        out << "calibration, " << source << " (shown confidence: readings, right share):";
        std::array<int, 10> count{}, right{};
        for (const auto &[c, isRight] : shown) {
            const int bin = std::clamp(int(c * 10), 0, 9);
            ++count[std::size_t(bin)];
            right[std::size_t(bin)] += isRight;
        }
        for (std::size_t b = 0; b < 10; ++b)
            if (count[b])
                out << "  " << b * 10 << "-" << b * 10 + 10 << " %: " << count[b] << ", "
                    << percent(right[b], count[b]);
        out << "\n";
    }
    if (!confidences.empty()) {
        // Whether confidence means something: how often a right first
        // reading scores above a wrong one.
        double above = 0, pairs = 0;
        for (const auto &[c1, right1] : confidences)
            for (const auto &[c2, right2] : confidences)
                if (right1 && !right2) {
                    pairs += 1;
                    above += c1 > c2 ? 1.0 : c1 == c2 ? 0.5 : 0.0;
                }
        out << "share of the first reading: right above wrong in "
            << (pairs ? QString::number(100 * above / pairs, 'f', 1) : u"–"_qs) << " % of " << pairs
            << " pairs\n";
    }
    if (!confusions.empty()) {
        std::vector<std::pair<std::pair<Colour, Colour>, QStringList>> sorted(confusions.begin(),
                                                                              confusions.end());
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto &x, const auto &y) {
            return x.second.size() > y.second.size();
        });
        out << "colours read wrong (true -> read), own ends, first reading:\n";
        for (const auto &[pair, files] : sorted)
            out << "  " << nameOf(pair.first) << " -> " << nameOf(pair.second) << "  "
                << files.size() << "  " << files.join(u' ') << "\n";
    }
    return 0;
}
