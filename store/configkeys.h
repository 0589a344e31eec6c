#pragma once
// The byte keys of group Config that belong to a DeviceConfig, shared by its readers and writers.

#include "records.h"

#include <QString>

struct ConfigByteKey {
    const char *key;
    quint8 DeviceConfig::*field;
};

// ProfileID and the seven sensor bytes; Count follows on its own where the file has it.
inline constexpr ConfigByteKey kConfigSensorKeys[] = {
    {"Config/ProfileID", &DeviceConfig::ProfileID}, {"Config/AngleValue", &DeviceConfig::AngleValue},
    {"Config/LiftHigh", &DeviceConfig::LiftHigh},   {"Config/Sync", &DeviceConfig::Sync},
    {"Config/Jitter", &DeviceConfig::Jitter},       {"Config/Debounce", &DeviceConfig::Debounce},
    {"Config/Wake", &DeviceConfig::Wake},           {"Config/SensorMode", &DeviceConfig::SensorMode},
};
inline constexpr ConfigByteKey kConfigCountKey = {"Config/Count", &DeviceConfig::Count};

// "Config/Profile1" ... "Config/Profile5": the file name of slot 0 ... 4.
inline QString ProfileSlotKey(int slot) { return QStringLiteral("Config/Profile") + QString::number(slot + 1); }
