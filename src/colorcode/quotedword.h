#pragma once

// How every reader quotes a word it refuses: no more of it than a person
// needs to find it, however long the input was.

#include <QString>

namespace colorcode
{

inline constexpr qsizetype maxQuotedLength = 40;

// The word's first maxQuotedLength characters, "…" after them when there
// were more; counted as a person sees them, never cut inside a surrogate
// pair.
inline QString quotedWord(const QString &word)
{
    qsizetype end = 0;
    for (qsizetype count = 0; end < word.size() && count < maxQuotedLength; ++count)
        end += word.at(end).isHighSurrogate() && end + 1 < word.size() &&
                       word.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return end == word.size() ? word : word.left(end) + QStringLiteral("…");
}

} // namespace colorcode
