#include "profilefiles.h"

#include "profileio.h"
#include "settings.h"

#include <QDebug>
#include <QDir>

bool IsSafeProfileName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return false;
    }
    return true;
}

bool CheckProfileName(const QString &name)
{
    if (IsSafeProfileName(name))
        return true;
    qDebug() << "profile file name refused:" << name;
    return false;
}

QString DefaultSlotFileName(int slot) { return QStringLiteral("Profile ") + QString::number(slot + 1); }

QString ProfileFolder() { return GetConfigDir() + "/Profile/"; }
QString ProfileFilePath(const QString &name) { return ProfileFolder() + name + ".prof"; }

bool EnsureProfileFolder()
{
    if (QDir().mkpath(ProfileFolder()))
        return true;
    qDebug() << "cannot create the profile folder" << ProfileFolder();
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
    return WriteProfile(0, record, ProfileFilePath(QStringLiteral("DefaultProfile")));
}
