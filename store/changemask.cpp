#include "changemask.h"

#include "buttonfunctions.h"
#include "macrofiles.h"

namespace {

bool sameSteps(const ButtonInfo &a, const ButtonInfo &b)
{
    for (int i = 0; i < kKeySteps; ++i) {
        if (a.keyInfo[i].map != b.keyInfo[i].map || a.keyInfo[i].key != b.keyInfo[i].key
            || a.keyInfo[i].H != b.keyInfo[i].H)
            return false;
    }
    return true;
}

bool sameHeader(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4;
}

bool sameLighting(const LedModeInfo &a, const LedModeInfo &b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright && a.breath == b.breath;
}

bool settingsDiffer(const DeviceConfig &working, const DeviceConfig &written)
{
    bool differ = false;
    for (int p = 0; p < kProfileCount; ++p) {
        differ |= working.profiles[p].pollrate != written.profiles[p].pollrate;
        differ |= working.profiles[p].scrollspeed != written.profiles[p].scrollspeed;
    }
    differ |= working.AngleValue != written.AngleValue || working.LiftHigh != written.LiftHigh
        || working.Sync != written.Sync || working.Jitter != written.Jitter || working.Debounce != written.Debounce
        || working.Wake != written.Wake || working.SensorMode != written.SensorMode;
    if (working.ProfileID != written.ProfileID || working.ProfileID >= kProfileCount)
        return true;
    const ProfileRecord &a = working.profiles[working.ProfileID];
    const ProfileRecord &b = written.profiles[working.ProfileID];
    return differ || a.dpi != b.dpi || a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF
        || a.LedSleepTime != b.LedSleepTime;
}

bool dpiDiffer(const DeviceConfig &working, const DeviceConfig &written)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int s = 0; s < kDpiStages; ++s) {
            const DpiInfo &a = working.profiles[p].dpiInfo[s];
            const DpiInfo &b = written.profiles[p].dpiInfo[s];
            if (a.used != b.used || a.x != b.x || a.y != b.y)
                return true;
        }
    }
    return false;
}

// Stops at the first changed button, so later macro buttons keep their write sign.
bool buttonsDiffer(const DeviceConfig &working, const DeviceConfig &written)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int i = 0; i < kButtonCount; ++i) {
            const ButtonInfo &a = working.profiles[p].buttonInfo[i];
            const ButtonInfo &b = written.profiles[p].buttonInfo[i];
            if (!sameHeader(a, b) || !sameSteps(a, b))
                return true;
            // Only code 200 buttons look at their macro file: its steps may change on disk.
            if (a.Fun == kFunMacro && (a.macroname != b.macroname || TakeMacroWriteSign(a.macroname)))
                return true;
        }
    }
    return false;
}

// Only the entry of the light mode in use is compared. A mode outside the table is
// reported through badIndex instead of being compared.
bool lightingDiffer(const DeviceConfig &working, const DeviceConfig &written, bool &badIndex)
{
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord &a = working.profiles[p];
        const ProfileRecord &b = written.profiles[p];
        if (a.LedMode != b.LedMode)
            return true;
        if (a.LedMode >= kLedModes) {
            badIndex = true;
            continue;
        }
        if (!sameLighting(a.ledModes[a.LedMode], b.ledModes[a.LedMode]))
            return true;
    }
    return false;
}

} // namespace

ChangeMask CompareConfigs(const DeviceConfig &working, const DeviceConfig &written)
{
    ChangeMask mask = 0;
    if (settingsDiffer(working, written))
        mask |= kChangeSettings;
    if (dpiDiffer(working, written))
        mask |= kChangeDpi;
    if (buttonsDiffer(working, written))
        mask |= kChangeButtons;
    bool badLightIndex = false;
    if (lightingDiffer(working, written, badLightIndex))
        mask |= kChangeLighting;
    if (badLightIndex)
        mask |= kChangeSettings;
    return mask;
}
