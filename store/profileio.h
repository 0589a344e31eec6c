#pragma once
// One profile to and from the keys of an INI file: a ".prof" file or Config.ini (WriteProfile /
// ReadProfile) and a ".conf" configuration file (the V2 pair, without LedMoveOFF and LedSleepTime).
// Each call works on one QSettings object of its own, so a write is on disk when it returns.
// A write of the record a group was last written with, to a file nobody changed since, is skipped.

#include "records.h"

#include <QString>

// Result codes of the store's savers.
constexpr int kStoreOk = 0;
constexpr int kStoreWriteFailed = 1;  // the file or its folder could not be written
constexpr int kStoreBadName = 2;      // a profile name that is no safe file name

// Empty path: group "PROFILE_<index>" of Config.ini; otherwise group "PROFILE" of the path.
int WriteProfile(int index, const ProfileRecord &record, const QString &path);
// Fills every keyed field; missing keys read as 0, empty, the invalid colour, LedMoveOFF 255
// and LedSleepTime 1. The DPI stage and light mode are kept inside their tables.
void ReadProfile(int index, ProfileRecord &record, const QString &path);

// Group "PROFILE_<index>" of the path, LedMoveOFF and LedSleepTime left out (and left as they were).
int WriteProfileV2(int index, const ProfileRecord &record, const QString &path);
void ReadProfileV2(int index, ProfileRecord &record, const QString &path);
