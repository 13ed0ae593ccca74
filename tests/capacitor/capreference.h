#pragma once

// The capacitor reference's EIA-198 and voltage-code tables typed again for
// the tests and the fuzz target: an oracle that does not share the
// program's own tables. Mantissas in tenths (EIA-198) and hundredths
// (volts).

#include <array>

namespace capreference
{

struct Letter {
    char letter;
    int mantissa;
};

inline constexpr std::array<Letter, 24> eiaUpper{{
    {'A', 10}, {'B', 11}, {'C', 12}, {'D', 13}, {'E', 15}, {'F', 16}, {'G', 18}, {'H', 20},
    {'J', 22}, {'K', 24}, {'L', 27}, {'M', 30}, {'N', 33}, {'P', 36}, {'Q', 39}, {'R', 43},
    {'S', 47}, {'T', 51}, {'U', 56}, {'V', 62}, {'W', 68}, {'X', 75}, {'Y', 82}, {'Z', 91},
}};

// Both lower-case tables; b appears once a table.
inline constexpr std::array<Letter, 13> eiaLower{{
    {'a', 25},
    {'b', 35},
    {'b', 30},
    {'c', 35},
    {'d', 40},
    {'e', 45},
    {'f', 50},
    {'g', 90},
    {'m', 60},
    {'n', 70},
    {'t', 80},
    {'y', 90},
    {'a', 25},
}};

inline constexpr std::array<Letter, 15> voltageLetters{{
    {'A', 100},
    {'B', 125},
    {'C', 160},
    {'D', 200},
    {'E', 250},
    {'F', 315},
    {'G', 400},
    {'H', 500},
    {'J', 630},
    {'K', 800},
    {'V', 350},
    {'W', 450},
    {'Q', 110},
    {'Z', 180},
    {'P', 220},
}};

} // namespace capreference
