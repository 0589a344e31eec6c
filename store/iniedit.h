#pragma once
// Edits of a file QSettings also writes (Config.ini, the profile files) staged as whole files:
// QSettings edits a copy of the file, and the text it leaves there is written aside to take
// the file's place at the commit of a StagedWrites.

#include <QString>

#include <functional>

class QSettings;
class StagedWrites;

// `edit` runs on a QSettings of a temporary copy of the file beside it, and the text it leaves
// there is written aside. Should the file change before the commit (the unsent mark, another
// key), the edit is made again on its new text. False (nothing staged) when the file cannot be
// read or the text not written.
bool StageIniEdit(const QString &file, const std::function<void(QSettings &)> &edit, StagedWrites &staged,
                  std::function<void()> afterCommit = {});
// The same for a `text` known to be what `edit` makes of `base`, the file's text as the caller
// knows it (a file that holds only what the edit writes, or no file: empty), staged without
// QSettings. Should the file not be `base` at the commit (another process added a key), the
// edit is made through QSettings on its text then.
bool StageIniText(const QString &file, const QByteArray &base, const QByteArray &text,
                  const std::function<void(QSettings &)> &edit, StagedWrites &staged,
                  std::function<void()> afterCommit = {});

// The one way to change such a file outside a job: the edit staged as StageIniEdit stages it
// and committed at once (our locks, the redo, the sync, the rename). A file that already holds
// what the edit makes is left alone. False, with the file as it was, when it was not written.
bool CommitIniEdit(const QString &file, const std::function<void(QSettings &)> &edit);

// `read` runs on a QSettings of the file's text as it is now, in a temporary copy beside the
// file: QSettings' own cache of the file may still hold an older text of the same size, and a
// failed write of its own. Where no copy can be made (a read-only folder), on the file itself,
// as also where the file's folder is missing: reading makes none.
void ReadIniUncached(const QString &file, const std::function<void(const QSettings &)> &read);
