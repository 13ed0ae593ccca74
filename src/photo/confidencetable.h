#pragma once

// Written by bench/photo-calibration.py --write from the shared photos
// (er: 60 read, hr: 48 read):
// of the first readings in each cell of share and colour fit, the share
// right, as (right + 1) / (read + 2) in percent, rounded down.

#include <array>

namespace photo
{

inline constexpr std::array<double, 3> confidenceShareEdges{0.4, 0.6, 0.8};
inline constexpr std::array<double, 4> confidenceFitEdges{0.15, 0.3, 0.5, 0.8};
// [share cell][fit cell], percent.
inline constexpr int confidenceTable[4][5] = {
    {50, 88, 40, 33, 4},
    {83, 88, 77, 60, 30},
    {92, 85, 60, 66, 50},
    {92, 75, 80, 50, 33},
};

} // namespace photo
