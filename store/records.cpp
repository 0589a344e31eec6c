#include "records.h"

#include "settings.h"

#include <algorithm>

DeviceConfig g_deviceConfig;
DeviceConfig g_loadedDeviceConfig;
quint8 g_buttonMatrix[kButtonMatrixSize] = {};

int LightingProfileIndex(const DeviceConfig &config, const QString &productName)
{
    return productName == QLatin1String("4671") ? 0 : CurrentProfileIndex(config);
}

int LightingProfileIndex(const DeviceConfig &config)
{
    return LightingProfileIndex(config, GetCurrentProductName());
}

bool operator==(const KeyInfo &a, const KeyInfo &b) { return a.map == b.map && a.key == b.key && a.H == b.H; }

bool operator==(const DpiInfo &a, const DpiInfo &b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && std::equal(a.keyInfo, a.keyInfo + kKeySteps, b.keyInfo) && a.Res1 == b.Res1 && a.Res2 == b.Res2
        && a.Res3 == b.Res3 && a.Res4 == b.Res4 && a.macroname == b.macroname;
}

bool operator==(const LedModeInfo &a, const LedModeInfo &b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright && a.breath == b.breath;
}

bool operator==(const ProfileRecord &a, const ProfileRecord &b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode && a.spare == b.spare
        && a.LedMoveOFF == b.LedMoveOFF && a.LedSleepTime == b.LedSleepTime
        && std::equal(a.dpiInfo, a.dpiInfo + kDpiStages, b.dpiInfo) && a.mousespeed == b.mousespeed
        && a.dbclickspeed == b.dbclickspeed && a.scrollispage == b.scrollispage && a.scrollspeed == b.scrollspeed
        && a.accelenable == b.accelenable && a.acee == b.acee
        && std::equal(a.buttonInfo, a.buttonInfo + kButtonCount, b.buttonInfo)
        && std::equal(a.ledModes, a.ledModes + kLedModes, b.ledModes) && a.ProfileName == b.ProfileName
        && a.ProfilePath == b.ProfilePath;
}
