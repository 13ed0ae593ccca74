#pragma once

// Written by bench/photo-calibration.py --write from the shared photos
// (er: 60 read, hr: 35 read):
// of the first readings in each cell of share and colour fit, the share
// right, as (right + 1) / (read + 2) in percent, rounded down.

#include <array>

namespace photo
{

inline constexpr std::array<double, 3> confidenceShareEdges{0.4, 0.6, 0.8};
inline constexpr std::array<double, 4> confidenceFitEdges{0.15, 0.3, 0.5, 0.8};
// [share cell][fit cell], percent.
inline constexpr int confidenceTable[4][5] = {
    {50, 88, 33, 16, 25},
    {83, 81, 87, 66, 28},
    {90, 80, 57, 66, 25},
    {92, 75, 80, 50, 33},
};

} // namespace photo
