#include "configio.h"

#include "configkeys.h"
#include "devicedefaults.h"
#include "iniedit.h"
#include "inivalue.h"
#include "profilefiles.h"
#include "profilegroup.h"
#include "profileio.h"
#include "settings.h"
#include "stagedfile.h"
#include "storelocks.h"

#include <QSettings>

namespace {

void readByte(const QSettings &settings, const ConfigByteKey &entry, DeviceConfig &config)
{
    config.*entry.field = IniByte(settings, QLatin1String(entry.key));
}

void writeByte(QSettings &settings, const ConfigByteKey &entry, const DeviceConfig &config)
{
    settings.setValue(QLatin1String(entry.key), int(config.*entry.field));
}

void readSensorKeys(const QSettings &settings, DeviceConfig &config)
{
    for (const ConfigByteKey &entry : kConfigSensorKeys)
        readByte(settings, entry, config);
    config.ProfileID = quint8(ClampIndex(config.ProfileID, kProfileCount));
}

// The nine byte keys and the five slot names; a missing name keeps the current one. No two
// slots end up on one file, and none on a file of `taken`.
void readConfigGroup(const QSettings &settings, DeviceConfig &config, const QStringList &taken = QStringList())
{
    readSensorKeys(settings, config);
    readByte(settings, kConfigCountKey, config);
    for (int i = 0; i < kProfileCount; ++i) {
        const QVariant stored = settings.value(ProfileSlotKey(i));
        if (stored.isValid())
            config.profileFiles[i] = stored.toString();
    }
    MakeSlotNamesUsable(config.profileFiles, taken);
}

// Writes the nine byte keys and the slot names (UsableSlotNames of the configuration).
void writeConfigGroup(QSettings &settings, const DeviceConfig &config, const QString (&names)[kProfileCount])
{
    for (const ConfigByteKey &entry : kConfigSensorKeys)
        writeByte(settings, entry, config);
    writeByte(settings, kConfigCountKey, config);
    for (int i = 0; i < kProfileCount; ++i)
        settings.setValue(ProfileSlotKey(i), names[i]);
}

// True when writing the group would leave the file as it is.
bool holdsConfigGroup(const QSettings &settings, const DeviceConfig &config, const QString (&names)[kProfileCount])
{
    for (const ConfigByteKey &entry : kConfigSensorKeys) {
        if (!IniHolds(settings, QLatin1String(entry.key), int(config.*entry.field)))
            return false;
    }
    if (!IniHolds(settings, QLatin1String(kConfigCountKey.key), int(config.*kConfigCountKey.field)))
        return false;
    for (int i = 0; i < kProfileCount; ++i) {
        if (!IniHolds(settings, ProfileSlotKey(i), names[i]))
            return false;
    }
    return true;
}

// Keeps the first failure while the later parts are still written.
void keepFirstFailure(int &result, int next)
{
    if (result == kStoreOk)
        result = next;
}

} // namespace

void LoadConfig(DeviceConfig &config)
{
    // Copies of DefaultProfile.prof into the folder must not fail for want of it.
    EnsureProfileFolder();
    {
        const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
        readConfigGroup(settings, config);
    }
    for (int i = 0; i < kProfileCount; ++i)
        ReadProfileFile(config.profiles[i], config.profileFiles[i]);
    GetButtonMatrix(g_buttonMatrix);  // without a description the matrix keeps its contents
}

int SaveConfig(const DeviceConfig &config)
{
    StagedWrites staged;
    const int result = StageConfig(config, staged);
    if (result != kStoreOk)
        return result;
    return staged.commit() ? kStoreOk : kStoreWriteFailed;
}

int StageConfig(const DeviceConfig &config, StagedWrites &staged)
{
    QString names[kProfileCount];
    UsableSlotNames(config, names);
    // Stops at the first failure: of a configuration that is not sent, nothing reaches the
    // disk, where the next start would take it for what the mouse holds.
    for (int i = 0; i < kProfileCount; ++i) {
        const int result = StageProfileFile(config.profiles[i], names[i], staged);
        if (result != kStoreOk) {
            staged = StagedWrites();  // its temporary files go
            return result;
        }
    }
    // Last, so that no slot names a file before the file is in place. Unchanged, it is not
    // written again: most saves change one profile, or none.
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return kStoreWriteFailed;
    bool holds = false;
    ReadIniUncached(ConfigIniPath(), [&](const QSettings &settings) { holds = holdsConfigGroup(settings, config, names); });
    if (holds)
        return kStoreOk;
    const auto edit = [config, names](QSettings &settings) { writeConfigGroup(settings, config, names); };
    if (!StageIniEdit(ConfigIniPath(), edit, staged)) {
        staged = StagedWrites();
        return kStoreWriteFailed;
    }
    return kStoreOk;
}

// Made whole in a copy and put in place: an existing export file keeps none of its keys, and a
// failed write leaves it as it was.
int SaveConfigV2(const DeviceConfig &config, const QString &path, const QString &mouseName)
{
    QString names[kProfileCount];
    UsableSlotNames(config, names);
    const auto edit = [&config, &names, &mouseName](QSettings &settings) {
        settings.clear();
        writeConfigGroup(settings, config, names);
        for (int i = 0; i < kProfileCount; ++i)
            WriteProfileGroup(settings, ProfileGroupName(i), config.profiles[i], LedTimes::Excluded);
        if (!mouseName.isEmpty())
            settings.setValue("MouseName/Name", mouseName);
    };
    return CommitIniEdit(path, edit) ? kStoreOk : kStoreWriteFailed;
}

void ReadConfig(DeviceConfig &config, const QString &path)
{
    // The next save writes every slot's profile under its name: a listed profile that no slot
    // shows now must not be overwritten by one of the file's.
    QStringList taken = ReadProfileList();
    for (const QString &shown : config.profileFiles)
        taken.removeAll(shown);
    QSettings settings(path, QSettings::IniFormat);
    readConfigGroup(settings, config, taken);
    for (int i = 0; i < kProfileCount; ++i)
        ReadProfileGroup(settings, ProfileGroupName(i), config.profiles[i], LedTimes::Excluded);
}

void LoadConfigFromProfileList(DeviceConfig &config)
{
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    readSensorKeys(settings, config);
    config.Count = IniByte(settings, QStringLiteral("PROFILE_LIST/Count"));
    ProfileRecord record;
    for (int i = 1; i <= config.Count; ++i) {
        const QString name = IniString(settings, QStringLiteral("PROFILE_LIST/") + QString::number(i));
        if (ReadProfileFile(record, name) == kStoreOk)
            g_profileList.append(new ProfileRecord(record));
    }
}

int SaveConfigWithProfileList(const DeviceConfig &config)
{
    const int count = g_profileList.size();
    const auto edit = [&config, count](QSettings &settings) {
        for (const ConfigByteKey &entry : kConfigSensorKeys)
            writeByte(settings, entry, config);
        settings.setValue("PROFILE_LIST/Count", count);
    };
    int result = CommitIniEdit(ConfigIniPath(), edit) ? kStoreOk : kStoreWriteFailed;
    for (const ProfileRecord *record : qAsConst(g_profileList)) {
        if (record)
            keepFirstFailure(result, WriteProfileFile(*record, record->ProfileName));
    }
    return result;
}
