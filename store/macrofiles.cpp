#include "macrofiles.h"

#include "filenames.h"
#include "iniedit.h"
#include "inivalue.h"
#include "settings.h"
#include "stagedfile.h"
#include "storelocks.h"
#include "storelogging.h"

#include <QDebug>
#include <QSettings>

#include <algorithm>
#include <map>

namespace {

QString stepKey(const char *prefix, int index) { return QString("Setting/%1%2").arg(prefix).arg(index); }

QString listKey(int slot) { return QString("MACRO_LIST/%1").arg(slot); }

// Replaces the first slot whose value equals `match` with `value`, as Config.ini holds the list
// at the commit; -1 when no slot matches or the file was not written.
int replaceInMacroList(const QString &match, const QString &value)
{
    int found = -1;
    const auto edit = [&match, &value, &found](QSettings &settings) {
        found = -1;
        for (int slot = 0; slot < kMacroListSize && found < 0; ++slot) {
            if (settings.value(listKey(slot)).toString() == match) {
                settings.setValue(listKey(slot), value);
                found = slot;
            }
        }
    };
    if (!CommitIniEdit(ConfigIniPath(), edit)) {
        qCWarning(lcStore) << "macro list not written:" << ConfigIniPath();
        return -1;
    }
    return found;
}

} // namespace

int SwapButtonStepType(int type)
{
    if (type == kStepButtonPress)
        return kStepButtonRelease;
    if (type == kStepButtonRelease)
        return kStepButtonPress;
    return type;
}

QString MacroFilePath(const QString &name) { return GetConfigDir() + "/MacroDB/" + name + ".MSMACRO"; }

QString WriteMacroFile(const QString &name, const MacroFile &macro, bool markChanged)
{
    if (!IsSafeFileName(name))
        return QString();
    const QString path = MacroFilePath(name);
    const auto edit = [&path, &macro, markChanged](QSettings &settings) {
        settings.setValue("Setting/MacroFilePath", path);
        settings.setValue("Setting/DefaultDelay", macro.defaultDelay);
        settings.setValue("Setting/DelayType", macro.delayType);
        settings.setValue("Setting/LoopType", macro.loopType);
        settings.setValue("Setting/LoopTime", macro.loopTime);
        settings.setValue("Setting/Count", macro.steps.size());
        for (int i = 0; i < macro.steps.size(); ++i) {
            settings.setValue(stepKey("Map_", i), int(macro.steps[i].type));
            settings.setValue(stepKey("DataH_", i), int(macro.steps[i].dataH));
            settings.setValue(stepKey("DataL_", i), int(macro.steps[i].dataL));
        }
        if (markChanged)
            settings.setValue("Setting/WriteSign", 1);
    };
    return CommitIniEdit(path, edit) ? path : QString();
}

MacroFile ReadMacroFile(const QString &name)
{
    MacroFile macro;
    if (!IsSafeFileName(name))
        return macro;
    const QSettings settings(MacroFilePath(name), QSettings::IniFormat);
    macro.defaultDelay = IniInt(settings, "Setting/DefaultDelay");
    macro.delayType = IniInt(settings, "Setting/DelayType");
    macro.loopType = IniInt(settings, "Setting/LoopType");
    macro.loopTime = IniInt(settings, "Setting/LoopTime");
    const int count = std::clamp(IniInt(settings, "Setting/Count"), 0, kMaxMacroSteps);
    macro.steps.resize(count);
    for (int i = 0; i < count; ++i) {
        macro.steps[i].type = IniByte(settings, stepKey("Map_", i));
        macro.steps[i].dataH = IniByte(settings, stepKey("DataH_", i));
        macro.steps[i].dataL = IniByte(settings, stepKey("DataL_", i));
    }
    return macro;
}

int LoadMacroSteps(const QString &name, ButtonInfo &entry)
{
    const MacroFile macro = ReadMacroFile(name);
    entry.KeyNumber = macro.steps.size();
    for (int i = 0; i < macro.steps.size(); ++i) {
        entry.keyInfo[i].map = macro.steps[i].type;
        entry.keyInfo[i].key = macro.steps[i].dataL;
        entry.keyInfo[i].H = macro.steps[i].dataH;
    }
    return entry.KeyNumber;
}

bool TakeMacroWriteSign(const QString &name)
{
    if (!IsSafeFileName(name))
        return false;
    const QString path = MacroFilePath(name);
    if (!FileExists(path))
        return false;
    // Every job asks for every macro button: a file found without a sign is not read again
    // while it is the same file.
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return true;  // as when the sign cannot be cleared: sent once more
    static std::map<QString, FileStamp> unsignedFiles;
    const FileStamp before = StampOf(path);
    const auto known = unsignedFiles.find(path);
    if (known != unsignedFiles.end() && known->second == before)
        return false;
    // Read in the edit, from the file's text as it is.
    bool hadSign = false;
    const auto edit = [&hadSign](QSettings &settings) {
        hadSign = IniInt(settings, "Setting/WriteSign") != 0;
        if (hadSign)
            settings.setValue("Setting/WriteSign", 0);
    };
    // The sign stays when it cannot be cleared: the macro is sent once more, never once less.
    const bool written = CommitIniEdit(path, edit);
    if (!written && hadSign)
        qCWarning(lcStore) << "macro's sign not cleared:" << path;
    if (written && !hadSign && StampOf(path) == before)
        unsignedFiles[path] = before;
    return hadSign;
}

QStringList ReadMacroList()
{
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    QStringList names;
    for (int slot = 0; slot < kMacroListSize; ++slot)
        names << settings.value(listKey(slot)).toString();
    return names;
}

QString GetMacroListEntry(int slot)
{
    if (slot < 0 || slot >= kMacroListSize)
        return QString();
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    return settings.value(listKey(slot)).toString();
}

int AddToMacroList(const QString &name)
{
    if (name.isEmpty())
        return -1;
    return replaceInMacroList(QString(), name);
}

int RemoveFromMacroList(const QString &name)
{
    if (name.isEmpty())
        return -1;
    return replaceInMacroList(name, QString());
}

int RenameInMacroList(const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty())
        return -1;
    return replaceInMacroList(oldName, newName);
}
