#include "inivalue.h"

#include "storelogging.h"

#include <QDebug>
#include <QFile>

#include <sys/resource.h>
#include <sys/stat.h>

int IniInt(const QSettings &settings, const QString &key, int fallback)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? int(quint32(quint64(number))) : 0;
}

QColor IniColor(const QSettings &settings, const QString &key)
{
    // A colour name text ("#ff0000") converts too; any other value gives the invalid colour.
    return settings.value(key).value<QColor>();
}

QString IniString(const QSettings &settings, const QString &key) { return settings.value(key).toString(); }

bool IniHolds(const QSettings &settings, const QString &key, const QString &text)
{
    // Read from the file a value is text; written by this process it may still be the int.
    const QVariant stored = settings.value(key);
    const int type = stored.userType();
    return (type == QMetaType::QString || type == QMetaType::Int) && stored.toString() == text;
}

namespace {

// Past the file-size limit (SIGXFSZ ignored) a write is cut where the limit lies, and QSettings
// takes a cut write for a whole one: a file that reaches the limit may be cut.
bool reachesSizeLimit(const QString &file)
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 && rlim_t(info.st_size) >= limit.rlim_cur;
}

} // namespace

bool IniFlushed(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qCDebug(lcStore) << "settings not written:" << settings.fileName() << "status" << settings.status();
        return false;
    }
    if (reachesSizeLimit(settings.fileName())) {
        qCWarning(lcStore) << "settings not written whole, at the file-size limit:" << settings.fileName();
        return false;
    }
    return true;
}
