#pragma once
// A fresh application directory with a Config.ini written through QSettings (a fresh path
// per fixture: QSettings caches per file), and key events as the capture sees them.

#include "settings.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>
#include <QWidget>
#include <QWindow>

class ButtonsFixture
{
public:
    // Keys are full INI keys, for example "MouseSenSor/1".
    explicit ButtonsFixture(const QVariantMap &config = {})
    {
        SetAppDir(m_dir.path());
        QSettings settings(ConfigIniPath(), QSettings::IniFormat);
        for (auto it = config.cbegin(); it != config.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// A key by its Linux key code (the native scan code less 8) and the Qt key it types.
struct Key {
    int evdev;
    Qt::Key qtKey;
};
namespace Keys {
constexpr Key Escape{1, Qt::Key_Escape};
constexpr Key Return{28, Qt::Key_Return};
constexpr Key LeftCtrl{29, Qt::Key_Control};
constexpr Key A{30, Qt::Key_A};
constexpr Key LeftShift{42, Qt::Key_Shift};
constexpr Key B{48, Qt::Key_B};
constexpr Key LeftAlt{56, Qt::Key_Alt};
constexpr Key F5{63, Qt::Key_F5};
constexpr Key Digit1{2, Qt::Key_1};
constexpr Key Keypad8{72, Qt::Key_8};
constexpr Key RightCtrl{97, Qt::Key_Control};
constexpr Key RightAlt{100, Qt::Key_AltGr};
constexpr Key Up{103, Qt::Key_Up};
constexpr Key LeftWindows{125, Qt::Key_Meta};
} // namespace Keys

// Sends one key event to the widget's window: the path the capture filters.
inline void SendKey(QWidget *widget, Key key, bool release, bool autoRepeat = false, const QString &text = {})
{
    QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, key.qtKey, Qt::NoModifier,
                    quint32(key.evdev + 8), 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(widget->windowHandle(), &event);
}
inline void PressKey(QWidget *widget, Key key) { SendKey(widget, key, false); }
inline void ReleaseKey(QWidget *widget, Key key) { SendKey(widget, key, true); }
inline void TapKey(QWidget *widget, Key key)
{
    PressKey(widget, key);
    ReleaseKey(widget, key);
}
