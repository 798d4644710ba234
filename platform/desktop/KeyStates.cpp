#include "platform/desktop/KeyStates.h"

#include <QGuiApplication>

#ifdef OSTRA_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

namespace platform {

std::optional<bool> lockKeyState(LockKey key) {
#ifdef OSTRA_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const char* name = key == LockKey::NumLock    ? "Num Lock"
                       : key == LockKey::CapsLock ? "Caps Lock"
                                                  : "Scroll Lock";
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
#else
    (void)key;
    return std::nullopt;
#endif
}

} // namespace platform
