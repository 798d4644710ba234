#include "app/launch/EarlySplash.h"

#include "app/launch/SplashPlace.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace launch {

namespace {

// Xlib's own handler ends the program on any error; here a failed request
// only means no early picture, which the results are checked for.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

// Whether the server has closed this connection (killed its client): any
// request would then end the program through Xlib's I/O error handler.
bool connectionLost(Display* display) {
    pollfd readable{ConnectionNumber(display), POLLIN, 0};
    if (::poll(&readable, 1, 0) <= 0)
        return false;
    char byte = 0;
    return ::recv(readable.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

} // namespace

struct EarlySplash::Parts {
    Display* display = nullptr;
    Pixmap pixmap = None;
    Window window = None;

    ~Parts() {
        if (!display)
            return;
        if (connectionLost(display)) {
            // The server freed the window with its client; Xlib's part of
            // the connection is left behind rather than flushed into an error.
            ::close(ConnectionNumber(display));
            return;
        }
        const auto previous = XSetErrorHandler(ignoreError);
        if (window != None)
            XDestroyWindow(display, window);
        if (pixmap != None)
            XFreePixmap(display, pixmap);
        XSync(display, False);
        XSetErrorHandler(previous);
        XCloseDisplay(display);
    }
};

namespace {

// The atoms the window is described with, fetched in one round trip.
enum Name : std::size_t {
    WorkArea,
    WmPid,
    WmName,
    Utf8String,
    WindowType,
    TypeSplash,
    TypeOverride,
    TypeNormal,
    MotifHints,
    NameCount
};
constexpr std::array<const char*, NameCount> kNames = {
    "_NET_WORKAREA",
    "_NET_WM_PID",
    "_NET_WM_NAME",
    "UTF8_STRING",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_SPLASH",
    "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_MOTIF_WM_HINTS",
};
using Atoms = std::array<Atom, NameCount>;

// Only a display on this machine: over a network the picture's half a
// megabyte and the round trips would delay the start they are to hide.
bool isLocal(const char* display) {
    const std::string_view name = display ? display : "";
    return !name.empty() && (name.front() == ':' || name.substr(0, 5) == "unix:");
}

// Qt scales its windows by Xft.dpi / 96 or by its own variables: a picture
// at its own size would then not match the splash. We choose: the desktop's
// XSETTINGS (Xft/DPI) are not read; where they alone scale Qt, the picture
// is replaced by a larger one after a moment.
bool displayIsScaled(Display* display) {
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_USE_PHYSICAL_DPI"}) {
        const char* value = std::getenv(name);
        if (value && *value && std::string_view(value) != "1")
            return true;
    }
    const char* resources = XResourceManagerString(display);
    if (!resources)
        return false;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value{};
    bool scaled = false;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
        scaled = std::strtod(value.addr, nullptr) != 96.0;
    XrmDestroyDatabase(database);
    return scaled;
}

Screen describeScreen(Display* display, Window root, const Atoms& atoms) {
    Screen screen;
    screen.whole = Rect{0, 0, DisplayWidth(display, DefaultScreen(display)),
                        DisplayHeight(display, DefaultScreen(display))};
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    // Monitors came with RandR 1.5; before it Qt too sees one screen.
    if (XRRQueryExtension(display, &event, &error) && XRRQueryVersion(display, &major, &minor) &&
        (major > 1 || minor >= 5)) {
        int count = 0;
        XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
        for (int i = 0; i < count; ++i) {
            screen.monitors.push_back(
                Monitor{Rect{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height},
                        monitors[i].primary != 0});
        }
        if (monitors)
            XRRFreeMonitors(monitors);
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, root, atoms[WorkArea], 0, 4, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 4) {
        // Xlib hands 32-bit items as longs.
        const auto* values = reinterpret_cast<const long*>(data);
        screen.workArea = Rect{int(values[0]), int(values[1]), int(values[2]), int(values[3])};
    }
    if (data)
        XFree(data);
    const char* rely = std::getenv("QT_RELY_ON_NET_WORKAREA_ATOM");
    screen.relyOnWorkArea = rely && *rely;
    return screen;
}

void setProperty(Display* display, Window window, Atom name, Atom type, int format,
                 const void* data, int count) {
    XChangeProperty(display, window, name, type, format, PropModeReplace,
                    static_cast<const unsigned char*>(data), count);
}

// What Qt's own splash says of itself, so that docks, window managers and
// tools that look windows up by process see the same program.
void describe(Display* display, Window window, const Atoms& atoms, int width, int height) {
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = USPosition | PPosition | PMinSize | PMaxSize;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
    XWMHints* wm = XAllocWMHints();
    wm->flags = InputHint;
    wm->input = False;
    XClassHint* kind = XAllocClassHint();
    char program[] = "ostra";
    kind->res_name = program;
    kind->res_class = program;
    XSetWMProperties(display, window, nullptr, nullptr, nullptr, 0, hints, wm, kind);
    XFree(kind);
    XFree(wm);
    XFree(hints);
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        setProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, host,
                    int(std::strlen(host)));
    const long pid = getpid();
    setProperty(display, window, atoms[WmPid], XA_CARDINAL, 32, &pid, 1);
    setProperty(display, window, atoms[WmName], atoms[Utf8String], 8, program,
                int(std::strlen(program)));
    const Atom types[] = {atoms[TypeSplash], atoms[TypeOverride], atoms[TypeNormal]};
    setProperty(display, window, atoms[WindowType], XA_ATOM, 32, types, 3);
    // No decorations: flags = decorations given, decorations = none.
    const long motif[5] = {2, 0, 0, 0, 0};
    setProperty(display, window, atoms[MotifHints], atoms[MotifHints], 32, motif, 5);
}

bool makeWindow(EarlySplash::Parts& parts, const Atoms& atoms, const Picture& picture, Point at) {
    Display* display = parts.display;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const auto width = unsigned(picture.width);
    const auto height = unsigned(picture.height);
    parts.pixmap = XCreatePixmap(display, root, width, height, 24);
    // Xlib only reads the words; the data is taken back before it is freed.
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
                                 const_cast<char*>(reinterpret_cast<const char*>(picture.pixels)),
                                 width, height, 32, int(width * 4));
    if (!image)
        return false;
    const bool fits = image->bits_per_pixel == 32;
    if (fits) {
        // The words as this machine stores them; Xlib swaps them for the server.
        const std::uint32_t one = 1;
        image->byte_order =
            *reinterpret_cast<const unsigned char*>(&one) == 1 ? LSBFirst : MSBFirst;
        const GC gc = XCreateGC(display, parts.pixmap, 0, nullptr);
        XPutImage(display, parts.pixmap, gc, image, 0, 0, 0, 0, width, height);
        XFreeGC(display, gc);
    }
    image->data = nullptr;
    XDestroyImage(image);
    if (!fits)
        return false;

    XSetWindowAttributes attributes{};
    attributes.background_pixmap = parts.pixmap;
    attributes.border_pixel = 0;
    parts.window =
        XCreateWindow(display, root, at.x, at.y, width, height, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWBackPixmap | CWBorderPixel, &attributes);
    describe(display, parts.window, atoms, picture.width, picture.height);
    XMapWindow(display, parts.window);
    // Any failure above has come back by now.
    XSync(display, False);
    XWindowAttributes made{};
    Window under = None;
    int x = 0;
    unsigned size = 0;
    return XGetWindowAttributes(display, parts.window, &made) &&
           XGetGeometry(display, parts.pixmap, &under, &x, &x, &size, &size, &size, &size);
}

} // namespace

std::unique_ptr<EarlySplash> EarlySplash::show(const Picture& picture) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0 ||
        !isLocal(std::getenv("DISPLAY")))
        return nullptr;
    auto parts = std::make_unique<Parts>();
    parts->display = XOpenDisplay(nullptr);
    Display* display = parts->display;
    if (!display)
        return nullptr;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const Visual* visual = DefaultVisual(display, screen);
    // 0xffRRGGBB words as they are; any other screen is left to Qt.
    if (DefaultDepth(display, screen) != 24 || visual->c_class != TrueColor ||
        visual->red_mask != 0xff0000 || visual->green_mask != 0xff00 || visual->blue_mask != 0xff ||
        displayIsScaled(display))
        return nullptr;
    Atoms atoms{};
    if (!XInternAtoms(display, const_cast<char**>(kNames.data()), int(kNames.size()), False,
                      atoms.data()))
        return nullptr;
    const Point at =
        splashPlace(describeScreen(display, root, atoms), picture.width, picture.height);
    const auto previous = XSetErrorHandler(ignoreError);
    const bool made = makeWindow(*parts, atoms, picture, at);
    XSetErrorHandler(previous);
    if (!made)
        return nullptr;
    return std::make_unique<EarlySplash>(std::move(parts));
}

EarlySplash::EarlySplash(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

EarlySplash::~EarlySplash() = default;

} // namespace launch
