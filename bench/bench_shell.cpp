// Start-up and responsiveness of the main window, with the simulated receiver plugged in.
//   start-up: from the process start to the first expose of the main window (median and
//             worst of several runs of this program as a child process), in a folder the
//             parent prepares: one with nothing but a description (the first start), and a
//             copy of the sample device with its skin and five profiles (a user's start);
//   stall:    the longest gap between ticks of a 1 ms timer on the GUI thread while a full
//             download (every section) runs behind the busy dialog;
//   setter:   one setting written from the GUI thread (median and worst of several calls).
// Goals: start-up under 100 ms; no stall over 50 ms.
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
constexpr int kStartupGoalMs = 100;
constexpr int kStallGoalMs = 50;
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

// Says "exposed" on stdout when the window first reaches the screen.
class ExposeProbe : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_done) {
            m_done = true;
            std::printf("exposed\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_done = false;
};

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

int measureStartup(const char *self, const char *label, bool sample)
{
    QList<qint64> times;
    for (int run = 0; run < kStartupRuns; ++run) {
        QTemporaryDir dir;
        if (sample) {
            if (!copySample(QString::fromLocal8Bit(self), dir.path())) {
                std::printf("start-up: no sample device beside %s\n", self);
                return 1;
            }
        } else {
            install(dir.path());
        }
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QString::fromLocal8Bit(self), {"--startup-child", dir.path()});
        qint64 exposedAt = -1;
        while (exposedAt < 0 && child.waitForReadyRead(10000)) {
            if (child.readAllStandardOutput().contains("exposed"))
                exposedAt = clock.elapsed();
        }
        child.waitForFinished(10000);
        if (exposedAt < 0) {
            std::printf("start-up: the child did not show its window\n");
            return 1;
        }
        times << exposedAt;
    }
    std::sort(times.begin(), times.end());
    const qint64 median = times.at(times.size() / 2);
    std::printf("start-up to window exposed, %s: median %lld ms, worst %lld ms (%d runs; goal < %d ms) %s\n", label,
                median, times.last(), kStartupRuns, kStartupGoalMs, median < kStartupGoalMs ? "met" : "missed");
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
                median, times.back() / 1e6, kSetterRuns, kStallGoalMs, median < kStallGoalMs ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--startup-child") == 0)
        return childStartup(argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int startup = measureStartup(argv[0], "first start", false)
                        | measureStartup(argv[0], "sample device", true);
    const int stall = measureStall(argc, argv);
    return startup | stall | measureSetter(argv[0]);
}
