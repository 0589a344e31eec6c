#include "inivalue.h"

#include "storelogging.h"

#include <QDebug>

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

bool IniFlushed(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qCDebug(lcStore) << "settings not written:" << settings.fileName() << "status" << settings.status();
    return false;
}
