#pragma once
// The names of the store's temporary files, which carry the id of the process that made them:
// the stager makes them, the start-up sweep tells by the id whether a killed process left them.

#include <QString>

// The name of a temporary file of StagedFile, whatever the target's name: a name the name
// check accepts always saves, however long the process id and the count of files staged.
QString StagedTempName(qint64 pid, quint32 counter);
// The process id in the name of a temporary file of ours (also of older versions,
// "<target>.<pid>.<n>~"), or of a file QSettings made beside one of them; 0 for other names.
qint64 StagedFileOwner(const QString &fileName);
