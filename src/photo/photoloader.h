#pragma once

// Opening a photo for reading: the camera's rotation applied, and the
// picture made smaller while it is decoded, so a phone's 12-megapixel photo
// opens fast. Positions given and returned are in the photo's pixels as
// shown, after rotation, origin top left.

#include "colorcode/exactvalue.h"
#include "photo/photoreading.h"
#include "photo/rgbimage.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace photo
{

// The long side photos are read at: enough for a body a tenth of the frame
// long to show its bands over some 150 pixels.
inline constexpr int readingLongSide = 1600;

struct LoadedPhoto {
    RgbImage image; // what is read, at most readingLongSide on its long side
    QImage shown;   // the same pixels for showing
    QSize fullSize; // the photo's size as shown, after rotation
    QString error;  // Turkish, for the user; empty when it opened

    // Image pixels per photo pixel.
    double scale() const;
    Ends toImage(const Ends &photoEnds) const;
    Ends toPhoto(const Ends &imageEnds) const;
};

// The most pixels a photo may have: well above a 24-megapixel camera's,
// below what decoding it whole would need more than Qt's 256 MB allowance
// for one picture.
inline constexpr qint64 maxPhotoPixels = 50'000'000;

// A regular file only, named by its bytes as the file system has them; its
// error names the reason in Turkish (not found, not readable, no photo,
// damaged, too large).
LoadedPhoto loadPhotoFile(const QByteArray &path, int longSide = readingLongSide);
// The same for a name as the windows hold it.
LoadedPhoto loadPhoto(const QString &path, int longSide = readingLongSide);
// A picture from the clipboard or a drop, made smaller the same way.
LoadedPhoto photoFromImage(const QImage &image, int longSide = readingLongSide);

RgbImage rgbFromImage(const QImage &image);

// For the command line: the readings of a photo file, ends in the photo's
// pixels.
struct FileReading {
    struct Entry {
        std::vector<colorcode::Colour> bands; // first digit first
        int bandCount = 0;
        colorcode::ExactValue ohms;
        std::optional<int> confidence; // percent, when known to mean something
        double share = 0;              // see Reading::share
        double fit = 0;                // see Reading::fit
        // Per band seen, first digit first: see ReadBand::alternatives.
        std::vector<std::vector<std::pair<colorcode::Colour, double>>> alternatives;
    };
    std::vector<Entry> readings; // best first, at most three
    std::optional<Ends> ends;    // the body ends used
    QSize size;                  // the photo's, as shown
    bool endsOutside = false;    // the ends given lie outside the photo: nothing read
    // The body's length in the photo's pixels where it is too short for its
    // bands to be told apart: nothing read.
    std::optional<int> tooSmall;
    double length = 0; // the body's, in the photo's pixels; 0 when none was found
    QString error;
};
// What is said for a body too small to read, its length in the photo's
// pixels.
QString tooSmallText(int pixels);

FileReading readPhotoFile(const QByteArray &path, std::optional<Ends> ends = std::nullopt);
FileReading readPhotoFile(const QString &path, std::optional<Ends> ends = std::nullopt);

} // namespace photo
