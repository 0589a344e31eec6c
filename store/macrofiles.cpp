#include "macrofiles.h"

#include "filenames.h"
#include "inivalue.h"
#include "settings.h"

#include <QSettings>

#include <algorithm>

namespace {

QString stepKey(const char *prefix, int index) { return QString("Setting/%1%2").arg(prefix).arg(index); }

QString listKey(int slot) { return QString("MACRO_LIST/%1").arg(slot); }

// Replaces the first slot whose value equals `match` with `value`.
int replaceInMacroList(const QString &match, const QString &value)
{
    QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    for (int slot = 0; slot < kMacroListSize; ++slot) {
        if (settings.value(listKey(slot)).toString() == match) {
            settings.setValue(listKey(slot), value);
            return slot;
        }
    }
    return -1;
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
    QSettings settings(path, QSettings::IniFormat);
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
    return IniFlushed(settings) ? path : QString();
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
    QSettings settings(path, QSettings::IniFormat);
    if (IniInt(settings, "Setting/WriteSign") == 0)
        return false;
    settings.setValue("Setting/WriteSign", 0);
    return true;
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
