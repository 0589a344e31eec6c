// Start-up and responsiveness of the main window, with the simulated receiver plugged in.
//   start-up: from the process start to the first expose of the main window (median and
//             worst of several runs of this program as a child process), in a folder the
//             parent prepares: one with nothing but a description (the first start), and a
//             copy of the sample device with its skin and five profiles (a user's start);
//             each beside a bare Qt window (bench_barewindow) timed the same way in the same
//             rounds, as a figure in milliseconds does not carry from one machine to the next;
//   stall:    the longest gap between ticks of a 1 ms timer on the GUI thread while a full
//             download (every section) runs behind the busy dialog;
//   setter:   one setting written from the GUI thread (median and worst of several calls).
// Goals: the first start within 2 times the bare window's median, the sample device within
// 2.5 times; no stall over 50 ms; a setter within 20 ms.
#include "exposeprobe.h"
#include "mousesim.h"
#include "settings.h"
#include "varnelwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartupRuns = 7;
constexpr int kStallGoalMs = 50;
constexpr int kSetterGoalMs = 20;  // a setter runs on the GUI thread: its cost is a stall of the window
constexpr int kReplyLatencyMs = 3;  // a mouse answers each report within a few ms

void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A folder with a description and nothing else, as before the program's first start.
void install(const QString &dir)
{
    QSettings description(dir + "/DefaultProfile.bin", QSettings::IniFormat);
    description.setValue("PROFILE/ProductName", "Bench Mouse");
    QSettings config(dir + "/Configs/Config.ini", QSettings::IniFormat);
    config.setValue("Mouse_List/0", "Bench Mouse");
}

// The sample device beside this program (skin, translations, description, settings).
bool copySample(const QString &self, const QString &dir)
{
    QProcess copy;
    const QString from = QFileInfo(self).absolutePath();
    copy.start("cp", {"-R", from + "/skin", from + "/lang", from + "/DefaultProfile.bin", from + "/Configs", dir});
    return copy.waitForFinished(30000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
}

int childStartup(int argc, char *argv[])
{
    qInstallMessageHandler(dropDebugLines);
    QApplication app(argc, argv);
    SetAppDir(QString::fromLocal8Bit(argv[2]));
    SimPlugReceiver();
    // The receiver is there before the program starts: its plug is no hot-plug event.
    QCoreApplication::sendPostedEvents();
    VarnelWidget window;
    ExposeProbe probe;
    window.winId();
    window.windowHandle()->installEventFilter(&probe);
    window.show();
    return app.exec();
}

enum class Folder { None, FirstStart, Sample };

struct StartupCase {
    const char *label;
    Folder folder;
    double goalRatio;  // of the bare window's median; 0 for the bare window itself
    QList<qint64> times;
};

// Milliseconds from the start of `program` to its "exposed", or -1.
qint64 timeStart(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    qint64 exposedAt = -1;
    while (exposedAt < 0 && child.waitForReadyRead(10000)) {
        if (child.readAllStandardOutput().contains("exposed"))
            exposedAt = clock.elapsed();
    }
    child.waitForFinished(10000);
    return exposedAt;
}

// The cases in turns, one run of each per round, so that a change in the machine's load
// meets them all alike.
int measureStartup(const char *self)
{
    const QString program = QString::fromLocal8Bit(self);
    const QString bare = QFileInfo(program).absolutePath() + "/bench_barewindow";
    StartupCase cases[] = {
        {"bare Qt window", Folder::None, 0, {}},
        {"first start", Folder::FirstStart, 2.0, {}},
        {"sample device", Folder::Sample, 2.5, {}},
    };
    for (int run = 0; run < kStartupRuns; ++run) {
        for (StartupCase &c : cases) {
            QTemporaryDir dir;
            if (c.folder == Folder::Sample && !copySample(program, dir.path())) {
                std::printf("start-up: no sample device beside %s\n", self);
                return 1;
            }
            if (c.folder == Folder::FirstStart)
                install(dir.path());
            const qint64 ms = c.folder == Folder::None ? timeStart(bare, {})
                                                       : timeStart(program, {"--startup-child", dir.path()});
            if (ms < 0) {
                std::printf("start-up, %s: the child did not show its window\n", c.label);
                return 1;
            }
            c.times << ms;
        }
    }
    std::printf("start-up to window exposed (%d runs each; ratios to the bare Qt window's median and worst):\n",
                kStartupRuns);
    double bareMedian = 0, bareWorst = 0;
    for (StartupCase &c : cases) {
        std::sort(c.times.begin(), c.times.end());
        const qint64 median = c.times.at(c.times.size() / 2);
        const qint64 worst = c.times.last();
        if (c.goalRatio == 0) {
            bareMedian = double(std::max<qint64>(median, 1));
            bareWorst = double(std::max<qint64>(worst, 1));
            std::printf("  %-15s median %4lld ms, worst %4lld ms\n", c.label, median, worst);
            continue;
        }
        const double ratio = median / bareMedian;
        std::printf("  %-15s median %4lld ms, worst %4lld ms: %.2fx, %.2fx (goal median <= %.1fx) %s\n", c.label,
                    median, worst, ratio, worst / bareWorst, c.goalRatio, ratio <= c.goalRatio ? "met" : "missed");
    }
    return 0;
}

int measureStall(int argc, char *argv[])
{
    qInstallMessageHandler(dropDebugLines);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    install(dir.path());
    SetAppDir(dir.path());
    SimPlugReceiver();
    QCoreApplication::sendPostedEvents();
    SimSetReplyDelay(kReplyLatencyMs);
    VarnelWidget window;
    window.show();

    QElapsedTimer sinceTick;
    qint64 longest = 0;
    bool jobRunning = false;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (jobRunning)
            longest = std::max(longest, sinceTick.elapsed());
        sinceTick.restart();
    });
    QElapsedTimer jobClock;
    int result = -1;
    QTimer::singleShot(300, [&] {  // after the start-up warning check
        probe.start(1);
        sinceTick.start();
        jobRunning = true;
        jobClock.start();
        result = window.runWriteJob(true);
        jobRunning = false;
        app.quit();
    });
    app.exec();
    std::printf("full download: result %d, %lld ms, %d reports written\n", result, jobClock.elapsed(), SimWriteCount());
    std::printf("longest GUI stall during the download: %lld ms (goal <= %d ms)\n", longest, kStallGoalMs);
    return result == 0 ? 0 : 1;
}

// What one setter costs the GUI thread: SetGColorID between two values, so that every call
// writes Config.ini (the sample device's, when it lies beside this program).
int measureSetter(const char *self)
{
    constexpr int kSetterRuns = 41;
    QTemporaryDir dir;
    if (!copySample(self, dir.path()))
        install(dir.path());
    SetAppDir(dir.path());
    std::vector<qint64> times;
    for (int i = 0; i < kSetterRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!SetGColorID(i % 2)) {
            std::printf("one setter: Config.ini was not written\n");
            return 1;
        }
        times.push_back(clock.nsecsElapsed());
    }
    SetAppDir(QString());
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2] / 1e6;
    std::printf("one setter (SetGColorID, alternating values): median %.2f ms, worst %.2f ms (%d runs; goal < %d ms) %s\n",
                median, times.back() / 1e6, kSetterRuns, kSetterGoalMs, times.back() / 1e6 < kSetterGoalMs ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--startup-child") == 0)
        return childStartup(argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int startup = measureStartup(argv[0]);
    const int stall = measureStall(argc, argv);
    return startup | stall | measureSetter(argv[0]);
}
