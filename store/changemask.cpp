#include "changemask.h"

#include "buttonfunctions.h"
#include "macrofiles.h"

#include <algorithm>

namespace {

bool sameSteps(const ButtonInfo &a, const ButtonInfo &b)
{
    return std::equal(a.keyInfo, a.keyInfo + kKeySteps, b.keyInfo);
}

bool sameHeader(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4;
}

// Light-off and sleep time are one for the whole mouse and live in profile 0.
bool settingsDiffer(const DeviceConfig &working, const DeviceConfig &written, int lightingProfile)
{
    bool differ = false;
    for (int p = 0; p < kProfileCount; ++p) {
        differ |= working.profiles[p].pollrate != written.profiles[p].pollrate;
        differ |= working.profiles[p].scrollspeed != written.profiles[p].scrollspeed;
    }
    differ |= working.AngleValue != written.AngleValue || working.LiftHigh != written.LiftHigh
        || working.Sync != written.Sync || working.Jitter != written.Jitter || working.Debounce != written.Debounce
        || working.Wake != written.Wake || working.SensorMode != written.SensorMode;
    differ |= working.profiles[0].LedMoveOFF != written.profiles[0].LedMoveOFF
        || working.profiles[0].LedSleepTime != written.profiles[0].LedSleepTime;
    differ |= working.profiles[lightingProfile].LedMode != written.profiles[lightingProfile].LedMode;
    if (working.ProfileID != written.ProfileID || working.ProfileID >= kProfileCount)
        return true;
    return differ || working.profiles[working.ProfileID].dpi != written.profiles[working.ProfileID].dpi;
}

bool dpiDiffer(const ProfileRecord &working, const ProfileRecord &written)
{
    for (int s = 0; s < kDpiStages; ++s) {
        const DpiInfo &a = working.dpiInfo[s];
        const DpiInfo &b = written.dpiInfo[s];
        if (a.used != b.used || a.x != b.x || a.y != b.y)
            return true;
    }
    return false;
}

// Stops at the first changed button, so later macro buttons keep their write sign.
bool buttonsDiffer(const ProfileRecord &working, const ProfileRecord &written)
{
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonInfo &a = working.buttonInfo[i];
        const ButtonInfo &b = written.buttonInfo[i];
        if (!sameHeader(a, b) || !sameSteps(a, b))
            return true;
        // Only code 200 buttons look at their macro file: its steps may change on disk.
        if (a.Fun == kFunMacro && (a.macroname != b.macroname || TakeMacroWriteSign(a.macroname)))
            return true;
    }
    return false;
}

// The lighting table the mouse gets holds the entries of every effect, not only the running
// one's: a change to any of them must reach it. A mode outside the table is reported through
// badIndex.
bool lightingDiffer(const ProfileRecord &a, const ProfileRecord &b, bool &badIndex)
{
    if (a.LedMode != b.LedMode)
        return true;
    badIndex = a.LedMode >= kLedModes;
    return !std::equal(a.ledModes, a.ledModes + kLedModes, b.ledModes);
}

} // namespace

ChangeMask CompareConfigs(const DeviceConfig &working, const DeviceConfig &written)
{
    // The tables the mouse holds are those of one profile each: the download sends them.
    const int current = CurrentProfileIndex(working);
    const int lighting = LightingProfileIndex(working);
    ChangeMask mask = 0;
    if (settingsDiffer(working, written, lighting))
        mask |= kChangeSettings;
    if (dpiDiffer(working.profiles[current], written.profiles[current]))
        mask |= kChangeDpi;
    if (buttonsDiffer(working.profiles[current], written.profiles[current]))
        mask |= kChangeButtons;
    bool badLightIndex = false;
    if (lightingDiffer(working.profiles[lighting], written.profiles[lighting], badLightIndex))
        mask |= kChangeLighting;
    if (badLightIndex)
        mask |= kChangeSettings;
    // Another profile is current than the mouse was last given: it needs that profile's tables.
    if (working.ProfileID != written.ProfileID)
        mask |= kChangeAll;
    return mask;
}
