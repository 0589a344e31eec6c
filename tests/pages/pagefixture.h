#pragma once
// A fresh application directory holding a device description and a Config.ini, both
// written through QSettings (a fresh path per fixture: QSettings caches per file).

#include "devicedefaults.h"
#include "settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

class PageFixture
{
public:
    // Keys are full INI keys, for example "PROFILE/ShowSleep" or "MouseSenSor/1".
    PageFixture(const QVariantMap &description, const QVariantMap &config)
    {
        SetAppDir(m_dir.path());
        write(DeviceDescriptionPath(), description);
        write(ConfigIniPath(), config);
    }
    bool isValid() const { return m_dir.isValid(); }

private:
    static void write(const QString &path, const QVariantMap &values)
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }

    QTemporaryDir m_dir;
};
