// Starts a program on the X display named by DISPLAY, waits until a
// top-level window with the given title is mapped, asks that window to
// close as a window manager would (WM_DELETE_WINDOW) and waits for the
// program to end. Prints one line:
//
//   map_ms=<ms from just before the start until the map> max_rss_kb=<peak resident memory of the program>
//
// The peak is the kernel's own count for the ended child (getrusage's
// ru_maxrss), the figure that GNU time prints as %M.
//
// usage: launch_until_mapped TITLE PROGRAM [ARGUMENT...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(30);
constexpr auto kCloseTimeout = std::chrono::seconds(10);

std::string WindowTitle(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data != nullptr) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
        return title;
    }
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

void AskToClose(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits for the child to end, killing it if it does not end in time.
bool Reap(pid_t child, rusage &usage, int &status)
{
    const Clock::time_point deadline = Clock::now() + kCloseTimeout;
    while (true) {
        const pid_t ended = wait4(child, &status, WNOHANG, &usage);
        if (ended == child)
            return true;
        if (ended < 0)
            return false;
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "launch_until_mapped: the program did not close; killing it\n");
            kill(child, SIGKILL);
            return wait4(child, &status, 0, &usage) == child;
        }
        usleep(2000);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];

    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch_until_mapped: cannot open the display\n");
        return 1;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    // Without a window manager a top-level window's MapNotify is reported to
    // whoever listens for the root window's substructure.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("execvp");
        _exit(127);
    }

    Window mapped = None;
    Clock::time_point mappedAt;
    while (mapped == None) {
        while (mapped == None && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect
                && WindowTitle(display, event.xmap.window) == wanted) {
                mappedAt = Clock::now();
                mapped = event.xmap.window;
            }
        }
        if (mapped != None)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "launch_until_mapped: the program ended before its window was mapped\n");
            return 1;
        }
        if (Clock::now() - start > kMapTimeout) {
            std::fprintf(stderr, "launch_until_mapped: no window titled \"%s\" was mapped\n", wanted.c_str());
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
    }

    AskToClose(display, mapped);
    rusage usage{};
    int status = 0;
    if (!Reap(child, usage, status)) {
        std::perror("wait4");
        return 1;
    }
    XCloseDisplay(display);

    std::printf("map_ms=%.3f max_rss_kb=%ld\n", std::chrono::duration<double, std::milli>(mappedAt - start).count(),
        usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "launch_until_mapped: the program did not end normally (status %d)\n", status);
        return 1;
    }
    return 0;
}
