#include "filenames.h"

#include "storelogging.h"

#include <QDebug>

FileNameFault FileNameFaultOf(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name.isEmpty())
        return FileNameFault::Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return FileNameFault::Forbidden;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return FileNameFault::Forbidden;
    }
    return name.toUtf8().size() <= kMaxFileNameBytes ? FileNameFault::None : FileNameFault::TooLong;
}

bool IsSafeFileName(const QString &name) { return FileNameFaultOf(name) == FileNameFault::None; }

bool CheckFileName(const QString &name, const char *what)
{
    if (IsSafeFileName(name))
        return true;
    qCDebug(lcStore) << what << "name refused:" << name;
    return false;
}
