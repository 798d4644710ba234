#include "app/launch/EarlySplash.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#ifdef OSTRA_HAVE_XRANDR
#include <X11/extensions/Xrandr.h>
#endif
#include <unistd.h>

namespace launch {

namespace {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where the toolkit's splash goes: the middle of the area less the middle of
// the picture, both as integer centres round ((size - 1) / 2).
int centred(int start, int length, int size) {
    return start + (length - 1) / 2 - (size - 1) / 2;
}

// Xlib's own handler ends the program on any error; here a failed request
// only means no early picture, which the results are checked for.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

struct EarlySplash::Parts {
    Display* display = nullptr;
    Pixmap pixmap = None;
    Window window = None;

    ~Parts() {
        if (!display)
            return;
        // The window may have gone already (a window manager's kill).
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

// The toolkit scales its windows by Xft.dpi / 96 or by its own variables:
// a picture at its own size would then not match the splash.
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

// The primary monitor, or the first, or the whole screen.
Rect primaryMonitor(Display* display, Window root) {
    const Rect whole{0, 0, DisplayWidth(display, DefaultScreen(display)),
                     DisplayHeight(display, DefaultScreen(display))};
#ifdef OSTRA_HAVE_XRANDR
    int major = 0;
    int minor = 0;
    int count = 0;
    if (!XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 5))
        return whole;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
    Rect chosen = whole;
    for (int i = 0; i < count; ++i) {
        const Rect rect{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
        if (i == 0 || monitors[i].primary)
            chosen = rect;
        if (monitors[i].primary)
            break;
    }
    if (monitors)
        XRRFreeMonitors(monitors);
    return chosen;
#else
    (void)root;
    return whole;
#endif
}

// The desktop's work area (without its panels), as the window manager says.
std::optional<Rect> workArea(Display* display, Window root) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<Rect> area;
    const Atom name = XInternAtom(display, "_NET_WORKAREA", True);
    if (name != None &&
        XGetWindowProperty(display, root, name, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 4) {
        const auto* values = reinterpret_cast<const long*>(data);
        area = Rect{int(values[0]), int(values[1]), int(values[2]), int(values[3])};
    }
    if (data)
        XFree(data);
    return area;
}

void setAtoms(Display* display, Window window, const char* name,
              std::initializer_list<const char*> values) {
    std::vector<Atom> atoms;
    for (const char* value : values)
        atoms.push_back(XInternAtom(display, value, False));
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(atoms.data()),
                    int(atoms.size()));
}

// What the toolkit's own splash says of itself, so that docks, window
// managers and tools that look windows up by process see the same program.
void describe(Display* display, Window window, int width, int height) {
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
    if (gethostname(host, sizeof host - 1) == 0) {
        XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(host), int(std::strlen(host)));
    }
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    setAtoms(display, window, "_NET_WM_WINDOW_TYPE",
             {"_NET_WM_WINDOW_TYPE_SPLASH", "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE",
              "_NET_WM_WINDOW_TYPE_NORMAL"});
    const char name[] = "ostra";
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(name), int(sizeof name - 1));
    // No decorations: flags = decorations given, decorations = none.
    const long motif[5] = {2, 0, 0, 0, 0};
    const Atom motifHints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, motifHints, motifHints, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);
}

bool makeWindow(EarlySplash::Parts& parts, const Picture& picture, int x, int y) {
    Display* display = parts.display;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const auto width = unsigned(picture.width);
    const auto height = unsigned(picture.height);
    parts.pixmap = XCreatePixmap(display, root, width, height, 24);
    // Xlib only reads the words here; it frees no data it did not allocate
    // once data is taken back below.
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
                                 const_cast<char*>(reinterpret_cast<const char*>(picture.pixels)),
                                 width, height, 32, int(width * 4));
    if (!image)
        return false;
    if (image->bits_per_pixel != 32) {
        image->data = nullptr;
        XDestroyImage(image);
        return false;
    }
    // The words as this machine stores them; Xlib swaps them for the server.
    const std::uint32_t one = 1;
    image->byte_order = *reinterpret_cast<const unsigned char*>(&one) == 1 ? LSBFirst : MSBFirst;
    const GC gc = XCreateGC(display, parts.pixmap, 0, nullptr);
    XPutImage(display, parts.pixmap, gc, image, 0, 0, 0, 0, width, height);
    XFreeGC(display, gc);
    image->data = nullptr;
    XDestroyImage(image);

    XSetWindowAttributes attributes{};
    attributes.background_pixmap = parts.pixmap;
    attributes.border_pixel = 0;
    parts.window = XCreateWindow(display, root, x, y, width, height, 0, CopyFromParent, InputOutput,
                                 CopyFromParent, CWBackPixmap | CWBorderPixel, &attributes);
    describe(display, parts.window, picture.width, picture.height);
    XMapWindow(display, parts.window);
    // Any failure above has come back by now.
    XSync(display, False);
    XWindowAttributes made{};
    Window under = None;
    int at = 0;
    unsigned size = 0;
    return XGetWindowAttributes(display, parts.window, &made) &&
           XGetGeometry(display, parts.pixmap, &under, &at, &at, &size, &size, &size, &size);
}

} // namespace

std::unique_ptr<EarlySplash> EarlySplash::show(const Picture& picture) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0)
        return nullptr;
    auto parts = std::make_unique<Parts>();
    parts->display = XOpenDisplay(nullptr);
    Display* display = parts->display;
    if (!display)
        return nullptr;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const Visual* visual = DefaultVisual(display, screen);
    // 0xffRRGGBB words as they are; any other screen is left to the toolkit.
    if (DefaultDepth(display, screen) != 24 || visual->c_class != TrueColor ||
        visual->red_mask != 0xff0000 || visual->green_mask != 0xff00 || visual->blue_mask != 0xff ||
        displayIsScaled(display))
        return nullptr;

    Rect area = primaryMonitor(display, root);
    if (const auto work = workArea(display, root)) {
        // The monitor's part of the work area, when they meet.
        const int left = std::max(area.x, work->x);
        const int top = std::max(area.y, work->y);
        const int right = std::min(area.x + area.width, work->x + work->width);
        const int bottom = std::min(area.y + area.height, work->y + work->height);
        if (right > left && bottom > top)
            area = Rect{left, top, right - left, bottom - top};
    }
    const auto previous = XSetErrorHandler(ignoreError);
    const bool made = makeWindow(*parts, picture, centred(area.x, area.width, picture.width),
                                 centred(area.y, area.height, picture.height));
    XSetErrorHandler(previous);
    if (!made)
        return nullptr;
    return std::make_unique<EarlySplash>(std::move(parts));
}

EarlySplash::EarlySplash(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

EarlySplash::~EarlySplash() = default;

} // namespace launch
