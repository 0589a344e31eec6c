#pragma once
// The whole configuration: group Config of Config.ini plus the five profile files, and the
// ".conf" exchange file (group Config plus PROFILE_0 ... PROFILE_4).

#include "records.h"

#include <QString>

class StagedWrites;

// Reads Config.ini and the five profile files, then refills g_buttonMatrix. The slot file names
// are kept safe and apart: a missing key keeps the current name, an empty or unsafe name or one
// an earlier slot has gives "Profile N" (MakeSlotNamesUsable).
void LoadConfig(DeviceConfig &config);
// kStoreOk, or the first failure, after which nothing more is written. Files it would not
// change are left alone.
int SaveConfig(const DeviceConfig &config);
// SaveConfig's first part: every file it would change written aside, the profile files first and
// Config.ini, which names them, last; SaveConfig is this and `staged.commit()`. No file changes
// before the commit, and nothing is staged on a failure.
int StageConfig(const DeviceConfig &config, StagedWrites &staged);
// The ".conf" file at `path`, made whole (a file there keeps none of its own keys) and put in
// place, with "MouseName/Name" (GetMouseName) when `mouseName` is given. kStoreOk, or
// kStoreWriteFailed with the file as it was.
int SaveConfigV2(const DeviceConfig &config, const QString &path, const QString &mouseName = QString());
// A ".conf" file into config; LedMoveOFF and LedSleepTime of every profile keep their values.
// Slot names as LoadConfig; a name of a listed profile (ReadProfileList) that no slot of config
// shows also gives "Profile N", so the next save does not overwrite that profile.
void ReadConfig(DeviceConfig &config, const QString &path);

// Not used by the running program: the sensor keys into config and the profiles listed
// under PROFILE_LIST into g_profileList (new records, owned by the list).
void LoadConfigFromProfileList(DeviceConfig &config);
// Not used by the running program: the sensor keys and PROFILE_LIST/Count into Config.ini, each
// record of g_profileList into the profile file of its ProfileName; kStoreOk or the first failure.
int SaveConfigWithProfileList(const DeviceConfig &config);
