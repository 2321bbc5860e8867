// Starts a program and waits for its first painted window, watching the X
// display from outside the program, so every program is timed the same way.
//
//   paintwatch [--timeout ms] [--settle ms] [--shot file.ppm] [--log file]
//              [--trace] [-- program [argument...]]
//
// The window watched is the largest viewable top-level window that is not a
// splash screen nor smaller than 400 x 300; the program starts only once the
// display shows no window, so that window is the program's. Every 10 ms its
// part of the screen is read; a picture that differs from the previous one
// in more than 0.5% of its pixels (a card, not the ticking of a clock)
// starts a new picture. The window counts as painted when a picture that is
// not of one colour has stayed for the settle time (500 ms); the time
// printed is when that picture was first seen, in milliseconds since just
// before the program was started. On success it prints
// "<pid> <ms> <x> <y> <w> <h>" (the window's place on the screen) and leaves
// the program, in a process group of its own, running; on a timeout
// (60 s) or when the program ends first it says so, ends the program and
// exits with 1. --shot keeps the painted picture, --trace tells on standard
// error when each new picture was seen.
//
// Without a program it waits the same way for the window shown to come to
// rest (after moves the program makes by itself) and prints the
// milliseconds until its last change.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMinWidth = 400, kMinHeight = 300;

struct Options {
    long timeout_ms = 60000;
    long settle_ms = 500;
    std::string shot;
    std::string log = "/dev/null";
    bool trace = false;
    char** command = nullptr;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
};

struct Picture {
    Rect rect;
    std::vector<uint32_t> pixels;
};

double NowMs() {
    using Ms = std::chrono::duration<double, std::milli>;
    return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--") {
            options.command = argv + i + 1;
            return i + 1 < argc;
        }
        if (arg == "--trace") {
            options.trace = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        if (arg == "--timeout") {
            options.timeout_ms = std::atol(argv[++i]);
        } else if (arg == "--settle") {
            options.settle_ms = std::atol(argv[++i]);
        } else if (arg == "--shot") {
            options.shot = argv[++i];
        } else if (arg == "--log") {
            options.log = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

pid_t Launch(const Options& options) {
    pid_t pid = fork();
    if (pid != 0) {
        if (pid > 0) setpgid(pid, pid);  // both sides, so no kill comes before it
        return pid;
    }
    setpgid(0, 0);
    int log = open(options.log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (log >= 0) {
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
    }
    execvp(options.command[0], options.command);
    std::perror(options.command[0]);
    _exit(127);
}

bool IsSplash(Display* display, Window window) {
    static const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    static const Atom splash = XInternAtom(display, "_NET_WM_WINDOW_TYPE_SPLASH", False);
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, type, 0, 16, False, XA_ATOM, &actual, &format, &count,
                           &left, &data) != Success ||
        data == nullptr)
        return false;
    bool found = false;
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i) found = found || atoms[i] == splash;
    XFree(data);
    return found;
}

// Windows may go away while they are looked at: such errors are expected.
int IgnoreError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

// True while a top-level window of another program is still shown.
bool AnyWindowShown(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    bool shown = false;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return false;
    for (unsigned int i = 0; i < count && !shown; ++i) {
        XWindowAttributes a{};
        shown = XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable;
    }
    if (children != nullptr) XFree(children);
    return shown;
}

// The largest viewable top-level window, clipped to the screen, but splash
// screens, popups and windows too small to hold a table of cards (progress
// boxes); w == 0 when there is none.
Rect FindWindow(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Rect best;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return best;
    const int screen_w = DisplayWidth(display, DefaultScreen(display));
    const int screen_h = DisplayHeight(display, DefaultScreen(display));
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a)) continue;
        if (a.map_state != IsViewable || a.override_redirect) continue;
        if (IsSplash(display, children[i])) continue;
        Rect r{std::max(a.x, 0), std::max(a.y, 0), 0, 0};
        r.w = std::min(a.x + a.width, screen_w) - r.x;
        r.h = std::min(a.y + a.height, screen_h) - r.y;
        if (r.w >= kMinWidth && r.h >= kMinHeight && r.w * r.h > best.w * best.h) best = r;
    }
    if (children != nullptr) XFree(children);
    return best;
}

// What the screen shows of the rectangle, as 0xRRGGBB pixels.
bool Capture(Display* display, const Rect& rect, Picture& picture) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y, rect.w, rect.h,
                              AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    picture.rect = rect;
    picture.pixels.resize(static_cast<size_t>(rect.w) * rect.h);
    uint32_t* to = picture.pixels.data();
    for (int y = 0; y < rect.h; ++y, to += rect.w) {
        if (image->bits_per_pixel == 32) {
            std::memcpy(to, image->data + static_cast<size_t>(y) * image->bytes_per_line,
                        static_cast<size_t>(rect.w) * 4);
        } else {
            for (int x = 0; x < rect.w; ++x) to[x] = static_cast<uint32_t>(XGetPixel(image, x, y));
        }
        for (int x = 0; x < rect.w; ++x) to[x] &= 0xffffffu;
    }
    XDestroyImage(image);
    return true;
}

size_t Tolerance(const Picture& picture) {
    return picture.pixels.size() / 200;
}

bool Differs(const Picture& a, const Picture& b) {
    if (!(a.rect == b.rect)) return true;
    size_t differing = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (a.pixels[i] != b.pixels[i] && ++differing > Tolerance(a)) return true;
    return false;
}

bool OfOneColour(const Picture& picture) {
    const uint32_t middle = picture.pixels[picture.pixels.size() / 2];
    size_t other = 0;
    for (uint32_t pixel : picture.pixels)
        if (pixel != middle && ++other > Tolerance(picture)) return false;
    return true;
}

void WritePpm(const std::string& file, const Picture& picture) {
    FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) return;
    std::fprintf(out, "P6\n%d %d\n255\n", picture.rect.w, picture.rect.h);
    for (uint32_t pixel : picture.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                                      static_cast<unsigned char>(pixel >> 8),
                                      static_cast<unsigned char>(pixel)};
        std::fwrite(rgb, 1, 3, out);
    }
    std::fclose(out);
}

// Samples the watched window every 10 ms until a picture that is not of one
// colour has stayed for the settle time; keeps it in `seen`, first seen
// `seen_at` ms after `start`. Returns why it gave up, or nullptr.
const char* Settle(Display* display, const Options& options, double start, pid_t pid, Picture& seen,
                   double& seen_at) {
    Picture sample;
    for (;; usleep(10000)) {
        const double now = NowMs();
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == pid) return "the program ended first";
        if (now - start > options.timeout_ms) return "no settled window in time";
        const Rect rect = FindWindow(display);
        if (rect.w == 0 || !Capture(display, rect, sample)) continue;
        if (seen.pixels.empty() || Differs(seen, sample)) {
            if (options.trace)
                std::fprintf(stderr, "%.0f ms: new picture %dx%d%s\n", now - start, rect.w, rect.h,
                             OfOneColour(sample) ? " of one colour" : "");
            seen.rect = sample.rect;
            seen.pixels.swap(sample.pixels);
            seen_at = now - start;
        } else if (now - start - seen_at >= options.settle_ms && !OfOneColour(seen)) {
            return nullptr;
        }
    }
}

// Starts the program once the display is empty and waits for its window.
int Start(Display* display, const Options& options) {
    // The windows of a program ended just before go away when the X server
    // has noticed; until then they would be taken for this program's.
    for (int waited = 0; AnyWindowShown(display); waited += 10) {
        if (waited > 5000) {
            std::fprintf(stderr, "paintwatch: the display still shows another window\n");
            return 1;
        }
        usleep(10000);
    }
    const double start = NowMs();
    const pid_t pid = Launch(options);
    if (pid < 0) return 1;
    Picture seen;
    double seen_at = 0;
    if (const char* why = Settle(display, options, start, pid, seen, seen_at)) {
        std::fprintf(stderr, "paintwatch: %s\n", why);
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    if (!options.shot.empty()) WritePpm(options.shot, seen);
    std::printf("%d %.0f %d %d %d %d\n", pid, seen_at, seen.rect.x, seen.rect.y, seen.rect.w,
                seen.rect.h);
    return 0;
}

// Without a program: waits until the window shown has come to rest.
int Rest(Display* display, const Options& options) {
    Picture seen;
    double seen_at = 0;
    if (const char* why = Settle(display, options, NowMs(), 0, seen, seen_at)) {
        std::fprintf(stderr, "paintwatch: %s\n", why);
        return 1;
    }
    if (!options.shot.empty()) WritePpm(options.shot, seen);
    std::printf("%.0f\n", seen_at);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: paintwatch [--timeout ms] [--settle ms] [--shot file.ppm] "
                     "[--log file] [--trace] [-- program [argument...]]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "paintwatch: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    const int code = options.command != nullptr ? Start(display, options) : Rest(display, options);
    XCloseDisplay(display);
    return code;
}
