#include "stagedfile.h"

#include "storelocks.h"
#include "storelogging.h"
#include "temporarynames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<unsigned> g_tempCounter{0};
std::function<void(const QString &)> g_beforeCommit;
std::function<bool(const QString &)> g_syncFails;
std::function<bool(const QString &)> g_commitFails;

// A warning naming the error of the call that just failed: errno is kept before the log's own
// work, which may change it, begins.
void warnFailed(const char *what, const QString &file)
{
    const int error = errno;
    qCWarning(lcStore) << what << file << ":" << strerror(error);
}

// The kernel's rule for links in a sticky folder that anyone may write (fs.protected_symlinks),
// which it applies only to the links it follows itself: the user's own, or the folder owner's.
bool mayFollow(const QString &link, const struct stat &linkInfo)
{
    struct stat folder {};
    if (::stat(QFile::encodeName(QFileInfo(link).absolutePath()).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folder.st_uid;
}

qint64 millisecondsOf(const timespec &t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; }

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

QString LinkedFile(const QString &path, bool *refused)
{
    if (refused)
        *refused = false;
    QString file = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(QFile::encodeName(file).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return file;
        if (!mayFollow(file, info)) {
            if (refused)
                *refused = true;
            return path;
        }
        file = QFileInfo(file).symLinkTarget();
        if (file.isEmpty())
            return path;
    }
    return path;
}

StagedFile::StagedFile(const QString &target) : m_target(target) {}

StagedFile::~StagedFile() { closeAndRemove(); }

void StagedFile::closeAndRemove()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_tempName.isEmpty())
        ::unlink(m_tempName.constData());
    m_tempName.clear();
}

bool StagedFile::write(const QByteArray &text)
{
    closeAndRemove();
    bool refused = false;
    m_file = LinkedFile(m_target, &refused);
    if (refused) {
        qCWarning(lcStore) << "not written through another user's link in a shared folder:" << m_target;
        return false;
    }
    const QByteArray target = QFile::encodeName(m_file);
    // A file made read-only stays as it is, as QSettings leaves it.
    if (::access(target.constData(), F_OK) == 0 && ::access(target.constData(), W_OK) != 0) {
        qCWarning(lcStore) << "not replaced, read-only:" << m_target;
        return false;
    }
    const QString folder = QFileInfo(m_file).absolutePath();
    // O_EXCL on a name of this process: nobody else's file is ever written through.
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_tempName = QFile::encodeName(folder + '/' + StagedTempName(::getpid(), g_tempCounter.fetch_add(1)));
        m_fd = ::open(m_tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        // A missing folder is made, as QSettings makes it; never the folder of a link's end.
        if (m_fd < 0 && errno == ENOENT && attempt == 0 && m_file == m_target && QDir().mkpath(folder))
            continue;
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_tempName.clear();
        warnFailed("cannot create a file beside", m_target);
        return false;
    }
    struct stat old {};
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(m_fd, old.st_mode & 07777);  // as QSettings keeps them
    if (!writeAll(m_fd, text.constData(), text.size())) {
        warnFailed("cannot write beside", m_target);
        closeAndRemove();
        return false;
    }
    return true;
}

bool StagedFile::commit()
{
    if (m_fd < 0 || m_tempName.isEmpty())
        return false;
    const QByteArray target = QFile::encodeName(m_file);
    struct stat old {};
    struct stat written {};
    if (::stat(target.constData(), &old) == 0 && ::fstat(m_fd, &written) == 0
        && millisecondsOf(written.st_mtim) <= millisecondsOf(old.st_mtim)) {
        // File times move in steps of a few milliseconds: two saves within one step would
        // look like the same file to QSettings when their sizes agree.
        const qint64 later = millisecondsOf(old.st_mtim) + 1;
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(later / 1000), long(later % 1000) * 1000000}};
        ::futimens(m_fd, times);
    }
    if (g_commitFails && g_commitFails(m_target)) {
        errno = EIO;
    } else if (::rename(m_tempName.constData(), target.constData()) == 0) {
        m_tempName.clear();  // it is the target now
        return true;
    }
    warnFailed("cannot replace", m_target);
    closeAndRemove();
    return false;
}

bool StagedFile::syncData()
{
    if (m_fd < 0)
        return false;
    if (g_syncFails && g_syncFails(m_target))
        errno = EIO;
    else if (::fdatasync(m_fd) == 0)
        return true;
    warnFailed("cannot sync", m_target);
    return false;
}

void StagedWrites::add(std::unique_ptr<StagedFile> file, std::function<bool(StagedFile &)> beforeCommit,
                       std::function<void()> afterCommit)
{
    m_entries.push_back({std::move(file), std::move(beforeCommit), std::move(afterCommit)});
}

bool StagedWrites::commit()
{
    std::vector<Entry> entries;
    entries.swap(m_entries);
    for (Entry &entry : entries) {
        if (!entry.file->syncData())
            return false;  // the temporary files go with `entries`
        if (g_beforeCommit)
            g_beforeCommit(entry.file->target());
        const StoreWriteLock lock;
        const SettingsFileLock fileLock(entry.file->target());
        if (!lock.isLocked() || !fileLock.isLocked())
            return false;
        if (entry.beforeCommit && !entry.beforeCommit(*entry.file))
            return false;
        if (!entry.file->commit())
            return false;
        if (entry.afterCommit)
            entry.afterCommit();
    }
    return true;
}

bool operator==(const FileStamp &a, const FileStamp &b)
{
    return a.inode == b.inode && a.size == b.size && a.modifiedNs == b.modifiedNs && a.changedNs == b.changedNs;
}

FileStamp StampOf(const QString &file)
{
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {quint64(info.st_ino), qint64(info.st_size), ns(info.st_mtim), ns(info.st_ctim)};
}

bool ReadWholeFile(const QString &path, QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = file.readAll();
    return file.error() == QFile::NoError;
}

bool CopyIntoPlace(const QString &from, const QString &to)
{
    QByteArray text;
    if (!ReadWholeFile(from, text))
        return false;
    StagedFile copy(to);
    return copy.write(text) && copy.syncData() && copy.commit();
}

NewFileCopy CopyIntoNewFile(const QString &from, const QString &to)
{
    const QByteArray name = QFile::encodeName(to);
    struct stat there {};
    if (::lstat(name.constData(), &there) == 0)
        return NewFileCopy::Exists;
    QByteArray text;
    if (!ReadWholeFile(from, text))
        return NewFileCopy::Failed;
    StagedFile copy(to);
    if (!copy.write(text) || !copy.syncData())
        return NewFileCopy::Failed;
    if (g_beforeCommit)
        g_beforeCommit(to);
    // A second name for the complete file, which a name taken meanwhile refuses; the temporary
    // name goes with `copy`. Folders without hard links (FAT) have a rename that does the same.
    const QByteArray written = QFile::encodeName(copy.writtenPath());
    int result = ::link(written.constData(), name.constData());
    if (result != 0 && (errno == EPERM || errno == EOPNOTSUPP))
        result = ::renameat2(AT_FDCWD, written.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE);
    if (result == 0)
        return NewFileCopy::Written;
    if (errno == EEXIST)
        return NewFileCopy::Exists;
    warnFailed("cannot put in place", to);
    return NewFileCopy::Failed;
}

void SetBeforeStagedCommitForTesting(std::function<void(const QString &)> hook) { g_beforeCommit = std::move(hook); }

void SetSyncFailsForTesting(std::function<bool(const QString &)> fails) { g_syncFails = std::move(fails); }

void SetCommitFailsForTesting(std::function<bool(const QString &)> fails) { g_commitFails = std::move(fails); }
