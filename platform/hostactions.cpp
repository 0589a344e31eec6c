#include "hostactions.h"

#if defined(HAVE_X11) && defined(HAVE_XTEST)
#define HOST_KEYS 1
#include <X11/XF86keysym.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#endif

namespace {

#ifdef HOST_KEYS
KeySym keySymOf(int virtualKey)
{
    switch (virtualKey) {
    case kVkControl: return XK_Control_L;
    case kVkF: return XK_f;
    case kVkBrowserBack: return XF86XK_Back;
    case kVkBrowserForward: return XF86XK_Forward;
    case kVkBrowserRefresh: return XF86XK_Refresh;
    case kVkBrowserStop: return XF86XK_Stop;
    case kVkBrowserFavorites: return XF86XK_Favorites;
    default: return NoSymbol;
    }
}
#endif

} // namespace

bool HostKeyEvent(int virtualKey, bool down)
{
#ifdef HOST_KEYS
    const KeySym symbol = keySymOf(virtualKey);
    if (symbol == NoSymbol)
        return false;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const KeyCode code = XKeysymToKeycode(display, symbol);
    const bool sent = code != 0 && XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XFlush(display);
    XCloseDisplay(display);
    return sent;
#else
    Q_UNUSED(virtualKey)
    Q_UNUSED(down)
    return false;
#endif
}

QVariant HostRegistryValue(const QString &path, const QString &name)
{
    Q_UNUSED(path)
    Q_UNUSED(name)
    return QVariant();
}
