#pragma once
// Expected reports written as hex text, as the mouse receives them.

#include "transport.h"

#include <QByteArray>

// "05 26 FA 46" -> the 33 bytes of a report, zero-filled after the given ones.
inline QByteArray report(const char *hex)
{
    QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    bytes.append(QByteArray(kCommandReportSize - bytes.size(), '\0'));
    return bytes;
}
