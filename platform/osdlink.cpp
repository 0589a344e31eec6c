#include "osdlink.h"

#include <QLocalSocket>
#include <QtEndian>

const char kOsdWindowTitle[] = "Ombrix Wireless Mouse OSD";

namespace {

constexpr int kStringField = 512;  // bytes of each UTF-16 string field

void putInt32(QByteArray &record, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, reinterpret_cast<uchar *>(record.data()) + offset);
}

void putString(QByteArray &record, int offset, const QString &text)
{
    const QString cut = text.left(kOsdTextChars);
    for (int i = 0; i < cut.size(); ++i)
        qToLittleEndian<quint16>(cut.at(i).unicode(), reinterpret_cast<uchar *>(record.data()) + offset + 2 * i);
    qToLittleEndian<quint16>(0, reinterpret_cast<uchar *>(record.data()) + offset + 2 * cut.size());
}

} // namespace

QByteArray BuildOsdTextRecord(const QString &text, int red, int green, int blue)
{
    QByteArray record(kOsdRecordSize, '\0');
    putString(record, 0, text);
    putInt32(record, 512, 0);
    putInt32(record, 516, 1500);
    putInt32(record, 520, 0);
    putInt32(record, 524, quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16);
    putInt32(record, 528, 60);
    putString(record, 532, QStringLiteral("Arial"));
    static_assert(532 + kStringField == kOsdRecordSize, "record layout");
    return record;
}

bool SendOsdRecord(const QString &serverName, const QByteArray &record, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    const bool written = socket.write(record) == record.size() && socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return written;
}
