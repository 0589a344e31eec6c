#pragma once
// The records the program keeps about the mouse. Plain values, copied whole by
// assignment: the QString members make memcpy wrong, so never use it on them.

#include <QColor>
#include <QString>
#include <cstdint>

struct KeyInfo {
    quint8 map = 0;
    quint8 key = 0;
    quint8 H = 0;
};
static_assert(sizeof(KeyInfo) == 3, "a key step is three bytes");

struct DpiInfo {
    quint8 used = 0;
    quint8 link = 0;
    quint32 xy = 0;
    quint32 x = 0;
    quint32 y = 0;
};

constexpr int kKeySteps = 63;
constexpr int kButtonCount = 42;
constexpr int kDpiStages = 8;
constexpr int kLedModes = 14;
constexpr int kProfileCount = 5;

struct ButtonInfo {
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    KeyInfo keyInfo[kKeySteps] = {};
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;
};

struct LedModeInfo {
    QColor RGB;  // default-constructed: invalid
    quint32 h = 0;
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0;
};

struct ProfileRecord {
    quint8 pollrate = 0;
    quint8 dpi = 0;
    quint8 LedMode = 0;
    quint8 spare = 0;
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    DpiInfo dpiInfo[kDpiStages] = {};
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonInfo buttonInfo[kButtonCount] = {};
    LedModeInfo ledModes[kLedModes] = {};
    QString ProfileName;
    QString ProfilePath;
};

struct DeviceConfig {
    quint8 ProfileID = 0;
    ProfileRecord profiles[kProfileCount] = {};
    // The eight sensor bytes stay together in this order: the settings block is built from them.
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    QString profileFiles[kProfileCount];
};

// Working image (pages edit it), last-written image (what the mouse is believed to hold).
extern DeviceConfig g_deviceConfig;
extern DeviceConfig g_loadedDeviceConfig;

// Device slot of each button position, from the device description; refilled by LoadConfig.
constexpr int kButtonMatrixSize = 16;  // button positions a description can describe
extern quint8 g_buttonMatrix[kButtonMatrixSize];

// Keeps a stored index inside its table: profiles 0-4, DPI stages 0-7, light modes 0-13.
// Files keep what they hold; the index is bounded where it is used.
inline int ClampIndex(int value, int count) { return value < 0 ? 0 : (value >= count ? count - 1 : value); }

// The current profile: its DPI stages and button table are the ones the mouse gets.
inline int CurrentProfileIndex(const DeviceConfig &config) { return ClampIndex(config.ProfileID, kProfileCount); }
// The profile whose lighting entries and light mode the mouse gets and the lighting page
// edits: profile 0 for the product "4671", whose lighting is one for all profiles, else
// the current profile. The second form reads Config/CurrentProductName.
int LightingProfileIndex(const DeviceConfig &config, const QString &productName);
int LightingProfileIndex(const DeviceConfig &config);

// Fills one profile with the defaults of a new profile (from the device description when there is one).
void InitProfileDefaults(ProfileRecord &record, int index = 0);
// Resets a whole configuration to a fresh installation; Count keeps its value.
void InitDefaultProfiles(DeviceConfig &config);
