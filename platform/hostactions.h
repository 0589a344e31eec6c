#pragma once
// Host-side actions that a mouse event could trigger: synthetic key events, and values
// that Windows keeps in its registry. Nothing in the running program uses them.

#include <QString>
#include <QVariant>

// Windows virtual-key codes of the keys the actions press.
constexpr int kVkControl = 0x11;
constexpr int kVkF = 0x46;
constexpr int kVkBrowserBack = 0xA6;
constexpr int kVkBrowserForward = 0xA7;
constexpr int kVkBrowserRefresh = 0xA8;
constexpr int kVkBrowserStop = 0xA9;
constexpr int kVkBrowserFavorites = 0xAB;

// Presses or releases the key on the desktop (XTest under X11); false when there is no
// display, no such key or no way to inject input.
bool HostKeyEvent(int virtualKey, bool down);

// A value of the Windows registry ("HKEY_CURRENT_USER\..." path, value name, empty for
// the default value). Linux has no registry: always invalid.
QVariant HostRegistryValue(const QString &path, const QString &name);
