#include "keycapture.h"

#include <QKeyEvent>
#include <QWindow>

namespace {

constexpr quint32 kNativeScanCodeOffset = 8;  // X11 key codes are evdev codes + 8
constexpr int kEvdevLeftAlt = 56;
constexpr int kEvdevRightAlt = 100;
constexpr int kEvdevNumLock = 69;
constexpr int kEvdevPause = 119;

// Keys that carry the extended flag on Windows and have evdev codes of their own.
struct ExtendedKey {
    int evdevCode;
    quint32 scanCode;
};
constexpr ExtendedKey kExtendedKeys[] = {
    {96, 28},  {97, 29},  {98, 53},  {99, 55},  {100, 56}, {102, 71}, {103, 72},
    {104, 73}, {105, 75}, {106, 77}, {107, 79}, {108, 80}, {109, 81}, {110, 82},
    {111, 83}, {125, 91}, {126, 92}, {127, 93},
};

} // namespace

bool EvdevToScanCode(int evdevCode, quint32 &scanCode, bool &extended)
{
    if ((evdevCode >= 1 && evdevCode <= 83) || (evdevCode >= 86 && evdevCode <= 88)) {
        scanCode = quint32(evdevCode);
        extended = evdevCode == kEvdevNumLock;
        return true;
    }
    if (evdevCode == kEvdevPause) {
        scanCode = kEvdevNumLock;
        extended = false;
        return true;
    }
    for (const ExtendedKey &key : kExtendedKeys) {
        if (key.evdevCode == evdevCode) {
            scanCode = key.scanCode;
            extended = true;
            return true;
        }
    }
    return false;
}

bool IsAltEvdevCode(int evdevCode) { return evdevCode == kEvdevLeftAlt || evdevCode == kEvdevRightAlt; }

bool TranslateKeyEvent(quint32 nativeScanCode, bool release, bool altHeld, CapturedKey &out)
{
    if (nativeScanCode <= kNativeScanCodeOffset)
        return false;
    const int evdev = int(nativeScanCode - kNativeScanCodeOffset);
    quint32 scanCode = 0;
    bool extended = false;
    if (!EvdevToScanCode(evdev, scanCode, extended))
        return false;
    quint32 flags = extended ? kKeyFlagExtended : 0;
    if (release)
        flags |= kKeyFlagUp;
    // An Alt key's own press counts as under Alt, its release does not.
    if (IsAltEvdevCode(evdev) ? !release : altHeld)
        flags |= kKeyFlagAltDown;
    out.scanCode = scanCode;
    out.flags = flags;
    out.evdevCode = evdev;
    return true;
}

KeyCapture::KeyCapture(QWindow *window, Handler handler, QObject *parent)
    : QObject(parent), m_window(window), m_handler(std::move(handler))
{
    if (m_window)
        m_window->installEventFilter(this);
}

KeyCapture::~KeyCapture()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

bool KeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // The release of an Alt held while the focus leaves never reaches us.
        m_leftAltDown = m_rightAltDown = false;
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (keyEvent->isAutoRepeat())
        return m_handler(nullptr);

    const bool release = event->type() == QEvent::KeyRelease;
    CapturedKey key;
    if (!TranslateKeyEvent(keyEvent->nativeScanCode(), release, m_leftAltDown || m_rightAltDown, key))
        return m_handler(nullptr);
    key.timestampMs = keyEvent->timestamp();
    if (key.evdevCode == kEvdevLeftAlt)
        m_leftAltDown = !release;
    else if (key.evdevCode == kEvdevRightAlt)
        m_rightAltDown = !release;
    return m_handler(&key);
}
