#include "startup.h"

#include "cli/commandline.h"
#include "cli/inputreader.h"
#include "i18n/language.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace
{

// The answers speak the interface's language.
const char *const usage = QT_TRANSLATE_NOOP(
    "cli", "Kullanım: tavlora [SEÇENEK]...\n"
           "Direncin dört, beş ya da altı renk bandından değerini, yazılan bir\n"
           "değerden de renk bantlarını bulur. Tavlora bir masaüstü oturumunda çalışır;\n"
           "yanıt seçenekleri masaüstü olmadan da, uçbirimde yanıt verir.\n"
           "\n"
           "  -h, --help        bu yardımı gösterir ve çıkar\n"
           "  -v, --version     sürüm bilgisini gösterir ve çıkar\n"
           "\n"
           "Yanıt seçenekleri (her çağrıda biri):\n"
           "  --bands RENKLER   renklerin değeri: \"sarı mor kırmızı altın\"; 3 ile 6 renk,\n"
           "                    Türkçe ya da İngilizce adlar, IEC kodları (YE VT RD GD);\n"
           "                    boşluk, virgül ya da tire ile ayrılır; \"kırmızı?\" gibi\n"
           "                    ? ile biten renk emin olunmayan banttır: her olası okuma\n"
           "      --measured DEĞER    ölçülen değer (4K7, 1,02k): uyuşan okumalar önce\n"
           "      --meter-error YÜZDE ölçüm hatası (--measured ile; olağan: 2)\n"
           "  --value DEĞER     değerin renkleri: 4K7, 4,7K, R47\n"
           "      --unit BİRİM        Ohm, Kohm ya da Mohm (olağan: Ohm)\n"
           "      --band-count SAYI   4, 5 ya da 6 (olağan: 4)\n"
           "      --tolerance YÜZDE   5, 1, 0,25 ... (olağan: 5)\n"
           "      --tcr PPM           6 bantta sıcaklık katsayısı (olağan: 100)\n"
           "  --smd KOD         SMD direnç kodunun değeri: 472, 4701, 01C, 4R7\n"
           "  --smd-for DEĞER   değerin SMD kodları (--unit ile)\n"
           "  --cap KOD         kondansatör kodunun değeri: 104, 4n7, 2A474J, S3\n"
           "  --cap-for DEĞER   değerin kondansatör kodları: 4,7n, 100nF, 0,1µ\n"
           "  --inductor RENKLER bobin bantlarının değeri (µH): \"kırmızı mor kahverengi altın\"\n"
           "  --inductor-for DEĞER değerin bobin bantları: 270u, 2,2µH\n"
           "  --combine HEDEF   hedef değere en yakın seri/paralel bağlantılar\n"
           "  --ratio ORAN      orana en yakın gerilim bölücüler: 0,66 ya da \"5 3,3\"\n"
           "      --series SERİ       E6, E12, E24, E48, E96, E192, E24+E96 (olağan: E24)\n"
           "      --parts SAYI        1, 2 ya da 3 parça (--combine; olağan: 2)\n"
           "      --range ALT-ÜST     değer aralığı: 1K-100K\n"
           "      --without DEĞER     bu değeri kullanmaz; yinelenebilir\n"
           "  --photo DOSYA     fotoğraftaki direncin okumaları, en iyisi önce\n"
           "      --ends X1,Y1,X2,Y2  gövdenin uçları, fotoğrafın pikselleriyle\n"
           "  --json            her yanıtı bir satırda bir JSON belgesi olarak yazar\n"
           "\n"
           "Bir yanıt seçeneğinin değeri yerine - verilirse her satır ayrı bir girdi\n"
           "olarak standart girdiden okunur. Seçenekler --ad DEĞER ya da --ad=DEĞER\n"
           "biçiminde yazılır; -- seçeneklerin sonudur.\n"
           "\n"
           "Qt'nin kendi seçenekleri de geçerlidir; örneğin -style ADI,\n"
           "-platform ADI, -reverse.\n"
           "\n"
           "Çıkış durumu: 0 olağan ya da her girdi yanıtlandıysa; 1 masaüstü oturumu\n"
           "ya da Qt platform eklentisi yoksa, ya da bir girdi reddedildiyse; 2 yanlış\n"
           "seçenekte.\n"
           "Ayrıntılar ve klavye kullanımı için: man tavlora\n");

const char *const version = QT_TRANSLATE_NOOP("cli", "Tavlora %1\n"
                                                     "Telif hakkı (c) 2026 The Tavlora developers\n"
                                                     "MIT lisansı ile dağıtılır.\n");

// Qt's options, as QGuiApplication, QApplication and the X11 platform take
// them as of Qt 6.4 (kept by hand: re-check on a Qt upgrade); Qt also accepts
// each with two dashes.
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

QString text(const char *source)
{
    return QCoreApplication::translate("cli", source);
}

int refuse(const char *what, std::string_view argument)
{
    // The argument goes out as it came, in whatever bytes it was given.
    const QByteArray line =
        QCoreApplication::translate("cli", "tavlora: %1 '%2'; yardım için: tavlora --help\n")
            .arg(text(what))
            .toUtf8()
            .replace("%2", QByteArray(argument.data(), qsizetype(argument.size())));
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    return 2;
}

// Qt opens descriptors of its own as its application object is made. Where
// standard input, output or error is closed, one of them would take that
// number, and the answers would read from or write into Qt's. Placeholders
// hold the numbers meanwhile and are closed again after, so that a closed
// stream is still found closed.
class ClosedStreamsKept
{
public:
    ClosedStreamsKept()
    {
        for (int stream = 0; stream <= 2; ++stream) {
            if (fcntl(stream, F_GETFD) >= 0 || errno != EBADF)
                continue;
            const int held = open("/dev/null", O_RDWR | O_CLOEXEC);
            if (held == stream)
                m_held.push_back(held);
            else if (held >= 0)
                close(held);
        }
    }
    ~ClosedStreamsKept()
    {
        for (const int held : m_held)
            close(held);
    }
    ClosedStreamsKept(const ClosedStreamsKept &) = delete;
    ClosedStreamsKept &operator=(const ClosedStreamsKept &) = delete;

private:
    std::vector<int> m_held;
};

int print(const QString &answer)
{
    const QByteArray bytes = answer.toUtf8();
    const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    int error = 0;
    if (cli::writeAll(stdout, text, error) && cli::flushAll(stdout, error))
        return 0;
    const QByteArray line = (QCoreApplication::translate("cli", "tavlora: çıktı yazılamadı: %1\n")
                                 .arg(cli::systemReason(error)))
                                .toUtf8();
    std::fputs(line.constData(), stderr);
    return 1;
}

} // namespace

std::optional<int> handleCommandLine(int argc, const char *const argv[])
{
    // Translations need an application object; this one lives only while the
    // command line is read, and only when the answers are to be English.
    std::unique_ptr<QCoreApplication> texts;
    int textsArgc = 1;
    char *textsArgv[] = {const_cast<char *>(argv[0]), nullptr};
    if (language::systemPrefersEnglish()) {
        const ClosedStreamsKept kept;
        texts = std::make_unique<QCoreApplication>(textsArgc, textsArgv);
        language::installTranslator();
    }

    cli::CommandLine answers;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (const auto taken = answers.take(argc, argv, i); taken != cli::CommandLine::Taken::No) {
            if (taken == cli::CommandLine::Taken::Error)
                return 2;
            continue;
        }
        if (argument == "-h" || argument == "--help")
            return print(text(usage));
        if (argument == "-v" || argument == "--version")
            return print(text(version).arg(QStringLiteral(TAVLORA_VERSION)));
        if (argument == "--") {
            if (i + 1 < argc)
                return refuse(QT_TRANSLATE_NOOP("cli", "fazladan terim"), argv[i + 1]);
            break;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return refuse(QT_TRANSLATE_NOOP("cli", "fazladan terim"), argument);

        std::string_view name = argument.substr(argument[1] == '-' ? 2 : 1);
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            if (!contains(qtOptionsJoined, name.substr(0, equals)))
                return refuse(QT_TRANSLATE_NOOP("cli", "tanınmayan seçenek"), argument);
        } else if (contains(qtOptionsWithValue, name)) {
            if (++i == argc)
                return refuse(QT_TRANSLATE_NOOP("cli", "değer bekleyen seçenek"), argument);
        } else if (!contains(qtFlags, name)) {
            return refuse(QT_TRANSLATE_NOOP("cli", "tanınmayan seçenek"), argument);
        }
    }
    // An answer needs no window.
    if (answers.any())
        return answers.run();
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
// The English texts while the application object, which would otherwise
// hold them, is being made; none for Turkish.
const QTranslator *failureTexts = nullptr;

// A start failure's text in the user's language.
QString failureText(const char *source)
{
    const QString english = failureTexts ? failureTexts->translate("cli", source) : QString();
    return english.isEmpty() ? QString::fromUtf8(source) : english;
}

bool isConnectionFailure(const QString &reason)
{
    // xcb's and wayland's words when the display does not answer.
    return reason.contains(QLatin1String("connect to display"), Qt::CaseInsensitive) ||
           reason.contains(QLatin1String("wl_display"));
}

QString quotedName(const QString &text)
{
    const qsizetype open = text.indexOf(u'"');
    const qsizetype close = text.indexOf(u'"', open + 1);
    return open < 0 || close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// Why Qt could not start, in one line that names the cause and quotes Qt.
// Qt tries each platform plugin asked for in turn and logs why each failed
// before it gives up: a plugin not found, or one found that reported its own
// reason (the last thing it logged) and would not start. Only when every
// plugin failed for want of a display is there no desktop to speak of.
QString startFailure(const std::vector<HeldMessage> &messages, const QString &fatal)
{
    struct Failure {
        QString plugin;
        bool found;
        QString reason;
    };
    std::vector<Failure> failures;
    QString lastReason;
    for (const HeldMessage &message : messages) {
        if (message.category != "qt.qpa.plugin") {
            if (message.type != QtDebugMsg && message.type != QtInfoMsg)
                lastReason = message.text;
            continue;
        }
        const QString plugin = quotedName(message.text);
        if (message.text.startsWith(QLatin1String("Could not find the Qt platform plugin")))
            failures.push_back({plugin, false, message.text});
        else if (message.text.startsWith(QLatin1String("Could not load the Qt platform plugin")))
            failures.push_back({plugin, true, lastReason.isEmpty() ? message.text : lastReason});
        lastReason.clear();
    }

    const auto fixable = std::find_if(failures.begin(), failures.end(), [](const Failure &f) {
        return !f.found || !isConnectionFailure(f.reason);
    });
    if (fixable == failures.end() && !failures.empty())
        return failureText(QT_TRANSLATE_NOOP("cli", "masaüstü oturumu bulunamadı; Tavlora bir "
                                                    "masaüstü oturumunda (X11 ya da Wayland) "
                                                    "çalışır"));
    // Qt's words and the plugin's name go in in one pass: a "%1" in them
    // stays as it is.
    if (fixable == failures.end())
        return failureText(QT_TRANSLATE_NOOP("cli", "Qt başlatılamadı (Qt: %1)"))
            .arg(fatal.section(u'\n', 0, 0).simplified());

    const QString reason = fixable->reason.simplified();
    if (fixable->found)
        return failureText(QT_TRANSLATE_NOOP("cli", "\"%1\" adlı Qt platform eklentisi bulundu "
                                                    "ama başlatılamadı (Qt: %2)"))
            .arg(fixable->plugin, reason);
    const QString line = failureText(QT_TRANSLATE_NOOP("cli", "\"%1\" adlı Qt platform "
                                                              "eklentisi bulunamadı (Qt: %2)"))
                             .arg(fixable->plugin, reason);
    // Debian's Qt brings the Wayland plugins in a package of their own.
    if (fixable->plugin.startsWith(QLatin1String("wayland")))
        return failureText(QT_TRANSLATE_NOOP("cli", "%1; qt6-wayland paketini kurunuz")).arg(line);
    const QLatin1String available("Available platform plugins are: ");
    if (const qsizetype at = fatal.indexOf(available); at >= 0) {
        QString names = fatal.mid(at + available.size()).section(u'\n', 0, 0).trimmed();
        if (names.endsWith(u'.'))
            names.chop(1);
        return failureText(QT_TRANSLATE_NOOP("cli", "%1; kurulu olanlar: %2")).arg(line, names);
    }
    return line;
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        // Qt is about to abort: it could not start a window system.
        const QString line = QStringLiteral("tavlora: ") + startFailure(held, text) + u'\n';
        std::fputs(line.toUtf8().constData(), stderr);
        std::_Exit(1);
    }
    held.push_back({type, context.category ? context.category : "", text});
}

} // namespace

DesktopConnection::DesktopConnection()
{
    // Qt fails before the application object could take a translator.
    if (language::systemPrefersEnglish()) {
        m_english = std::make_unique<QTranslator>();
        if (m_english->load(QStringLiteral(":/i18n/tavlora_en.qm")))
            failureTexts = m_english.get();
    }
    usualHandler = qInstallMessageHandler(holdMessage);
}

DesktopConnection::~DesktopConnection()
{
    established();
    failureTexts = nullptr;
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
