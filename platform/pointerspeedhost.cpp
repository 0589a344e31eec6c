#include "pointerspeedhost.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

#ifdef HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

// Pointer multiplier of each speed, in 32nds: slow speeds divide, fast ones multiply.
constexpr int kMultiplier32[kPointerSpeedMax + 1] = {0,  1,  2,  4,  8,  12, 16, 20, 24, 28, 32,
                                                     40, 48, 56, 64, 72, 80, 88, 96, 104, 112};

std::atomic<int> g_keptSpeed{kPointerSpeedNeutral};

#ifdef HAVE_X11
// An X error (the server refusing a value) must not end the program.
std::atomic<bool> g_xError{false};
int recordXError(Display *, XErrorEvent *)
{
    g_xError = true;
    return 0;
}

int nearestSpeed(int numerator, int denominator)
{
    if (numerator <= 0 || denominator <= 0)
        return kPointerSpeedNeutral;
    int best = kPointerSpeedNeutral;
    long bestDistance = -1;
    for (int speed = kPointerSpeedMin; speed <= kPointerSpeedMax; ++speed) {
        // Compares numerator/denominator with multiplier/32 without rounding.
        const long distance = std::labs(long(numerator) * 32 - long(kMultiplier32[speed]) * denominator);
        if (bestDistance < 0 || distance < bestDistance) {
            best = speed;
            bestDistance = distance;
        }
    }
    return best;
}
#endif

} // namespace

int HostPointerSpeed()
{
#ifdef HAVE_X11
    if (Display *display = XOpenDisplay(nullptr)) {
        int numerator = 0, denominator = 0, threshold = 0;
        XGetPointerControl(display, &numerator, &denominator, &threshold);
        XCloseDisplay(display);
        return nearestSpeed(numerator, denominator);
    }
#endif
    return g_keptSpeed;
}

int SetHostPointerSpeed(int speed)
{
    if (speed < kPointerSpeedMin || speed > kPointerSpeedMax)
        return EINVAL;
#ifdef HAVE_X11
    if (Display *display = XOpenDisplay(nullptr)) {
        g_xError = false;
        XErrorHandler previous = XSetErrorHandler(recordXError);
        XChangePointerControl(display, True, False, kMultiplier32[speed], 32, 0);
        XSync(display, False);
        XSetErrorHandler(previous);
        XCloseDisplay(display);
        return g_xError ? EIO : 0;
    }
#endif
    g_keptSpeed = speed;
    return 0;
}
