#include "pointerspeed.h"

#include "devicelogging.h"
#include "pointerspeedhost.h"
#include "records.h"

int GetPointerSpeed() { return HostPointerSpeed(); }

void ApplyPointerSpeed()
{
    const ProfileRecord &current = g_deviceConfig.profiles[ClampIndex(g_deviceConfig.ProfileID, kProfileCount)];
    if (const int error = SetHostPointerSpeed(current.mousespeed))
        qCDebug(lcDevice, "Error in SystemParametersInfo :%d", error);
}
