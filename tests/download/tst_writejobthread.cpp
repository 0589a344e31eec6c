// The write job on its own thread against the simulated mouse: result codes, what is sent,
// what is remembered for the next job.
#include "../unprivileged.h"
#include "configio.h"
#include "downloadfixture.h"
#include "profilefiles.h"
#include "settings.h"
#include "stagedfile.h"
#include "unsentmark.h"
#include "writejob.h"

#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <climits>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

using Fault = std::function<void()>;
Q_DECLARE_METATYPE(Fault)

namespace {

// A configuration with something in every section, its macro file written.
DeviceConfig sampleConfig()
{
    DeviceConfig config;
    config.ProfileID = 0;
    for (ProfileRecord &profile : config.profiles) {
        profile.pollrate = 1;
        profile.LedMode = 1;
        profile.ledModes[1].RGB = QColor(255, 0, 0);
        for (int s = 0; s < kDpiStages; ++s) {
            profile.dpiInfo[s].used = 1;
            profile.dpiInfo[s].x = profile.dpiInfo[s].y = quint32(10 + 5 * s);
        }
        profile.buttonInfo[0].Fun = 1;
        profile.buttonInfo[1].Fun = 2;
    }
    config.profileFiles[0] = "Profile 1";
    WriteTestMacro("Combo", 6, 20);
    AssignMacro(config.profiles[0], 5, "Combo");
    return config;
}

struct JobOutcome {
    int result = -1;
    int signalled = 0;
};

JobOutcome runJob(bool fullDownload = false, bool stopFirst = false)
{
    KestProcessThread job;
    job.m_fullDownload = fullDownload;
    if (stopFirst)
        job.stopThread();
    QSignalSpy done(&job, &KestProcessThread::DoProcessDlg);
    job.start();
    if (!job.join(60000))
        return {};
    return {int(job.m_result), done.count()};
}

QByteArray area(quint8 command, int size) { return SimArea(command).left(size); }

// What the next start of the program finds: the files copied to a fresh folder, so that no
// cache of this process answers for them.
struct OnDisk {
    QString slot0;        // the name of slot 1
    quint32 stage2x = 0;  // profile 0, DPI stage 2
    int diff = -1;
};

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

OnDisk afterRestart(const QString &configDir = GetConfigDir())
{
    QTemporaryDir fresh;
    copyTree(configDir, fresh.path() + "/Configs");
    const QString appDir = AppDir();
    SetAppDir(fresh.path());
    DeviceConfig config;
    LoadConfig(config);
    const OnDisk found{config.profileFiles[0], config.profiles[0].dpiInfo[2].x, GetDiff()};
    SetAppDir(appDir);
    return found;
}

QString describe(const char *what, const OnDisk &disk)
{
    return QString("%1: %2 at %3, diff %4").arg(what, disk.slot0).arg(disk.stage2x).arg(disk.diff);
}

// Every file of the folder with its contents.
QMap<QString, QByteArray> contentsOf(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        contents[file.fileName().mid(folder.size())] = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
    }
    return contents;
}

// The job after a failed one and the files it leaves, once the disk takes writes again.
QStringList nextJobAndDisk()
{
    const int result = runJob().result;
    return {QString("next job %1, mouse %2").arg(result).arg(quint8(SimDpiStage(2)[1])),
            describe("then", afterRestart())};
}

// A sample configuration on disk (Config/Diff absent), and stage 2 of profile 0 edited from 20
// to 77: a value alone, or with slot 1 named "From Conf" as LOAD1 of a .conf gives, or in a
// profile file that a DPI-stage report rewrote last.
void savedSampleWithEdit(const QString &edit = "value")
{
    g_deviceConfig = g_loadedDeviceConfig = sampleConfig();
    SaveConfig(g_deviceConfig);
    if (edit == "DPI report") {
        g_deviceConfig.profiles[0].dpi = g_loadedDeviceConfig.profiles[0].dpi = 3;
        SaveProfileDpi(g_deviceConfig.profileFiles[0], 3);
    }
    g_deviceConfig.profiles[0].dpiInfo[2].x = 77;
    if (edit == "new name") {
        DeviceConfig conf = g_deviceConfig;
        conf.profileFiles[0] = "From Conf";
        const QString path = AppDir() + "/load.conf";
        SaveConfigV2(conf, path);
        ReadConfig(g_deviceConfig, path);
    }
}

QString slotNameAfter(const QString &edit) { return edit == "new name" ? "From Conf" : "Profile 1"; }

QStringList failedJob(const JobOutcome &outcome)
{
    return {QString("job %1, signalled %2, sent %3, recorded %4")
                .arg(outcome.result)
                .arg(outcome.signalled)
                .arg(SimWriteCount())
                .arg(g_loadedDeviceConfig.profiles[0].dpiInfo[2].x),
            describe("failed", afterRestart())};
}

// A failed save changes no file; the next job sends the edit and saves it.
QStringList failedThenSent(const QString &edit)
{
    return {"job 6, signalled 1, sent 0, recorded 20", "failed: Profile 1 at 20, diff 0", "files unchanged",
            "next job 0, mouse 77", "then: " + slotNameAfter(edit) + " at 77, diff 0"};
}

QString unchanged(const QMap<QString, QByteArray> &before, const QString &folder = GetConfigDir())
{
    return contentsOf(folder) == before ? "files unchanged" : "files changed";
}

// The files of the folder whose contents are not those of `before` (added or removed too).
QString changedSince(const QMap<QString, QByteArray> &before)
{
    const QMap<QString, QByteArray> now = contentsOf(GetConfigDir());
    QStringList files = before.keys() + now.keys();
    files.sort();
    files.removeDuplicates();
    QStringList changed;
    for (const QString &file : files) {
        if (!before.contains(file) || !now.contains(file) || before[file] != now[file])
            changed << file;
    }
    return "changed: " + (changed.isEmpty() ? QString("none") : changed.join(", "));
}

// Config.ini's syncs from the `from`th to the `to`th, counted from 1, fail as a disk's error.
Fault configSyncsFail(int from, int to = INT_MAX)
{
    return [from, to] {
        const QString config = ConfigIniPath();
        auto count = std::make_shared<std::atomic<int>>(0);
        SetSyncFailsForTesting([config, count, from, to](const QString &target) {
            if (target != config)
                return false;
            const int n = ++*count;
            return n >= from && n <= to;
        });
    };
}

const char kSizeLimitChild[] = "--size-limited-job";

// Run in a child process (the limit holds for the whole process, root included): the
// job's files may not grow past 4 KiB, far below a profile file, and SIGXFSZ is ignored so
// that such a write fails instead of ending the process. Prints the outcome, one line each.
int sizeLimitedJob(const QString &edit)
{
    DownloadFixture fixture;
    savedSampleWithEdit(edit);
    const QMap<QString, QByteArray> before = contentsOf(GetConfigDir());
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const JobOutcome outcome = runJob();
    setrlimit(RLIMIT_FSIZE, &original);
    QStringList lines = failedJob(outcome);
    lines += unchanged(before);
    lines += nextJobAndDisk();
    QTextStream(stdout) << lines.join('\n') << '\n';
    return 0;
}

} // namespace

class WriteJobTest : public QObject {
    Q_OBJECT

private slots:
    // The debug lines these tests wait for are off unless their category is on.
    void initTestCase() { QLoggingCategory::setFilterRules("veskaro.device.debug=true"); }

    // Nothing changed and the last job succeeded: not one report, result 0, still signalled.
    void nothingChangedSendsNothing()
    {
        DownloadFixture fixture;
        g_deviceConfig = g_loadedDeviceConfig = sampleConfig();
        SetDiff(0);
        const JobOutcome outcome = runJob();
        QCOMPARE(outcome.result, 0);
        QCOMPARE(outcome.signalled, 1);
        QCOMPARE(SimWriteCount(), 0);
        QVERIFY(FileExists(GetConfigDir() + "/Profile/Profile 1.prof"));  // saved all the same
    }

    void singleChangeSendsItsSection()
    {
        DownloadFixture fixture;
        g_deviceConfig = g_loadedDeviceConfig = sampleConfig();
        SetDiff(0);
        g_deviceConfig.profiles[0].dpiInfo[2].x = 77;
        QCOMPARE(runJob().result, 0);
        QVector<SentReport> expected;
        Sections::begin(expected), Sections::settings(expected), Sections::dpi(expected),
            Sections::commits(expected), Sections::end(expected);
        QCOMPARE(SentReports(), expected);
        QCOMPARE(GetDiff(), 0);
        QCOMPARE(g_loadedDeviceConfig.profiles[0].dpiInfo[2].x, 77u);
    }

    // Each failure gives its code and makes the next job, with nothing changed meanwhile,
    // send every section whole (their bytes are the builders' tests').
    void failureThenEverySectionResent_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("result");
        QTest::newRow("no command handle") << Fault([] { CloseDevice(); }) << 1;
        QTest::newRow("no correct echo, in the buttons")
            << Fault([] { SimSetFault(SimFault::FlippedData, 4); }) << 2;
        QTest::newRow("write fails, in the DPI stages") << Fault([] { SimSetFault(SimFault::WriteFails, 12); }) << 4;
        QTest::newRow("unplugged in the lighting") << Fault([] { SimSetFault(SimFault::UnplugOnWrite, 22); }) << 4;
    }
    void failureThenEverySectionResent()
    {
        QFETCH(Fault, fault);
        QFETCH(int, result);
        DownloadFixture fixture;
        g_loadedDeviceConfig = DeviceConfig();
        g_deviceConfig = sampleConfig();
        SetDiff(0);
        fault();
        const JobOutcome failed = runJob();
        QCOMPARE(failed.result, result);
        QCOMPARE(failed.signalled, 1);
        QCOMPARE(GetDiff(), 1);
        QCOMPARE(SimEndCount(), 0);
        QCOMPARE(CompareConfigs(g_deviceConfig, g_loadedDeviceConfig), 0);  // believed written

        SimClearFaults();
        CloseDevice();
        if (!SimIsPlugged(SimLink::Receiver))
            SimPlugReceiver();
        EnumerateDevices();
        OpenDeviceByName("Test Mouse");
        SimClearLog();
        QCOMPARE(runJob().result, 0);
        QCOMPARE(GetDiff(), 0);
        QCOMPARE(SimWriteCountOf(kCmdBeginEnd), 2);
        QCOMPARE(SimWriteCountOf(kCmdCommit), 5);

        // Reports of each section, closings included: settings 2, buttons 7, DPI stages 10,
        // lighting 5, macros 11 (one block).
        QCOMPARE(SimWriteCountOf(kCmdSettingsBlock), 2);
        QCOMPARE(SimWriteCountOf(kCmdButtonTable), 7);
        QCOMPARE(SimWriteCountOf(kCmdDpiStages), 10);
        QCOMPARE(SimWriteCountOf(kCmdLightingTable), 5);
        QCOMPARE(SimWriteCountOf(0x05), 11);
        QCOMPARE(quint8(area(kCmdButtonTable, 128)[2 + 4 * 5]), quint8(0x9D));  // the macro button
        QCOMPARE(quint8(area(0x05, 3)[1]), quint8(20));  // the macro's first key
    }

    // DPI stages, buttons and their macros go from the current profile, lighting and its
    // effect byte from the lighting profile: the current one, profile 0 for the "4671".
    void currentProfileTables_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QByteArray>("colourEntries");
        QTest::addColumn<int>("effect");
        // Steady red, then breathing in blue (profile 2) or in no colour (profile 0); light
        // mode 2 is effect 3, mode 1 effect 2.
        QTest::newRow("one lighting per profile")
            << "Test Mouse" << QByteArray::fromHex("80ff000001000200" "800000ff01000403") << 3;
        QTest::newRow("4671") << "4671" << QByteArray::fromHex("80ff000001000200" "8000000001000403") << 2;
    }
    void currentProfileTables()
    {
        QFETCH(QString, product);
        QFETCH(QByteArray, colourEntries);
        QFETCH(int, effect);
        DownloadFixture fixture;
        SetCurrentProductName(product);
        g_loadedDeviceConfig = DeviceConfig();
        g_deviceConfig = sampleConfig();
        g_deviceConfig.ProfileID = 2;
        ProfileRecord &two = g_deviceConfig.profiles[2];
        two.dpi = 3;
        two.dpiInfo[3].x = 200;
        two.buttonInfo[1].Fun = 5;  // back: 0x84
        WriteTestMacro("Two", 3, 40);
        AssignMacro(two, 6, "Two");
        two.LedMode = 2;
        two.ledModes[2].RGB = QColor(0, 0, 255);
        QCOMPARE(runJob().result, 0);

        // Eight stages of profile 2, X and Y little-endian: 10 + 5 per stage, stage 3 X 200.
        QCOMPARE(area(kCmdDpiStages, 41), QByteArray::fromHex("08"
                                                              "010a000a00" "010f000f00" "0114001400" "01c8001900"
                                                              "011e001e00" "0123002300" "0128002800" "012d002d00"));
        QCOMPARE(area(kCmdLightingTable, 128).mid(8, 16), colourEntries);
        QCOMPARE(quint8(area(kCmdSettingsBlock, 19)[17]), quint8(3));
        QCOMPARE(int(area(kCmdSettingsBlock, 19)[18]), effect);
        QCOMPARE(quint8(area(kCmdButtonTable, 128)[2 + 4 * 1]), quint8(0x84));
        QCOMPARE(quint8(area(kCmdButtonTable, 128)[2 + 4 * 5]), quint8(0));  // profile 0's macro button
        QCOMPARE(quint8(area(kCmdButtonTable, 128)[2 + 4 * 6]), quint8(0x9D));
        QCOMPARE(quint8(area(0x05, 3)[1]), quint8(40));  // the macro of profile 2
        QCOMPARE(CompareConfigs(g_deviceConfig, g_loadedDeviceConfig), 0);
    }

    // The mouse asleep: files saved, nothing sent, the failure flag left as it was.
    void asleep()
    {
        DownloadFixture fixture;
        g_loadedDeviceConfig = DeviceConfig();
        g_deviceConfig = sampleConfig();
        SetDiff(0);
        g_deviceAsleep = 1;
        const JobOutcome outcome = runJob(true);
        QCOMPARE(outcome.result, 5);
        QCOMPARE(outcome.signalled, 1);
        QCOMPARE(SimWriteCount(), 0);
        QCOMPARE(GetDiff(), 0);
        QVERIFY(FileExists(GetConfigDir() + "/Profile/Profile 1.prof"));
        QCOMPARE(CompareConfigs(g_deviceConfig, g_loadedDeviceConfig) & kChangeDpi, kChangeDpi);  // not written
    }

    void stoppedBeforeItRan()
    {
        DownloadFixture fixture;
        g_deviceConfig = sampleConfig();
        QTest::ignoreMessage(QtDebugMsg, "isStop.\n");
        const JobOutcome outcome = runJob(true, true);
        QCOMPARE(outcome.signalled, 0);
        QCOMPARE(outcome.result, 0);
        QCOMPARE(SimWriteCount(), 0);
        QVERIFY(!FileExists(GetConfigDir() + "/Profile/Profile 1.prof"));
    }

    // The job sends and records the image it was created with, not later edits of the
    // working image (status reports): those go with the next job.
    void laterEditsGoWithTheNextJob()
    {
        DownloadFixture fixture;
        g_deviceConfig = g_loadedDeviceConfig = sampleConfig();
        SetDiff(0);
        g_deviceConfig.profiles[0].dpiInfo[1].x = 30;
        {
            KestProcessThread job;
            g_deviceConfig.profiles[0].dpiInfo[1].x = 31;  // after the job was created
            job.start();
            QVERIFY(job.join(60000));
            QCOMPARE(int(job.m_result), 0);
        }
        QCOMPARE(g_loadedDeviceConfig.profiles[0].dpiInfo[1].x, 30u);
        QCOMPARE(quint8(SimDpiStage(1)[1]), quint8(30));
        QCOMPARE(runJob().result, 0);
        QCOMPARE(quint8(SimDpiStage(1)[1]), quint8(31));
    }

    // A save that fails ends the job before its first report: nothing is recorded as
    // written, no file changes, and the next job sends the change.
    void failedSaveSendsNothing_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("fault");
        for (const char *edit : {"value", "new name", "DPI report"}) {
            QTest::addRow("%s, Config.ini is a folder", edit) << edit << "Config.ini folder";
            QTest::addRow("%s, read-only folders", edit) << edit << "read-only folders";
            QTest::addRow("%s, file-size limit", edit) << edit << "size limit";
        }
        QTest::newRow("new name, a folder in its file's place") << "new name" << "profile folder";
        QTest::newRow("DPI report, read-only Config.ini") << "DPI report" << "read-only Config.ini";
    }
    void failedSaveSendsNothing()
    {
        QFETCH(QString, edit);
        QFETCH(QString, fault);
        if (fault == "size limit") {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {kSizeLimitChild, edit});
            QVERIFY(child.waitForFinished(120000));
            QCOMPARE(child.exitCode(), 0);
            QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed().split('\n'), failedThenSent(edit));
            return;
        }
        if (fault.startsWith("read-only"))
            RUN_ROW_AS_NOBODY_IF_ROOT();
        DownloadFixture fixture;
        savedSampleWithEdit(edit);
        const QMap<QString, QByteArray> before = contentsOf(GetConfigDir());
        const QString config = ConfigIniPath();
        const QString aside = config + ".aside";
        const QString inTheWay = ProfileFilePath("From Conf");
        const QStringList folders{GetConfigDir(), ProfileFolder()};
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
        const auto writable = readOnly | QFile::WriteOwner;
        if (fault == "Config.ini folder") {
            QVERIFY(QFile::rename(config, aside));
            QVERIFY(QDir().mkdir(config));
        } else if (fault == "profile folder") {
            QVERIFY(QDir().mkdir(inTheWay));
        } else if (fault == "read-only Config.ini") {
            QVERIFY(QFile::setPermissions(config, QFile::ReadOwner));
        } else {
            for (const QString &folder : folders)
                QVERIFY(QFile::setPermissions(folder, readOnly));
        }
        const JobOutcome outcome = runJob();
        if (fault == "Config.ini folder") {
            // A copy, as a user would restore it: the rename would keep the time stamp, and
            // QSettings would keep its cache of the folder.
            QVERIFY(QDir().rmdir(config));
            QVERIFY(QFile::copy(aside, config));
            QVERIFY(QFile::remove(aside));
        } else if (fault == "profile folder") {
            QVERIFY(QDir().rmdir(inTheWay));
        } else if (fault == "read-only Config.ini") {
            QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner));
        } else {
            for (const QString &folder : folders)
                QVERIFY(QFile::setPermissions(folder, writable));
        }
        QStringList lines = failedJob(outcome);
        lines += unchanged(before);
        lines += nextJobAndDisk();
        QCOMPARE(lines, failedThenSent(edit));
    }

    // A crash at any moment of a job: at each file's turn to take its place, the folder as a
    // crash would leave it reads as the configuration before the job or after it, under the
    // unsent mark, and a job started from it sends every section and saves the edit.
    void crashBetweenWritesLeavesBeforeOrAfter_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("value") << "value" << QStringList{"Profile 1.prof"};
        QTest::newRow("new name") << "new name" << QStringList{"From Conf.prof", "Config.ini"};
        QTest::newRow("DPI report") << "DPI report" << QStringList{"Profile 1.prof"};
    }
    void crashBetweenWritesLeavesBeforeOrAfter()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, writes);
        DownloadFixture fixture;
        savedSampleWithEdit(edit);
        const QString before = "Profile 1 at 20, diff 1";
        const QString after = slotNameAfter(edit) + " at 77, diff 1";
        QStringList written;
        std::vector<std::unique_ptr<QTemporaryDir>> crashes;
        SetBeforeStagedCommitForTesting([&](const QString &target) {
            written << QFileInfo(target).fileName();
            crashes.push_back(std::make_unique<QTemporaryDir>());
            copyTree(AppDir(), crashes.back()->path());
        });
        const JobOutcome outcome = runJob();
        SetBeforeStagedCommitForTesting({});
        QCOMPARE(outcome.result, 0);
        QCOMPARE(written, writes);
        QCOMPARE(describe("done", afterRestart()), "done: " + slotNameAfter(edit) + " at 77, diff 0");

        const QString appDir = AppDir();
        for (const auto &crash : crashes) {
            const QString found = describe("crash", afterRestart(crash->path() + "/Configs")).mid(7);
            QVERIFY2(found == before || found == after, qPrintable(found));
            SetAppDir(crash->path());
            LoadConfig(g_deviceConfig);
            g_loadedDeviceConfig = g_deviceConfig;
            g_deviceConfig.profileFiles[0] = slotNameAfter(edit);
            g_deviceConfig.profiles[0].dpiInfo[2].x = 77;
            SimClearLog();
            const int next = runJob().result;
            const int commits = SimWriteCountOf(kCmdCommit);
            const QString then = describe("then", afterRestart());
            SetAppDir(appDir);
            QCOMPARE(next, 0);
            QCOMPARE(commits, 5);
            QCOMPARE(quint8(SimDpiStage(2)[1]), quint8(77));
            QCOMPARE(then, "then: " + slotNameAfter(edit) + " at 77, diff 0");
        }
    }

    // A profile file written aside that cannot take its place while the download runs: the
    // job reports the save as failed once the mouse is done, the unsent mark stays, and the
    // next job sends every section and saves the file.
    void fileNotPutInPlaceDuringDownload()
    {
        DownloadFixture fixture;
        savedSampleWithEdit();
        QVERIFY(SetDiff(0));
        const QString file = ProfileFilePath("Profile 1");
        bool inTheWay = false;
        SetBeforeStagedCommitForTesting([&](const QString &target) {
            if (target != file)
                return;
            inTheWay = true;
            QFile::remove(file);
            QDir().mkpath(file + "/in the way");
        });
        const JobOutcome outcome = runJob();
        SetBeforeStagedCommitForTesting({});
        QCOMPARE(outcome.result, 6);
        QCOMPARE(outcome.signalled, 1);
        QVERIFY(inTheWay);
        QCOMPARE(SimEndCount(), 1);
        QCOMPARE(quint8(SimDpiStage(2)[1]), quint8(77));
        QCOMPARE(GetDiff(), 1);
        QCOMPARE(g_loadedDeviceConfig.profiles[0].dpiInfo[2].x, 77u);

        QVERIFY(QDir(file).removeRecursively());
        SimClearLog();
        QCOMPARE(runJob().result, 0);
        QCOMPARE(SimWriteCountOf(kCmdCommit), 5);
        QCOMPARE(describe("then", afterRestart()), QString("then: Profile 1 at 77, diff 0"));
    }

    // One step of the unsent mark or of Config.ini that the disk refuses: the job says whether
    // the save failed, the mark on disk whether the mouse may hold more than the files, the files
    // replaced are those before the step, and the next job sends the edit and saves it. A job
    // syncs Config.ini for Diff=1, then for the Diff=0 text it prepared, before any other file
    // takes its place (and again when Diff=0 goes the long way); with a new slot name,
    // Config.ini's text is synced third, then again when it is redone over the mark.
    void failedStepOfTheMarkOrConfig_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("Diff=1 not put in place")
            << "value" << Fault([] {
                   const QString config = ConfigIniPath();
                   SetCommitFailsForTesting([config](const QString &target) { return target == config; });
               })
            << QStringList{"job 6, signalled 1, sent 0, recorded 20", "after: Profile 1 at 20, diff 0", "changed: none"};
        QTest::newRow("Diff=1 not synced")
            << "value" << configSyncsFail(1, 1)
            << QStringList{"job 6, signalled 1, sent 19, recorded 77", "after: Profile 1 at 20, diff 1",
                           "changed: /Config.ini"};
        QTest::newRow("the redone Config.ini not synced")
            << "new name" << configSyncsFail(4, 4)
            << QStringList{"job 6, signalled 1, sent 19, recorded 77", "after: Profile 1 at 20, diff 1",
                           "changed: /Config.ini, /Profile/From Conf.prof"};
        QTest::newRow("the Diff=0 text not synced, the long way then")
            << "value" << configSyncsFail(2, 2)
            << QStringList{"job 0, signalled 1, sent 19, recorded 77", "after: Profile 1 at 77, diff 0",
                           "changed: /Config.ini, /Profile/Profile 1.prof"};
        QTest::newRow("no sync of Config.ini from the Diff=0 text on")
            << "value" << configSyncsFail(2)
            << QStringList{"job 6, signalled 1, sent 19, recorded 77", "after: Profile 1 at 77, diff 1",
                           "changed: /Config.ini, /Profile/Profile 1.prof"};
    }
    void failedStepOfTheMarkOrConfig()
    {
        QFETCH(QString, edit);
        QFETCH(Fault, fault);
        QFETCH(QStringList, outcome);
        DownloadFixture fixture;
        savedSampleWithEdit(edit);
        const QMap<QString, QByteArray> before = contentsOf(GetConfigDir());
        fault();
        const JobOutcome job = runJob();
        SetSyncFailsForTesting({});
        SetCommitFailsForTesting({});
        QStringList lines{QString("job %1, signalled %2, sent %3, recorded %4")
                              .arg(job.result)
                              .arg(job.signalled)
                              .arg(SimWriteCount())
                              .arg(g_loadedDeviceConfig.profiles[0].dpiInfo[2].x),
                          describe("after", afterRestart()), changedSince(before)};
        lines += nextJobAndDisk();
        outcome << "next job 0, mouse 77" << "then: " + slotNameAfter(edit) + " at 77, diff 0";
        QCOMPARE(lines, outcome);
    }

    // The unsent mark's sync refused while the download runs: the mark might not outlive a power
    // cut, so no profile file takes its place; the job reports the save as failed once the
    // mouse is done, and the next job sends every section and saves the file.
    void unsyncedMarkMovesNoFile()
    {
        DownloadFixture fixture;
        savedSampleWithEdit();
        QVERIFY(SetDiff(0));
        const QMap<QString, QByteArray> before = contentsOf(ProfileFolder());
        SetSyncFailsForTesting([](const QString &target) { return target == ConfigIniPath(); });
        const JobOutcome outcome = runJob();
        SetSyncFailsForTesting({});
        QCOMPARE(outcome.result, 6);
        QCOMPARE(quint8(SimDpiStage(2)[1]), quint8(77));
        QCOMPARE(unchanged(before, ProfileFolder()), QString("files unchanged"));
        QCOMPARE(GetDiff(), 1);

        SimClearLog();
        QCOMPARE(runJob().result, 0);
        QCOMPARE(SimWriteCountOf(kCmdCommit), 5);
        QCOMPARE(describe("then", afterRestart()), QString("then: Profile 1 at 77, diff 0"));
    }

    // The busy dialog may drop the job as soon as it signalled: deleting it then is safe.
    void deletedRightAfterTheSignal()
    {
        DownloadFixture fixture;
        g_deviceConfig = sampleConfig();
        g_loadedDeviceConfig = DeviceConfig();
        auto *job = new KestProcessThread;
        bool deleted = false;
        connect(job, &KestProcessThread::DoProcessDlg, this, [&] {
            QCOMPARE(int(job->m_result), 0);
            delete job;
            deleted = true;
        });
        job->start();
        QTRY_VERIFY_WITH_TIMEOUT(deleted, 60000);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kSizeLimitChild) == 0)
        return sizeLimitedJob(QString::fromUtf8(argv[2]));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    WriteJobTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_writejobthread.moc"
