#include "temporarynames.h"

#include <QRegularExpression>

QString StagedTempName(qint64 pid, quint32 counter)
{
    return QStringLiteral(".staged.%1.%2~").arg(pid).arg(counter);
}

qint64 StagedFileOwner(const QString &fileName)
{
    // Ours, and whatever QSettings made beside one of ours (its lock, its own temporary file);
    // older versions named theirs after the target.
    static const QRegularExpression pattern(
        QStringLiteral("^(?:\\.staged\\.(\\d+)\\.\\d+~(?:\\..*)?|.+\\.(?:ini|prof)\\.(\\d+)\\.\\d+~)$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return 0;
    return (match.capturedLength(1) > 0 ? match.captured(1) : match.captured(2)).toLongLong();
}
