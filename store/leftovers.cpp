#include "leftovers.h"

#include "settings.h"
#include "stagedfile.h"
#include "storelogging.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// A process that is gone, or an earlier one that had our id (the ids come round again).
bool leftBehindBy(qint64 pid)
{
    if (pid <= 0 || pid == qint64(::getpid()))
        return true;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// QLockFile writes its process id on the first line; empty or anything else is no live lock.
bool staleLock(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool number = false;
    const qint64 pid = file.readLine(32).trimmed().toLongLong(&number);
    return !number || leftBehindBy(pid);
}

void sweep(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString path = folder + '/' + name;
        const qint64 owner = StagedFileOwner(name);
        const bool leftover = owner != 0 ? leftBehindBy(owner) : name.endsWith(QLatin1String(".lock")) && staleLock(path);
        if (leftover && !QFile::remove(path))
            qCWarning(lcStore) << "cannot remove the leftover" << path;
    }
}

} // namespace

void RemoveStoreLeftovers()
{
    const QString configs = GetConfigDir();
    sweep(configs);
    for (const QString &sub : QDir(configs).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        sweep(configs + '/' + sub);
}
