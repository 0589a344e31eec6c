#pragma once
// The 33-byte command report and its transport: one write to the command collection and,
// for the commands the mouse echoes, the read-back and comparison of the echo.

#include <QtGlobal>

constexpr int kCommandReportSize = 33;
constexpr int kReportDataSize = 25;
constexpr quint8 kCommandReportId = 0x05;
constexpr quint8 kFrameMarker = 0xFA;
constexpr quint8 kChecksumKey = 0x66;

// Byte offsets of a report (the echo has the same layout).
constexpr int kReportIdOffset = 0;
constexpr int kChecksumOffset = 1;
constexpr int kFrameOffset = 2;
constexpr int kCommandOffset = 3;
constexpr int kAddressOffset = 4;  // 16-bit little-endian
constexpr int kLengthOffset = 6;
constexpr int kMarkerOffset = 7;
constexpr int kDataOffset = 8;

// Result codes of SendCommand; every sender passes them on unchanged.
constexpr int kSendOk = 0;
constexpr int kSendNoHandle = 1;     // neither command collection open, nothing written
constexpr int kSendNoEcho = 2;       // no correct echo after every retry
constexpr int kSendWriteFailed = 4;  // the write itself failed

// Results of CompareEcho.
constexpr int kEchoEqual = 0;
constexpr int kEchoHeaderDiffers = 1;
constexpr int kEchoDataDiffers = 2;

// Timing of one exchange.
constexpr int kEchoTimeoutMs = 150;
constexpr int kAfterWriteMs = 10;
constexpr int kRereadPauseMs = 50;

// Retry limits; every counter but the zero-reply one is a total for the call.
constexpr int kMaxReadErrors = 29;       // re-reads after failed reads
constexpr int kMaxHeaderMismatches = 19; // re-reads after a wrong header
constexpr int kMaxRewrites = 2;          // writes after the first that count
constexpr int kMaxZeroReplies = 5;       // rewrites after an all-zero reply (the sixth ends)

// A plain 33-byte record, copied by value: report ID, checksum, 0xFA, command,
// address (LE), length, packet marker, 25 data bytes.
struct CommandReport {
    quint8 bytes[kCommandReportSize] = {};
};

inline quint8 *ReportBytes(CommandReport &report) { return report.bytes; }
inline const quint8 *ReportBytes(const CommandReport &report) { return report.bytes; }

// Sum of bytes 2-7 modulo 256, XOR 0x66: frame marker, command, address, length and
// packet marker; the data is not covered.
quint8 ReportChecksum(const quint8 *report);
void FillChecksum(CommandReport &report);

// True for the commands whose report is read back: 0x00-0x0A, 0x40 (commit), 0x46 (begin/end).
bool IsEchoedCommand(quint8 command);

// Writes the report (length is 33 for every caller) to the cable's command collection when
// open, else the receiver's, and checks the echo where one is expected. The caller's report
// is not changed. Holds the device-link lock for the whole exchange. Returns kSend*.
int SendCommand(const CommandReport &report, int length);

// 0 equal; 1 when report ID, frame marker, command, address or length differ; 2 when
// checkData is set, the length is not 0 and one of the data bytes differs.
int CompareEcho(const quint8 *sent, const quint8 *reply, bool checkData);
