// How long a write job takes against the simulated receiver, next to the time the protocol
// itself needs: 10 ms after every report plus the mouse's reply latency for every echoed
// one. Cases: everything with twelve macros of 63 steps, one DPI value, one button, one
// colour, nothing changed; each as a whole write job (save, compare, download) and as the
// download alone. Then the slowest of a job's saves beside another process that writes
// Config.ini through QSettings every 2 ms (this bench run again with kBusyWriterArgument).
#include "batterythread.h"
#include "changemask.h"
#include "configio.h"
#include "devicetable.h"
#include "download.h"
#include "macrofiles.h"
#include "mousesim.h"
#include "profileio.h"
#include "settings.h"
#include "transport.h"
#include "unsentmark.h"
#include "writejob.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <poll.h>
#include <thread>

namespace {

constexpr int kButtons = 16;
constexpr int kMacros = 12;

void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

void installDevice(const QString &dir)
{
    SetAppDir(dir);
    QSettings description(dir + "/DefaultProfile.bin", QSettings::IniFormat);
    description.setValue("PROFILE/vid1", 0x1A2B);
    description.setValue("PROFILE/pid1", 0x3C01);
    description.setValue("PROFILE/vid2", 0x1A2B);
    description.setValue("PROFILE/pid2", 0x3C02);
    description.setValue("PROFILE/ButtonCount", kButtons);
    description.setValue("PROFILE/MouseDpi", 0);
    description.setValue("PROFILE/DPICount", kButtons ^ 8);
    description.sync();
    QSettings config(ConfigIniPath(), QSettings::IniFormat);
    config.setValue("Mouse_List/0", "Bench Mouse");
    config.setValue("MouseSenSor/1", 3389);
    config.sync();
    for (int i = 0; i < kButtons; ++i)
        g_buttonMatrix[i] = quint8(i);
}

// Every section filled; twelve macro buttons whose macros have 63 steps, delays included.
DeviceConfig benchConfig()
{
    DeviceConfig config;
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileRecord &profile = config.profiles[p];
        profile.pollrate = 1;
        profile.LedMode = 1;
        profile.LedSleepTime = 1;
        for (LedModeInfo &entry : profile.ledModes) {
            entry.RGB = QColor(255, 0, 0);
            entry.bright = 3;
            entry.breath = 3;
        }
        for (int s = 0; s < kDpiStages; ++s) {
            profile.dpiInfo[s].used = 1;
            profile.dpiInfo[s].x = profile.dpiInfo[s].y = quint32(8 + 8 * s);
        }
        for (int b = 0; b < kButtons; ++b)
            profile.buttonInfo[b].Fun = 1 + b % 5;
        config.profileFiles[p] = QString("Profile %1").arg(p + 1);
    }
    for (int m = 0; m < kMacros; ++m) {
        MacroFile macro;
        for (int i = 0; i < kMaxMacroSteps; ++i)
            macro.steps.append(i % 3 == 2 ? MacroStep{kStepDelay, 0, 3} : MacroStep{kStepKeyPress, 0, quint8(4 + i)});
        const QString name = QString("Macro %1").arg(m + 1);
        WriteMacroFile(name, macro);
        config.profiles[0].buttonInfo[m].Fun = 510;
        config.profiles[0].buttonInfo[m].macroname = name;
        config.profiles[0].buttonInfo[m].LoopNumber = 1;
    }
    return config;
}

struct Measure {
    int reports = 0;
    int echoed = 0;
    double wallMs = 0;
};

Measure measure(const std::function<void()> &run)
{
    SimClearLog();
    QElapsedTimer timer;
    timer.start();
    run();
    Measure m;
    m.wallMs = timer.nsecsElapsed() / 1e6;
    for (const SimLogEntry &entry : SimLog()) {
        if (entry.call != SimCall::Write || entry.bytes.size() < 4)
            continue;
        ++m.reports;
        if (IsEchoedCommand(quint8(entry.bytes[3])))
            ++m.echoed;
    }
    return m;
}

int runJob(bool full)
{
    KestProcessThread job;
    job.m_fullDownload = full;
    job.start();
    job.join();
    return job.m_result;
}

constexpr double kJobGoalRatio = 1.05;     // a job's wall time over its floor
constexpr double kNothingGoalMs = 20.0;    // a job that sends nothing

// The goal column is filled for jobs: within kJobGoalRatio of the floor, or under
// kNothingGoalMs when nothing is sent.
void printRow(const char *name, const char *kind, const Measure &m, int latencyMs, bool job)
{
    const double pauses = 10.0 * m.reports;
    const double floor = pauses + double(latencyMs) * m.echoed;
    if (m.reports == 0) {
        const char *goal = !job ? "" : m.wallMs < kNothingGoalMs ? "met" : "MISSED";
        printf("%-16s %-8s %4d %4d %9.1f %9.1f %9s %9s  %s\n", name, kind, 0, 0, m.wallMs, 0.0, "-", "-", goal);
        return;
    }
    const char *goal = !job ? "" : m.wallMs / floor <= kJobGoalRatio ? "met" : "MISSED";
    printf("%-16s %-8s %4d %4d %9.1f %9.1f %9.3f %9.3f  %s\n", name, kind, m.reports, m.echoed, m.wallMs, floor,
           m.wallMs / floor, m.wallMs / pauses, goal);
}

const char kBusyWriterArgument[] = "--busy-writer";

// The other process: one key of `file` written through QSettings every 2 ms, until its input
// closes; prints how many writes it made.
int writeBusily(const QString &file)
{
    int writes = 0;
    pollfd input{0, POLLIN, 0};
    while (::poll(&input, 1, 2) == 0) {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("Other/Tick", writes);
        settings.sync();
        ++writes;
    }
    printf("%d\n", writes);
    return 0;
}

constexpr double kBusySaveGoalMs = 1000.0;

// A job's save (off the window's thread, as a job's is) again and again beside the busy writer.
void slowestSaveBesideBusyWriter(const DeviceConfig &base)
{
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {kBusyWriterArgument, ConfigIniPath()});
    if (!writer.waitForStarted()) {
        printf("the busy writer did not start\n");
        return;
    }
    QThread::msleep(100);
    constexpr int kSaves = 200;
    double worstMs = 0, totalMs = 0;
    int failed = 0;
    std::thread saves([&] {
        DeviceConfig config = base;
        QElapsedTimer timer;
        for (int i = 0; i < kSaves; ++i) {
            config.Debounce = quint8(i % 2 ? 10 : 20);
            timer.start();
            if (SaveConfig(config) != kStoreOk)
                ++failed;
            const double ms = timer.nsecsElapsed() / 1e6;
            worstMs = qMax(worstMs, ms);
            totalMs += ms;
            QThread::msleep(10);  // the other gets its turns between our saves too
        }
    });
    saves.join();
    writer.closeWriteChannel();
    writer.waitForFinished();
    const int writes = writer.readAllStandardOutput().trimmed().toInt();
    printf("a job's save beside a QSettings writer every 2 ms: slowest %.1f ms, mean %.1f ms (%d saves, %d failed; "
           "%d writes of the other); goal: slowest under %.0f ms: %s\n",
           worstMs, totalMs / kSaves, kSaves, failed, writes, kBusySaveGoalMs,
           worstMs < kBusySaveGoalMs && failed == 0 ? "met" : "MISSED");
}

struct Case {
    const char *name;
    std::function<void(DeviceConfig &)> change;
    bool full;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kBusyWriterArgument) == 0)
        return writeBusily(QString::fromLocal8Bit(argv[2]));
    qInstallMessageHandler(dropDebugLines);
    QTemporaryDir dir;
    installDevice(dir.path());
    SimReset();
    SimPlugReceiver();
    LoadDeviceTable();
    EnumerateDevices();
    OpenDeviceByName("Bench Mouse");
    if (!CommandHandle()) {
        fprintf(stderr, "the simulated receiver did not open\n");
        return 1;
    }
    const DeviceConfig base = benchConfig();

    const Case cases[] = {
        {"everything", [](DeviceConfig &) {}, true},
        {"one DPI value", [](DeviceConfig &c) { c.profiles[0].dpiInfo[2].x += 8; }, false},
        {"one button", [](DeviceConfig &c) { c.profiles[0].buttonInfo[13].Fun = 3; }, false},
        {"one colour", [](DeviceConfig &c) { c.profiles[0].ledModes[1].RGB = QColor(0, 128, 255); }, false},
        {"nothing", [](DeviceConfig &) {}, false},
    };

    printf("wall: measured ms; floor: 10 ms per report + latency per echoed report;\n"
           "pauses: 10 ms per report alone (the simulator's latency runs during that pause);\n"
           "goal: every job within %.2f of its floor, one that sends nothing under %.0f ms\n\n",
           kJobGoalRatio, kNothingGoalMs);
    for (int latency : {0, 1, 8}) {
        SimSetReplyDelay(latency);
        printf("reply latency %d ms\n", latency);
        printf("%-16s %-8s %4s %4s %9s %9s %9s %9s  %s\n", "case", "as", "rep", "echo", "wall ms", "floor ms",
               "wall/flr", "wall/pse", "goal");
        for (const Case &c : cases) {
            // The job: from the last-written image, which the files hold too, to the changed
            // working image.
            g_loadedDeviceConfig = base;
            g_deviceConfig = base;
            c.change(g_deviceConfig);
            if (SaveConfig(base) != kStoreOk)
                printf("  the last-written image could not be saved\n");
            SetDiff(0);
            int result = 0;
            const Measure job = measure([&] { result = runJob(c.full); });
            printRow(c.name, "job", job, latency, true);
            if (result != 0)
                printf("  job failed: %d\n", result);

            // The download alone, with the flags the job used.
            const int flags = c.full ? kChangeAll : CompareConfigs(g_deviceConfig, base);
            if (flags != 0 || c.full) {
                const Measure download = measure([&] { result = DownloadProfile(g_deviceConfig, flags); });
                printRow(c.name, "download", download, latency, false);
            }
        }
        printf("\n");
    }

    // The download stops the running battery thread first: what that costs.
    SimSetReplyDelay(0);
    QElapsedTimer timer;
    double worstMs = 0, totalMs = 0;
    constexpr int kStops = 10;
    for (int i = 0; i < kStops; ++i) {
        StartBatteryThread();
        QThread::msleep(100 + 37 * i);  // stop at different points of its pass
        timer.start();
        StopBatteryThread();
        const double ms = timer.nsecsElapsed() / 1e6;
        worstMs = qMax(worstMs, ms);
        totalMs += ms;
    }
    printf("stopping the battery thread: mean %.1f ms, worst %.1f ms (%d stops)\n", totalMs / kStops, worstMs, kStops);

    slowestSaveBesideBusyWriter(base);

    CloseDevice();
    return 0;
}
