#include "settings.h"

#include "configkeys.h"
#include "inivalue.h"
#include "profilefiles.h"
#include "profileio.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QSettings>

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
    for (int i = 1; i <= kProfileCount; ++i)
        settings.setValue(QString("Config/Profile%1").arg(i), config.profileFiles[i - 1]);
}

void SaveProfileDpi(const QString &profileName, int stage)
{
    if (!IsSafeProfileName(profileName)) {
        qDebug() << "profile file name refused:" << profileName;
        return;
    }
    writeValue(ProfileFilePath(profileName), "PROFILE/dpi", stage);
}

int GetDiff() { return readInt(ConfigIniPath(), "Config/Diff"); }
void SetDiff(int flag) { writeValue(ConfigIniPath(), "Config/Diff", flag); }
int GetLangID() { return readInt(LangConfigIniPath(), "Config/LangID"); }
void SetLangID(int index) { writeValue(LangConfigIniPath(), "Config/LangID", index); }

int ClampLangIndex(int index) { return ClampIndex(index, kFontListSize); }

void GetFontList(FontList &list)
{
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    bool ok = false;
    list.count = settings.value("FONT_LIST/LANGNUM").toInt(&ok);
    if (!ok)
        list.count = 0;
    for (int i = 0; i < kFontListSize; ++i) {
        list.names[i] = settings.value(QString("FONT_LIST/LangName_%1").arg(i)).toString();
        list.files[i] = settings.value(QString("FONT_LIST/LangFile_%1").arg(i)).toString();
    }
}

QString GetCurrentProductName() { return readString(ConfigIniPath(), "Config/CurrentProductName"); }
void SetCurrentProductName(const QString &name) { writeValue(ConfigIniPath(), "Config/CurrentProductName", name); }

int CountMacros()
{
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    int count = 0;
    for (int i = 0; i < 50; ++i) {
        if (!settings.value(QString("MACRO_LIST/%1").arg(i)).toString().isEmpty())
            ++count;
    }
    return count;
}

int GetMouseSensor() { return readInt(ConfigIniPath(), "MouseSenSor/1"); }

int GetMouseLedMode()
{
    const QString model = GetCurrentProductName();
    return readInt(ConfigIniPath(), "MouseLEDMode/" + model);
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

int SaveConfigWithProfileList(const DeviceConfig &config)
{
    int result = kStoreOk;
    {
        QSettings settings(ConfigIniPath(), QSettings::IniFormat);
        for (const ConfigByteKey &entry : kConfigSensorKeys)
            settings.setValue(QLatin1String(entry.key), int(config.*entry.field));
        settings.setValue("PROFILE_LIST/Count", g_profileList.size());
        if (!IniFlushed(settings))
            result = kStoreWriteFailed;
    }
    for (const ProfileRecord *record : qAsConst(g_profileList)) {
        if (!record)
            continue;
        const int written = WriteProfileFile(*record, record->ProfileName);
        if (result == kStoreOk)
            result = written;
    }
    return result;
}

int FindProfileByName(const QString &name)
{
    for (int i = 0; i < g_profileList.size(); ++i) {
        if (g_profileList.at(i) && g_profileList.at(i)->ProfileName == name)
            return i;
    }
    return -1;
}
