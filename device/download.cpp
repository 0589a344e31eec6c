#include "download.h"

#include "batterythread.h"
#include "buttonfunctions.h"
#include "commands.h"
#include "devicelogging.h"
#include "devicetable.h"
#include "macrofiles.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

DeviceConfig g_downloadConfig;
std::map<quint8, QString> MacroSlotMap;
quint8 MacroMemoryImage[kMacroMemorySize] = {};

namespace {

constexpr quint8 kCmdMacroMemory = 0x05;
constexpr quint16 kMacroClosingAddress = 0x0FFF;
constexpr int kMacroReportLength = 20;
constexpr int kStepBytes = 3;
// Steps that fit a block whole: the last two bytes of a block stay zero.
constexpr int kBlockSteps = kMacroBlockSize / kStepBytes;
// The longest layout: 63 steps, a delay after each four, the closing delay and zero step.
constexpr int kLongestLayout = kMaxMacroSteps + kMaxMacroSteps / 4 + 2;

void putStep(quint8 *layout, int position, quint8 type, quint8 low, quint8 high)
{
    layout[kStepBytes * position] = type;
    layout[kStepBytes * position + 1] = low;
    layout[kStepBytes * position + 2] = high;
}

// The battery thread is created and owned by the GUI thread: restart it there.
void restartBatteryThreadOnGuiThread()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        qCDebug(lcDevice, "no application: battery thread not restarted\n");
        return;
    }
    QMetaObject::invokeMethod(app, [] { StartBatteryThread(); }, Qt::QueuedConnection);
}

// Every block whose first five bytes are not all zero, ten reports of 20 bytes each,
// then one closing report when anything was sent.
ReportList buildMacroMemoryReports()
{
    ReportList reports;
    for (int k = 0; k < kMacroBlockCount; ++k) {
        const quint8 *block = MacroMemoryImage + kMacroBlockSize * k;
        if (std::all_of(block, block + 5, [](quint8 b) { return b == 0; }))
            continue;
        for (int j = 0; j < kMacroBlockSize / kMacroReportLength; ++j) {
            const quint8 marker = (k == 0 && j == 0) ? kMarkerFirst : kMarkerMiddle;
            reports.push_back(MakeReport(kCmdMacroMemory, quint16(kMacroBlockSize * k + kMacroReportLength * j),
                                         kMacroReportLength, marker, block + kMacroReportLength * j));
        }
    }
    if (!reports.empty())
        reports.push_back(MakeClosingReport(kCmdMacroMemory, kMacroClosingAddress));
    return reports;
}

// Builds the blocks of the macros the button table gave slots to, each macro once. No
// pause between macros: nothing goes to the mouse until every block is built. The map
// holds only names of the profile whose table was sent: its buttons are scanned.
void buildMacroBlocks()
{
    for (const ButtonInfo &button : g_downloadConfig.profiles[CurrentProfileIndex(g_downloadConfig)].buttonInfo) {
        if (!IsMacroFunction(button.Fun))
            continue;
        const int slot = FindMacroSlot(button.macroname);
        if (slot == 255)
            continue;  // not in the table: no sent button runs it
        if (slot == -1)
            return;  // every macro of the map is built
        if (slot >= kMacroSlotsUsed) {
            qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560\n");
            return;
        }
        ButtonInfo entry = button;
        LoadMacroSteps(button.macroname, entry);
        BuildMacroBlock(entry, slot);
        RemoveMacroName(button.macroname);
    }
}

// The status thread ends by itself without a handle; with one it is wanted back.
bool commandLinkOpen()
{
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    return CommandHandle() != nullptr;
}

} // namespace

int DownloadProfile(const DeviceConfig &config, int flags)
{
    // Its reads would take the echoes.
    StopBatteryThread();
    g_downloadConfig = config;
    int result = SendBeginEnd(0);
    if (result == 0)
        result = SendSettingsBlock(g_downloadConfig);
    if (result == 0 && (flags & kChangeButtons))
        result = SendButtonTable();
    if (result == 0 && (flags & kChangeDpi))
        result = SendDpiStages(CurrentProfileIndex(g_downloadConfig));
    if (result == 0 && (flags & kChangeLighting))
        result = SendLighting();
    if (result == 0 && flags != 0)
        result = CommitDeviceSettings();
    if (result == 0)
        result = DownloadMacros();
    if (result == 0)
        result = SendBeginEnd(1);
    // Also after a failure: battery, profile and sleep must stay seen while the mouse is there.
    if (result == 0 || commandLinkOpen())
        restartBatteryThreadOnGuiThread();
    return result;
}

int DownloadMacros()
{
    std::memset(MacroMemoryImage, 0, sizeof MacroMemoryImage);
    buildMacroBlocks();
    return SendReports(buildMacroMemoryReports());
}

int MacroStepCount(const ButtonInfo &entry) { return std::clamp(int(entry.KeyNumber), 0, kMaxMacroSteps); }

bool HasDelayStep(const ButtonInfo &entry)
{
    const int count = MacroStepCount(entry);
    for (int i = 0; i < count; ++i) {
        if (entry.keyInfo[i].map == kStepDelay)
            return true;
    }
    return false;
}

int BuildMacroBlock(const ButtonInfo &entry, int slot)
{
    const int count = MacroStepCount(entry);
    quint8 layout[kStepBytes * kLongestLayout] = {};
    int positions = 0;
    if (HasDelayStep(entry)) {
        for (int i = 0; i < count; ++i)
            putStep(layout, positions++, entry.keyInfo[i].map, entry.keyInfo[i].key, entry.keyInfo[i].H);
    } else {
        // A macro without delays of its own gets one delay unit after every four steps,
        // a closing one and a zero step.
        for (int i = 0; i < count; ++i) {
            putStep(layout, positions++, entry.keyInfo[i].map, entry.keyInfo[i].key, entry.keyInfo[i].H);
            if (i % 4 == 3)
                putStep(layout, positions++, kStepDelay, 1, 0);
        }
        putStep(layout, positions++, kStepDelay, 1, 0);
        ++positions;  // the zero step that ends the macro
    }
    if (positions > kBlockSteps) {
        qCDebug(lcDevice, "macro of %d steps cut to %d block steps\n", count, kBlockSteps);
        positions = kBlockSteps;
    }
    if (slot < 0 || slot >= kMacroBlockCount) {
        qCDebug(lcDevice, "macro slot %d outside the macro memory\n", slot);
        return 1;
    }
    quint8 *block = MacroMemoryImage + kMacroBlockSize * slot;
    std::memset(block, 0, kMacroBlockSize);
    std::memcpy(block, layout, size_t(kStepBytes * positions));
    return 1;
}

int FindMacroSlot(const QString &name)
{
    if (MacroSlotMap.empty())
        return -1;
    for (const auto &entry : MacroSlotMap) {
        if (entry.second == name)
            return entry.first;
    }
    return 255;
}

void RemoveMacroName(const QString &name)
{
    for (auto it = MacroSlotMap.begin(); it != MacroSlotMap.end(); ++it) {
        if (it->second == name) {
            MacroSlotMap.erase(it);
            return;
        }
    }
}
