#include "temporarynames.h"

#include <QRegularExpression>

QString StagedTempName(qint64 pid, quint32 counter)
{
    return QStringLiteral(".staged.%1.%2~").arg(pid).arg(counter);
}

qint64 StagedFileOwner(const QString &fileName)
{
    // QSaveFile, which QSettings writes with, fills "XXXXXX" with letters.
    static const QRegularExpression pattern(QStringLiteral("^\\.staged\\.(\\d+)\\.\\d+~(?:\\.lock|\\.[A-Za-z]{6})?$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

qint64 OlderStagedFileOwner(const QString &fileName, QString *target)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+\\.(?:ini|prof))\\.(\\d+)\\.\\d+~$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return 0;
    *target = match.captured(1);
    return match.captured(2).toLongLong();
}
