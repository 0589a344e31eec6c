#include "settings.h"

#include "configkeys.h"
#include "inivalue.h"
#include "macrofiles.h"
#include "profilefiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

QString g_appDirOverride;

// A value that is not a number reads as 0, a missing key as its default.
int readInt(const QString &file, const QString &key, int fallback = 0)
{
    const QSettings settings(file, QSettings::IniFormat);
    return IniInt(settings, key, fallback);
}

void writeValue(const QString &file, const QString &key, const QVariant &value)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(key, value);
}

QString readString(const QString &file, const QString &key)
{
    const QSettings settings(file, QSettings::IniFormat);
    return IniString(settings, key);
}

} // namespace

QString g_modelNameTable[kModelNameTableSize];
QList<ProfileRecord *> g_profileList;

QString AppDir()
{
    if (!g_appDirOverride.isEmpty())
        return g_appDirOverride;
    return QCoreApplication::applicationDirPath();
}

void SetAppDir(const QString &dir)
{
    g_appDirOverride = dir;
    while (g_appDirOverride.size() > 1 && g_appDirOverride.endsWith('/'))
        g_appDirOverride.chop(1);
}

QString GetConfigDir() { return AppDir() + "/Configs"; }
QString ConfigIniPath() { return GetConfigDir() + "/Config.ini"; }
QString LangConfigIniPath() { return GetConfigDir() + "/LangConfig.ini"; }

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

void SetProfileID(int index) { writeValue(ConfigIniPath(), "Config/ProfileID", index); }

void SaveProfileList(const DeviceConfig &config)
{
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    settings.setValue("Config/ProfileID", int(config.ProfileID));
    settings.setValue("Config/Count", int(config.Count));
    // The names SaveConfig writes the profiles under.
    QString names[kProfileCount];
    std::copy(config.profileFiles, config.profileFiles + kProfileCount, names);
    MakeSlotNamesUsable(names);
    for (int i = 0; i < kProfileCount; ++i)
        settings.setValue(ProfileSlotKey(i), names[i]);
}

void SaveProfileDpi(const QString &profileName, int stage)
{
    if (CheckProfileName(profileName))
        writeValue(ProfileFilePath(profileName), "PROFILE/dpi", stage);
}

int GetDiff() { return readInt(ConfigIniPath(), "Config/Diff"); }
bool SetDiff(int flag)
{
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    settings.setValue("Config/Diff", flag);
    return IniFlushed(settings);
}
int GetLangID() { return readInt(LangConfigIniPath(), "Config/LangID"); }
void SetLangID(int index) { writeValue(LangConfigIniPath(), "Config/LangID", index); }

int ClampLangIndex(int index) { return ClampIndex(index, kFontListSize); }

void GetFontList(FontList &list)
{
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    list.count = IniInt(settings, "FONT_LIST/LANGNUM");
    for (int i = 0; i < kFontListSize; ++i) {
        list.names[i] = settings.value(QString("FONT_LIST/LangName_%1").arg(i)).toString();
        // The name becomes "/lang/" + name + ".qm": one that leaves the folder loads nothing.
        const QString file = settings.value(QString("FONT_LIST/LangFile_%1").arg(i)).toString();
        list.files[i] = file.isEmpty() || CheckFileName(file, "language file") ? file : QString();
    }
}

QString GetCurrentProductName() { return readString(ConfigIniPath(), "Config/CurrentProductName"); }
void SetCurrentProductName(const QString &name) { writeValue(ConfigIniPath(), "Config/CurrentProductName", name); }

int CountMacros()
{
    int count = 0;
    for (const QString &name : ReadMacroList()) {
        if (!name.isEmpty())
            ++count;
    }
    return count;
}

int GetMouseSensor() { return readInt(ConfigIniPath(), "MouseSenSor/1"); }

int GetMouseLedMode()
{
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    return IniInt(settings, "MouseLEDMode/" + IniString(settings, "Config/CurrentProductName"));
}

void SetMouseName(const QString &name, const QString &filePath) { writeValue(filePath, "MouseName/Name", name); }
QString GetMouseName(const QString &filePath) { return readString(filePath, "MouseName/Name"); }

int GetGColorID() { return readInt(ConfigIniPath(), "Config/GColorID"); }
void SetGColorID(int index) { writeValue(ConfigIniPath(), "Config/GColorID", index); }
int GetBattery() { return readInt(ConfigIniPath(), "Config/Battery"); }
void SetBattery(int level) { writeValue(ConfigIniPath(), "Config/Battery", level); }
int GetBatteryFull() { return readInt(ConfigIniPath(), "Config/BatteryFull", 4200); }

QColor ThemeColor(int index)
{
    static const QColor colors[kThemeColorCount] = {
        QColor(255, 0, 0),     QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(219, 200, 182),
        QColor(255, 0, 255),   QColor(0, 255, 255), QColor(255, 125, 0),
    };
    if (index < 0 || index >= kThemeColorCount)
        index = 0;
    return colors[index];
}

QColor CurrentThemeColor() { return ThemeColor(GetGColorID()); }

int FindProfileByName(const QString &name)
{
    for (int i = 0; i < g_profileList.size(); ++i) {
        if (g_profileList.at(i) && g_profileList.at(i)->ProfileName == name)
            return i;
    }
    return -1;
}
