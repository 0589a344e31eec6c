#include "writejob.h"

#include "batterythread.h"
#include "changemask.h"
#include "configio.h"
#include "download.h"
#include "settings.h"

#include <QDebug>

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
        qDebug("isStop.\n");
    } else {
        m_result = runJob();
        emit DoProcessDlg();
    }
    m_runEnded.store(true, std::memory_order_release);
}

quint8 KestProcessThread::runJob()
{
    SaveConfig(m_snapshot);
    if (g_deviceAsleep)
        return kJobAsleep;
    const ChangeMask mask = CompareConfigs(m_snapshot, g_loadedDeviceConfig);
    const int flags = (GetDiff() == 1 || m_fullDownload) ? kChangeAll : mask;
    if (flags == 0)
        return kJobDone;
    // The files already hold the snapshot: no second save.
    const quint8 result = quint8(DownloadProfile(m_snapshot, flags));
    // What was sent, not what the pages or status reports changed meanwhile.
    g_loadedDeviceConfig = m_snapshot;
    // A failure makes the next job send every section.
    SetDiff(result != 0 ? 1 : 0);
    return result;
}
