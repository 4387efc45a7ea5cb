// Times a program's start-up from outside, as a learner sees it: from the
// moment it is started until its top-level window is mapped and one client
// pixel shows the colour the program paints there; then reads its peak
// memory and ends it. Prints "<milliseconds> <VmHWM in kB>".
//
//   kestrilon-xwatch R,G,B X Y-FROM-BOTTOM -- PROGRAM [ARGS...]
//
// The pixel is counted from the window's bottom edge, so a menu bar of any
// height above the client area does not move it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto giveUpAfter = std::chrono::seconds(20);

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "kestrilon-xwatch: %s\n", what);
    std::exit(2);
}

// A window that vanished between the event and the request is no reason to stop.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

long windowPid(Display *display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data)
            == Success
        && data && format == 32 && count == 1)
        pid = *reinterpret_cast<long *>(data);
    if (data)
        XFree(data);
    return pid;
}

long peakMemoryKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

unsigned channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    return unsigned((pixel & mask) >> shift);
}

bool stillRunning(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6 || std::strcmp(argv[4], "--") != 0)
        fail("usage: kestrilon-xwatch R,G,B X Y-FROM-BOTTOM -- PROGRAM [ARGS...]");
    unsigned wanted[3] = {};
    if (std::sscanf(argv[1], "%u,%u,%u", &wanted[0], &wanted[1], &wanted[2]) != 3)
        fail("the colour is R,G,B");
    const int pixelX = std::atoi(argv[2]);
    const int pixelFromBottom = std::atoi(argv[3]);

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no X display");
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point started = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("cannot fork");
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[5], argv + 5);
        std::perror(argv[5]);
        _exit(127);
    }

    const auto timedOut = [&] { return Clock::now() - started > giveUpAfter; };

    Window window = None;
    while (window == None) {
        if (timedOut() || !stillRunning(child))
            fail("the program's window was never mapped");
        if (XPending(display) == 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect)
            continue;
        const long pid = windowPid(display, event.xmap.window);
        if (pid == -1 || pid == child)
            window = event.xmap.window;
    }

    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes))
        fail("the mapped window went away");
    const int pixelY = attributes.height - pixelFromBottom;
    const Visual *visual = attributes.visual;

    bool painted = false;
    while (!painted) {
        if (timedOut() || !stillRunning(child))
            fail("the program never painted the expected colour");
        if (XImage *image = XGetImage(display, window, pixelX, pixelY, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            painted = channel(pixel, visual->red_mask) == wanted[0]
                      && channel(pixel, visual->green_mask) == wanted[1]
                      && channel(pixel, visual->blue_mask) == wanted[2];
        }
        if (!painted)
            usleep(1000);
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - started;

    const long peak = peakMemoryKb(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);

    std::printf("%.1f %ld\n", elapsed.count(), peak);
    return 0;
}
