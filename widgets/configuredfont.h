#pragma once
// The font Config.ini names for the current language: family "FONT_LIST/FONT_%d" and size
// "FONT_LIST/FONT_SIZE_%d" (%d = g_langId), at the pixel size trunc(scale × size). Read afresh
// at every call; a missing entry keeps the toolkit's default family and size.

#include <QFont>
#include <QString>

class QAction;
class QMenu;
class QWidget;

struct ConfiguredFontEntry {
    QString family;
    int size = 0;
};
// Both keys of the current language, from one read of Config.ini.
ConfiguredFontEntry ReadConfiguredFont();
// family with the default point size and weight, then the pixel size trunc(scale × size)
// when that is above 0; scale is the kit's factor unless given.
QFont ScaledFont(const QString &family, int size);
QFont ScaledFont(const QString &family, int size, double scale);
// ScaledFont of the configured entry.
QFont ConfiguredFont();
QFont ConfiguredFont(double scale);

// font, narrowed just enough for text to fit into width pixels, never below 75 % of its
// width (a text too wide even then is left to the caller to elide); a text that fits
// keeps the font as it is.
QFont FittedFont(QFont font, const QString &text, int width);

// The dialog buttons ask for "Consolas", which Debian lacks; its fallback draws O like 0. Maps
// it to Liberation Mono (fonts-liberation), whose zero is dotted. Once the application exists.
void SubstituteMissingFonts();

void applyConfiguredFont(QAction *action);
// Each entry of a menu of fixed width in the configured font, narrowed (as FittedFont) where
// its text would not fit beside what the style adds to an entry; call after the texts or
// the width change.
void FitMenuTexts(QMenu *menu);
// The same for a widget; the program itself does not call it.
void applyConfiguredMenuFont(QWidget *widget);
