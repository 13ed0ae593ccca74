#pragma once

// The answering options of the command line: --bands, --value, --smd,
// --smd-for, --combine, --ratio, --photo, their modifiers and --json. They
// answer on standard output without the window system: 0 when every input
// was answered, 1 when any was refused, 2 for a usage error.

#include <string>
#include <string_view>
#include <vector>

namespace cli
{

class CommandLine
{
public:
    enum class Taken {
        No,    // none of these options: the caller goes on with its own
        Yes,   // taken, with its value
        Error, // a usage error, already said on standard error
    };

    // Takes argv[i] when it is one of these options, and its value (moving
    // i past it when it is the next argument).
    Taken take(int argc, const char *const argv[], int &i);

    // Whether any of these options was taken.
    bool any() const { return !m_given.empty(); }

    // Checks the options together, answers each input and returns the exit
    // status.
    int run() const;

private:
    struct Given {
        std::string name; // without the dashes
        std::string value;
    };
    std::vector<Given> m_given;
    const Given *find(std::string_view name) const;
};

} // namespace cli
