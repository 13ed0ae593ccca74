#include "startup.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace
{

constexpr std::string_view usage =
    "Kullanım: tavlora [SEÇENEK]...\n"
    "Direncin dört renk bandından değerini, yazılan bir değerden de renk\n"
    "bantlarını bulur. Tavlora bir masaüstü oturumunda çalışır.\n"
    "\n"
    "  -h, --help        bu yardımı gösterir ve çıkar\n"
    "  -v, --version     sürüm bilgisini gösterir ve çıkar\n"
    "\n"
    "Qt'nin kendi seçenekleri de geçerlidir; örneğin -style ADI,\n"
    "-platform ADI, -reverse.\n"
    "\n"
    "Çıkış durumu: 0 olağan, 1 masaüstü oturumu yoksa, 2 yanlış seçenekte.\n"
    "Ayrıntılar ve klavye kullanımı için: man tavlora\n";

constexpr std::string_view version = "Tavlora " TAVLORA_VERSION "\n"
                                     "Telif hakkı (c) 2026 The Tavlora developers\n"
                                     "MIT lisansı ile dağıtılır.\n";

// Qt's options, as QGuiApplication, QApplication and the X11 platform take
// them; Qt also accepts each with two dashes.
constexpr std::string_view qtOptionsWithValue[] = {"platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "geometry",
                                                   "qwindowtitle",
                                                   "title",
                                                   "qwindowicon",
                                                   "icon",
                                                   "session",
                                                   "style",
                                                   "stylesheet",
                                                   "display",
                                                   "name",
                                                   "visual"};
constexpr std::string_view qtFlags[] = {"reverse", "testability", "widgetcount", "dograb",
                                        "nograb"};
// Given as -name=value only.
constexpr std::string_view qtOptionsJoined[] = {"style", "stylesheet", "qmljsdebugger"};

template <std::size_t N> bool contains(const std::string_view (&list)[N], std::string_view name)
{
    for (const std::string_view entry : list) {
        if (entry == name)
            return true;
    }
    return false;
}

int refuse(std::string_view what, std::string_view argument)
{
    const std::string line = "tavlora: " + std::string(what) + " '" + std::string(argument) +
                             "'; yardım için: tavlora --help\n";
    std::fputs(line.c_str(), stderr);
    return 2;
}

int print(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

std::optional<int> handleCommandLine(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help")
            return print(usage);
        if (argument == "-v" || argument == "--version")
            return print(version);
        if (argument == "--") {
            if (i + 1 < argc)
                return refuse("fazladan terim", argv[i + 1]);
            break;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return refuse("fazladan terim", argument);

        std::string_view name = argument.substr(argument[1] == '-' ? 2 : 1);
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            if (!contains(qtOptionsJoined, name.substr(0, equals)))
                return refuse("tanınmayan seçenek", argument);
        } else if (contains(qtOptionsWithValue, name)) {
            if (++i == argc)
                return refuse("değer bekleyen seçenek", argument);
        } else if (!contains(qtFlags, name)) {
            return refuse("tanınmayan seçenek", argument);
        }
    }
    return std::nullopt;
}

namespace
{

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler usualHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt is about to abort because it found no window system to talk to.
        std::fputs("tavlora: masaüstü oturumu bulunamadı; Tavlora bir masaüstü oturumunda "
                   "(X11 ya da Wayland) çalışır\n",
                   stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldLock);
    held.push_back({type, context.category ? context.category : "", text});
}

} // namespace

DesktopConnection::DesktopConnection()
{
    usualHandler = qInstallMessageHandler(holdMessage);
}

DesktopConnection::~DesktopConnection()
{
    established();
}

void DesktopConnection::established()
{
    if (!usualHandler)
        return;
    qInstallMessageHandler(usualHandler);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        usualHandler(message.type, context, message.text);
    }
    usualHandler = nullptr;
}
