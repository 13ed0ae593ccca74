#pragma once

// The SMD tables as printed in the reference, typed again for the tests and
// the fuzz target: an oracle that does not share the program's own tables.

#include <array>

namespace smdreference
{

// EIA-96 code NN is entry NN - 1.
inline constexpr std::array<int, 96> eia96Values{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};

inline constexpr std::array<int, 24> e24Values{
    10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91,
};

// The letters and the power of ten of their factor; R, S, H spell Y, X, B.
struct EiaLetter {
    char letter;
    int power;
};
inline constexpr std::array<EiaLetter, 12> eia96Letters{{
    {'Z', -3},
    {'Y', -2},
    {'X', -1},
    {'A', 0},
    {'B', 1},
    {'C', 2},
    {'D', 3},
    {'E', 4},
    {'F', 5},
    {'R', -2},
    {'S', -1},
    {'H', 1},
}};

} // namespace smdreference
