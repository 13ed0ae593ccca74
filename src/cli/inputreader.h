#pragma once

// Standard input and output of the answering options, bounded and checked:
// lines are read one at a time and refused past maxLineBytes, so no input
// makes the program grow or hang on one line; every write is checked, so
// lost output never ends as success.

#include <QString>

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace cli
{

// The longest line or argument an answering option reads.
inline constexpr std::size_t maxLineBytes = 4096;

// Why a system call failed (an errno value), in the interface's language.
QString systemReason(int error);

// Through C's stdio: iostreams would set up their streams at every start
// of the program, the windows' too.
class LineReader
{
public:
    explicit LineReader(std::FILE *stream) : m_stream(stream) {}

    // The next line without its line end (and a "\r" before it); nothing at
    // the end of the input, or once a line was refused or reading failed,
    // and then failure() says why. Nothing is read after that.
    std::optional<std::string> next();

    // The number of the line last given or refused, from 1.
    int number() const { return m_number; }
    // Empty when the input simply ended.
    const QString &failure() const { return m_failure; }

private:
    std::optional<std::string> stop(const QString &why);
    std::optional<std::string> stopUnread(int error);
    std::optional<std::string> stopTooLong();

    std::FILE *m_stream;
    int m_number = 0;
    bool m_stopped = false;
    QString m_failure;
};

// Writes the bytes whole; false when any of them could not be written, with
// the reason in `error`.
bool writeAll(std::FILE *stream, std::string_view bytes, int &error);
// Flushes the stream; false with the reason when it could not.
bool flushAll(std::FILE *stream, int &error);

} // namespace cli
