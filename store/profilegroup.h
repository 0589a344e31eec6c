#pragma once
// One profile as a group of an open QSettings object, for the store's own files that hold
// several profiles (a ".conf" file is written and read through one object).

#include "records.h"

#include <QSettings>
#include <QString>

enum class LedTimes { Included, Excluded };  // LedMoveOFF and LedSleepTime

QString ProfileGroupName(int index);  // "PROFILE_<index>"
QString LedEntryKey(int mode, const char *field);  // "LedMode/LED_MODE_<mode>_<field>", inside a group
void WriteProfileGroup(QSettings &settings, const QString &group, const ProfileRecord &record, LedTimes ledTimes);
void ReadProfileGroup(QSettings &settings, const QString &group, ProfileRecord &record, LedTimes ledTimes);
