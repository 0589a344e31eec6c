#pragma once
// The unsent mark: Config/Diff in Config.ini, 1 while the mouse may hold less than the files (a
// download begun and not finished), so that the next job sends every section. Written by
// changing its one line where the file is laid out plainly, through QSettings otherwise.

#include "stagedfile.h"

#include <QByteArray>

#include <memory>

// Config/Diff as Config.ini holds it now (0 when missing or not a number).
int GetDiff();
// False when the flag did not reach the file (on disk when it returns).
bool SetDiff(int flag);
// The text of Config.ini with Config/Diff set to `flag`, made by changing (or adding) one
// line: false when the file is not laid out plainly enough for that (QSettings is used then).
bool DiffMarkText(const QByteArray &text, int flag, QByteArray &marked);

// Config/Diff around one download, kept off the download's own time: set() puts Diff=1 in
// Config.ini without waiting for the disk; prepareClear() (another thread, while the download
// runs, before any other file of the job takes its place) syncs it and writes the Diff=0 file
// aside; clear() puts that file in place.
class UnsentMark {
public:
    bool set();
    bool prepareClear();
    // Config.ini changed since set(): Diff=0 written the long way (SetDiff).
    bool clear();

private:
    std::unique_ptr<StagedFile> m_set;    // Diff=1, not yet synced
    std::unique_ptr<StagedFile> m_clear;  // Diff=0, not yet in place (written and synced by prepareClear)
    QByteArray m_cleared;  // its text, when set() found the file laid out plainly
    FileStamp m_stamp;  // Config.ini as set() left it
};
