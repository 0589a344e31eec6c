// The setters of settings.h: each value goes to its file through CommitIniEdit, the one write
// path of the files QSettings also writes, so that no QSettings object ever syncs a real file
// (a failed sync would stay in QSettings' cache and come back with the next one).
#include "settings.h"

#include "configkeys.h"
#include "iniedit.h"
#include "profilefiles.h"
#include "stagedfile.h"
#include "storelocks.h"

#include <QSettings>

#include <map>

namespace {

// The value a key was last found or left holding, and the file as it was then: while the file
// is still that one, setting the same value again would change nothing (the battery level
// repeats on every report).
struct HeldValue {
    FileStamp stamp;
    QVariant value;
};

bool writeValue(const QString &file, const QString &key, const QVariant &value)
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    static std::map<QString, HeldValue> held;
    const QString id = file + QLatin1Char('\n') + key;
    const FileStamp before = StampOf(file);
    const auto it = held.find(id);
    if (it != held.end() && before.inode != 0 && it->second.stamp == before && it->second.value == value)
        return true;
    held.erase(id);
    if (!CommitIniEdit(file, [&key, &value](QSettings &settings) { settings.setValue(key, value); }))
        return false;
    // Nothing written: the file, as stamped before the read, holds the value.
    if (before.inode != 0 && StampOf(file) == before)
        held[id] = HeldValue{before, value};
    return true;
}

} // namespace

bool SetProfileID(int index) { return writeValue(ConfigIniPath(), "Config/ProfileID", index); }

bool SaveProfileList(const DeviceConfig &config)
{
    // The names SaveConfig writes the profiles under.
    QString names[kProfileCount];
    UsableSlotNames(config, names);
    return CommitIniEdit(ConfigIniPath(), [&config, &names](QSettings &settings) {
        settings.setValue("Config/ProfileID", int(config.ProfileID));
        settings.setValue("Config/Count", int(config.Count));
        for (int i = 0; i < kProfileCount; ++i)
            settings.setValue(ProfileSlotKey(i), names[i]);
    });
}

bool SaveProfileDpi(const QString &profileName, int stage)
{
    return CheckProfileName(profileName) && writeValue(ProfileFilePath(profileName), "PROFILE/dpi", stage);
}

bool SetLangID(int index) { return writeValue(LangConfigIniPath(), "Config/LangID", index); }

bool SetCurrentProductName(const QString &name)
{
    return writeValue(ConfigIniPath(), "Config/CurrentProductName", name);
}

bool SetMouseName(const QString &name, const QString &filePath) { return writeValue(filePath, "MouseName/Name", name); }

bool SetGColorID(int index) { return writeValue(ConfigIniPath(), "Config/GColorID", index); }

bool SetBattery(int level) { return writeValue(ConfigIniPath(), "Config/Battery", level); }
