#pragma once

// Written by bench/photo-calibration.py --write from the shared photos
// (er: 60 read, hr: 41 read):
// of the first readings in each cell of share and colour fit, the share
// right, as (right + 1) / (read + 2) in percent, rounded down, the lowest
// of the sources', at most 85 where one source alone measured it.

#include <array>

namespace photo
{

inline constexpr std::array<double, 3> confidenceShareEdges{0.4, 0.6, 0.8};
inline constexpr std::array<double, 4> confidenceFitEdges{0.15, 0.3, 0.5, 0.8};
// [share cell][fit cell], percent.
inline constexpr int confidenceTable[4][5] = {
    {33, 80, 50, 50, 46},
    {75, 66, 66, 75, 75},
    {85, 85, 40, 33, 50},
    {85, 75, 80, 66, 50},
};

} // namespace photo
