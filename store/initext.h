#pragma once
// INI text exactly as QSettings (IniFormat, no codec) writes it, for the store's writers that
// produce a whole file themselves: QSettings reads it back as it would read its own.

#include <QByteArray>
#include <QColor>
#include <QString>

// True for the keys written here as they are: letters, digits, '_' and the group separator '/'.
bool IsPlainIniKey(const QString &key);
// A plain key as it stands in a section: '/' becomes '\'.
QByteArray IniKeyText(const QString &key);
// A section header line, "[name]\n"; name plain and not "General".
QByteArray IniSectionLine(const QString &name);

// Values, appended after "key=": a number, a text (QString) and a colour (QColor).
void AppendIniNumber(QByteArray &line, qint64 number);
void AppendIniText(QByteArray &line, const QString &text);
void AppendIniColor(QByteArray &line, const QColor &color);
