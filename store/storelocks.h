#pragma once
// The store's two locks. StoreWriteMutex guards a file against two threads of this program
// reading, changing and replacing it at once; SettingsFileLock guards it against another
// process writing it through QSettings. Always taken in that order: the mutex first, through a
// StoreWriteLock.

#include <QLockFile>
#include <QString>

#include <mutex>

// Held by the store's writers of Config.ini and the profile files, so that a file is never
// read, changed and replaced by two threads of the program at once.
std::recursive_mutex &StoreWriteMutex();

// StoreWriteMutex held for one write. On the GUI thread the wait for it and for the file locks
// taken under it together end after 1 s, so that the window never waits out a job's longer
// wait for a file lock; on any other thread it waits until the mutex is free.
class StoreWriteLock {
public:
    StoreWriteLock();
    ~StoreWriteLock();
    StoreWriteLock(const StoreWriteLock &) = delete;
    StoreWriteLock &operator=(const StoreWriteLock &) = delete;
    // False when the wait ran out (a warning says so): the write fails then.
    bool isLocked() const { return m_locked; }

private:
    bool m_locked = false;
    bool m_outermost = false;  // this one set the GUI thread's deadline
};

// An empty or foreign lock older than this, that nobody holds, is taken over; one younger may
// be one being taken (QLockFile makes its file, then takes the flock, then writes its id).
constexpr int kSettingsLockStaleMs = 5000;

// The lock every QSettings writer of a file holds across its read, merge and write (a QLockFile
// named after the file, ".lock" added), held by our own writes of such files, so that another
// process writing through QSettings neither loses our change nor has its own lost. Taken after
// StoreWriteMutex. Not recursive: no QSettings write of the same file while it is held.
// The wait has an end: on the GUI thread what is left of its StoreWriteLock's 1 s (1 s
// without one), 10 s on any other (a job, the battery thread),
// trying again every few milliseconds, so that a busy writer beside us cannot keep it for long.
// A lock left by a process gone from this host is taken over at once; one whose holder cannot
// be seen (an empty file, another host's) once it is a few seconds old, if no process holds its
// flock. A lock that is no file (a folder, a link) is refused at once.
class SettingsFileLock {
public:
    explicit SettingsFileLock(const QString &file);
    // False when the lock could not be had (a warning names the lock file and why): the write
    // fails then, as QSettings' would.
    bool isLocked() const { return m_lock.isLocked(); }

private:
    QString m_path;  // the lock file's
    QLockFile m_lock;
};

// ---- testing ----
// The longest wait off the GUI thread, in milliseconds; 0 puts back the 10 s.
void SetSettingsLockWaitForTesting(int offGuiThreadMs);
