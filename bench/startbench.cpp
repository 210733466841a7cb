// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and memory, measured from outside: for each program, the time from
// starting its process to the X server mapping its first top-level window, and
// the process's peak resident memory. Programs run in turn, round after round
// (A B C, B C A, C A B, ...), so that a slow spell of the machine hits all of
// them alike; each figure is the median of the rounds.
//
//   quorvane_startbench [--runs N] [--settle MS] NAME=PROGRAM [NAME=PROGRAM ...]
//
// The watcher selects SubstructureNotify on the root window, so the server
// tells it of every top-level window that is mapped; a MapNotify counts when
// the window's _NET_WM_PID is the started process. At that moment it also
// reads the CPU time the process's threads have used (/proc/PID/task/*/schedstat,
// in nanoseconds): on a shared machine, wall time waits for other work, the
// CPU time much less. After the map the program is left to paint and settle
// for --settle milliseconds, then ended with SIGTERM; its peak resident set
// comes from wait4's rusage.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Program {
    std::string name;
    std::string command;
    std::vector<double> startMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;
};

struct Sample {
    double startMs = -1;
    double cpuMs = -1;
    double peakMiB = -1;
};

// CPU time used so far by all threads of the process, in milliseconds.
double cpuMsOf(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (FILE* f = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(f, "%llu", &ns) == 1)
                total += double(ns) / 1e6;
            std::fclose(f);
        }
    }
    closedir(dir);
    return total;
}

long windowPid(Display* display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = long(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; } // a window may vanish between its map and our question

Sample runOnce(Display* display, Atom pidAtom, const std::string& command, int settleMs)
{
    Sample sample;
    // Drop whatever an earlier run left queued.
    XSync(display, True);

    const double started = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    const double deadline = started + 20000;
    double mapped = -1;
    while (mapped < 0 && nowMs() < deadline) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "%s ended before it showed a window\n", command.c_str());
                return sample;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            // Read first, ask after: the program goes on painting meanwhile.
            const double at = nowMs();
            const double cpu = cpuMsOf(pid);
            if (windowPid(display, event.xmap.window, pidAtom) == long(pid)) {
                mapped = at;
                sample.cpuMs = cpu;
            }
        }
    }
    if (mapped < 0)
        std::fprintf(stderr, "%s showed no window within 20 s\n", command.c_str());
    else
        sample.startMs = mapped - started;

    // Let it paint its first frame and settle before reading its peak memory.
    usleep(useconds_t(settleMs) * 1000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (mapped >= 0)
        sample.peakMiB = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
    return sample;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 9;
    int settleMs = 300;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--settle" && i + 1 < argc)
            settleMs = std::atoi(argv[++i]);
        else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0)
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--settle MS] NAME=PROGRAM ...\n", argv[0]);
            return 2;
        }
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] [--settle MS] NAME=PROGRAM ...\n", argv[0]);
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display (DISPLAY=%s)\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

    // One run of each first, unmeasured: it loads the binaries and fonts into the page cache.
    for (Program& p : programs)
        runOnce(display, pidAtom, p.command, settleMs);

    const std::size_t n = programs.size();
    for (int round = 0; round < runs; ++round)
        for (std::size_t k = 0; k < n; ++k) {
            Program& p = programs[(std::size_t(round) + k) % n];
            const Sample s = runOnce(display, pidAtom, p.command, settleMs);
            if (s.startMs >= 0) {
                p.startMs.push_back(s.startMs);
                p.cpuMs.push_back(s.cpuMs);
                p.peakMiB.push_back(s.peakMiB);
            }
        }

    const double baseStart = median(programs.front().startMs);
    const double baseCpu = median(programs.front().cpuMs);
    const double basePeak = median(programs.front().peakMiB);
    const auto ratio = [](double v, double base) { return base > 0 ? v / base : 0.0; };
    std::printf("%-16s %4s %9s %6s %9s %6s %9s %6s %16s\n", "program", "runs", "start ms", "ratio", "cpu ms", "ratio",
                "peak MiB", "ratio", "start min..max");
    for (const Program& p : programs) {
        const double start = median(p.startMs);
        const double cpu = median(p.cpuMs);
        const double peak = median(p.peakMiB);
        const double lo = p.startMs.empty() ? -1 : *std::min_element(p.startMs.begin(), p.startMs.end());
        const double hi = p.startMs.empty() ? -1 : *std::max_element(p.startMs.begin(), p.startMs.end());
        std::printf("%-16s %4zu %9.1f %6.2f %9.1f %6.2f %9.1f %6.2f %7.1f..%-7.1f\n", p.name.c_str(), p.startMs.size(),
                    start, ratio(start, baseStart), cpu, ratio(cpu, baseCpu), peak, ratio(peak, basePeak), lo, hi);
    }
    XCloseDisplay(display);
    for (const Program& p : programs)
        if (p.startMs.size() != std::size_t(runs))
            return 1;
    return 0;
}
