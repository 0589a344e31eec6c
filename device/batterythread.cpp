#include "batterythread.h"

#include "commands.h"
#include "devicelogging.h"
#include "devicetable.h"

#include <cstring>

std::atomic<quint8> g_batteryExtra{0};
std::atomic<quint8> g_deviceAsleep{0};

namespace {

constexpr int kBufferSize = 64;
constexpr int kBatteryExtraOffset = 10;
constexpr int kStatusProfiles = 5;
constexpr int kStatusDpiStages = 8;

// The one thread polling the mouse; start and stop are serialised by the mutex.
std::mutex g_controlMutex;
KestGetBatteryThread *g_thread = nullptr;
BatteryThreadConnector g_connector;
BatteryThreadPauses g_pauses;

// Joins and deletes; with g_controlMutex held.
void stopLocked()
{
    KestGetBatteryThread *thread = g_thread;
    g_thread = nullptr;
    if (!thread)
        return;
    thread->stopThread();
    thread->join();
    if (thread->thread() == QThread::currentThread())
        delete thread;
    else
        thread->deleteLater();  // owned by the GUI thread's event loop
}

} // namespace

CommandReport BatteryQueryReport()
{
    CommandReport query = MakeReport(kBatteryReply, 0, 0, kMarkerSingle);
    FillChecksum(query);
    return query;
}

KestGetBatteryThread::KestGetBatteryThread() = default;

KestGetBatteryThread::~KestGetBatteryThread()
{
    stopThread();
    join();
}

void KestGetBatteryThread::join()
{
    wait();
    m_runEnded.load(std::memory_order_acquire);
}

void KestGetBatteryThread::stopThread()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_isStop = true;
    }
    m_wake.notify_all();
}

bool KestGetBatteryThread::pause(int ms)
{
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    return !m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_isStop.load(); });
}

void KestGetBatteryThread::handleBatteryReport(const unsigned char *reply)
{
    g_batteryExtra = reply[kBatteryExtraOffset];
    emit RefreshBatteryStatus(reply[6], reply[4], reply[5]);
    if (reply[4] || reply[5] || reply[6])
        emit RefreshWriteStatus(reply[7]);
}

void KestGetBatteryThread::handleStatusReport(const unsigned char *reply)
{
    // The receiving side indexes its profile and stage tables with these bytes.
    if (reply[4] >= kStatusProfiles || reply[5] >= kStatusDpiStages) {
        qCDebug(lcDevice, "status report ignored: profile %d, DPI stage %d\n", reply[4], reply[5]);
        return;
    }
    emit RefreshStatus(reply[4], reply[5], reply[6], reply[7]);
}

void KestGetBatteryThread::run()
{
    struct EndMark {
        std::atomic<bool> &ended;
        ~EndMark() { ended.store(true, std::memory_order_release); }
    } endMark{m_runEnded};
    qCDebug(lcDevice, "KestGetBatteryThread.\n");
    int pass = 0;
    for (;;) {
        if (m_isStop) {
            qCDebug(lcDevice, "KestGetBatteryThread Stop.\n");
            return;
        }
        unsigned char reply[kBufferSize] = {};

        if (pass == 0) {
            int read;
            {
                std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
                hid_device *handle = CommandHandle();
                if (!handle)
                    return;
                const CommandReport query = BatteryQueryReport();
                if (hid_write(handle, query.bytes, kCommandReportSize) < 0)
                    qCDebug(lcDevice, "Unable to send a feature report.\n");
                pause(m_pauses.afterQueryWriteMs);
                read = hid_read_timeout(handle, reply, kCommandReportSize, kBatteryReadTimeoutMs);
            }
            if (read < 0) {
                emit RefreshBatteryStatus(reply[6], reply[4], reply[5]);
            } else {
                qCDebug(lcDevice, "Threadread bat - %x %x %x %x %x %x %x %x\n", reply[0], reply[1], reply[2], reply[3],
                        reply[4], reply[5], reply[6], reply[7]);
                if (reply[3] == kBatteryReply)
                    handleBatteryReport(reply);
            }
            pass = 2;
            if (!pause(m_pauses.afterQueryMs))
                continue;
        } else {
            ++pass;
        }

        int read;
        {
            std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
            hid_device *handle = CommandHandle();  // may have been closed during the pause
            if (!handle)
                return;
            read = hid_read_timeout(handle, reply, kCommandReportSize, kBatteryReadTimeoutMs);
        }
        if (read < 0) {
            qCDebug(lcDevice, "Unable to read a feature report 1.\n");
            pause(m_pauses.afterReadErrorMs);
        } else {
            if (reply[3] == kStatusReply)
                handleStatusReport(reply);
            else if (reply[3] == kBatteryReply)
                handleBatteryReport(reply);
            pause(m_pauses.afterReadMs);
        }
        if (pass == kBatteryQueryWrap)
            pass = 0;
    }
}

void SetBatteryThreadConnector(BatteryThreadConnector connector)
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    g_connector = std::move(connector);
}

int StartBatteryThread()
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    stopLocked();
    auto *thread = new KestGetBatteryThread;
    thread->m_pauses = g_pauses;
    if (g_connector)
        g_connector(*thread);
    g_thread = thread;
    thread->start(QThread::InheritPriority);
    return 1;
}

void StopBatteryThread()
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    stopLocked();
}

bool IsBatteryThreadRunning()
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    return g_thread && !g_thread->isFinished();
}

void SetBatteryThreadPauses(const BatteryThreadPauses &pauses)
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    g_pauses = pauses;
}
