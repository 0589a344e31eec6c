#pragma once
// Reading typed values from an open QSettings object, the same way in every file of the store.

#include <QColor>
#include <QSettings>
#include <QString>

// A missing key reads as its fallback, a value that is not a number as 0. Wider numbers keep
// their low 32 bits.
int IniInt(const QSettings &settings, const QString &key, int fallback = 0);
// The low 8 bits of IniInt: 8-bit fields are narrowed, never range-checked.
inline quint8 IniByte(const QSettings &settings, const QString &key, int fallback = 0)
{
    return quint8(IniInt(settings, key, fallback));
}
// A colour as QSettings writes a QColor (or a colour name); anything else is the invalid colour.
QColor IniColor(const QSettings &settings, const QString &key);
QString IniString(const QSettings &settings, const QString &key);

// True when the key already holds what writing `text` (or the number it spells) would leave
// there, so that a save can leave the file alone.
bool IniHolds(const QSettings &settings, const QString &key, const QString &text);
inline bool IniHolds(const QSettings &settings, const QString &key, int number)
{
    return IniHolds(settings, key, QString::number(number));
}

// sync() and status(): false, with a debug line naming the file, when the values did not reach it,
// also when the file reaches the file-size limit, where the write may have been cut.
bool IniFlushed(QSettings &settings);
