#include "writejob.h"

#include "batterythread.h"
#include "changemask.h"
#include "configio.h"
#include "devicelogging.h"
#include "download.h"
#include "profileio.h"
#include "settings.h"
#include "stagedfile.h"
#include "transport.h"
#include "unsentmark.h"

#include <thread>

KestProcessThread::KestProcessThread() : m_snapshot(g_deviceConfig) {}

KestProcessThread::~KestProcessThread() { join(); }

bool KestProcessThread::join(unsigned long ms)
{
    if (!wait(ms))
        return false;
    m_runEnded.load(std::memory_order_acquire);
    return true;
}

void KestProcessThread::run()
{
    if (m_isStop) {
        qCDebug(lcDevice, "isStop.\n");
    } else {
        m_result = runJob();
        emit DoProcessDlg();
    }
    m_runEnded.store(true, std::memory_order_release);
}

quint8 KestProcessThread::runJob()
{
    // Files and mouse must never disagree: what cannot be saved is not sent. The profile files
    // are written aside here; they take their places while the download runs.
    StagedWrites staged;
    if (StageConfig(m_snapshot, staged) != kStoreOk)
        return kJobSaveFailed;
    if (g_deviceAsleep)
        return staged.commit() ? kJobAsleep : kJobSaveFailed;
    const ChangeMask mask = CompareConfigs(m_snapshot, g_loadedDeviceConfig);
    // A full download needs no read of the unsent mark.
    const int flags = (m_fullDownload || GetDiff() == 1) ? kChangeAll : mask;
    if (flags == 0)
        return staged.commit() ? kJobDone : kJobSaveFailed;
    // Marked before the first report, so that a download cut short by anything (a crash
    // included) is sent whole by the next job, in this run or the next.
    UnsentMark mark;
    if (!mark.set())
        return kJobSaveFailed;
    // The disk's share of the job, in the time the download waits for the mouse: the mark
    // synced first, then the files take their places.
    bool saved = false;
    std::thread save([&staged, &mark, &saved] { saved = mark.prepareClear() && staged.commit(); });
    const quint8 result = quint8(DownloadProfile(m_snapshot, flags));
    save.join();
    // What was sent, not what the pages or status reports changed meanwhile.
    g_loadedDeviceConfig = m_snapshot;
    if (!saved)
        return kJobSaveFailed;  // the mark stays: the next job sends every section
    if (result != kSendOk)
        return result;
    return mark.clear() ? kJobDone : kJobSaveFailed;
}
