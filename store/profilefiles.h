#pragma once
// The profile files: one profile in group PROFILE of GetConfigDir() + "/Profile/" + name + ".prof".

#include "filenames.h"
#include "records.h"

#include <QString>
#include <QStringList>

class StagedWrites;

// CheckFileName for a profile's name.
inline bool CheckProfileName(const QString &name) { return CheckFileName(name, "profile"); }
// The file name of slot 0-4 while it has no name of its own: "Profile 1" ... "Profile 5".
QString DefaultSlotFileName(int slot);
// Gives every slot a file of its own: a name that is empty, unsafe, repeats an earlier slot's
// or is one of `taken` becomes the first of "Profile N", "Profile N_2", "Profile N_3", ...
// that no other slot names and `taken` does not hold (N = slot + 1).
void MakeSlotNamesUsable(QString (&names)[kProfileCount], const QStringList &taken = QStringList());
// The names a configuration's profiles are saved under: its slot names, made usable.
void UsableSlotNames(const DeviceConfig &config, QString (&names)[kProfileCount]);

// The product folder's Config.ini (GetConfigDir() + "/" + product name), which keeps the
// user's list of profile files in group PROFILE_LIST. Empty when the product name is no safe
// file name: QSettings then reads nothing and writes nowhere.
QString ProfileListIniPath();
// Entries 1 to "PROFILE_LIST/Count", read no further than the group has keys; a missing entry
// or a name that is no safe file name is skipped.
QStringList ReadProfileList();
// The list as entries 1 to n and "PROFILE_LIST/Count" = n, through CommitIniEdit (iniedit.h);
// false, the file as it was, when it was not written or the product name is no safe file name.
bool WriteProfileList(const QStringList &names);

QString ProfileFolder();  // GetConfigDir() + "/Profile/"
QString ProfileFilePath(const QString &name);
// Creates the Profile folder (and the configuration directory) when missing.
bool EnsureProfileFolder();

// kStoreOk, kStoreBadName (nothing written) or kStoreWriteFailed.
int WriteProfileFile(const ProfileRecord &record, const QString &name);
// The same through `staged` (StageProfile): the file may take its place only when it commits.
int StageProfileFile(const ProfileRecord &record, const QString &name, StagedWrites &staged);
// kStoreOk, or kStoreBadName with the record untouched.
int ReadProfileFile(ProfileRecord &record, const QString &name);
// Writes DefaultProfile.prof, the template of new profiles, from the device description.
int CreateDefaultProfileFile();
