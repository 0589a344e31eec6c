#pragma once
// Small helpers the main window's modules share.

#include "records.h"

struct DeviceEntry;

#include <QColor>
#include <QString>

// The working image's current slot, kept inside the five slots.
inline int CurrentSlot() { return ClampIndex(g_deviceConfig.ProfileID, kProfileCount); }
// The menus' style sheet in the user's theme colour.
QString MenuStyleSheet();
// The battery bar's style: coloured while the battery is known, grey while the mouse sleeps;
// the one the window starts with also names the bar's timeline duration (20 s).
QString BatteryBarStyle(const QColor &chunk, int fontPixels, bool asleep, bool atStart = false);
// Battery level 10-100 of the voltage bytes of a battery report.
int BatteryLevelFromVoltage(quint8 low, quint8 high);
// The receiver pair or the cable pair of a device-table row is complete.
bool DevicePairComplete(const DeviceEntry &row);
// Reads the profile file of a name into a slot's record; without a file the record gets the
// defaults of a new profile instead of the all-zero record of a missing file.
void ReadSlotProfile(ProfileRecord &record, const QString &name, int slot);
// A value the window keeps in Config.ini by itself, not at the user's word (the battery level,
// the profile the mouse runs, the product connected): one that was not written is only warned
// of, beside the store's own warning of why, and the next one tries again.
void WarnNotKept(const char *what, const QString &value);
// Writes the slot's record to its profile file when no job has written that file yet.
bool EnsureSlotProfileFile(int slot);
