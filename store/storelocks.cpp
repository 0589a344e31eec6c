#include "storelocks.h"

#include "storelogging.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr int kGuiThreadWaitMs = 1000;  // the window stalls while it waits
constexpr int kWaitMs = 10000;
// Steady, short tries: QLockFile's own wait doubles its pause up to 5 s, in which a writer
// that saves every few milliseconds takes the lock back each time.
constexpr int kRetryMs = 2;

std::atomic<int> g_waitForTesting{0};
// The GUI thread's one deadline for a write: its StoreWriteLock's wait and the file locks' under it.
QDeadlineTimer g_guiWriteDeadline(QDeadlineTimer::Forever);

bool onGuiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

int longestWaitMs()
{
    if (onGuiThread())
        return g_guiWriteDeadline.isForever() ? kGuiThreadWaitMs : int(g_guiWriteDeadline.remainingTime());
    const int testing = g_waitForTesting.load();
    return testing > 0 ? testing : kWaitMs;
}

// Something at the lock's name that QLockFile neither makes nor can ever remove.
bool isNoLockFile(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

// Who the lock file names, for the warning.
QString holderOf(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("it names no holder (empty or unreadable)");
    QString holder = QStringLiteral("held by process %1 (%2) on %3").arg(pid).arg(application, host);
    if (host == QSysInfo::machineHostName() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        holder += QStringLiteral(", which has ended: its lock cannot be removed");
    return holder;
}

} // namespace

std::recursive_mutex &StoreWriteMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

StoreWriteLock::StoreWriteLock()
{
    if (!onGuiThread()) {
        StoreWriteMutex().lock();
        m_locked = true;
        return;
    }
    m_outermost = g_guiWriteDeadline.isForever();
    if (m_outermost)
        g_guiWriteDeadline.setRemainingTime(kGuiThreadWaitMs);
    // Tried again at the file lock's steady interval (a timed mutex would do the same, but the
    // thread sanitizer cannot see its timed lock).
    while (!(m_locked = StoreWriteMutex().try_lock()) && !g_guiWriteDeadline.hasExpired())
        QThread::msleep(kRetryMs);
    if (!m_locked)
        qCWarning(lcStore) << "not written: another write of the program still runs after" << kGuiThreadWaitMs << "ms";
}

StoreWriteLock::~StoreWriteLock()
{
    if (m_locked)
        StoreWriteMutex().unlock();
    if (m_outermost)
        g_guiWriteDeadline = QDeadlineTimer(QDeadlineTimer::Forever);
}

SettingsFileLock::SettingsFileLock(const QString &file)
    : m_path(QFileInfo(file).absoluteFilePath() + QLatin1String(".lock"))  // as QSettings names it
    , m_lock(m_path)
{
    // A QSettings writer holds its lock for one sync, and QLockFile's flock keeps a held lock
    // from being taken over at any age.
    m_lock.setStaleLockTime(kSettingsLockStaleMs);
    const int waitMs = longestWaitMs();
    const QDeadlineTimer deadline(waitMs);
    while (!m_lock.tryLock(0)) {
        const int error = errno;  // of the lock file's making
        if (m_lock.error() != QLockFile::LockFailedError) {
            qCWarning(lcStore) << "cannot lock" << m_path << ":" << strerror(error);
            return;
        }
        if (isNoLockFile(m_path)) {
            qCWarning(lcStore) << "cannot lock" << m_path << ": it is a folder or a link, not a lock file";
            return;
        }
        if (deadline.hasExpired()) {
            qCWarning(lcStore) << "cannot lock" << m_path << ": still taken after" << waitMs << "ms,"
                               << qPrintable(holderOf(m_lock));
            return;
        }
        QThread::msleep(kRetryMs);
    }
}

void SetSettingsLockWaitForTesting(int offGuiThreadMs) { g_waitForTesting = offGuiThreadMs; }
