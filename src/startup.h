#pragma once

#include <memory>
#include <optional>

class QTranslator;

// What happens before the first window: the command line, and the
// connection to the desktop.

// Answers -h/--help, -v/--version and the answering options
// (cli/commandline.h) on standard output and refuses
// anything else that is not one of Qt's own options (-style, -platform ...),
// which Qt takes from the same arguments later. Returns the exit status when
// there is nothing more to do, nothing when the windows should start. Needs
// no display.
std::optional<int> handleCommandLine(int argc, const char *const argv[]);

// Held while the application object connects to the desktop. When that
// fails Qt would abort, with advice to reinstall the program; this instead
// says in one line what failed and ends the program with status 1: that
// Tavlora needs a desktop session when no display answered, or which platform
// plugin was missing or would not start, with Qt's reason and the fix where
// it is known. What Qt reports meanwhile is held back and passed on once the
// connection stands.
class DesktopConnection
{
public:
    DesktopConnection();
    ~DesktopConnection();
    DesktopConnection(const DesktopConnection &) = delete;
    DesktopConnection &operator=(const DesktopConnection &) = delete;

    // The application object exists: Qt's messages go their usual way again.
    void established();

private:
    std::unique_ptr<QTranslator> m_english; // the failure's words for English users
};
