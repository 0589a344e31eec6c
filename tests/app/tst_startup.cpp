// Start-up of the real executable: one copy per product name, and the lock
// goes away with the process that held it.
#include "dayofweek.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>

// A program started under a file-size limit, with SIGXFSZ as the system sets it: it ends the
// process unless the program ignores it.
class LimitedProcess : public QProcess {
public:
    explicit LimitedProcess(rlim_t bytes) : m_bytes(bytes) {}

protected:
    void setupChildProcess() override
    {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = m_bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }

private:
    rlim_t m_bytes;
};

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtimeDir;

    // An installation of its own: the executable copied beside a description file.
    QString makeInstall(QTemporaryDir &dir, const QString &productName)
    {
        const QString exe = dir.path() + "/veskaro-config";
        if (!QFile::copy(APP_EXECUTABLE, exe))
            return QString();
        QSettings description(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
        description.setValue("PROFILE/ProductName", productName);
        return exe;
    }

    void start(QProcess &process, const QString &exe)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", m_runtimeDir.path());
        process.setProcessEnvironment(env);
        process.start(exe, QStringList());
        QVERIFY(process.waitForStarted());
    }

    // Running copies stay up; give the first one time to take its lock.
    static bool staysRunning(QProcess &process, int ms = 1500) { return !process.waitForFinished(ms); }

    // True once the process catches the signal (SigCgt of /proc/PID/status): before that,
    // a slow start-up (sanitizers, a loaded machine) would simply be killed by it.
    // `meanwhile` runs between the looks.
    static bool catchesSignal(QProcess &process, int signal, int ms = 30000,
                              const std::function<void()> &meanwhile = {})
    {
        QElapsedTimer timer;
        timer.start();
        do {
            QFile status(QString("/proc/%1/status").arg(process.processId()));
            if (status.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : status.readAll().split('\n')) {
                    if (line.startsWith("SigCgt:")) {
                        const quint64 mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
                        if (mask & (quint64(1) << (signal - 1)))
                            return true;
                    }
                }
            }
            if (meanwhile)
                meanwhile();
        } while (!process.waitForFinished(50) && timer.elapsed() < ms);
        return false;
    }

private slots:
    void secondCopyExitsWithOne()
    {
        QTemporaryDir dir;
        const QString exe = makeInstall(dir, "Alpha");
        QVERIFY(!exe.isEmpty());

        QProcess first;
        start(first, exe);
        QVERIFY(staysRunning(first));

        QProcess second;
        start(second, exe);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QCOMPARE(second.readAllStandardError(), QByteArray());

        first.kill();
        first.waitForFinished();
    }

    void otherProductRunsBeside()
    {
        QTemporaryDir dirA, dirB;
        const QString exeA = makeInstall(dirA, "Alpha");
        const QString exeB = makeInstall(dirB, "Beta");
        QProcess a, b;
        start(a, exeA);
        QVERIFY(staysRunning(a));
        start(b, exeB);
        QVERIFY(staysRunning(b));
        a.kill();
        b.kill();
        a.waitForFinished();
        b.waitForFinished();
    }

    void crashedCopyDoesNotBlock()
    {
        QTemporaryDir dir;
        const QString exe = makeInstall(dir, "Gamma");
        QProcess first;
        start(first, exe);
        QVERIFY(staysRunning(first));
        first.kill();  // no clean-up of its own
        QVERIFY(first.waitForFinished());

        QProcess next;
        start(next, exe);
        QVERIFY(staysRunning(next));
        next.kill();
        next.waitForFinished();
    }

    // A copy killed while QSettings held Config.ini's lock left it empty. Kept 20 s old here,
    // past the few seconds the start leaves a lock being taken, and short of the 30 s after
    // which QLockFile calls an empty lock stale, the lock would hold every QSettings write for
    // as long as it is: the window comes up only because the start removes it.
    void emptyLockDoesNotHoldTheStart()
    {
        QTemporaryDir dir;
        const QString exe = makeInstall(dir, "Epsilon");
        QVERIFY(!exe.isEmpty());
        const QByteArray lock = QFile::encodeName(dir.path() + "/Configs/Config.ini.lock");
        QVERIFY(QDir().mkpath(dir.path() + "/Configs"));
        QVERIFY(QFile(QString::fromUtf8(lock)).open(QIODevice::WriteOnly));
        const auto keepOld = [&lock] {
            timespec now {};
            ::clock_gettime(CLOCK_REALTIME, &now);
            const timespec times[2] = {{0, UTIME_OMIT}, {now.tv_sec - 20, now.tv_nsec}};
            ::utimensat(AT_FDCWD, lock.constData(), times, 0);
        };
        keepOld();
        QProcess process;
        start(process, exe);
        QVERIFY(catchesSignal(process, SIGTERM, 30000, keepOld));
        QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
    }

    // Under a file-size limit smaller than Config.ini, the copies that reads write fail and
    // are reported ("File too large"); the program runs on and ends as usual.
    void startRunsUnderAFileSizeLimit()
    {
        QTemporaryDir dir;
        const QString exe = makeInstall(dir, "Zeta");
        QVERIFY(!exe.isEmpty());
        QByteArray text = "[Config]\nDiff=0\n[Other]\n";
        for (int i = 0; i < 200; ++i)
            text += "Key" + QByteArray::number(i) + "=a value that makes the file larger than the limit\n";
        const QString config = dir.path() + "/Configs/Config.ini";
        QVERIFY(QDir().mkpath(dir.path() + "/Configs"));
        {
            QFile file(config);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        }
        LimitedProcess process(rlim_t(text.size() / 4));
        start(process, exe);
        QVERIFY(catchesSignal(process, SIGTERM));
        QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardError().contains("File too large"));
        // A write past the limit failed whole: Config.ini was not cut to it.
        QFile file(config);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }

    // SIGTERM and SIGINT leave through the normal teardown, also with the warning box up.
    void terminateSignalsEndWithZero_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void terminateSignalsEndWithZero()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString exe = makeInstall(dir, "Delta");
        QProcess process;
        start(process, exe);
        QVERIFY(catchesSignal(process, signal));
        QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    void dayOfWeek_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("expected");
        QTest::newRow("2000-01-01 Saturday") << 2000 << 1 << 1 << 6;
        QTest::newRow("2000-02-29 Tuesday") << 2000 << 2 << 29 << 2;
        QTest::newRow("2026-12-10 Thursday") << 2026 << 12 << 10 << 4;
        QTest::newRow("1900-03-01 Thursday") << 1900 << 3 << 1 << 4;
    }
    void dayOfWeek()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, expected);
        QCOMPARE(DayOfWeek(year, month, day), expected);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
