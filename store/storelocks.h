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
class SettingsFileLock {
public:
    explicit SettingsFileLock(const QString &file);
    // False when the lock could not be made (QSettings does not write the file then either).
    bool isLocked() const { return m_lock.isLocked(); }

private:
    QLockFile m_lock;
};
