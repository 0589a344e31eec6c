#pragma once
// One write job: saves the working configuration, finds what changed since the last
// write and downloads it, on a worker thread while the busy dialog is shown.

#include "records.h"

#include <QThread>
#include <climits>
#include <atomic>

// Result codes of a job (m_result).
constexpr quint8 kJobDone = 0;
constexpr quint8 kJobAsleep = 5;  // 1, 2 and 4 are the transport's failures
// The configuration could not be saved, or the unsent mark in Config.ini not set: nothing was
// sent. Also when a file written aside could not take its place during the download, or the
// mark could not be cleared after it (the mark stays: the next job sends all).
constexpr quint8 kJobSaveFailed = 6;

class KestProcessThread : public QThread {
    Q_OBJECT
public:
    // Takes the job's snapshot of the working image: construct on the GUI thread, after
    // the pages' settings were collected into it.
    KestProcessThread();
    // Waits for run() to return, so the object may be deleted as soon as the job signalled.
    ~KestProcessThread() override;

    void stopThread() { m_isStop = true; }
    // QThread::wait() that also makes the end of run() visible to ThreadSanitizer, which
    // cannot see the synchronisation inside QThread::wait. False on time-out.
    bool join(unsigned long ms = ULONG_MAX);

    // Read after DoProcessDlg(); that read also makes the job's other writes visible.
    std::atomic<quint8> m_result{kJobDone};
    // Set before start() to send every section whatever changed.
    bool m_fullDownload = false;
    std::atomic<bool> m_isStop{false};

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    quint8 runJob();

    // What this job saves, sends and then records as last written.
    DeviceConfig m_snapshot;
    std::atomic<bool> m_runEnded{false};
};
