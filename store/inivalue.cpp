#include "inivalue.h"

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

bool IniFlushed(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qDebug() << "settings not written:" << settings.fileName() << "status" << settings.status();
    return false;
}
