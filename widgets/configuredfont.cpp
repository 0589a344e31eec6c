#include "configuredfont.h"

#include "keycodes.h"
#include "scale.h"
#include "settings.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

ConfiguredFontEntry ReadConfiguredFont()
{
    QSettings config(ConfigIniPath(), QSettings::IniFormat);
    ConfiguredFontEntry entry;
    entry.family = config.value(QString("FONT_LIST/FONT_%1").arg(g_langId)).toString();
    entry.size = config.value(QString("FONT_LIST/FONT_SIZE_%1").arg(g_langId)).toInt();
    return entry;
}

QFont ScaledFont(const QString &family, int size)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    const int pixels = scaled(size, getScaleFactor());
    if (pixels > 0)  // 0 keeps the default size (Qt warns on a pixel size of 0)
        font.setPixelSize(pixels);
    return font;
}

QFont ConfiguredFont()
{
    const ConfiguredFontEntry entry = ReadConfiguredFont();
    return ScaledFont(entry.family, entry.size);
}

void applyConfiguredFont(QAction *action) { action->setFont(ConfiguredFont()); }

void applyConfiguredMenuFont(QWidget *widget) { widget->setFont(ConfiguredFont()); }
