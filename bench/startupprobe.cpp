// Measures a program's start-up on an X server against a baseline's, side by
// side: the time from fork() until its top-level window is mapped, the time
// until the first drawing reaches that window, and the process's peak
// resident memory. Runs alternate A B, B A, ... so that drift in the
// machine's speed falls on both alike.
//
//   startup_probe [-n RUNS] [-t TITLE] [-s SETTLE_MS] PROGRAM BASELINE

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

struct Sample {
    double mappedMs;
    double drawnMs;
    long maxRssKiB;
};

struct Probe {
    Display *display;
    int damageEventBase;
    std::string title;
    int settleMs;
};

// One window property as raw items; empty when missing.
std::vector<unsigned char> property(Display *display, Window window, const char *name, Atom type,
                                    int &format, unsigned long &count)
{
    Atom actualType = None;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::vector<unsigned char> bytes;
    count = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &after, &data) == Success &&
        data) {
        // Xlib hands 32-bit items back as longs.
        const std::size_t itemSize = format == 32 ? sizeof(long) : std::size_t(format / 8);
        bytes.assign(data, data + count * itemSize);
        XFree(data);
    }
    return bytes;
}

std::string windowName(Display *display, Window window)
{
    int format = 0;
    unsigned long count = 0;
    const auto bytes = property(display, window, "_NET_WM_NAME",
                                XInternAtom(display, "UTF8_STRING", False), format, count);
    return format == 8 ? std::string(bytes.begin(), bytes.end()) : std::string();
}

long windowPid(Display *display, Window window)
{
    int format = 0;
    unsigned long count = 0;
    const auto bytes = property(display, window, "_NET_WM_PID", XA_CARDINAL, format, count);
    if (format != 32 || count != 1)
        return -1;
    long pid = 0;
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<unsigned char *>(&pid));
    return pid;
}

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool meets(const XRectangle &r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
};

Box rootBox(Display *display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Box box{0, 0, attributes.width, attributes.height};
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &box.x, &box.y,
                          &child);
    return box;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<Sample> measure(const Probe &probe, const char *program, int settleMs)
{
    Display *display = probe.display;
    const Window root = DefaultRootWindow(display);
    // Watching starts before the program does, so that nothing is missed:
    // maps of any top-level window, and every drawing anywhere on screen.
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }

    std::optional<double> mapped;
    std::optional<double> drawn;
    Box window;
    bool ended = false;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (!drawn && !ended && Clock::now() < deadline) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 20);
            ended = waitpid(pid, nullptr, WNOHANG) == pid;
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !mapped) {
            const double at = msSince(start);
            const Window w = event.xmap.window;
            if (windowName(display, w) == probe.title && windowPid(display, w) == pid) {
                mapped = at;
                window = rootBox(display, w);
            }
        } else if (event.type == probe.damageEventBase + XDamageNotify && mapped) {
            const auto &notify = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (window.meets(notify.area))
                drawn = msSince(start);
        }
    }
    XDamageDestroy(display, damage);
    XSelectInput(display, root, NoEventMask);
    XSync(display, True);

    if (ended) {
        std::fprintf(stderr, "%s ended before its window was drawn\n", program);
        return std::nullopt;
    }
    // Let the program settle after its first frame before its memory is read.
    if (drawn && settleMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return std::nullopt;
    }
    if (!drawn) {
        std::fprintf(stderr, "%s: no window \"%s\" %s in time\n", program, probe.title.c_str(),
                     mapped ? "drawn" : "mapped");
        return std::nullopt;
    }
    return Sample{*mapped, *drawn, usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage(const char *self)
{
    std::fprintf(stderr, "usage: %s [-n RUNS] [-t TITLE] [-s SETTLE_MS] PROGRAM BASELINE\n", self);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 21;
    Probe probe{nullptr, 0, "Tavlora", 200};
    int option;
    while ((option = getopt(argc, argv, "n:t:s:")) != -1) {
        switch (option) {
        case 'n':
            runs = std::atoi(optarg);
            break;
        case 't':
            probe.title = optarg;
            break;
        case 's':
            probe.settleMs = std::atoi(optarg);
            break;
        default:
            return usage(argv[0]);
        }
    }
    if (argc - optind != 2 || runs < 1)
        return usage(argv[0]);
    const char *programs[2] = {argv[optind], argv[optind + 1]};
    const char *names[2] = {"program", "baseline"};

    probe.display = XOpenDisplay(nullptr);
    if (!probe.display) {
        std::fprintf(stderr, "cannot open display %s\n", XDisplayName(nullptr));
        return 1;
    }
    fcntl(ConnectionNumber(probe.display), F_SETFD, FD_CLOEXEC);
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(probe.display, &probe.damageEventBase, &damageErrorBase)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }

    // One unmeasured start of each first: the very first start pays for
    // reading libraries and fonts from disk.
    for (const char *program : programs)
        if (!measure(probe, program, 0))
            return 1;

    std::printf("%-6s %-9s %10s %10s %12s\n", "run", "", "mapped", "drawn", "peak RSS");
    std::vector<Sample> samples[2];
    for (int i = 0; i < runs; ++i) {
        for (int which : {i % 2, 1 - i % 2}) {
            const std::optional<Sample> s = measure(probe, programs[which], probe.settleMs);
            if (!s)
                return 1;
            samples[which].push_back(*s);
            std::printf("%-6d %-9s %7.1f ms %7.1f ms %8ld KiB\n", i + 1, names[which], s->mappedMs,
                        s->drawnMs, s->maxRssKiB);
        }
    }

    double mapped[2];
    double drawn[2];
    long rss[2];
    for (int which : {0, 1}) {
        std::vector<double> m;
        std::vector<double> d;
        std::vector<long> r;
        for (const Sample &s : samples[which]) {
            m.push_back(s.mappedMs);
            d.push_back(s.drawnMs);
            r.push_back(s.maxRssKiB);
        }
        mapped[which] = median(m);
        drawn[which] = median(d);
        rss[which] = median(r);
    }
    std::printf("\nmedians of %d runs each\n", runs);
    std::printf("%-16s %10s %10s %12s\n", "", "mapped", "drawn", "peak RSS");
    for (int which : {0, 1})
        std::printf("%-16s %7.1f ms %7.1f ms %8ld KiB\n", names[which], mapped[which], drawn[which],
                    rss[which]);
    std::printf("%-16s %10.3f %10.3f %12.3f\n", "program/baseline", mapped[0] / mapped[1],
                drawn[0] / drawn[1], double(rss[0]) / double(rss[1]));
    XCloseDisplay(probe.display);
    return 0;
}
