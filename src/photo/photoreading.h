#pragma once

// Reading a resistor's value from a photo: the body found (or its ends
// given), the colours sampled along it and corrected by the body's own
// colour, the bands found and named, and the readings the rules allow
// ranked, best first.

#include "colorcode/bandtables.h"
#include "colorcode/readingdirection.h"
#include "photo/bodyfinder.h"
#include "photo/rgbimage.h"

#include <array>
#include <optional>
#include <vector>

namespace photo
{

using Srgb = std::array<std::uint8_t, 3>;

struct ReadBand {
    colorcode::Colour colour = colorcode::Colour::Renksiz;
    Srgb sampled{};        // as photographed; nothing to show for Renksiz
    double position = 0;   // along the body, 0 at the ends' first point, 1 at the second
    bool doubtful = false; // another colour fitted nearly as well, or the band is faint
    bool seen = true;      // false for a Renksiz tolerance: no band there
    // The colours its place allows, likeliest first (at most three), with
    // how likely each is by its colour and what parts carry there; one
    // certain Renksiz where no band was seen.
    std::vector<std::pair<colorcode::Colour, double>> alternatives;
};

struct Reading {
    int bandCount = 0;            // 4, 5 or 6 (three bands read as four with Renksiz)
    std::vector<ReadBand> bands;  // first digit first
    colorcode::BandReading value; // value, tolerance, coefficient
    // This reading's share of the likelihood of every value the bands could
    // give, 0 to 1.
    double share = 0;
    // How well the bands' colours fit their looks: the mean cost per band
    // seen, 0 for a perfect fit; a photo under a light unlike any measured
    // one fits badly however clearly one reading stands out.
    double fit = 0;
    // How often such a reading was right, in percent: for the first, as
    // measured on the shared photos by its share and fit
    // (bench/photo-calibration.py); the others share what it leaves.
    std::optional<int> confidence;
    bool fromSecondEnd = false; // the first digit lies at the ends' second point

    std::vector<colorcode::Colour> colours() const;
};

struct PhotoReading {
    std::optional<Ends> ends; // the ends used, in the image's pixels
    bool endsGiven = false;
    double thickness = 0; // of the body, in the image's pixels
    double length = 0;    // of the body between its ends, in the image's pixels
    // The body is too short for its bands to be told apart: nothing is
    // proposed, rather than readings no colour in the photo supports.
    bool tooSmall = false;
    std::vector<Reading> readings; // at most three, best first, each of another value
};

// The shortest body whose bands are read, in the image's pixels. Shorter,
// a band is under some six pixels wide and a JPEG keeps its colour at half
// that: what is sampled is mostly the blur of its neighbours. Measured with
// bench/photo-bench.sh: the rig's sharp photos made smaller (--shrink, the
// refusal off) still read 90 % first with bodies of 68 pixels on average,
// 78 % at 61 and 70 % at 53; of the 104 phone photos, less sharp, whose
// body was found shorter than this, 13 had the true value among the three.
// The margin above the sharp camera's limit is for the blurrier ones.
inline constexpr double minReadableLength = 100;

// The readings of a photo. `givenEnds` replace the body's ends the photo
// would be searched for; ends outside the image read nothing.
PhotoReading readPhoto(const RgbImage &image, std::optional<Ends> givenEnds = std::nullopt);

} // namespace photo
