#include "filenames.h"

#include "storelogging.h"

#include <QDebug>

bool IsSafeFileName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return false;
    }
    return name.toUtf8().size() <= kMaxFileNameBytes;
}

bool CheckFileName(const QString &name, const char *what)
{
    if (IsSafeFileName(name))
        return true;
    qCDebug(lcStore) << what << "name refused:" << name;
    return false;
}
