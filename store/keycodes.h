#pragma once
// Key codes: the program names every key a button or macro step can carry by one byte.
//   1-93     PC set-1 make code without the 0xE0 prefix (so Home is 71, Up 72 ...)
//   224-237  keypad keys that would otherwise collide with the navigation keys
//   238, 239 right Ctrl, right Alt
//   240-242  left, right, middle mouse button (no HID keyboard usage)

#include "records.h"

#include <QString>

struct KeyUsageRow {
    qint32 keyCode;
    qint32 usage;  // HID keyboard/keypad page
};
constexpr int kKeyUsageRows = 104;
extern const KeyUsageRow KeyUsageTable[kKeyUsageRows];

constexpr int kKeyMouseLeft = 240;
constexpr int kKeyMouseRight = 241;
constexpr int kKeyMouseMiddle = 242;

// Language index whose key names are French (-1: none); set from the device description.
extern int g_frenchLangIndex;
// Index of the current language; the main window keeps it.
extern int g_langId;

// True and usage stored when the key code has a table row; false and usage untouched otherwise.
bool KeyCodeToHidUsage(int keyCode, int &usage);
// The same in the other direction.
bool HidUsageToKeyCode(int usage, int &keyCode);
// Display name in the current language (French when g_frenchLangIndex == g_langId);
// empty for a code without a name.
QString KeyCodeToName(int keyCode);

// The modifier groups of a key combination in display order (Shift, Ctrl, Windows, Alt),
// each as (left-hand, right-hand) key code.
constexpr int kComboModifierGroups = 4;
constexpr int kComboModifierCodes[kComboModifierGroups][2] = {{42, 54}, {29, 238}, {91, 92}, {56, 239}};

constexpr int kComboKeyEntries = 5;
// Not used by the program. Text such as "LShift + LCtr + A" for five key entries whose
// first byte is a HID usage (0: empty entry).
QString KeyComboToName(const KeyInfo (&entries)[kComboKeyEntries]);
