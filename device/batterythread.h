#pragma once
// The battery and status thread: polls the command collection, sends the battery query
// every 56th pass and hands battery and status reports to the main window by queued signals.
// At most one runs at a time: start and stop it through StartBatteryThread/StopBatteryThread.

#include "transport.h"

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

// Byte 10 of the last battery report (read by the DPI encoding of sensor 3395).
extern std::atomic<quint8> g_batteryExtra;
// Set by the main window when a battery report is all zero; read by the write job.
extern std::atomic<quint8> g_deviceAsleep;

constexpr quint8 kBatteryReply = 0x48;  // 'H', also the query's command
constexpr quint8 kStatusReply = 0x49;   // 'I'
constexpr int kBatteryReadTimeoutMs = 50;
// The pass counter runs 2..57; the query goes out when it is 0.
constexpr int kBatteryQueryWrap = 57;

// The battery query: 05 24 FA 48 and zeros, checksum filled.
CommandReport BatteryQueryReport();

// Pauses of one pass. Tests shorten them; the program keeps these.
struct BatteryThreadPauses {
    int afterQueryWriteMs = 10;
    int afterQueryMs = 450;
    int afterReadMs = 400;
    int afterReadErrorMs = 450;
};

class KestGetBatteryThread : public QThread {
    Q_OBJECT
public:
    KestGetBatteryThread();
    // Stops and joins the thread.
    ~KestGetBatteryThread() override;

    // Asks the loop to end and wakes it from its pause; the caller then joins with join().
    void stopThread();
    // wait(), and makes the end of run() visible to ThreadSanitizer, which cannot see the
    // synchronisation inside QThread::wait.
    void join();

    std::atomic<bool> m_isStop{false};

    // For tests only; set before start().
    BatteryThreadPauses m_pauses;

signals:
    void RefreshBatteryStatus(uchar charging, uchar voltageLow, uchar voltageHigh);
    void RefreshStatus(uchar profile, uchar dpiStage, uchar reportRate, uchar lightMode);
    void RefreshWriteStatus(uchar status);

protected:
    void run() override;

private:
    // False when the thread was asked to stop meanwhile.
    bool pause(int ms);
    void handleBatteryReport(const unsigned char *reply);
    // Passes on a status report whose profile (0-4) and DPI stage (0-7) are in range.
    void handleStatusReport(const unsigned char *reply);

    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_runEnded{false};
};

// Connects a freshly created thread's signals to their receiver (the main window); called
// by StartBatteryThread before the thread starts. Pass an empty function to clear it.
using BatteryThreadConnector = std::function<void(KestGetBatteryThread &)>;
void SetBatteryThreadConnector(BatteryThreadConnector connector);

// GUI thread. Stops (joins and deletes) a thread still running, then creates and starts a
// new one. Returns 1.
int StartBatteryThread();
// Any thread, never with DeviceLinkMutex() held. Wakes the thread, joins and deletes it.
// Nothing happens when none runs.
void StopBatteryThread();
// True while a started thread has not ended (it ends by itself when no handle is open).
bool IsBatteryThreadRunning();

// For tests only: the pauses of every thread StartBatteryThread creates from now on.
void SetBatteryThreadPauses(const BatteryThreadPauses &pauses);
