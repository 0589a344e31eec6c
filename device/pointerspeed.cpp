#include "pointerspeed.h"

#include "pointerspeedhost.h"
#include "records.h"

#include <QDebug>

int GetPointerSpeed() { return HostPointerSpeed(); }

void ApplyPointerSpeed()
{
    const ProfileRecord &current = g_deviceConfig.profiles[ClampIndex(g_deviceConfig.ProfileID, kProfileCount)];
    if (const int error = SetHostPointerSpeed(current.mousespeed))
        qDebug("Error in SystemParametersInfo :%d", error);
}
