// Starts a program and reports how long it takes until its top-level window
// is mapped on the X server, and the program's resident memory once the
// window is shown. Event driven (MapNotify on the root window), so both
// programs of the benchmark are measured the same way to the millisecond.
//
//   waitmap SETTLE_MS PROGRAM [ARGS...]
// prints "<ms to map> <VmRSS kB>" and ends the program.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: waitmap SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "waitmap: no X display\n");
        return 2;
    }
    // A helper window may be gone before its attributes are read.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        std::perror("waitmap: exec");
        _exit(127);
    }

    // The first sizeable top-level window that is mapped; Qt's helper
    // windows stay unmapped or are tiny.
    double ms = -1;
    while (ms < 0) {
        if (!XPending(dpy)) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "waitmap: %s ended before mapping a window\n", argv[2]);
                return 1;
            }
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type != MapNotify || ev.xmap.override_redirect)
            continue;
        XWindowAttributes attr;
        if (XGetWindowAttributes(dpy, ev.xmap.window, &attr) && attr.width >= 100 && attr.height >= 100)
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", ms, rss);
    return 0;
}
