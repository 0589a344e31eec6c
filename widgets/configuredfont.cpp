#include "configuredfont.h"

#include "keycodes.h"
#include "scale.h"
#include "settings.h"
#include "stagedfile.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QSettings>
#include <QWidget>

ConfiguredFontEntry ReadConfiguredFont()
{
    // Asked for by every control as it is built: the file is read again only once it changed
    // (or the language did), not once per control.
    struct Read {
        QString path;
        FileStamp stamp;
        int langId = -1;
        ConfiguredFontEntry entry;
    };
    static Read last;
    const QString path = ConfigIniPath();
    const FileStamp stamp = StampOf(path);
    if (stamp.inode != 0 && last.path == path && last.stamp == stamp && last.langId == g_langId)
        return last.entry;
    const QSettings config(path, QSettings::IniFormat);
    ConfiguredFontEntry entry;
    entry.family = config.value(QString("FONT_LIST/FONT_%1").arg(g_langId)).toString();
    entry.size = config.value(QString("FONT_LIST/FONT_SIZE_%1").arg(g_langId)).toInt();
    last = Read{path, stamp, g_langId, entry};
    return entry;
}

QFont ScaledFont(const QString &family, int size) { return ScaledFont(family, size, getScaleFactor()); }

QFont ScaledFont(const QString &family, int size, double scale)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    const int pixels = scaled(size, scale);
    if (pixels > 0)  // 0 keeps the default size (Qt warns on a pixel size of 0)
        font.setPixelSize(pixels);
    return font;
}

QFont ConfiguredFont() { return ConfiguredFont(getScaleFactor()); }

QFont ConfiguredFont(double scale)
{
    const ConfiguredFontEntry entry = ReadConfiguredFont();
    return ScaledFont(entry.family, entry.size, scale);
}

QFont FittedFont(QFont font, const QString &text, int width)
{
    constexpr int kNarrowest = 75;  // percent; narrower captions are hard to read
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= width || natural <= 0)
        return font;
    // Start from the proportional guess; rounding of the glyph advances may need a step more.
    int stretch = qBound(kNarrowest, width * 100 / natural, 100);
    for (;; --stretch) {
        font.setStretch(stretch);
        if (stretch == kNarrowest || QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
}

void applyConfiguredFont(QAction *action) { action->setFont(ConfiguredFont()); }

void FitMenuTexts(QMenu *menu)
{
    const QFont font = ConfiguredFont();
    int widest = 0;
    for (QAction *action : menu->actions()) {
        action->setFont(font);
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(action->text()));
    }
    // The hint is the widest entry with the style's margins, or the fixed width when that is more.
    const int room = menu->width() - (menu->sizeHint().width() - widest);
    for (QAction *action : menu->actions())
        action->setFont(FittedFont(font, action->text(), room));
}

void applyConfiguredMenuFont(QWidget *widget) { widget->setFont(ConfiguredFont()); }

void SubstituteMissingFonts()
{
    QFont::insertSubstitution("Consolas", "Liberation Mono");
}
