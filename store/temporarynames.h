#pragma once
// The names of the store's temporary files, which carry the id of the process that made them:
// the stager makes them, the start-up sweep tells by the id whether a killed process left them.

#include <QString>

// The name of a temporary file of StagedFile, whatever the target's name: a name the name
// check accepts always saves, however long the process id and the count of files staged.
QString StagedTempName(qint64 pid, quint32 counter);
// The process id in a name StagedTempName makes, or in one of the two QSettings makes beside
// such a file when it edits it: its lock ("<name>.lock") and its own temporary ("<name>."
// and six letters). 0 for any other name.
qint64 StagedFileOwner(const QString &fileName);
// Older versions named theirs after the target, an ".ini" or ".prof" file:
// "<target>.<pid>.<n>~". The process id, and the target's name in `target`; 0 for other names.
qint64 OlderStagedFileOwner(const QString &fileName, QString *target);
