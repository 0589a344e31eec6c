#pragma once
// A fresh application directory for the kit: a Config.ini written through QSettings (a
// fresh path per fixture: QSettings caches per file) and "skin" linked to the committed
// skin, so the kit's pictures load as in the program.

#include "keycodes.h"
#include "scale.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

class KitFixture
{
public:
    // Keys are full INI keys of Config.ini, for example "FONT_LIST/FONT_SIZE_0".
    explicit KitFixture(const QVariantMap &config = QVariantMap())
    {
        SetAppDir(m_dir.path());
        QDir().mkpath(GetConfigDir());
        QFile::link(QStringLiteral(SOURCE_ROOT "/resources/skin"), m_dir.path() + "/skin");
        QSettings settings(ConfigIniPath(), QSettings::IniFormat);
        for (auto it = config.cbegin(); it != config.cend(); ++it)
            settings.setValue(it.key(), it.value());
        g_langId = 0;
        setScaleFactor(1.0);
    }
    ~KitFixture() { setScaleFactor(1.0); }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
