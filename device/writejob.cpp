#include "writejob.h"

#include "batterythread.h"
#include "changemask.h"
#include "configio.h"
#include "devicelogging.h"
#include "download.h"
#include "profileio.h"
#include "settings.h"
#include "transport.h"

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
    // Files and mouse must never disagree: what cannot be saved is not sent.
    if (SaveConfig(m_snapshot) != kStoreOk)
        return kJobSaveFailed;
    if (g_deviceAsleep)
        return kJobAsleep;
    const ChangeMask mask = CompareConfigs(m_snapshot, g_loadedDeviceConfig);
    const int flags = (GetDiff() == 1 || m_fullDownload) ? kChangeAll : mask;
    if (flags == 0)
        return kJobDone;
    // Marked before the first report, so that a download cut short by anything (a crash
    // included) is sent whole by the next job, in this run or the next.
    if (!SetDiff(1))
        return kJobSaveFailed;
    // The files already hold the snapshot: no second save of the profiles.
    const quint8 result = quint8(DownloadProfile(m_snapshot, flags));
    // What was sent, not what the pages or status reports changed meanwhile.
    g_loadedDeviceConfig = m_snapshot;
    if (result != kSendOk)
        return result;  // the mark stays: the next job sends every section
    return SetDiff(0) ? kJobDone : kJobSaveFailed;
}
