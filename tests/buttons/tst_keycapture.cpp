// Key capture: native key events become set-1 scan codes with the Windows flags, and the key
// dialogs' remapping turns those into the program's key codes.
#include "buttonsfixture.h"
#include "keycapture.h"
#include "keyhookdialog.h"

#include <QtTest>

namespace {

// Counts the key presses that get past the capture.
class CountingWindow : public QWindow
{
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++presses; }
};

struct Seen {
    bool delivered;
    quint32 scanCode;
    quint32 flags;
    bool operator==(const Seen &o) const
    {
        return delivered == o.delivered && (!delivered || (scanCode == o.scanCode && flags == o.flags));
    }
};

char *toString(const Seen &seen)
{
    return seen.delivered ? QTest::toString(QString::asprintf("(%u, 0x%02x)", seen.scanCode, seen.flags))
                          : QTest::toString(QString("none"));
}

void sendNative(QWindow *window, int evdev, bool release, bool autoRepeat = false)
{
    QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    quint32(evdev + 8), 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class KeyCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    // Native scan code, press or release, Alt held -> what a key dialog's OnHookKey gets.
    void nativeKeyToDialogCode_data()
    {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<bool>("release");
        QTest::addColumn<bool>("altHeld");
        QTest::addColumn<bool>("delivered");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("flags");
        struct Row {
            const char *name;
            int evdev;
            bool release, alt, delivered;
            int code, flags;
        };
        const Row rows[] = {
            {"keypad 8", 72, false, false, true, 236, 0x00},
            {"Up", 103, false, false, true, 72, 0x01},
            {"keypad 7", 71, false, false, true, 235, 0x00},
            {"Home", 102, false, false, true, 71, 0x01},
            {"keypad 9", 73, false, false, true, 228, 0x00},
            {"Page Up", 104, false, false, true, 73, 0x01},
            {"keypad 4", 75, false, false, true, 233, 0x00},
            {"Left", 105, false, false, true, 75, 0x01},
            {"keypad 6", 77, false, false, true, 234, 0x00},
            {"Right", 106, false, false, true, 77, 0x01},
            {"keypad 1", 79, false, false, true, 230, 0x00},
            {"End", 107, false, false, true, 79, 0x01},
            {"keypad 2", 80, true, false, true, 231, 0x80},
            {"Down", 108, true, false, true, 80, 0x81},
            {"keypad 3", 81, false, false, true, 232, 0x00},
            {"Page Down", 109, false, false, true, 81, 0x01},
            {"keypad 0", 82, false, false, true, 237, 0x00},
            {"Insert", 110, false, false, true, 82, 0x01},
            {"keypad .", 83, false, false, true, 224, 0x00},
            {"Delete", 111, false, false, true, 83, 0x01},
            {"keypad *", 55, false, false, true, 227, 0x00},
            {"Print Screen", 99, false, false, true, 55, 0x01},
            {"Num Lock", 69, false, false, true, 225, 0x01},
            {"Pause", 119, false, false, true, 69, 0x00},
            {"keypad Enter", 96, false, false, true, 229, 0x01},
            {"keypad /", 98, false, false, true, 226, 0x01},
            {"right Ctrl press", 97, false, false, true, 238, 0x01},
            {"right Ctrl release", 97, true, false, true, 238, 0x81},
            {"left Ctrl press", 29, false, false, true, 29, 0x00},
            {"left Ctrl release", 29, true, false, true, 29, 0x80},
            {"right Alt press", 100, false, false, true, 239, 0x21},
            {"right Alt release", 100, true, true, true, 239, 0x81},
            {"left Alt press", 56, false, false, true, 56, 0x20},
            {"left Alt release", 56, true, true, true, 56, 0x80},
            {"keypad -", 74, false, false, true, 74, 0x00},
            {"keypad 5", 76, false, false, true, 76, 0x00},
            {"keypad +", 78, false, false, true, 78, 0x00},
            {"A under Alt", 30, false, true, true, 30, 0x20},
            {"A released under Alt", 30, true, true, true, 30, 0xA0},
            {"Up under Alt", 103, false, true, true, 72, 0x21},
            {"F12", 88, false, false, true, 88, 0x00},
            {"Windows", 125, false, false, true, 91, 0x01},
            {"Menu", 127, false, false, true, 93, 0x01},
            {"Mute (media key)", 113, false, false, false, 0, 0},
            {"unknown 84", 84, false, false, false, 0, 0},
            {"no scan code", -8, false, false, false, 0, 0},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row.evdev << row.release << row.alt << row.delivered << row.code << row.flags;
    }

    void nativeKeyToDialogCode()
    {
        QFETCH(int, evdev);
        QFETCH(bool, release);
        QFETCH(bool, altHeld);
        QFETCH(bool, delivered);
        QFETCH(int, code);
        QFETCH(int, flags);
        CapturedKey key;
        const bool translated = TranslateKeyEvent(quint32(evdev + 8), release, altHeld, key);
        const Seen seen{translated, translated ? RemapHookScanCode(key.scanCode, key.flags) : 0, key.flags};
        QCOMPARE(seen, (Seen{delivered, quint32(code), quint32(flags)}));
    }

    // Scan code and flags as Windows reports them, the injected bit (0x10) among them.
    void remapByFlags_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        QTest::newRow("right Ctrl") << 29 << 0x01 << 238;
        QTest::newRow("right Ctrl up") << 29 << 0x81 << 238;
        QTest::newRow("left Ctrl") << 29 << 0x00 << 29;
        QTest::newRow("left Ctrl up") << 29 << 0x80 << 29;
        QTest::newRow("right Alt") << 56 << 0x21 << 239;
        QTest::newRow("right Alt plain") << 56 << 0x01 << 239;
        QTest::newRow("right Alt up") << 56 << 0x81 << 239;
        QTest::newRow("left Alt") << 56 << 0x20 << 56;
        QTest::newRow("left Alt up") << 56 << 0x80 << 56;
        QTest::newRow("injected keypad 8") << 72 << 0x10 << 72;
        QTest::newRow("injected right Ctrl") << 29 << 0x11 << 29;
        QTest::newRow("injected right Alt") << 56 << 0x31 << 56;
        QTest::newRow("injected keypad * up") << 55 << 0x90 << 55;
        QTest::newRow("keypad 8 up under Alt") << 72 << 0xA0 << 72;
    }

    void remapByFlags()
    {
        QFETCH(int, scanCode);
        QFETCH(int, flags);
        QFETCH(int, code);
        QCOMPARE(int(RemapHookScanCode(quint32(scanCode), quint32(flags))), code);
    }

    // The capture keeps the Alt state across events, hands auto-repeats on as null, and
    // forgets a held Alt when the window loses the focus.
    void captureFollowsAltAndRepeats()
    {
        CountingWindow window;
        QList<Seen> seen;
        bool consume = false;
        KeyCapture capture(&window, [&](const CapturedKey *key) {
            seen << (key ? Seen{true, key->scanCode, key->flags} : Seen{false, 0, 0});
            return consume;
        });
        sendNative(&window, 100, false);
        sendNative(&window, 30, false);
        sendNative(&window, 30, true, true);
        sendNative(&window, 30, false, true);
        sendNative(&window, 30, true);
        sendNative(&window, 100, true);
        sendNative(&window, 30, false);
        sendNative(&window, 56, false);
        QFocusEvent focusOut(QEvent::FocusOut);
        QCoreApplication::sendEvent(&window, &focusOut);
        sendNative(&window, 30, false);
        const QList<Seen> expected{{true, 56, 0x21}, {true, 30, 0x20}, {false, 0, 0}, {false, 0, 0},
                                   {true, 30, 0xA0}, {true, 56, 0x81}, {true, 30, 0x00}, {true, 56, 0x20},
                                   {true, 30, 0x00}};
        QCOMPARE(seen, expected);
        QCOMPARE(window.presses, 6);

        consume = true;
        sendNative(&window, 30, false);
        sendNative(&window, 113, false);
        QCOMPARE(window.presses, 6);
    }
};

QTEST_MAIN(KeyCaptureTest)
#include "tst_keycapture.moc"
