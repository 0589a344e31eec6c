#pragma once
// One profile to and from the keys of an INI file: a ".prof" file or Config.ini (WriteProfile /
// ReadProfile) and a ".conf" configuration file (the V2 pair, without LedMoveOFF and LedSleepTime).
// A write is on disk when it returns. A write of the record a group was last written with, to a
// file nobody changed since, is skipped. A file that holds nothing but the group gets the text
// QSettings would write, produced here (much faster); any other goes through QSettings, unless
// it already holds every key as the write would leave it.

#include "records.h"

#include <QString>

class StagedWrites;

// Result codes of the store's savers.
constexpr int kStoreOk = 0;
constexpr int kStoreWriteFailed = 1;  // the file or its folder could not be written
constexpr int kStoreBadName = 2;      // a profile name that is no safe file name

// Empty path: group "PROFILE_<index>" of Config.ini; otherwise group "PROFILE" of the path.
int WriteProfile(int index, const ProfileRecord &record, const QString &path);
// As WriteProfile into group "PROFILE" of the path, except that a file holding nothing but
// that group (or missing) is written into a temporary file only, and takes its place when
// `staged` commits. A file with other keys is written at once through QSettings.
int StageProfile(const ProfileRecord &record, const QString &path, StagedWrites &staged);
// Group "PROFILE" of the path as the file's only content: the file is made anew (any other key
// goes), and left untouched when it already holds exactly that.
int ReplaceProfileFile(const ProfileRecord &record, const QString &path);
// Fills every keyed field; missing keys read as 0, empty, the invalid colour, LedMoveOFF 255
// and LedSleepTime 1. The DPI stage and light mode are kept inside their tables.
void ReadProfile(int index, ProfileRecord &record, const QString &path);

// Group "PROFILE_<index>" of the path, LedMoveOFF and LedSleepTime left out (and left as they were).
int WriteProfileV2(int index, const ProfileRecord &record, const QString &path);
void ReadProfileV2(int index, ProfileRecord &record, const QString &path);
