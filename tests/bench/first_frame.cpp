// SPDX-License-Identifier: MIT
// Starts a program and reports the milliseconds until its first window is
// mapped and shows something other than black, then its resident memory a
// second later. Usage: first_frame PROGRAM [ARGS...]
// Prints: "<ms to first frame> <resident KiB>"
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool showsSomething(Display* d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable || a.width < 50)
        return false;
    XImage* image = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool any = false;
    for (int y = 0; y < a.height && !any; y += 3)
        for (int x = 0; x < a.width && !any; x += 3)
            any = (XGetPixel(image, x, y) & 0xFFFFFF) != 0;
    XDestroyImage(image);
    return any;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_frame PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "first_frame: no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    Window mapped = 0;
    double ms = -1;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && e.xmap.event == root) {
                XWindowAttributes a;
                if (XGetWindowAttributes(d, e.xmap.window, &a) && a.width >= 50)
                    mapped = e.xmap.window;
            }
        }
        if (mapped && showsSomething(d, mapped)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(d);
    std::printf("%.1f %ld\n", ms, rss);
    return ms < 0 ? 1 : 0;
}
