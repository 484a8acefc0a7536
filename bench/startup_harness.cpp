// Start-up harness: runs programs round-robin on the current X display (with a window manager),
// and for each run measures the time from exec to the program's window becoming viewable, and
// the program's peak resident memory, with its resident memory by mapping just before the end.
// Programs that print "phase NAME NS RSS_KB CPU_NS" lines on their standard output (the probes)
// also get those phases reported, relative to exec.
//
//   startup_harness RUNS SETTLE_MS 'LABEL=TITLE=PATH [ARG...]'...
//
// Every program is started once first, unmeasured, to warm the caches. Ratios are against the
// first program.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string label, title, path;
};

struct Sample {
    double mapMs = 0;
    long peakKb = 0;
    double cpuMs = 0;  // the program's whole CPU time, user and system, until it was ended
    struct Phase {
        double ms = 0;     // since exec
        long rssKb = 0;
        double cpuMs = 0;  // CPU time of the program so far
    };
    std::map<std::string, Phase> phases;
    std::map<std::string, long> resident;                   // KiB by kind of mapping, just before the end
};

std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;  // windows of a program that just ended may be gone while we look at them
}

[[noreturn]] void die(const char* what)
{
    std::fprintf(stderr, "startup_harness: %s\n", what);
    std::exit(1);
}

class Watcher {
public:
    Watcher()
    {
        display_ = XOpenDisplay(nullptr);
        if (!display_)
            die("cannot open the X display");
        XSetErrorHandler(ignoreXErrors);
        root_ = DefaultRootWindow(display_);
        netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
        netWmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
        utf8_ = XInternAtom(display_, "UTF8_STRING", False);
        // Top-level frames are children of the root: their mapping is a MapNotify here.
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Watcher() { XCloseDisplay(display_); }

    // Waits until a window that has the title and belongs to the process is viewable; returns the
    // moment it was seen, or nothing after the timeout.
    std::optional<std::int64_t> waitForWindow(const std::string& title, pid_t pid, int timeoutMs)
    {
        const std::int64_t deadline = nowNs() + std::int64_t(timeoutMs) * 1'000'000;
        for (;;) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                const std::int64_t seen = nowNs();
                Window w = 0;
                if (event.type == MapNotify)
                    w = event.xmap.window;
                else if (event.type == ReparentNotify)
                    w = event.xreparent.window;
                if (w && containsViewable(w, title, pid, 0))
                    return seen;
            }
            const std::int64_t left = deadline - nowNs();
            if (left <= 0)
                return std::nullopt;
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, int(std::max<std::int64_t>(1, left / 1'000'000)));
        }
    }

    // Drops what is left of the events of a finished run.
    void drain()
    {
        XSync(display_, False);
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

private:
    std::string textProperty(Window w, Atom property, Atom type)
    {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::string text;
        if (XGetWindowProperty(display_, w, property, 0, 1024, False, type, &actual, &format, &count, &after, &data)
                == Success
            && data) {
            if (format == 8)
                text.assign(reinterpret_cast<char*>(data), count);
            XFree(data);
        }
        return text;
    }

    long pidOf(Window w)
    {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(display_, w, netWmPid_, 0, 1, False, XA_CARDINAL, &actual, &format, &count, &after,
                               &data)
                == Success
            && data) {
            if (format == 32 && count == 1)
                pid = *reinterpret_cast<long*>(data);
            XFree(data);
        }
        return pid;
    }

    // The window or one of its descendants (the client inside the manager's frame) is the one.
    bool containsViewable(Window w, const std::string& title, pid_t pid, int depth)
    {
        std::string name = textProperty(w, netWmName_, utf8_);
        if (name.empty())
            name = textProperty(w, XA_WM_NAME, XA_STRING);
        if (name == title && pidOf(w) == pid) {
            XWindowAttributes attributes{};
            return XGetWindowAttributes(display_, w, &attributes) && attributes.map_state == IsViewable;
        }
        if (depth >= 4)
            return false;
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, w, &rootReturn, &parent, &children, &count))
            return false;
        bool found = false;
        for (unsigned int i = 0; i < count && !found; ++i)
            found = containsViewable(children[i], title, pid, depth + 1);
        if (children)
            XFree(children);
        return found;
    }

    Display* display_;
    Window root_;
    Atom netWmName_, netWmPid_, utf8_;
};

// What a mapping holds, for the memory breakdown: a library by name, fonts, the heap.
std::string kindOf(const std::string& path)
{
    if (path.empty() || path == "[heap]")
        return "heap and anonymous";
    if (path.front() == '[')
        return path;
    const std::string base = path.substr(path.rfind('/') + 1);
    if (path.find("/fontconfig/") != std::string::npos)
        return "fontconfig caches";
    if (path.find("/fonts/") != std::string::npos)
        return "font files";
    if (const auto so = base.find(".so"); so != std::string::npos)
        return base.substr(0, so);
    if (path.find("/qt6/plugins/") != std::string::npos)
        return "Qt plugins";
    return "other files";
}

std::map<std::string, long> residentByKind(pid_t pid)
{
    std::map<std::string, long> kinds;
    std::FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/smaps").c_str(), "r");
    if (!f)
        return kinds;
    char line[4096];
    std::string current;
    while (std::fgets(line, sizeof line, f)) {
        unsigned long from = 0, to = 0;
        int consumed = 0;
        long kb = 0;
        if (std::sscanf(line, "%lx-%lx %*s %*s %*s %*s%n", &from, &to, &consumed) == 2) {
            std::string path = line + consumed;
            path.erase(0, path.find_first_not_of(" \t"));
            path.erase(path.find_last_not_of(" \t\n") + 1);
            current = kindOf(path);
        } else if (std::sscanf(line, "Rss: %ld kB", &kb) == 1) {
            kinds[current] += kb;
        }
    }
    std::fclose(f);
    return kinds;
}

std::optional<Sample> runOnce(Watcher& watcher, const Program& program, int settleMs)
{
    watcher.drain();
    // The child writes the moment of its exec here, just before calling it.
    auto* execAt = static_cast<std::int64_t*>(
        mmap(nullptr, sizeof(std::int64_t), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (execAt == MAP_FAILED)
        die("mmap failed");
    int out[2];
    if (pipe(out) != 0)
        die("pipe failed");
    const pid_t pid = fork();
    if (pid < 0)
        die("fork failed");
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // The path may carry arguments, separated by spaces.
        std::vector<std::string> words;
        for (std::size_t from = 0; from < program.path.size();) {
            const std::size_t to = std::min(program.path.find(' ', from), program.path.size());
            if (to > from)
                words.push_back(program.path.substr(from, to - from));
            from = to + 1;
        }
        std::vector<char*> args;
        for (std::string& w : words)
            args.push_back(w.data());
        args.push_back(nullptr);
        *execAt = nowNs();
        execv(args[0], args.data());
        _exit(127);
    }
    close(out[1]);

    const auto mapped = watcher.waitForWindow(program.title, pid, 20000);
    std::map<std::string, long> resident;
    if (mapped) {
        usleep(useconds_t(settleMs) * 1000);
        resident = residentByKind(pid);
    }
    kill(pid, SIGTERM);
    // A probe's phase lines are all written before it idles; the pipe holds them.
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR);)
        if (n > 0)
            text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const std::int64_t exec = *execAt;
    munmap(execAt, sizeof(std::int64_t));
    if (!mapped) {
        std::fprintf(stderr, "startup_harness: %s never showed a window titled \"%s\"\n", program.label.c_str(),
                     program.title.c_str());
        return std::nullopt;
    }

    Sample sample;
    sample.mapMs = double(*mapped - exec) / 1e6;
    sample.peakKb = usage.ru_maxrss;
    sample.cpuMs = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                    + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    sample.resident = std::move(resident);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        char name[64];
        long long ns = 0, cpu = 0;
        long rss = 0;
        if (std::sscanf(text.substr(start, end - start).c_str(), "phase %63s %lld %ld %lld", name, &ns, &rss, &cpu)
            == 4)
            sample.phases[name] = {double(ns - exec) / 1e6, rss, double(cpu) / 1e6};
        start = end + 1;
    }
    return sample;
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n == 0)
        return T{};
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_MS LABEL=TITLE=PATH...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto a = arg.find('='), b = arg.find('=', a + 1);
        if (a == std::string::npos || b == std::string::npos)
            die("each program is LABEL=TITLE=PATH");
        programs.push_back({arg.substr(0, a), arg.substr(a + 1, b - a - 1), arg.substr(b + 1)});
    }

    Watcher watcher;
    for (const Program& p : programs)
        if (!runOnce(watcher, p, settleMs))
            return 1;

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t i = 0; i < programs.size(); ++i) {
            auto sample = runOnce(watcher, programs[i], settleMs);
            if (!sample)
                return 1;
            samples[i].push_back(*sample);
        }

    std::printf("%-14s %4s %9s %7s %7s %12s %8s %8s %8s %8s %8s\n", "program", "runs", "map ms", "min", "max",
                "peak RSS KiB", "x time", "x min", "x memory", "cpu ms", "x cpu");
    double baseTime = 0, baseMin = 0, basePeak = 0, baseCpu = 0;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::vector<double> times, cpus;
        std::vector<long> peaks;
        for (const Sample& s : samples[i]) {
            times.push_back(s.mapMs);
            peaks.push_back(s.peakKb);
            cpus.push_back(s.cpuMs);
        }
        const double t = median(times), m = double(median(peaks)), c = median(cpus);
        const double low = *std::min_element(times.begin(), times.end());
        if (i == 0) {
            baseTime = t;
            baseMin = low;
            basePeak = m;
            baseCpu = c;
        }
        std::printf("%-14s %4zu %9.1f %7.1f %7.1f %12.0f %8.3f %8.3f %8.3f %8.1f %8.3f\n", programs[i].label.c_str(),
                    times.size(), t, low, *std::max_element(times.begin(), times.end()), m, t / baseTime,
                    low / baseMin, m / basePeak, c, c / baseCpu);
    }
    std::printf("map ms: exec to the window viewable, wall clock; peak RSS: at the end, %d ms after the map;\n"
                "cpu ms: the program's CPU time from exec to its end, which other load on the machine does not\n"
                "inflate. Medians (x min: ratio of the fastest runs); ratios against %s.\n",
                settleMs, programs[0].label.c_str());

    // Resident memory by kind of mapping, the kinds that differ most from the first program first.
    if (programs.size() > 1) {
        std::vector<std::map<std::string, long>> medians(programs.size());
        std::map<std::string, bool> kinds;
        for (std::size_t i = 0; i < programs.size(); ++i) {
            std::map<std::string, std::vector<long>> values;
            for (const Sample& s : samples[i])
                for (const auto& [kind, kb] : s.resident)
                    values[kind].push_back(kb);
            for (const auto& [kind, v] : values) {
                auto all = v;
                all.resize(samples[i].size(), 0);  // runs without that mapping count as zero
                medians[i][kind] = median(all);
                kinds[kind] = true;
            }
        }
        std::vector<std::pair<long, std::string>> order;
        for (const auto& [kind, _] : kinds) {
            long spread = 0;
            for (std::size_t i = 1; i < programs.size(); ++i)
                spread = std::max(spread, std::labs(medians[i][kind] - medians[0][kind]));
            order.emplace_back(-spread, kind);
        }
        std::sort(order.begin(), order.end());
        std::printf("\nresident KiB after settling, by mapping (medians; largest differences first)\n%-28s", "mapping");
        for (const Program& p : programs)
            std::printf(" %14s", p.label.c_str());
        std::printf("\n");
        std::vector<long> rest(programs.size(), 0), total(programs.size(), 0);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::string& kind = order[k].second;
            for (std::size_t i = 0; i < programs.size(); ++i)
                total[i] += medians[i][kind];
            if (k >= 14) {
                for (std::size_t i = 0; i < programs.size(); ++i)
                    rest[i] += medians[i][kind];
                continue;
            }
            std::printf("%-28s", kind.c_str());
            for (std::size_t i = 0; i < programs.size(); ++i)
                std::printf(" %14ld", medians[i][kind]);
            std::printf("\n");
        }
        std::printf("%-28s", "everything else");
        for (long r : rest)
            std::printf(" %14ld", r);
        std::printf("\n%-28s", "total");
        for (long t : total)
            std::printf(" %14ld", t);
        std::printf("\n");
    }

    // Phases, for the programs that report them, in the order they happen.
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::map<std::string, std::vector<double>> at, cpu;
        std::map<std::string, std::vector<long>> rss;
        for (const Sample& s : samples[i])
            for (const auto& [name, value] : s.phases) {
                at[name].push_back(value.ms);
                rss[name].push_back(value.rssKb);
                cpu[name].push_back(value.cpuMs);
            }
        if (at.empty())
            continue;
        std::vector<std::pair<double, std::string>> order;
        for (const auto& [name, values] : at)
            order.emplace_back(median(values), name);
        std::vector<double> maps;
        for (const Sample& s : samples[i])
            maps.push_back(s.mapMs);
        std::sort(order.begin(), order.end());
        std::printf("\nphases of %s (medians since exec)\n%-22s %9s %9s %9s %9s %9s\n", programs[i].label.c_str(),
                    "phase", "at ms", "step ms", "cpu ms", "cpu step", "RSS KiB");
        double previous = 0, previousCpu = 0;
        for (const auto& [t, name] : order) {
            const double c = median(cpu[name]);
            std::printf("%-22s %9.1f %9.1f %9.1f %9.1f %9ld\n", name.c_str(), t, t - previous, c, c - previousCpu,
                        median(rss[name]));
            previous = t;
            previousCpu = c;
        }
        std::printf("%-22s %9.1f\n", "window viewable", median(maps));
    }
    return 0;
}
