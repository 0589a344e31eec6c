#pragma once
// Which sections of the configuration changed since the last write to the mouse.

#include "records.h"

#include <QtGlobal>

using ChangeMask = qint32;
constexpr ChangeMask kChangeSettings = 0x01;
constexpr ChangeMask kChangeDpi = 0x02;
constexpr ChangeMask kChangeButtons = 0x04;  // button table and the macros it runs
constexpr ChangeMask kChangeLighting = 0x08;
constexpr ChangeMask kChangeAll = 0x0F;

// Compares the working image with the last-written one: the report rates, scroll speeds
// and sensor bytes of the whole mouse, light-off and sleep time (profile 0's), the current
// profile's DPI stage, stages and buttons, and the light mode and every lighting entry of
// the lighting profile (LightingProfileIndex). Another current-profile index than the
// last-written one sets every bit. A macro button of code 200 whose macro file carries a
// write sign counts as changed, and that sign is cleared: the only side effect. A
// current-profile or light-mode index outside its table counts as a settings change and
// that comparison is skipped.
ChangeMask CompareConfigs(const DeviceConfig &working, const DeviceConfig &written);
