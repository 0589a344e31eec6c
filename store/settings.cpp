#include "settings.h"

#include "filenames.h"
#include "inivalue.h"
#include "macrofiles.h"
#include "storelogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <unistd.h>

namespace {

QString g_appDirOverride;

// A value that is not a number reads as 0, a missing key as its default.
int readInt(const QString &file, const QString &key, int fallback = 0)
{
    const QSettings settings(file, QSettings::IniFormat);
    return IniInt(settings, key, fallback);
}

QString readString(const QString &file, const QString &key)
{
    const QSettings settings(file, QSettings::IniFormat);
    return IniString(settings, key);
}

struct ProgramFolders {
    QString assets;
    QString data;
};

// access() rather than permission bits: it also says no on a read-only file system.
bool mayWrite(const QString &dir) { return ::access(QFile::encodeName(dir).constData(), W_OK) == 0; }

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
            continue;
        }
        // QFile::copy keeps the installed files' read-only mode: the copies are the user's to write.
        if (!QFile::copy(source, target)
            || !QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner))
            return false;
    }
    return true;
}

// The first start in a data folder: the sample device's Configs/ is copied under another
// name and renamed when complete, so an interrupted copy is redone next time and a user's
// own files are never overwritten.
bool fillDataFolder(const QString &assets, const QString &data)
{
    const QString target = data + "/Configs";
    if (QFileInfo::exists(target))
        return true;
    const QString partial = target + ".partial";
    QDir(partial).removeRecursively();
    return copyTree(assets + "/Configs", partial) && QDir().rename(partial, target);
}

ProgramFolders decideFolders()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(exeDir + "/" INSTALLED_ASSET_DIR);
    const bool beside = QFileInfo::exists(exeDir + "/DefaultProfile.bin")
                        || !QFileInfo::exists(installed + "/DefaultProfile.bin");
    ProgramFolders folders{beside ? exeDir : installed, exeDir};
    if (beside && mayWrite(exeDir))
        return folders;
    folders.data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!fillDataFolder(folders.assets, folders.data))
        qCWarning(lcStore, "Cannot set up the settings folder %s from %s", qPrintable(folders.data + "/Configs"),
                  qPrintable(folders.assets + "/Configs"));
    return folders;
}

// Decided at the first call, which comes after the application object: its name names the data folder.
const ProgramFolders &programFolders()
{
    static const ProgramFolders folders = decideFolders();
    return folders;
}

} // namespace

QString g_modelNameTable[kModelNameTableSize];
QList<ProfileRecord *> g_profileList;

const char kProgramName[] = PROGRAM_NAME;

QString AppDir()
{
    if (!g_appDirOverride.isEmpty())
        return g_appDirOverride;
    return programFolders().assets;
}

QString DataDir()
{
    if (!g_appDirOverride.isEmpty())
        return g_appDirOverride;
    return programFolders().data;
}

void SetAppDir(const QString &dir)
{
    g_appDirOverride = dir;
    while (g_appDirOverride.size() > 1 && g_appDirOverride.endsWith('/'))
        g_appDirOverride.chop(1);
}

QString GetConfigDir() { return DataDir() + "/Configs"; }
QString ConfigIniPath() { return GetConfigDir() + "/Config.ini"; }
QString LangConfigIniPath() { return GetConfigDir() + "/LangConfig.ini"; }

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

int GetLangID() { return readInt(LangConfigIniPath(), "Config/LangID"); }

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

QString GetMouseName(const QString &filePath) { return readString(filePath, "MouseName/Name"); }

int GetGColorID() { return readInt(ConfigIniPath(), "Config/GColorID"); }
int GetBattery() { return readInt(ConfigIniPath(), "Config/Battery"); }
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
