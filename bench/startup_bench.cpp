// Starts two programs alternately on the X display in $DISPLAY and reports, for each, the time
// from exec to its first mapped window, its resident memory then and a second later, and how
// often it wakes up while idle. Usage: startup_bench ROUNDS IDLE-SECONDS PROGRAM-A PROGRAM-B
// Each start runs in a fresh runtime directory, in the current directory.

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dirent.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double startupMs = 0;
    long rssAtMapKb = 0;
    long rssSettledKb = 0;
    double wakeupsPerSecond = 0;
};

long StatusField(pid_t pid, const std::string& task, const char* field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + task + "/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
        }
    }
    return 0;
}

// Context switches of every thread: each one is the process waking up.
long Switches(pid_t pid)
{
    long total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.') {
                continue;
            }
            const std::string task = std::string("/task/") + e->d_name;
            total += StatusField(pid, task, "voluntary_ctxt_switches") +
                     StatusField(pid, task, "nonvoluntary_ctxt_switches");
        }
        closedir(d);
    }
    return total;
}

bool WaitForMap(Display* dpy, Clock::time_point deadline)
{
    const int fd = ConnectionNumber(dpy);
    while (Clock::now() < deadline) {
        while (XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy) && !ev.xmap.override_redirect) {
                return true;
            }
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 2000};
        select(fd + 1, &set, nullptr, nullptr, &tv);
    }
    return false;
}

Run StartOnce(Display* dpy, const char* program, int idleSeconds)
{
    char runtime[] = "/tmp/startup-bench-XXXXXX";
    if (mkdtemp(runtime) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    XSync(dpy, True);  // forget earlier events
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", runtime, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Run run;
    if (!WaitForMap(dpy, t0 + std::chrono::seconds(30))) {
        std::fprintf(stderr, "%s mapped no window\n", program);
        std::exit(1);
    }
    run.startupMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    run.rssAtMapKb = StatusField(pid, "", "VmRSS");
    usleep(1000 * 1000);
    run.rssSettledKb = StatusField(pid, "", "VmRSS");
    if (idleSeconds > 0) {
        const long before = Switches(pid);
        sleep(static_cast<unsigned>(idleSeconds));
        run.wakeupsPerSecond = static_cast<double>(Switches(pid) - before) / idleSeconds;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::system((std::string("rm -rf ") + runtime).c_str());
    return run;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Summary {
    double startupMs, rssAtMapMb, rssSettledMb, wakeups, startupMin, startupMax;
};

Summary Summarise(const std::vector<Run>& runs)
{
    std::vector<double> s, m, ms, w;
    for (const Run& r : runs) {
        s.push_back(r.startupMs);
        m.push_back(r.rssAtMapKb / 1024.0);
        ms.push_back(r.rssSettledKb / 1024.0);
        w.push_back(r.wakeupsPerSecond);
    }
    return {Median(s),
            Median(m),
            Median(ms),
            Median(w),
            *std::min_element(s.begin(), s.end()),
            *std::max_element(s.begin(), s.end())};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s ROUNDS IDLE-SECONDS PROGRAM-A PROGRAM-B\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int idle = std::atoi(argv[2]);
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    std::vector<Run> a, b;
    for (int i = 0; i < rounds; ++i) {
        a.push_back(StartOnce(dpy, argv[3], idle));
        b.push_back(StartOnce(dpy, argv[4], idle));
        std::fprintf(stderr, "round %d: %.0f ms, %.0f ms\n", i + 1, a.back().startupMs, b.back().startupMs);
    }
    const Summary sa = Summarise(a);
    const Summary sb = Summarise(b);
    std::printf("%-12s %10s %10s %10s %12s %12s %12s\n", "program", "start ms", "min ms", "max ms", "RSS@map MB",
                "RSS+1s MB", "wakeups/s");
    const auto row = [](const char* name, const Summary& s) {
        std::printf("%-12s %10.1f %10.1f %10.1f %12.1f %12.1f %12.2f\n", name, s.startupMs, s.startupMin, s.startupMax,
                    s.rssAtMapMb, s.rssSettledMb, s.wakeups);
    };
    row("A", sa);
    row("B", sb);
    std::printf("ratio A/B: start-up %.2f, RSS at map %.2f, RSS a second later %.2f  (medians of %d starts each)\n",
                sa.startupMs / sb.startupMs, sa.rssAtMapMb / sb.rssAtMapMb, sa.rssSettledMb / sb.rssSettledMb, rounds);
    XCloseDisplay(dpy);
    return 0;
}
