#include "unusedops.h"

#include "batterythread.h"
#include "buttonfunctions.h"
#include "commands.h"
#include "devicedefaults.h"
#include "devicelogging.h"
#include "devicetable.h"
#include "download.h"
#include "hostactions.h"
#include "macrofiles.h"
#include "settings.h"
#include "transport.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <cstring>

namespace {

constexpr quint8 kCmdQuery = 0x41;
constexpr quint8 kCmdBlockWrite = 0x42;
constexpr int kFeatureSize = 33;
constexpr int kAnswerOffset = 8;
// The older register map: profile bases, then registers shared by all profiles.
constexpr quint16 kProfileBase[kProfileCount] = {0x0100, 0x0180, 0x0200, 0x0280, 0x0300};
constexpr quint16 kButtonsOffset = 0x40;  // four bytes per button from here
constexpr quint16 kScrollSpeedAddress = 0x0020;
constexpr quint16 kPollRateAddress = 0x0032;
constexpr quint16 kRegister3E = 0x003E;
constexpr quint16 kLightingSwitchAddress = 0x0446;
constexpr quint16 kLightingAddress = 0x0049;
constexpr quint16 kLightingStride = 8;
constexpr int kOldMacroChunk = 25;
constexpr quint8 kGroupProfile = 0x01, kGroupDpi = 0x02, kGroupPollRate = 0x08, kGroupLighting = 0x10;

// One feature exchange on the cable's mouse collection; the answer in `answer`.
bool featureQuery(const quint8 *request, int requestSize, quint8 (&answer)[kFeatureSize], const char *failure)
{
    quint8 sent[kFeatureSize] = {};
    std::memcpy(sent, request, size_t(qMin(requestSize, kFeatureSize)));
    std::memset(answer, 0, sizeof answer);
    answer[0] = sent[0];
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    hid_device *handle = WiredMouseHandle;
    if (!handle || hid_send_feature_report(handle, sent, kFeatureSize) < 0) {
        qCDebug(lcDevice, "%s", failure);
        return false;
    }
    QThread::msleep(10);
    if (hid_get_feature_report(handle, answer, kFeatureSize) < 0) {
        qCDebug(lcDevice, "%s", failure);
        return false;
    }
    return true;
}

// "FA 41 address length", without report ID and checksum in front.
bool registerQuery(quint16 address, quint8 length, quint8 (&answer)[kFeatureSize], const char *failure)
{
    const quint8 request[] = {kFrameMarker, kCmdQuery, quint8(address & 0xFF), quint8(address >> 8), length};
    return featureQuery(request, int(sizeof request), answer, failure);
}

CommandReport blockWrite(quint16 address, quint8 length, const quint8 *data)
{
    return MakeReport(kCmdBlockWrite, address, length, kMarkerSingle, data);
}

// A byte of each profile at even offsets: 10 bytes.
int writeProfileBytes(quint16 address, quint8 ProfileRecord::*field)
{
    quint8 data[2 * kProfileCount] = {};
    for (int p = 0; p < kProfileCount; ++p)
        data[2 * p] = g_downloadConfig.profiles[p].*field;
    return SendCommand(blockWrite(address, sizeof data, data), kCommandReportSize);
}

// The value of a stage register pair, by trying the sensor's encoding.
bool decodeDpiValue(int sensor, quint8 code, quint8 range, bool y, quint32 &value)
{
    for (quint32 v = 1; v <= 0x7FFF; ++v) {
        const DpiCode encoded = EncodeDpiValue(sensor, v, y, 0);
        if (encoded.code == code && encoded.range == range) {
            value = v;
            return true;
        }
    }
    return false;
}

void keyEvent(int virtualKey, bool down)
{
    if (!HostKeyEvent(virtualKey, down))
        qCDebug(lcDevice, "HostKeyEvent failed: %x\n", virtualKey);
}

void keyTap(int virtualKey)
{
    keyEvent(virtualKey, true);
    QThread::msleep(50);
    keyEvent(virtualKey, false);
}

// The first function code whose row has `byte` at `index`.
qint32 codeOfByte(int index, quint8 byte)
{
    int rows = 0;
    const FunctionRow *table = FunctionTableRows(rows);
    for (int i = 0; i < rows; ++i) {
        if (table[i].bytes[index] == byte)
            return table[i].fun;
    }
    return 0;
}

void logReport(const char *prefix, const unsigned char *bytes)
{
    qCDebug(lcDevice, "%s %x %x %x %x %x %x %x %x\n", prefix, bytes[0], bytes[1], bytes[2], bytes[3], bytes[4],
            bytes[5], bytes[6], bytes[7]);
}

} // namespace

hid_device *GetCommandHandle() { return CommandHandle(); }

// --- Queries ----------------------------------------------------------------------------

int QueryProfile()
{
    const quint8 request[] = {kCommandReportId, 0x00, kFrameMarker, kCmdQuery, 0x2C, 0x00, 0x01};
    quint8 answer[kFeatureSize];
    if (!featureQuery(request, int(sizeof request), answer, "Unable to send a feature report.\n"))
        return 0;
    g_downloadConfig.ProfileID = answer[kAnswerOffset];
    return 1;
}

int QueryLedState()
{
    quint8 answer[kFeatureSize];
    if (!registerQuery(kLightingAddress, 4 * kProfileCount, answer, "QueryLedState Unable to send a feature report.\n"))
        return 0;
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileRecord &profile = g_downloadConfig.profiles[p];
        const quint8 *entry = answer + kAnswerOffset + 4 * p;
        profile.ledModes[ClampIndex(profile.LedMode, kLedModes)].RGB = QColor(entry[0], entry[1], entry[2]);
    }
    return 1;
}

int QueryPollRate()
{
    quint8 answer[kFeatureSize];
    if (!registerQuery(kPollRateAddress, 2 * kProfileCount, answer, "QueryPollRate Unable to send a feature report.\n"))
        return 0;
    for (int p = 0; p < kProfileCount; ++p)
        g_downloadConfig.profiles[p].pollrate = answer[kAnswerOffset + 2 * p];
    return 1;
}

int QueryDpi()
{
    const int sensor = GetMouseSensor();
    const int p = ClampIndex(g_downloadConfig.ProfileID, kProfileCount);
    for (int stage = 0; stage < kDpiStages; ++stage) {
        quint8 answer[kFeatureSize];
        if (!registerQuery(quint16(kProfileBase[p] + 4 + 6 * stage), 5, answer,
                           "QueryDpi Unable to send a feature report.\n"))
            return 0;
        DpiInfo &info = g_downloadConfig.profiles[p].dpiInfo[stage];
        const quint8 *row = answer + kAnswerOffset;
        info.used = row[0];
        decodeDpiValue(sensor, row[1], row[2], false, info.x);
        decodeDpiValue(sensor, row[3], row[4], true, info.y);
    }
    return 1;
}

int QuerySingleButton(int profile, int button, quint8 (&bytes)[4])
{
    const int p = ClampIndex(profile, kProfileCount);
    const int b = ClampIndex(button, kButtonCount);
    quint8 answer[kFeatureSize];
    if (!registerQuery(quint16(kProfileBase[p] + kButtonsOffset + 4 * b), 4, answer,
                       "QuerySingleButton Unable to send a feature report.\n"))
        return 0;
    std::memcpy(bytes, answer + kAnswerOffset, 4);
    return 1;
}

int QueryReserved1() { return 1; }
int QueryReserved2() { return 1; }

int CheckWirelessProduct()
{
    for (int i = 0; i < 5; ++i) {
        if (GetCurrentProductName() == "Wireless Mouse")
            break;
    }
    return 1;
}

// --- Older block writes --------------------------------------------------------------

quint16 OldProfileBaseAddress(int profile) { return kProfileBase[ClampIndex(profile, kProfileCount)]; }

int WriteRegister3E()
{
    const quint8 data[2] = {0, 0};
    return SendCommand(blockWrite(kRegister3E, 2, data), kCommandReportSize);
}

int WritePollRates(bool commitIt)
{
    const int result = writeProfileBytes(kPollRateAddress, &ProfileRecord::pollrate);
    if (result != 0 || !commitIt)
        return result;
    return SendCommand(MakeCommitReport(kGroupPollRate), kCommandReportSize);
}

int WriteScrollSpeeds() { return writeProfileBytes(kScrollSpeedAddress, &ProfileRecord::scrollspeed); }

int WriteCurrentStages(bool commitIt)
{
    ReportList reports;
    for (int p = 0; p < kProfileCount; ++p) {
        // Stored as read; the firmware indexes its stage table with it.
        const quint8 stage = quint8(ClampIndex(g_downloadConfig.profiles[p].dpi, kDpiStages));
        reports.push_back(blockWrite(quint16(kProfileBase[p] + 2), 1, &stage));
    }
    if (commitIt)
        reports.insert(reports.end(), {MakeCommitReport(kGroupDpi), MakeCommitReport(kGroupLighting)});
    return SendReports(reports);
}

int WriteProfileDpi(int profile, bool commitIt)
{
    const ProfileRecord &record = g_downloadConfig.profiles[ClampIndex(profile, kProfileCount)];
    const int sensor = GetMouseSensor();
    ReportList reports;
    for (int stage = 0; stage < kDpiStages; ++stage) {
        quint8 data[5] = {record.dpiInfo[stage].used};
        quint8 pairs[4];
        EncodeDpiStage(sensor, record.dpiInfo[stage].x, record.dpiInfo[stage].y, g_batteryExtra, pairs);
        std::memcpy(data + 1, pairs, 4);
        reports.push_back(blockWrite(quint16(OldProfileBaseAddress(profile) + 4 + 6 * stage), 5, data));
    }
    if (commitIt)
        reports.push_back(MakeCommitReport(kGroupDpi));
    return SendReports(reports);
}

int SendCurrentProfile(bool commitIt)
{
    ReportList reports{MakeReport(kCmdSelectProfile, g_downloadConfig.ProfileID, 0, kMarkerSingle)};
    if (commitIt)
        reports.push_back(MakeCommitReport(kGroupProfile));
    const int result = SendReports(reports);
    QThread::msleep(100);
    return result;
}

int WriteLightingOld()
{
    const quint8 enable[2] = {0, 0};
    ReportList reports{blockWrite(kLightingSwitchAddress, 2, enable)};
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord &profile = g_downloadConfig.profiles[p];
        const QColor color = profile.ledModes[ClampIndex(profile.LedMode, kLedModes)].RGB;
        const quint8 data[4] = {quint8(color.red()), quint8(color.green()), quint8(color.blue()),
                                DeviceEffectNumber(profile.LedMode)};
        reports.push_back(blockWrite(quint16(kLightingAddress + kLightingStride * p), 4, data));
    }
    reports.push_back(MakeCommitReport(kGroupLighting));
    return SendReports(reports);
}

int WriteMacrosOld()
{
    ReportList reports;
    const ProfileRecord &profile = g_downloadConfig.profiles[0];
    int slot = 0;
    for (const ButtonInfo &button : profile.buttonInfo) {
        if (!IsMacroFunction(button.Fun))
            continue;
        if (slot >= kMacroSlotsUsed) {
            qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_550\n");
            break;
        }
        ButtonInfo entry = button;
        LoadMacroSteps(button.macroname, entry);
        BuildMacroBlock(entry, slot);
        const quint8 *block = MacroMemoryImage + kMacroBlockSize * slot;
        for (int offset = 0; offset < kMacroBlockSize; offset += kOldMacroChunk)
            reports.push_back(blockWrite(quint16(kMacroBlockSize * slot + offset), kOldMacroChunk, block + offset));
        ++slot;
    }
    return SendReports(reports);
}

int WriteButtonsOld(int profile)
{
    const int p = ClampIndex(profile, kProfileCount);
    const bool peltrix = GetCurrentProductName() == "PELTRIX";
    const int buttons = GetButtonCountAndDpi();  // kept within the 16 positions
    ReportList reports;
    for (int slot = 0; slot < buttons; ++slot) {
        int offset = 4 * slot;
        if (peltrix && slot >= 3 && slot <= 5)
            offset = (slot == 3) ? 20 : (slot == 4 ? 12 : 16);
        quint8 bytes[4];
        EncodeButtonFunction(g_downloadConfig.profiles[p].buttonInfo[slot], GetMouseSensor(), 0, bytes);
        reports.push_back(blockWrite(quint16(kProfileBase[p] + kButtonsOffset + offset), 4, bytes));
    }
    return SendReports(reports);
}

// --- Lookups ---------------------------------------------------------------------------

bool FunctionCodeBytes(qint32 fun, quint8 (&bytes)[4])
{
    std::memset(bytes, 0, 4);
    int rows = 0;
    const FunctionRow *table = FunctionTableRows(rows);
    for (int i = 0; i < rows; ++i) {
        if (table[i].fun == fun) {
            std::memcpy(bytes, table[i].bytes, 4);
            return true;
        }
    }
    return false;
}

qint32 FunctionCodeOfFirstByte(quint8 byte) { return codeOfByte(0, byte); }
qint32 FunctionCodeOfThirdByte(quint8 byte) { return codeOfByte(2, byte); }
qint32 FunctionCodeOfFourthByte(quint8 byte) { return codeOfByte(3, byte); }

void RemoveMacroNameIfAny(const QString &name)
{
    const int slot = FindMacroSlot(name);
    if (slot != 255 && slot != -1)
        RemoveMacroName(name);
}

// --- Host actions ----------------------------------------------------------------------

int ReadPointerSpeedFromRegistry()
{
    bool ok = false;
    const int speed = HostRegistryValue("HKEY_CURRENT_USER\\Control Panel\\Mouse", "MouseSensitivity").toInt(&ok);
    if (ok)
        g_downloadConfig.profiles[ClampIndex(g_downloadConfig.ProfileID, kProfileCount)].mousespeed = quint8(speed);
    return 1;
}

void SendBrowserBack() { keyTap(kVkBrowserBack); }
void SendBrowserForward() { keyTap(kVkBrowserForward); }
void SendBrowserStop() { keyTap(kVkBrowserStop); }
void SendBrowserRefresh() { keyTap(kVkBrowserRefresh); }
void SendBrowserFavorites() { keyTap(kVkBrowserFavorites); }

void SendFindKeys()
{
    const std::pair<int, bool> events[] = {{kVkControl, true}, {kVkF, true}, {kVkF, false}, {kVkControl, false}};
    for (const auto &event : events) {
        keyEvent(event.first, event.second);
        QThread::msleep(50);
    }
}

void OpenBrowserHome()
{
    const QString page =
        HostRegistryValue("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page").toString();
    if (!page.isEmpty())
        QDesktopServices::openUrl(QUrl(page));
}

void OpenMailClient(bool open)
{
    if (!open)
        return;
    const QString command = HostRegistryValue("HKEY_CLASSES_ROOT\\mailto\\shell\\open\\command", QString()).toString();
    // Only the quoted program path is used: the text before the second double quote.
    const int second = command.indexOf('"', command.indexOf('"') + 1);
    QString program = second > 0 ? command.left(second) : command;
    program = program.remove('"').trimmed();
    if (!program.isEmpty())
        QProcess::startDetached(program, {});
}

// --- Reader threads --------------------------------------------------------------------

KestReaderThread::~KestReaderThread()
{
    stopThread();
    wait();
}

void KestHidReadThread::run()
{
    qCDebug(lcDevice, "KestHidReadThread.\n");
    {
        std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
        if (hid_device *handle = DongleCommandHandle)
            hid_set_nonblocking(handle, 0);
    }
    while (!m_isStop) {
        QThread::msleep(100);
        unsigned char report[8] = {};
        int read = -1;
        {
            // Bounded, so that the thread stops and the link is never held for good.
            std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
            if (hid_device *handle = DongleCommandHandle)
                read = hid_read_timeout(handle, report, sizeof report, 100);
        }
        if (read <= 0)
            continue;
        logReport("Threadread1", report);
        if (report[1] != 0xFF)
            continue;
        switch (report[2]) {
        case 0x1F: OpenBrowserHome(); break;
        case 0x20: SendBrowserBack(); break;
        case 0x21: SendBrowserForward(); break;
        case 0x22: SendBrowserStop(); break;
        case 0x23: SendBrowserRefresh(); break;
        case 0x24: SendFindKeys(); break;
        case 0x25: SendBrowserFavorites(); break;
        case 0x26: OpenMailClient(true); break;
        default: break;
        }
    }
    qCDebug(lcDevice, "KestHidReadThread isStop.\n");
}

void KestHidReadThread2::run()
{
    qCDebug(lcDevice, "KestHidReadThread2.\n");
    while (!m_isStop) {
        QThread::msleep(100);
        unsigned char reply[kCommandReportSize] = {};
        std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
        if (hid_device *handle = WiredCommandHandle) {
            hid_read_timeout(handle, reply, sizeof reply, 50);
            logReport("Threadread2", reply);
        }
    }
    qCDebug(lcDevice, "KestHidReadThread 2 isStop.\n");
}

void KestHidReadThread3::run()
{
    qCDebug(lcDevice, "KestHidReadThread3.\n");
    while (!m_isStop) {
        QThread::msleep(1000);
        const CommandReport query = BatteryQueryReport();
        unsigned char reply[kCommandReportSize] = {};
        std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
        hid_device *handle = WiredCommandHandle;
        if (!handle)
            continue;
        if (hid_write(handle, query.bytes, kCommandReportSize) < 0)
            qCDebug(lcDevice, "Unable to send a feature report.\n");
        QThread::msleep(10);
        hid_read_timeout(handle, reply, sizeof reply, 50);
        logReport("Threadread3", query.bytes);
    }
    qCDebug(lcDevice, "KestHidReadThread 3 isStop.\n");
}
