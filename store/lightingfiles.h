#pragma once
// Lighting-only readers and writers: a profile's light mode and its fourteen lighting
// entries, leaving every other key of the file alone. The program itself writes whole
// profiles; these belong to the store's interface. Writers go through CommitIniEdit (iniedit.h)
// and return false, the file as it was, when it was not written. Plus the menu style sheet.

#include "records.h"

#include <QColor>
#include <QString>

// An empty path selects Config.ini and group "PROFILE_<index>"; otherwise the file at
// the path and group "PROFILE".
void ReadLedSettings(int index, ProfileRecord &record, const QString &path);
bool WriteLedSettings(int index, const ProfileRecord &record, const QString &path);
// The same on the profile file GetConfigDir() + "/Profile/" + name + ".prof". A name that is
// no safe file name (IsSafeFileName) touches no file and leaves the record as it was.
void ReadLedSettingsFile(ProfileRecord &record, const QString &profileName);
bool WriteLedSettingsFile(const ProfileRecord &record, const QString &profileName);
// All five profiles with their file names; false when one was not written (the others are).
void ReadAllLedSettingsFiles(DeviceConfig &config);
bool WriteAllLedSettingsFiles(const DeviceConfig &config);
// "PROFILE/LedMode" and the six keys of one entry in a profile file; nothing for an unsafe name.
bool WriteLedEntryFile(const QString &profileName, int ledMode, int entry, const QColor &color, uint h, uint s,
                       uint v, uint bright, uint breath);

constexpr int kMenuPaletteSize = 9;
// The dark menu look; only the sixth colour (index 5), the theme colour, enters the text.
QString BuildMenuStyleSheet(const QColor (&palette)[kMenuPaletteSize]);
