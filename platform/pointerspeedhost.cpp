#include "pointerspeedhost.h"

#include "platformlogging.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#ifdef HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

// Pointer multiplier of each speed, in 32nds: slow speeds divide, fast ones multiply.
constexpr int kMultiplier32[kPointerSpeedMax + 1] = {0,  1,  2,  4,  8,  12, 16, 20, 24, 28, 32,
                                                     40, 48, 56, 64, 72, 80, 88, 96, 104, 112};

std::atomic<int> g_keptSpeed{kPointerSpeedNeutral};

constexpr int kGsettingsTimeoutMs = 3000;
const char kGnomeSchema[] = "org.gnome.desktop.peripherals.mouse";
const char kGnomeKey[] = "speed";

// A Wayland session of GNOME (or a desktop built on it: "ubuntu:GNOME", "GNOME-Classic:GNOME").
bool onGnomeWayland()
{
    if (qgetenv("XDG_SESSION_TYPE").trimmed().toLower() != "wayland")
        return false;
    for (const QByteArray &desktop : qgetenv("XDG_CURRENT_DESKTOP").split(':')) {
        if (desktop.trimmed().toUpper() == "GNOME")
            return true;
    }
    return false;
}

// Runs gsettings with `arguments`; 0 with its output, ENOENT when it cannot run, EIO when it fails.
int runGsettings(const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start("gsettings", arguments);
    if (!process.waitForStarted(kGsettingsTimeoutMs))
        return ENOENT;
    if (!process.waitForFinished(kGsettingsTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return EIO;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qCWarning(lcPlatform, "gsettings %s: %s", qPrintable(arguments.join(' ')),
                  process.readAllStandardError().trimmed().constData());
        return EIO;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return 0;
}

int gnomeSpeed(int *speed)
{
    QByteArray output;
    if (const int error = runGsettings({"get", kGnomeSchema, kGnomeKey}, &output))
        return error;
    bool ok = false;
    const double value = output.trimmed().toDouble(&ok);
    if (!ok)
        return EIO;
    *speed = PointerSpeedFromGnomeSpeed(value);
    return 0;
}

int setGnomeSpeed(int speed)
{
    return runGsettings({"set", kGnomeSchema, kGnomeKey, QString::number(GnomeSpeedFromPointerSpeed(speed), 'g', 17)});
}

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

double GnomeSpeedFromPointerSpeed(int speed)
{
    const int below = kPointerSpeedNeutral - kPointerSpeedMin;  // 9 steps from -1 to 0
    const int above = kPointerSpeedMax - kPointerSpeedNeutral;  // 10 steps from 0 to 1
    const int offset = speed - kPointerSpeedNeutral;
    return offset < 0 ? double(offset) / below : double(offset) / above;
}

int PointerSpeedFromGnomeSpeed(double value)
{
    if (!std::isfinite(value))
        return kPointerSpeedNeutral;
    value = qBound(-1.0, value, 1.0);
    const int below = kPointerSpeedNeutral - kPointerSpeedMin;
    const int above = kPointerSpeedMax - kPointerSpeedNeutral;
    const long offset = std::lround(value < 0 ? value * below : value * above);
    return int(kPointerSpeedNeutral + offset);
}

int HostPointerSpeed()
{
    if (onGnomeWayland()) {
        int speed = kPointerSpeedNeutral;
        if (gnomeSpeed(&speed) == 0)
            g_keptSpeed = speed;
        return g_keptSpeed;
    }
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
    if (onGnomeWayland()) {
        const int error = setGnomeSpeed(speed);
        if (error == 0)
            g_keptSpeed = speed;
        return error;
    }
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
