#pragma once
// The store's two locks. StoreWriteMutex guards a file against two threads of this program
// reading, changing and replacing it at once; SettingsFileLock guards it against another
// process writing it through QSettings. Always taken in that order: the mutex first.

#include <QLockFile>
#include <QString>

#include <mutex>

// Held by the store's writers of Config.ini and the profile files, so that a file is never
// read, changed and replaced by two threads of the program at once.
std::recursive_mutex &StoreWriteMutex();

// The lock every QSettings writer of a file holds across its read, merge and write (a QLockFile
// named after the file, ".lock" added), held by our own writes of such files, so that another
// process writing through QSettings neither loses our change nor has its own lost. Taken after
// StoreWriteMutex. Not recursive: no QSettings write of the same file while it is held.
// The wait has an end: 1 s on the GUI thread, 10 s on any other (a job, the battery thread),
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
