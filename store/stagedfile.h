#pragma once
// Files replaced whole, in two steps: the new text goes to a temporary file beside the file
// (write), which later takes its place by rename (commit). A crash leaves the old file or the
// new one, never half of one, and the slow part (the sync to disk) can run apart from the write.
// Here too: the commit group of one save, file stamps, whole-file reads, and copies put in place.
// A target that is a symbolic link is not replaced: the file it leads to is, as QSettings does
// (LinkedFile).

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The file a path stands for: symbolic links followed to the end, as QSettings writes through
// them, so that a link keeps pointing at the file that receives the changes. In a sticky folder
// anyone may write (/tmp), a link is followed only when it is the user's or the folder owner's,
// as the kernel follows them: otherwise `refused` is set and the path itself returned.
QString LinkedFile(const QString &path, bool *refused = nullptr);

class StagedFile {
public:
    explicit StagedFile(const QString &target);
    ~StagedFile();  // removes a temporary file that was not committed
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    const QString &target() const { return m_target; }
    // The temporary file while there is one: read it back before the commit.
    QString writtenPath() const { return QFile::decodeName(m_tempName); }
    // The whole text into a new temporary file in the target's folder (made when missing; the
    // linked file's folder for a link, never made), with the target's permissions. False (and no
    // temporary file left) when it could not be created or written, or when the target may not be
    // written or is a link LinkedFile refuses.
    bool write(const QByteArray &text);
    // Puts the written file in the target's place. Its time stamp is made later than the
    // replaced file's, so that QSettings, which tells files apart by size and time, reads the
    // new text again.
    bool commit();
    // The written file's data on disk, before or after the commit.
    bool syncData();

private:
    void closeAndRemove();

    QString m_target;
    QString m_file;  // the target, links followed
    QByteArray m_tempName;  // encoded path; empty when there is no temporary file
    int m_fd = -1;
};

// The staged files of one save, committed together, each with what its writer does around the
// commit.
class StagedWrites {
public:
    // `beforeCommit` runs under the locks just before the file takes its place and may
    // write it again; false fails the commit. `afterCommit` runs once the file is in place.
    void add(std::unique_ptr<StagedFile> file, std::function<bool(StagedFile &)> beforeCommit = {},
             std::function<void()> afterCommit = {});
    bool empty() const { return m_entries.empty(); }
    // Syncs and puts each file in place, in the order added, each under StoreWriteMutex and its
    // SettingsFileLock (the sync outside them), from `beforeCommit` to `afterCommit`: every
    // file staged here is one QSettings also writes. Stops at the first failure, after which the rest are removed. Nothing
    // is left to commit afterwards.
    bool commit();

private:
    struct Entry {
        std::unique_ptr<StagedFile> file;
        std::function<bool(StagedFile &)> beforeCommit;
        std::function<void()> afterCommit;
    };
    std::vector<Entry> m_entries;
};

// Which file a stat describes: a rewrite through QSettings or a StagedFile gives a new inode,
// an edit in place new times. Zero inode: no regular file there.
struct FileStamp {
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
};
bool operator==(const FileStamp &a, const FileStamp &b);
inline bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }
FileStamp StampOf(const QString &file);

// The file's whole contents; false when it cannot be read (a missing file included).
bool ReadWholeFile(const QString &path, QByteArray &text);

// A copy of the file `from` put in place of `to` once complete, through a StagedFile: `to` is
// the old file or the whole copy, never half of one nor gone. False, with `to` as it was, when
// `from` cannot be read or the copy cannot be written.
bool CopyIntoPlace(const QString &from, const QString &to);
// A copy of `from` at `to` where no file is, a link (dangling too) counting as one: the whole
// copy or nothing is put there, and a file that appears there meanwhile is kept. Exists also
// when it appeared; Failed when `from` cannot be read or the copy cannot be written.
enum class NewFileCopy { Written, Exists, Failed };
NewFileCopy CopyIntoNewFile(const QString &from, const QString &to);

// ---- testing ----
// Called on the committing thread just before each file of a StagedWrites or CopyIntoNewFile
// takes its place, with the file's path: tests change the disk there. An empty function removes it.
void SetBeforeStagedCommitForTesting(std::function<void(const QString &target)> hook);
// Asked before each sync of a StagedFile, with the file's path: true makes the sync fail as
// a disk's error would. An empty function removes it.
void SetSyncFailsForTesting(std::function<bool(const QString &target)> fails);
// Asked before each commit of a StagedFile, with the file's path: true makes the rename fail as
// a disk's error would. An empty function removes it.
void SetCommitFailsForTesting(std::function<bool(const QString &target)> fails);
