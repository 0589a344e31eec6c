#pragma once
// The profile files: one profile in group PROFILE of GetConfigDir() + "/Profile/" + name + ".prof".

#include "records.h"

#include <QString>

// False for a name that would leave the Profile folder or that no file system takes: empty,
// a path separator, "..", a control character or one of \:*?"<>|.
bool IsSafeProfileName(const QString &name);
// IsSafeProfileName, with a debug line naming a refused name.
bool CheckProfileName(const QString &name);
// The file name of slot 0-4 while it has no name of its own: "Profile 1" ... "Profile 5".
QString DefaultSlotFileName(int slot);

QString ProfileFolder();  // GetConfigDir() + "/Profile/"
QString ProfileFilePath(const QString &name);
// Creates the Profile folder (and the configuration directory) when missing.
bool EnsureProfileFolder();

// kStoreOk, kStoreBadName (nothing written) or kStoreWriteFailed.
int WriteProfileFile(const ProfileRecord &record, const QString &name);
// kStoreOk, or kStoreBadName with the record untouched.
int ReadProfileFile(ProfileRecord &record, const QString &name);
// Writes DefaultProfile.prof, the template of new profiles, from the device description.
int CreateDefaultProfileFile();
