#pragma once
// Which profile's lighting the page edits and the mouse gets: the first for the "4671",
// whose lighting serves every slot, else the current one.

#include "records.h"
#include "settings.h"

inline int LightingProfileIndex(const DeviceConfig &config)
{
    return GetCurrentProductName() == QLatin1String("4671") ? 0 : ClampIndex(config.ProfileID, kProfileCount);
}
