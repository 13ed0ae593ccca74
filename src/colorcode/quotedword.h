#pragma once

// How every reader quotes a word it refuses: no more of it than a person
// needs to find it, however long the input was.

#include <QList>
#include <QString>

namespace colorcode
{

inline constexpr qsizetype maxQuotedLength = 40;

// The word's first maxQuotedLength characters, "…" after them when there
// were more; counted as a person sees them, never cut inside a pair.
inline QString quotedWord(const QString &word)
{
    if (word.size() <= maxQuotedLength)
        return word;
    const QList<uint> characters = word.toUcs4();
    if (characters.size() <= maxQuotedLength)
        return word;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(characters.constData()),
                             maxQuotedLength) +
           QStringLiteral("…");
}

} // namespace colorcode
