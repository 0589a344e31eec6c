#pragma once
// Hand-over of one text to the on-screen-display program: a local socket named after the
// OSD window's title carries the same fixed 1,044-byte record that Windows would get
// with WM_COPYDATA.

#include <QByteArray>
#include <QString>

constexpr int kOsdRecordSize = 1044;
constexpr int kOsdTextChars = 255;  // characters before the terminator
// Title of the OSD window, and so the name of its socket.
extern const char kOsdWindowTitle[];

// The record: the text (UTF-16, cut to kOsdTextChars), 0, 1500, 0, the colour as a
// Windows COLORREF, 60, the font face "Arial"; little-endian.
QByteArray BuildOsdTextRecord(const QString &text, int red, int green, int blue);

// Connects to the named socket, sends the record and waits until it is written.
// False when nothing listens there or the write fails. Waits at most timeoutMs to connect.
bool SendOsdRecord(const QString &serverName, const QByteArray &record, int timeoutMs = 100);
