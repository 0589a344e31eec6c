#include "profilefiles.h"

#include "iniedit.h"
#include "inivalue.h"
#include "profileio.h"
#include "settings.h"
#include "storelogging.h"

#include <QDebug>
#include <QDir>
#include <QSettings>

#include <algorithm>

namespace {

bool namedByOtherSlot(const QString (&names)[kProfileCount], int slot, const QString &name)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (i != slot && names[i] == name)
            return true;
    }
    return false;
}

} // namespace

QString DefaultSlotFileName(int slot) { return QStringLiteral("Profile ") + QString::number(slot + 1); }

void MakeSlotNamesUsable(QString (&names)[kProfileCount], const QStringList &taken)
{
    for (int i = 0; i < kProfileCount; ++i) {
        const bool repeated = std::find(names, names + i, names[i]) != names + i;
        if (!names[i].isEmpty() && CheckProfileName(names[i]) && !repeated && !taken.contains(names[i]))
            continue;
        const QString base = DefaultSlotFileName(i);
        QString name = base;
        for (int n = 2; namedByOtherSlot(names, i, name) || taken.contains(name); ++n)
            name = base + "_" + QString::number(n);
        names[i] = name;
    }
}

void UsableSlotNames(const DeviceConfig &config, QString (&names)[kProfileCount])
{
    std::copy(config.profileFiles, config.profileFiles + kProfileCount, names);
    MakeSlotNamesUsable(names);
}

QString ProfileListIniPath()
{
    const QString product = GetCurrentProductName();
    return CheckFileName(product, "product") ? GetConfigDir() + "/" + product + "/Config.ini" : QString();
}

QStringList ReadProfileList()
{
    QSettings settings(ProfileListIniPath(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("PROFILE_LIST"));
    // A hand-edited Count may be anything; the group cannot hold more entries than keys.
    const int count = std::min(IniInt(settings, QStringLiteral("Count")), int(settings.childKeys().size()));
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = IniString(settings, QString::number(i));
        if (IsSafeFileName(name))
            names << name;
    }
    return names;
}

bool WriteProfileList(const QStringList &names)
{
    const QString file = ProfileListIniPath();
    return !file.isEmpty() && CommitIniEdit(file, [&names](QSettings &settings) {
        settings.setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
        for (int i = 0; i < names.size(); ++i)
            settings.setValue(QStringLiteral("PROFILE_LIST/") + QString::number(i + 1), names.at(i));
    });
}

QString ProfileFolder() { return GetConfigDir() + "/Profile/"; }
QString ProfileFilePath(const QString &name) { return ProfileFolder() + name + ".prof"; }

bool EnsureProfileFolder()
{
    if (QDir().mkpath(ProfileFolder()))
        return true;
    qCDebug(lcStore) << "cannot create the profile folder" << ProfileFolder();
    return false;
}

int WriteProfileFile(const ProfileRecord &record, const QString &name)
{
    if (!CheckProfileName(name))
        return kStoreBadName;
    if (!EnsureProfileFolder())
        return kStoreWriteFailed;
    return WriteProfile(0, record, ProfileFilePath(name));
}

int StageProfileFile(const ProfileRecord &record, const QString &name, StagedWrites &staged)
{
    if (!CheckProfileName(name))
        return kStoreBadName;
    if (!EnsureProfileFolder())
        return kStoreWriteFailed;
    return StageProfile(record, ProfileFilePath(name), staged);
}

int ReadProfileFile(ProfileRecord &record, const QString &name)
{
    if (!CheckProfileName(name))
        return kStoreBadName;
    ReadProfile(0, record, ProfileFilePath(name));
    return kStoreOk;
}

int CreateDefaultProfileFile()
{
    ProfileRecord record;
    InitProfileDefaults(record, 0);
    if (!EnsureProfileFolder())
        return kStoreWriteFailed;
    return ReplaceProfileFile(record, ProfileFilePath(QStringLiteral("DefaultProfile")));
}
