#pragma once
// Function codes of a button assignment (ButtonInfo::Fun). The buttons page writes them,
// profile files carry them unchanged and the device link turns them into button-table
// bytes. Field use per code:
//   kFunSingleKey  Res1 = key code of the key.
//   kFunComboKey   keyInfo steps 0-9: first byte a HID keyboard usage (0 empty), a press
//                  and a release step per key.
//   kFunFireKey    Res1 = 0x81/0x82/0x84 (left/right/middle button) or a key's HID usage,
//                  LoopNumber = times, KeyNumber = delay (sent divided by 10).
//   kFunSniper     Res1 = sniper DPI in the sensor's register scale.
//   kFunMacro, kFunGunFile
//                  macroname = macro file name without extension, Res1 = run mode
//                  (MacroRunMode), LoopNumber = loop count, KeyNumber/keyInfo = the steps.

#include <QtGlobal>

constexpr qint32 kFunLeft = 1;
constexpr qint32 kFunRight = 2;
constexpr qint32 kFunMiddle = 3;
constexpr qint32 kFunForward = 4;
constexpr qint32 kFunBack = 5;
constexpr qint32 kFunSingleKey = 6;
constexpr qint32 kFunComboKey = 7;
constexpr qint32 kFunFireKey = 12;
constexpr qint32 kFunButtonOff = 16;

constexpr qint32 kFunCut = 17;
constexpr qint32 kFunCopy = 18;
constexpr qint32 kFunPaste = 19;
constexpr qint32 kFunSelectAll = 20;
constexpr qint32 kFunFind = 21;
constexpr qint32 kFunNew = 22;
constexpr qint32 kFunPrint = 23;
constexpr qint32 kFunSave = 24;

constexpr qint32 kFunSwitchWindow = 25;
constexpr qint32 kFunCloseWindow = 26;
constexpr qint32 kFunMyComputer = 27;
constexpr qint32 kFunRun = 28;
constexpr qint32 kFunShowDesktop = 29;
constexpr qint32 kFunLockPc = 30;

constexpr qint32 kFunBrowserHome = 31;
constexpr qint32 kFunBrowserBackward = 32;
constexpr qint32 kFunBrowserForward = 33;
constexpr qint32 kFunBrowserStop = 34;
constexpr qint32 kFunBrowserRefresh = 35;
constexpr qint32 kFunBrowserSearch = 36;
constexpr qint32 kFunBrowserFavorite = 37;
constexpr qint32 kFunMail = 38;

constexpr qint32 kFunPlayPause = 39;
constexpr qint32 kFunStop = 40;
constexpr qint32 kFunPreviousTrack = 41;
constexpr qint32 kFunNextTrack = 42;
constexpr qint32 kFunVolumeUp = 43;
constexpr qint32 kFunVolumeDown = 44;
constexpr qint32 kFunMute = 45;
constexpr qint32 kFunMediaPlayer = 46;

constexpr qint32 kFunDpiSwitch = 47;
constexpr qint32 kFunDpiUp = 48;
constexpr qint32 kFunDpiDown = 49;
constexpr qint32 kFunRateUp = 50;
constexpr qint32 kFunRateDown = 51;
constexpr qint32 kFunScrollUp = 52;
constexpr qint32 kFunScrollDown = 53;
constexpr qint32 kFunLedSwitch = 54;
constexpr qint32 kFunSniper = 55;
constexpr qint32 kFunProfileUp = 57;
constexpr qint32 kFunProfileDown = 58;
constexpr qint32 kFunProfileSwitch = 59;
constexpr qint32 kFunBossKey = 62;
constexpr qint32 kFunRateSwitch = 63;

constexpr qint32 kFunMacro = 200;    // "Macro Manager"
constexpr qint32 kFunGunFile = 510;  // "GunFile Manager" (recoil macro)

// Both macro codes run a macro file through a device macro slot.
constexpr bool IsMacroFunction(qint32 fun) { return fun == kFunMacro || fun == kFunGunFile; }

// Res1 of a macro or gun-file button.
enum MacroRunMode : quint8 {
    kMacroRunLoop = 0,       // LoopNumber times
    kMacroRunWhileHeld = 1,  // repeat while the button is held
    kMacroRunToggle = 2,     // repeat until the button is pressed again
};

// Res1 of a fire key that fires a mouse button.
constexpr quint8 kFireLeftButton = 0x81;
constexpr quint8 kFireRightButton = 0x82;
constexpr quint8 kFireMiddleButton = 0x84;
