#pragma once
// The device description "DefaultProfile.bin" beside the executable: INI text, group PROFILE,
// read only. Every call opens the file afresh; nothing is cached but the globals below.

#include "records.h"

#include <QColor>
#include <QString>

constexpr int kSensorDefaultCount = 7;  // lift, angle, debounce, jitter, wake, sensor mode, sync
constexpr int kDefaultButtonRows = 20;
constexpr int kDefaultFontEntries = 4;

// Built-in vendor and product IDs used when the description has none.
constexpr int kDefaultDongleVid = 0x248A;
constexpr int kDefaultDonglePid = 0xFA02;
constexpr int kDefaultCableVid = 0x248A;
constexpr int kDefaultCablePid = 0xFB01;

struct DefaultLedMode {
    QColor RGB;  // invalid unless the file has one
    qint32 bright = 0;
    qint32 breath = 0;
};

struct DefaultButton {
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
};

// The default-profile block of the description, taken into new profiles by InitProfileDefaults.
struct DeviceDefaults {
    quint8 dpi = 0;
    qint32 dpiXy[kDpiStages] = {};
    qint32 pollrate = 0;
    quint8 LedMode = 0;
    quint8 Style = 0;
    quint8 FontSize[kDefaultFontEntries] = {};
    quint8 ButtonCount = 0;  // the stored value, not the (masked) button count
    QString FontName[kDefaultFontEntries];
    QColor Font_RGB;
    QString BackPic;
    QString CompanyName;
    QString ProductName;
    QString FolderPath;
    quint8 LedMoveOFF = 0;
    quint8 Lang[kDefaultFontEntries] = {};
    DefaultLedMode ledModes[kLedModes] = {};
    DefaultButton buttons[kDefaultButtonRows] = {};
};

// "ColorMode" of the description, stored by the main window; non-zero: alternative button text colours.
extern int g_colorMode;
// Language index whose key names are French, -1 none (defined with the key names).
extern int g_frenchLangIndex;

// AppDir() + "/DefaultProfile.bin".
QString DeviceDescriptionPath();

// Fills the block from the description: 0, or -1 (record untouched) without a file.
int ReadDeviceDefaults(DeviceDefaults &defaults);

void GetVidPid(int &dongleVid, int &donglePid, int &cableVid, int &cablePid);
// "ButtonCount" XOR "MouseDpi", kept within 0..kButtonMatrixSize.
int GetButtonCountAndDpi();
// "ButtonCount" XOR "MouseDpi" XOR "DPICount"; consumers treat a value outside 1-8 as 8.
int GetDpiCount();
// Device slot of each button position: 0, or -1 (buffer untouched) without a file.
int GetButtonMatrix(quint8 (&matrix)[kButtonMatrixSize]);
// Buttons-page visibility of each position (255 hides it): the button count (0..16), or -1 without a file.
int GetButtonMatrix2(quint8 (&matrix)[kButtonMatrixSize]);
// Lift, angle, debounce, jitter, wake, sensor mode, sync: what a description without the key
// gives, and what a fresh installation takes without a description.
constexpr quint8 kBuiltInSensorDefaults[kSensorDefaultCount] = {0, 0, 20, 0, 0, 1, 0};
// The seven sensor defaults in that order: 0, or -1 (buffer untouched) without a file.
int GetSensorDefaults(quint8 (&values)[kSensorDefaultCount]);

int GetSyncMode();
QString GetProductName();
QString GetVersion();
int GetFrenchLangIndex();
int GetDisableMacro();
int GetLedDisable();
int GetColorMode();
int GetShowSleep();
void GetSleepRange(int &minimum, int &maximum);
int GetScrollRev();
int GetMinDelay();
int GetSensorVariant33254();
// "Config/Model" of Config.ini, not of the description.
QString GetModel();

// Not used by the running program.
int GetShowUpdate();
bool IsLanguageEnabled(int language);
QString GetDocumentsProductPath();
QString XorLatin1String(QString &text, QChar key);  // in place, and returned
int XorInts(int a, int b);
