#include "translucency.h"

#include <QByteArray>
#include <QGuiApplication>

#ifdef HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

std::optional<bool> g_fixedForTesting;

#ifdef HAVE_X11
// A compositing manager owns the selection _NET_WM_CM_Sn of the screen it composites.
bool x11Composited()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom selection = XInternAtom(display, name.constData(), False);
    const bool owned = XGetSelectionOwner(display, selection) != None;
    XCloseDisplay(display);
    return owned;
}
#endif

} // namespace

bool TranslucentWindowsSupported()
{
    if (g_fixedForTesting)
        return *g_fixedForTesting;
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith("wayland"))
        return true;
#ifdef HAVE_X11
    if (platform == "xcb")
        return x11Composited();
#endif
    return false;
}

void SetTranslucentWindowsSupportedForTesting(std::optional<bool> supported)
{
    g_fixedForTesting = supported;
}
