// Our lock of Config.ini beside what may lie at the lock's name: a save waits a bounded time
// for a lock it cannot have, then fails with Config.ini as it was and what lay there kept; a
// lock left behind is taken over. A lock's holder is this test run again with kHoldArgument.
#include "../unprivileged.h"
#include "configio.h"
#include "profileio.h"
#include "storefixture.h"
#include "storelocks.h"
#include "unsentmark.h"

#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const char kHoldArgument[] = "--hold-lock";

// The other process: holds the lock until its input closes, or it is killed.
int holdLock(const QString &path)
{
    QLockFile lock(path);
    if (!lock.tryLock(0))
        return 1;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    char c;
    while (std::fread(&c, 1, 1, stdin) == 1) {
    }
    return 0;
}

enum class AtName { Folder, DanglingLink, EmptyNew, EmptyOld, Held, HeldOld, Gone, GoneUnwritable, OtherHostOld };

bool lies(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool makeOld(const QString &path)
{
    const timespec times[2] = {{time(nullptr) - 20, 0}, {time(nullptr) - 20, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// What lies at the lock's name for one row; clear() takes it away (a holder killed).
class LockAtName {
public:
    LockAtName(AtName kind, const QString &path) : m_path(path) { m_ready = make(kind); }
    ~LockAtName()
    {
        m_holder.closeWriteChannel();
        m_holder.waitForFinished();
    }
    bool isReady() const { return m_ready; }
    // From any thread: the holder ends and the name is free.
    void clear()
    {
        if (m_holderPid > 0)
            ::kill(pid_t(m_holderPid), SIGKILL);
        ::remove(QFile::encodeName(m_path).constData());
    }

private:
    bool startHolder()
    {
        m_holder.start(QCoreApplication::applicationFilePath(), {kHoldArgument, m_path});
        m_holderPid = m_holder.processId();
        return m_holder.waitForReadyRead() && m_holder.readLine() == "held\n";
    }
    bool killHolder()
    {
        ::kill(pid_t(m_holderPid), SIGKILL);
        m_holderPid = 0;
        return m_holder.waitForFinished();
    }
    bool make(AtName kind)
    {
        const QByteArray name = QFile::encodeName(m_path);
        switch (kind) {
        case AtName::Folder:
            return QDir().mkpath(m_path);
        case AtName::DanglingLink:
            return ::symlink("nowhere", name.constData()) == 0;
        case AtName::EmptyNew:
            return writeFixture(m_path, QByteArray());
        case AtName::EmptyOld:
            return writeFixture(m_path, QByteArray()) && makeOld(m_path);
        case AtName::Held:
            return startHolder();
        case AtName::HeldOld:
            return startHolder() && makeOld(m_path);
        case AtName::Gone:
            return startHolder() && killHolder();
        case AtName::GoneUnwritable:
            return startHolder() && killHolder() && ::chmod(name.constData(), 0444) == 0;
        case AtName::OtherHostOld:
            return writeFixture(m_path, "4242\nother-program\nanother-host\n") && makeOld(m_path);
        }
        return false;
    }

    QString m_path;
    QProcess m_holder;
    qint64 m_holderPid = 0;
    bool m_ready = false;
};

// Clears the lock's name should a save still wait after 5 s, so that a wait for ever ends
// in a failed row instead of a hung test.
class Watchdog {
public:
    explicit Watchdog(LockAtName &lock)
        : m_thread([this, &lock] {
              std::unique_lock<std::mutex> guard(m_mutex);
              if (!m_ended.wait_for(guard, std::chrono::seconds(5), [this] { return m_done; })) {
                  m_fired = true;
                  lock.clear();
              }
          })
    {
    }
    ~Watchdog() { stop(); }
    // True when the save had to be freed.
    bool stop()
    {
        {
            const std::lock_guard<std::mutex> guard(m_mutex);
            m_done = true;
        }
        m_ended.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_fired;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    bool m_fired = false;
    std::thread m_thread;
};

// The lock's warnings of Config.ini while it lives, from any thread: one for each wait that
// failed. Every message still goes on to Qt Test.
class LockWarnings {
public:
    LockWarnings()
    {
        s_count = 0;
        s_previous = qInstallMessageHandler(&LockWarnings::take);
    }
    ~LockWarnings() { qInstallMessageHandler(s_previous); }
    int count() const
    {
        const std::lock_guard<std::mutex> guard(s_mutex);
        return s_count;
    }

private:
    static void take(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        static const QRegularExpression named("^cannot lock \".*/Configs/Config\\.ini\\.lock\" : ");
        {
            const std::lock_guard<std::mutex> guard(s_mutex);
            if (type == QtWarningMsg && named.match(message).hasMatch())
                ++s_count;
        }
        s_previous(type, context, message);
    }
    static std::mutex s_mutex;
    static int s_count;
    static QtMessageHandler s_previous;
};
std::mutex LockWarnings::s_mutex;
int LockWarnings::s_count = 0;
QtMessageHandler LockWarnings::s_previous = nullptr;

const QByteArray kUnmarked = "[Config]\nDiff=0\nCount=5\n";

} // namespace

using Save = std::function<bool()>;
Q_DECLARE_METATYPE(AtName)
Q_DECLARE_METATYPE(Save)

class StoreLocksTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetSettingsLockWaitForTesting(0); }

    // The window's own writes (the unsent mark set on a report of the mouse) on its thread.
    void saveOnTheWindowsThread_data()
    {
        QTest::addColumn<AtName>("kind");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a folder") << AtName::Folder << false;
        QTest::newRow("a dangling link") << AtName::DanglingLink << false;
        QTest::newRow("empty, being taken") << AtName::EmptyNew << false;
        QTest::newRow("held by a running process") << AtName::Held << false;
        QTest::newRow("held by a running process, old") << AtName::HeldOld << false;
        QTest::newRow("left by a process gone, not writable") << AtName::GoneUnwritable << false;
        QTest::newRow("left by a process gone") << AtName::Gone << true;
        QTest::newRow("empty, left long ago") << AtName::EmptyOld << true;
        QTest::newRow("another host's, left long ago") << AtName::OtherHostOld << true;
    }
    void saveOnTheWindowsThread()
    {
        QFETCH(AtName, kind);
        QFETCH(bool, saved);
        if (kind == AtName::GoneUnwritable)
            RUN_ROW_AS_NOBODY_IF_ROOT();  // root opens the lock to remove it
        StoreDir dir;
        QVERIFY(writeFixture(ConfigIniPath(), kUnmarked));
        const QString lockPath = ConfigIniPath() + ".lock";
        LockAtName lock(kind, lockPath);
        QVERIFY(lock.isReady());
        const LockWarnings warnings;
        Watchdog watchdog(lock);
        const bool result = SetDiff(1);
        QVERIFY2(!watchdog.stop(), "the save waited until the lock was taken away");
        QCOMPARE(warnings.count(), saved ? 0 : 1);  // one wait, not one more the long way
        QCOMPARE(result, saved);
        QCOMPARE(fileBytes(ConfigIniPath()), saved ? QByteArray("[Config]\nDiff=1\nCount=5\n") : kUnmarked);
        QCOMPARE(lies(lockPath), !saved);
    }

    // A job's saves, off the window's thread, with their longer wait shortened here.
    void jobSaveBesideAHeldLock_data()
    {
        QTest::addColumn<Save>("save");
        QTest::newRow("the configuration") << Save([] { return SaveConfig(DeviceConfig()) == kStoreOk; });
        QTest::newRow("the unsent mark") << Save([] { return UnsentMark().set(); });
    }
    void jobSaveBesideAHeldLock()
    {
        QFETCH(Save, save);
        StoreDir dir;
        QVERIFY(writeFixture(ConfigIniPath(), kUnmarked));
        LockAtName lock(AtName::Held, ConfigIniPath() + ".lock");
        QVERIFY(lock.isReady());
        SetSettingsLockWaitForTesting(200);
        const LockWarnings warnings;
        Watchdog watchdog(lock);
        bool saved = true;
        std::thread job([&] { saved = save(); });
        job.join();
        QVERIFY2(!watchdog.stop(), "the save waited until the lock was taken away");
        QCOMPARE(warnings.count(), 1);
        QVERIFY(!saved);
        QCOMPARE(fileBytes(ConfigIniPath()), kUnmarked);
    }

    // A window's write while a job waits for a lock another process holds: the window does not
    // wait out the job's longer wait, its write fails within its own bound.
    void windowsWriteBesideAJobsWait()
    {
        StoreDir dir;
        QVERIFY(writeFixture(ConfigIniPath(), kUnmarked));
        LockAtName lock(AtName::Held, ConfigIniPath() + ".lock");
        QVERIFY(lock.isReady());
        SetSettingsLockWaitForTesting(3000);
        Watchdog watchdog(lock);
        std::atomic<bool> jobDone{false};
        std::thread job([&] {
            UnsentMark().set();
            jobDone = true;
        });
        // The job holds the store's mutex through its wait.
        QVERIFY(QTest::qWaitFor([] {
            if (!StoreWriteMutex().try_lock())
                return true;
            StoreWriteMutex().unlock();
            return false;
        }));
        const bool written = SetGColorID(3);
        const bool jobStillWaiting = !jobDone;
        job.join();
        QVERIFY2(!watchdog.stop(), "the job waited until the lock was taken away");
        QVERIFY(jobStillWaiting);
        QVERIFY(!written);
        QCOMPARE(fileBytes(ConfigIniPath()), kUnmarked);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kHoldArgument) == 0)
        return holdLock(QString::fromLocal8Bit(argv[2]));
    StoreLocksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storelocks.moc"
