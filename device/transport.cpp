#include "transport.h"

#include "devicelogging.h"
#include "devicetable.h"

#include <QThread>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kBufferSize = 64;
constexpr int kHeaderBytes = 8;  // bytes 0-7: all zero means nothing was ever read
constexpr quint8 kLastDataCheckedCommand = 0x0A;
constexpr quint8 kCmdCommitGroup = 0x40;
constexpr quint8 kCmdFrame = 0x46;

bool allZero(const unsigned char *bytes, int count)
{
    return std::all_of(bytes, bytes + count, [](unsigned char b) { return b == 0; });
}

} // namespace

quint8 ReportChecksum(const quint8 *report)
{
    unsigned sum = 0;
    for (int i = kFrameOffset; i <= kMarkerOffset; ++i)
        sum += report[i];
    return quint8((sum & 0xFF) ^ kChecksumKey);
}

void FillChecksum(CommandReport &report)
{
    report.bytes[kChecksumOffset] = ReportChecksum(report.bytes);
}

bool IsEchoedCommand(quint8 command)
{
    return command <= kLastDataCheckedCommand || command == kCmdCommitGroup || command == kCmdFrame;
}

int CompareEcho(const quint8 *sent, const quint8 *reply, bool checkData)
{
    for (int i : {kReportIdOffset, kFrameOffset, kCommandOffset, kAddressOffset, kAddressOffset + 1, kLengthOffset})
        if (sent[i] != reply[i])
            return kEchoHeaderDiffers;
    const int length = std::min<int>(sent[kLengthOffset], kReportDataSize);
    if (!checkData || length == 0)
        return kEchoEqual;
    return std::memcmp(sent + kDataOffset, reply + kDataOffset, size_t(length)) == 0 ? kEchoEqual : kEchoDataDiffers;
}

int SendCommand(const CommandReport &report, int length)
{
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    hid_device *handle = CommandHandle();
    if (!handle)
        return kSendNoHandle;

    unsigned char sent[kBufferSize] = {};
    std::memcpy(sent, report.bytes, size_t(std::clamp(length, 0, kCommandReportSize)));
    sent[kChecksumOffset] = ReportChecksum(sent);
    unsigned char reply[kBufferSize] = {};
    const quint8 command = sent[kCommandOffset];
    const bool checkData = command <= kLastDataCheckedCommand;

    int readFailures = 0;
    int headerMismatches = 0;
    int rewrites = 0;
    int zeroReplies = 0;
    int outcome = kEchoEqual;

    for (;;) {  // one write
        if (hid_write(handle, sent, kCommandReportSize) < 0) {
            qCDebug(lcDevice, "Unable to send a feature report.\n");
            return kSendWriteFailed;
        }
        QThread::msleep(kAfterWriteMs);
        if (!IsEchoedCommand(command))
            return kSendOk;

        bool writeAgain = false;
        while (!writeAgain) {  // one read
            if (hid_read_timeout(handle, reply, kCommandReportSize, kEchoTimeoutMs) < 0) {
                if (++readFailures <= kMaxReadErrors) {
                    QThread::msleep(kRereadPauseMs);
                    continue;
                }
                if (++rewrites <= kMaxRewrites) {
                    writeAgain = true;
                    continue;
                }
                return kSendNoEcho;
            }
            // A time-out leaves the buffer as it was: zero until something arrived.
            if (allZero(reply, kHeaderBytes)) {
                if (++zeroReplies <= kMaxZeroReplies) {
                    writeAgain = true;
                    continue;
                }
                // Six writes without any answer: the mouse is silent, which is no echo.
                if (outcome == kEchoEqual)
                    return kSendNoEcho;
            } else {
                outcome = CompareEcho(sent, reply, checkData);
            }

            if (outcome == kEchoEqual)
                return kSendOk;
            if (outcome == kEchoHeaderDiffers && ++headerMismatches <= kMaxHeaderMismatches) {
                QThread::msleep(kRereadPauseMs);
                zeroReplies = 0;
                continue;
            }
            if (++rewrites <= kMaxRewrites) {
                zeroReplies = 0;
                writeAgain = true;
                continue;
            }
            return kSendNoEcho;
        }
    }
}
