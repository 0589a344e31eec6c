#include "leftovers.h"

#include "macrofiles.h"
#include "profilefiles.h"
#include "settings.h"
#include "stagedfile.h"
#include "storelocks.h"
#include "storelogging.h"
#include "temporarynames.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// A process that is gone, or an earlier one that had our id (the ids come round again).
bool leftBehindBy(qint64 pid)
{
    if (pid <= 0 || pid == qint64(::getpid()))
        return true;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// The files of ours that QSettings writes, as their paths are built; every product's list of
// profiles, since a copy for another product may share the folder.
bool isOurFile(const QString &path)
{
    if (path == ConfigIniPath() || path == LangConfigIniPath())
        return true;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const auto builtBy = [&](QString (*build)(const QString &), const QString &suffix) {
        return name.endsWith(suffix) && build(name.chopped(suffix.size())) == path;
    };
    if (builtBy(ProfileFilePath, QStringLiteral(".prof")) || builtBy(MacroFilePath, QStringLiteral(".MSMACRO")))
        return true;
    const QString folder = info.path();
    return name == QLatin1String("Config.ini") && QFileInfo(folder).path() == GetConfigDir()
           && folder != QFileInfo(ProfileFilePath(name)).path() && folder != QFileInfo(MacroFilePath(name)).path();
}

bool isRegularFile(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// An empty unheld lock this young may be one being taken.
bool madeJustNow(const struct stat &info)
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 ageMs = (qint64(now.tv_sec) - qint64(info.st_mtim.tv_sec)) * 1000
                         + (now.tv_nsec - info.st_mtim.tv_nsec) / 1000000;
    return ageMs > -kSettingsLockStaleMs && ageMs < kSettingsLockStaleMs;
}

// QLockFile takes the file's flock before it writes "<pid>\n<application>\n<host>\n" into it
// and holds it as long as the lock: a free flock is a lock nobody holds, or one of another
// host, whose process we cannot see, or one still being taken while the file is new and empty.
// The file is removed under our own flock, as QLockFile removes a stale one, and only while the
// name is still that file.
bool removeIfStale(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct Closed {
        int fd;
        ~Closed() { ::close(fd); }
    } closed{fd};
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    char text[1024];
    const ssize_t size = ::read(fd, text, sizeof text);
    if (size < 0 || (size == 0 && madeJustNow(opened)))
        return false;
    const QList<QByteArray> lines = QByteArray(text, int(size)).split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&number);
    if (number && pid > 0) {
        const QString host = QString::fromUtf8(lines.value(2));
        if (!host.isEmpty() && host != QSysInfo::machineHostName())
            return false;
        if (!leftBehindBy(pid))
            return false;
    }
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0 || named.st_ino != opened.st_ino || named.st_dev != opened.st_dev)
        return false;
    if (::unlink(name.constData()) == 0)
        return true;
    qCWarning(lcStore) << "cannot remove the leftover" << path;
    return false;
}

void removeTemporary(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (isRegularFile(name) && ::unlink(name.constData()) != 0)
        qCWarning(lcStore) << "cannot remove the leftover" << path;
}

// Our temporaries of processes gone, from any folder, by this version's names alone.
void sweepTemporaries(const QString &folder)
{
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const qint64 owner = StagedFileOwner(name);
        if (owner != 0 && leftBehindBy(owner))
            removeTemporary(folder + '/' + name);
    }
}

// One of our folders: our temporaries (older versions' only beside the file they are named
// after) and stale locks, and the folders our links there lead to (where the stager writes the
// linked file's temporaries) added to `linkedFolders`.
void sweep(const QString &folder, QSet<QString> &linkedFolders)
{
    const QString lockSuffix = QStringLiteral(".lock");
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = folder + '/' + name;
        const qint64 owner = StagedFileOwner(name);
        QString target;
        const qint64 olderOwner = OlderStagedFileOwner(name, &target);
        if (owner != 0) {
            if (leftBehindBy(owner))
                removeTemporary(path);
        } else if (olderOwner != 0) {
            if (isOurFile(folder + '/' + target) && leftBehindBy(olderOwner))
                removeTemporary(path);
        } else if (name.endsWith(lockSuffix)) {
            if (isOurFile(path.chopped(lockSuffix.size())))
                removeIfStale(path);
        } else if (QFileInfo(path).isSymLink() && isOurFile(path)) {
            bool refused = false;
            const QString end = LinkedFile(path, &refused);
            const QString endFolder = QFileInfo(QFileInfo(end).path()).canonicalFilePath();
            if (!refused && end != path && !endFolder.isEmpty())
                linkedFolders.insert(endFolder);
        }
    }
}

} // namespace

void RemoveStoreLeftovers()
{
    const QString configs = GetConfigDir();
    QSet<QString> linkedFolders;
    sweep(configs, linkedFolders);
    for (const QString &sub : QDir(configs).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        sweep(configs + '/' + sub, linkedFolders);
    for (const QString &folder : qAsConst(linkedFolders))
        sweepTemporaries(folder);
}
