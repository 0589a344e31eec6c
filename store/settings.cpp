#include "settings.h"

#include "configkeys.h"
#include "inivalue.h"
#include "macrofiles.h"
#include "profilefiles.h"
#include "storelogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <unistd.h>

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
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(key, value);
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

void SetProfileID(int index) { writeValue(ConfigIniPath(), "Config/ProfileID", index); }

void SaveProfileList(const DeviceConfig &config)
{
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
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

bool DiffMarkText(const QByteArray &text, int flag, QByteArray &marked)
{
    // One "[Config]" section, and "Diff" nowhere but in its one "Diff=<digits>" line (if any):
    // anything else (comments, other spellings, line ends of another system) is QSettings' to read.
    if (text.contains('\r'))
        return false;
    QList<QByteArray> lines = text.split('\n');
    int header = -1;
    int diffLine = -1;
    bool inConfig = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.startsWith('[')) {
            inConfig = line == "[Config]";
            if (inConfig && header >= 0)
                return false;
            if (!inConfig && line.contains("Config"))
                return false;
            if (inConfig)
                header = i;
            continue;
        }
        if (!line.contains("Diff"))
            continue;
        if (!inConfig || !line.startsWith("Diff=") || diffLine >= 0)
            return false;
        diffLine = i;
    }
    if (header < 0)
        return false;
    const QByteArray line = "Diff=" + QByteArray::number(flag);
    if (diffLine < 0) {
        lines.insert(header + 1, line);
    } else {
        const QByteArray value = lines.at(diffLine).mid(5);
        if (value.isEmpty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })
            || lines.at(diffLine - 1).endsWith('\\'))
            return false;
        lines[diffLine] = line;
    }
    marked = lines.join('\n');
    return true;
}

namespace {

// QSettings reads the staged text as Config.ini with Config/Diff = flag, and nothing else
// changed: a line edit can be fooled by what QSettings reads otherwise (escaped key names,
// quoted values that span lines).
bool readsAsMarked(const StagedFile &staged, int flag)
{
    const QSettings before(ConfigIniPath(), QSettings::IniFormat);
    const QSettings after(staged.writtenPath(), QSettings::IniFormat);
    const QString diffKey = QStringLiteral("Config/Diff");
    if (after.status() != QSettings::NoError || !IniHolds(after, diffKey, flag))
        return false;
    QStringList keys = before.allKeys();
    QStringList markedKeys = after.allKeys();
    keys.removeAll(diffKey);
    markedKeys.removeAll(diffKey);
    if (keys != markedKeys)
        return false;
    return std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) { return before.value(key) == after.value(key); });
}

// The marked text written beside Config.ini, when QSettings reads it as marked; null otherwise.
std::unique_ptr<StagedFile> stageMarkText(const QByteArray &text, int flag)
{
    auto staged = std::make_unique<StagedFile>(ConfigIniPath());
    if (!staged->write(text) || !readsAsMarked(*staged, flag))
        return nullptr;
    return staged;
}

} // namespace

bool SetDiff(int flag)
{
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
    QByteArray text;
    QByteArray marked;
    if (ReadWholeFile(ConfigIniPath(), text) && DiffMarkText(text, flag, marked) && marked != text) {
        if (const auto file = stageMarkText(marked, flag))
            return file->syncData() && file->commit();
    }
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    if (IniHolds(settings, QStringLiteral("Config/Diff"), flag))
        return true;
    settings.setValue("Config/Diff", flag);
    return IniFlushed(settings);
}

bool UnsentMark::set()
{
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
    QByteArray text;
    QByteArray marked;
    QByteArray cleared;
    if (!ReadWholeFile(ConfigIniPath(), text) || !DiffMarkText(text, 1, marked) || !DiffMarkText(marked, 0, cleared))
        return SetDiff(1);  // m_clear stays empty: clear() takes the long way too
    if (marked != text) {
        m_set = stageMarkText(marked, 1);
        if (!m_set)
            return SetDiff(1);
    } else if (!IniHolds(QSettings(ConfigIniPath(), QSettings::IniFormat), QStringLiteral("Config/Diff"), 1)) {
        return SetDiff(1);
    }
    // Written and read back here, synced while the download runs: QSettings stays on this thread.
    m_clear = stageMarkText(cleared, 0);
    if (m_set && !m_set->commit())
        return false;
    m_stamp = StampOf(ConfigIniPath());
    return true;
}

bool UnsentMark::prepareClear()
{
    if (m_set && !m_set->syncData())
        return false;
    if (m_clear && !m_clear->syncData())
        m_clear.reset();
    return true;
}

bool UnsentMark::clear()
{
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
    if (m_clear && m_stamp.inode != 0 && StampOf(ConfigIniPath()) == m_stamp && m_clear->commit())
        return true;
    return SetDiff(0);
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
