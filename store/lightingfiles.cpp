#include "lightingfiles.h"

#include "iniedit.h"
#include "inivalue.h"
#include "profilefiles.h"
#include "profilegroup.h"
#include "settings.h"

#include <QSettings>

namespace {

// The file and group of a lighting operation.
struct LedTarget {
    QString file;
    QString group;
};

LedTarget ledTarget(int index, const QString &path)
{
    if (path.isEmpty())
        return {ConfigIniPath(), ProfileGroupName(index)};
    return {path, "PROFILE"};
}

QString entryKey(const QString &group, int entry, const char *field)
{
    return group + QLatin1Char('/') + LedEntryKey(entry, field);
}

quint32 uintValue(const QSettings &settings, const QString &key) { return quint32(IniInt(settings, key)); }

void readEntry(const QSettings &settings, const QString &group, int entry, LedModeInfo &info)
{
    info.RGB = IniColor(settings, entryKey(group, entry, "RGB"));
    info.h = uintValue(settings, entryKey(group, entry, "h"));
    info.s = uintValue(settings, entryKey(group, entry, "s"));
    info.v = uintValue(settings, entryKey(group, entry, "v"));
    info.bright = uintValue(settings, entryKey(group, entry, "bright"));
    info.breath = uintValue(settings, entryKey(group, entry, "breath"));
}

void writeEntry(QSettings &settings, const QString &group, int entry, const LedModeInfo &info)
{
    settings.setValue(entryKey(group, entry, "RGB"), info.RGB);
    settings.setValue(entryKey(group, entry, "h"), info.h);
    settings.setValue(entryKey(group, entry, "s"), info.s);
    settings.setValue(entryKey(group, entry, "v"), info.v);
    settings.setValue(entryKey(group, entry, "bright"), info.bright);
    settings.setValue(entryKey(group, entry, "breath"), info.breath);
}

} // namespace

void ReadLedSettings(int index, ProfileRecord &record, const QString &path)
{
    const LedTarget target = ledTarget(index, path);
    const QSettings settings(target.file, QSettings::IniFormat);
    // Kept as read, as the profile reader does; its users keep it inside the table.
    record.LedMode = quint8(IniInt(settings, target.group + "/LedMode"));
    for (int n = 0; n < kLedModes; ++n)
        readEntry(settings, target.group, n, record.ledModes[n]);
}

bool WriteLedSettings(int index, const ProfileRecord &record, const QString &path)
{
    const LedTarget target = ledTarget(index, path);
    return CommitIniEdit(target.file, [&target, &record](QSettings &settings) {
        settings.setValue(target.group + "/LedMode", int(record.LedMode));
        for (int n = 0; n < kLedModes; ++n)
            writeEntry(settings, target.group, n, record.ledModes[n]);
    });
}

void ReadLedSettingsFile(ProfileRecord &record, const QString &profileName)
{
    if (CheckProfileName(profileName))
        ReadLedSettings(0, record, ProfileFilePath(profileName));
}

bool WriteLedSettingsFile(const ProfileRecord &record, const QString &profileName)
{
    return CheckProfileName(profileName) && WriteLedSettings(0, record, ProfileFilePath(profileName));
}

void ReadAllLedSettingsFiles(DeviceConfig &config)
{
    for (int p = 0; p < kProfileCount; ++p)
        ReadLedSettingsFile(config.profiles[p], config.profileFiles[p]);
}

bool WriteAllLedSettingsFiles(const DeviceConfig &config)
{
    bool written = true;
    for (int p = 0; p < kProfileCount; ++p)
        written = WriteLedSettingsFile(config.profiles[p], config.profileFiles[p]) && written;
    return written;
}

bool WriteLedEntryFile(const QString &profileName, int ledMode, int entry, const QColor &color, uint h, uint s,
                       uint v, uint bright, uint breath)
{
    if (!CheckProfileName(profileName))
        return false;
    LedModeInfo info;
    info.RGB = color;
    info.h = h;
    info.s = s;
    info.v = v;
    info.bright = bright;
    info.breath = breath;
    return CommitIniEdit(ProfileFilePath(profileName), [ledMode, entry, &info](QSettings &settings) {
        settings.setValue("PROFILE/LedMode", ledMode);
        writeEntry(settings, "PROFILE", entry, info);
    });
}

QString BuildMenuStyleSheet(const QColor (&palette)[kMenuPaletteSize])
{
    const QColor &theme = palette[5];
    const QString rgb = QString("rgb(%1,%2,%3)").arg(theme.red()).arg(theme.green()).arg(theme.blue());
    return QString("QMenu{background-color:rgb(50,50,50); border: 0px solid rgb(255,255,255);}"
                   "QMenu::item{text-align: center; color: rgb(255,255,255); border: 0px solid rgb(255,255,255);"
                   " background-color:rgb(50,50,50); margin:0px 0px; padding:0px 20px;}"
                   "QMenu::item:selected{border: 1px solid %1; background-color:rgb(50,50,50);}"
                   "QMenu::item:pressed{color: rgb(0,0,0); border: 0px solid rgb(255,255,255);"
                   " background-color:%1;}")
        .arg(rgb);
}
