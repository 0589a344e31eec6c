#pragma once
// Key capture for the key dialogs and the macro recorder. On Windows the program installed a
// low-level keyboard hook, which saw every key of the system as a PC set-1 scan code with the
// flags extended (0x01), Alt held (0x20) and released (0x80). Here an event filter on one of
// our own windows reads the native scan code of each key event and rebuilds that code and
// those flags, so a consumer keeps the Windows rules.
//
// What Linux does not give: capture works only while the window has the keyboard focus.
// There is no system-wide capture (Wayland has none, and an X grab would take the desktop's
// keyboard away), so keys typed in other programs are neither seen nor swallowed. The
// desktop may also keep some keys to itself (Super, Alt+Tab, Print Screen).

#include <QObject>
#include <QPointer>
#include <functional>

class QWindow;

constexpr quint32 kKeyFlagExtended = 0x01;
constexpr quint32 kKeyFlagAltDown = 0x20;
constexpr quint32 kKeyFlagUp = 0x80;

// One key event as the Windows hook reported it.
struct CapturedKey {
    quint32 scanCode = 0;  // set 1, without the 0xE0 prefix
    quint32 flags = 0;
    int evdevCode = 0;     // the Linux key code, where a consumer must tell more keys apart
    quint64 timestampMs = 0;  // the event's own time (monotonic, ms), for gaps between keys
};

// Linux evdev key code -> set-1 scan code and extended bit; false for a key without one here
// (media keys and the like: Windows names them by codes the program would misread).
bool EvdevToScanCode(int evdevCode, quint32 &scanCode, bool &extended);
bool IsAltEvdevCode(int evdevCode);
// One key event: its native scan code (X11 and Wayland: evdev + 8), press or release, and
// whether an Alt key was held before it. False when the key has no set-1 code here.
bool TranslateKeyEvent(quint32 nativeScanCode, bool release, bool altHeld, CapturedKey &out);

// Watches the key events of one window. The handler gets every key press and release: the
// translated key, or null for an event without one (a key without a set-1 code, an
// auto-repeat). It returns true to consume the event (the window's widgets never see it),
// false to pass it on.
class KeyCapture : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(const CapturedKey *key)>;

    KeyCapture(QWindow *window, Handler handler, QObject *parent = nullptr);
    ~KeyCapture() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWindow> m_window;
    Handler m_handler;
    bool m_leftAltDown = false;
    bool m_rightAltDown = false;
};
