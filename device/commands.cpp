#include "commands.h"

#include "batterythread.h"
#include "buttonfunctions.h"
#include "clamp.h"
#include "devicedefaults.h"
#include "devicelogging.h"
#include "download.h"
#include "keycodes.h"
#include "settings.h"

#include <algorithm>
#include <array>
#include <cstring>

quint8 g_buttonTableImage[kButtonTableImageSize] = {};

namespace {

constexpr quint8 kClosingData = 0x1A;
constexpr quint8 kSettingsBlockConstant = 0x1F;
constexpr quint8 kButtonTableHeader[2] = {0x0A, 0x00};
constexpr quint8 kButtonTableTail[4] = {0xFF, 0xFF, 0xFF, 0xFF};
constexpr quint16 kButtonTableTailAddress = 98;
constexpr quint8 kCommitAddressLow = 0xF3;
constexpr quint8 kSelectProfileGroup = 0x01;
// Settings groups in the order the firmware expects them committed.
constexpr quint8 kCommitGroups[] = {0x04, 0x01, 0x02, 0x08, 0x10};
constexpr int kComboSteps = 10;
// FindMacroSlot's answer for a name that is not in the map.
constexpr int kMacroNameNotFound = 255;

// Keeps a value that came from a file inside [low, high]; a clamp is logged.
qint64 clampLogged(qint64 value, qint64 low, qint64 high, const char *what)
{
    return ClampLogged(value, low, high, what, lcDevice);
}

// A DPI code table indexed from `first`.
struct CodeTable {
    const char *name;
    int first;
    const quint8 *codes;
    int count;

    quint8 at(qint64 index) const
    {
        return codes[clampLogged(index, first, first + count - 1, name) - first];
    }
};

// index 1 to 160
constexpr quint8 kCodesA[] = {
    0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18,
    19, 20, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 33, 35, 37, 38,
    39, 40, 41, 42, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 56, 57,
    58, 59, 60, 62, 63, 64, 65, 66, 68, 69, 70, 71, 72, 74, 75, 76,
    77, 78, 80, 81, 82, 83, 84, 86, 87, 88, 89, 90, 92, 93, 94, 95,
    96, 98, 99, 100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114,
    116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134,
    135, 136, 137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149, 150, 152, 153,
    154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167, 168, 170, 171, 172,
    173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188,
};
// index 0 to 61
constexpr quint8 kCodesB[] = {
    0, 4, 6, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31, 33, 36,
    38, 40, 43, 45, 47, 49, 52, 54, 56, 58, 61, 63, 65, 67, 70, 72,
    74, 77, 79, 81, 83, 86, 88, 90, 92, 95, 97, 99, 102, 104, 106, 108,
    111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140,
};
// index 0 to 50
constexpr quint8 kCodesC[] = {
    0, 2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34,
    36, 39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62, 64, 66, 69, 71,
    73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108,
    111, 113, 115,
};
// index 0 to 79
constexpr quint8 kCodesD[] = {
    188, 188, 4, 6, 9, 11, 14, 16, 18, 21, 23, 25, 27, 29, 32, 34,
    36, 39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62, 64, 66, 69, 72,
    74, 77, 78, 81, 84, 85, 88, 91, 93, 95, 98, 100, 102, 105, 107, 109,
    112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147,
    149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185,
};

const CodeTable kTableA{"DPI table A index", 1, kCodesA, int(sizeof kCodesA)};
const CodeTable kTableB{"DPI table B index", 0, kCodesB, int(sizeof kCodesB)};
const CodeTable kTableC{"DPI table C index", 0, kCodesC, int(sizeof kCodesC)};
const CodeTable kTableD{"DPI table D index", 0, kCodesD, int(sizeof kCodesD)};

// A code the firmware takes as it is: one byte.
quint8 directCode(qint64 value) { return quint8(clampLogged(value, 0, 0xFF, "DPI code")); }

DpiCode tableCode(const CodeTable &table, qint64 index, quint8 range) { return {table.at(index), range}; }

DpiCode littleEndian(qint64 value)
{
    const qint64 word = clampLogged(value, 0, 0xFFFF, "DPI value");
    return {quint8(word & 0xFF), quint8(word >> 8)};
}

// The upper range of the 16-bit sensors: the value shifted down, range flag in bit 15.
DpiCode shiftedWord(qint64 value)
{
    const qint64 word = clampLogged(value, 0, 0x7FFF, "DPI value");
    return {quint8(word & 0xFF), quint8((word >> 8) | 0x80)};
}

// Searched in this order; the first row with the code wins. 0x8F rows hold a keyboard
// modifier mask and usage, 0x8E rows a consumer-page usage (low, high).
constexpr FunctionRow kFunctionTable[] = {
    {kFunLeft, {0x81, 0x00, 0x00, 0x00}},
    {kFunRight, {0x82, 0x00, 0x00, 0x00}},
    {kFunMiddle, {0x83, 0x00, 0x00, 0x00}},
    {kFunForward, {0x85, 0x00, 0x00, 0x00}},
    {kFunBack, {0x84, 0x00, 0x00, 0x00}},
    {13, {0x30, 0x00, 0x00, 0x00}},  // no menu writes 13, 60 or 61; files may carry them
    {kFunDpiDown, {0x89, 0x00, 0x00, 0x00}},
    {kFunDpiUp, {0x8A, 0x00, 0x00, 0x00}},
    {kFunScrollUp, {0x8B, 0x00, 0x00, 0x00}},
    {kFunScrollDown, {0x8C, 0x00, 0x00, 0x00}},
    {kFunCut, {0x8F, 0x01, 0x1B, 0x00}},
    {kFunCopy, {0x8F, 0x01, 0x06, 0x00}},
    {kFunPaste, {0x8F, 0x01, 0x19, 0x00}},
    {kFunSelectAll, {0x8F, 0x01, 0x04, 0x00}},
    {kFunFind, {0x8F, 0x01, 0x09, 0x00}},
    {kFunNew, {0x8F, 0x01, 0x11, 0x00}},
    {kFunPrint, {0x8F, 0x01, 0x13, 0x00}},
    {kFunSave, {0x8F, 0x01, 0x16, 0x00}},
    {kFunSwitchWindow, {0x8F, 0x04, 0x2B, 0x00}},
    {kFunCloseWindow, {0x8F, 0x04, 0x3D, 0x00}},
    {kFunMyComputer, {0x8F, 0x08, 0x08, 0x00}},
    {kFunRun, {0x8F, 0x08, 0x15, 0x00}},
    {kFunShowDesktop, {0x8F, 0x08, 0x07, 0x00}},
    {kFunBossKey, {0x8F, 0x08, 0x10, 0x00}},
    {kFunLockPc, {0x8F, 0x08, 0x0F, 0x00}},
    {kFunBrowserHome, {0x8E, 0x01, 0x23, 0x02}},
    {kFunBrowserBackward, {0x8E, 0x01, 0x24, 0x02}},
    {kFunBrowserForward, {0x8E, 0x01, 0x25, 0x02}},
    {kFunBrowserStop, {0x8E, 0x01, 0x26, 0x02}},
    {kFunBrowserRefresh, {0x8E, 0x01, 0x27, 0x02}},
    {kFunBrowserSearch, {0x8E, 0x01, 0x21, 0x02}},
    {kFunBrowserFavorite, {0x8E, 0x01, 0x2A, 0x02}},
    {kFunMail, {0x8E, 0x01, 0x8A, 0x01}},
    {kFunStop, {0x8E, 0x01, 0xB7, 0x00}},
    {kFunPlayPause, {0x8E, 0x01, 0xCD, 0x00}},
    {kFunPreviousTrack, {0x8E, 0x01, 0xB6, 0x00}},
    {kFunNextTrack, {0x8E, 0x01, 0xB5, 0x00}},
    {kFunVolumeUp, {0x8E, 0x01, 0xE9, 0x00}},
    {kFunVolumeDown, {0x8E, 0x01, 0xEA, 0x00}},
    {kFunMute, {0x8E, 0x01, 0xE2, 0x00}},
    {kFunMediaPlayer, {0x8E, 0x01, 0x83, 0x01}},
    {kFunSingleKey, {0x90, 0x00, 0x00, 0x00}},
    {kFunMacro, {0x91, 0x00, 0x00, 0x00}},
    {kFunGunFile, {0x9D, 0x00, 0x00, 0x00}},
    {kFunFireKey, {0x99, 0x00, 0x00, 0x00}},
    {kFunButtonOff, {0x00, 0x00, 0x00, 0x00}},
    {kFunDpiSwitch, {0x88, 0x00, 0x00, 0x00}},
    {kFunRateSwitch, {0x97, 0x01, 0x00, 0x00}},
    {kFunRateUp, {0x97, 0x00, 0x00, 0x00}},
    {kFunRateDown, {0x98, 0x00, 0x00, 0x00}},
    {kFunProfileSwitch, {0x8D, 0x00, 0x00, 0x00}},
    {kFunProfileUp, {0x94, 0x00, 0x00, 0x00}},
    {kFunProfileDown, {0x95, 0x00, 0x00, 0x00}},
    {kFunComboKey, {0x8F, 0x00, 0x00, 0x00}},
    {kFunLedSwitch, {0x9B, 0x08, 0x00, 0x00}},
    {kFunSniper, {0x9A, 0x01, 0x01, 0x01}},
    {60, {0x9F, 0x00, 0x00, 0x00}},
    {61, {0xA0, 0x00, 0x00, 0x00}},
};

const FunctionRow *findFunction(qint32 fun)
{
    for (const FunctionRow &row : kFunctionTable) {
        if (row.fun == fun)
            return &row;
    }
    return nullptr;
}

// Modifier mask bit of a key code in a combo (0: not a modifier).
int comboModifierBit(int keyCode)
{
    switch (keyCode) {
    case 29: case 238: return 1;  // Ctrl
    case 42: case 54: return 2;   // Shift
    case 56: case 239: return 4;  // Alt
    case 91: case 92: return 8;   // Windows
    default: return 0;
    }
}

void encodeComboKey(const ButtonInfo &button, quint8 (&bytes)[4])
{
    int modifierSum = 0;
    quint8 key = 0;
    for (int i = 0; i < kComboSteps; ++i) {
        const quint8 usage = button.keyInfo[i].map;
        if (usage == 0)
            continue;
        int keyCode = 0;
        HidUsageToKeyCode(usage, keyCode);
        const int bit = comboModifierBit(keyCode);
        if (bit)
            modifierSum += bit;
        else
            key = usage;
    }
    // Each modifier was counted at its press and at its release.
    bytes[1] = quint8(modifierSum / 2);
    bytes[2] = key;
    bytes[3] = 0;
}

// The sniper DPI in the sensor's register code; false for a sensor without one.
bool sniperCode(int sensor, quint8 value, quint8 &code)
{
    switch (sensor) {
    case 3104: case 3212: case 3389: code = value; return true;
    case 3325: code = kTableC.at(value); return true;
    case 3327: code = kTableB.at(value); return true;
    case 3335: code = kTableA.at(value); return true;
    case 3360: code = directCode(qint64(value) - 1); return true;
    default: return false;
    }
}

void encodeMacro(const ButtonInfo &button, quint8 macroSlot, quint8 (&bytes)[4])
{
    switch (button.Res1) {
    case kMacroRunWhileHeld:
        bytes[1] = quint8(macroSlot | 0x80);
        bytes[2] = bytes[3] = 0xFF;
        return;
    case kMacroRunToggle:
        bytes[1] = quint8(macroSlot | 0x40);
        bytes[2] = bytes[3] = 0xFF;
        return;
    case kMacroRunLoop:
        bytes[1] = macroSlot;
        break;
    default:
        break;  // unknown mode: byte 1 stays as the table gave it
    }
    bytes[2] = quint8(button.LoopNumber & 0xFF);
    bytes[3] = quint8((button.LoopNumber >> 8) & 0xFF);
}

// The slot of `name` in the macro slot map, or the next free one, recorded there.
quint8 assignMacroSlot(const QString &name)
{
    const int found = FindMacroSlot(name);
    if (found >= 0 && found != kMacroNameNotFound)
        return quint8(found);
    const quint8 slot = quint8(MacroSlotMap.size());
    MacroSlotMap[slot] = name;
    return slot;
}

// One report's share of a block: its address, which is also its offset in the data.
struct Chunk {
    quint16 address;
    quint8 length;
};

// Reports of a block: `chunks` of `data`, the first marked 0xD1 when `first` is set.

template <size_t N>
void appendChunks(ReportList &reports, quint8 command, const quint8 *data, const Chunk (&chunks)[N], bool first)
{
    for (const Chunk &chunk : chunks) {
        reports.push_back(MakeReport(command, chunk.address, chunk.length, first ? kMarkerFirst : kMarkerMiddle,
                                     data + chunk.address));
        first = false;
    }
}

} // namespace

const FunctionRow *FunctionTableRows(int &rows)
{
    rows = int(std::size(kFunctionTable));
    return kFunctionTable;
}

// --- Reports -------------------------------------------------------------------------

CommandReport MakeReport(quint8 command, quint16 address, quint8 length, quint8 marker, const quint8 *data)
{
    CommandReport report;
    quint8 *bytes = ReportBytes(report);
    bytes[kReportIdOffset] = kCommandReportId;
    bytes[kFrameOffset] = kFrameMarker;
    bytes[kCommandOffset] = command;
    bytes[kAddressOffset] = quint8(address & 0xFF);
    bytes[kAddressOffset + 1] = quint8(address >> 8);
    bytes[kLengthOffset] = length;
    bytes[kMarkerOffset] = marker;
    if (data)
        std::memcpy(bytes + kDataOffset, data, std::min<size_t>(length, kReportDataSize));
    return report;
}

CommandReport MakeClosingReport(quint8 command, quint16 address)
{
    return MakeReport(command, address, 1, kMarkerClosing, &kClosingData);
}

int SendReports(const ReportList &reports)
{
    for (const CommandReport &report : reports) {
        const int result = SendCommand(report, kCommandReportSize);
        if (result != 0)
            return result;
    }
    return 0;
}

// --- Settings block ------------------------------------------------------------------

quint8 DeviceEffectNumber(int ledMode)
{
    static constexpr quint8 kEffects[kLedModes] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    return ledMode >= 0 && ledMode < kLedModes ? kEffects[ledMode] : 6;
}

void BuildSettingsBlockData(const DeviceConfig &config, int syncMode, int lightingProfile,
                            quint8 (&data)[kSettingsBlockLength])
{
    const int current = int(clampLogged(config.ProfileID, 0, kProfileCount - 1, "profile index"));
    const ProfileRecord &currentProfile = config.profiles[current];
    const int lighting = int(clampLogged(lightingProfile, 0, kProfileCount - 1, "lighting profile index"));
    quint8 lift = config.LiftHigh;
    if (syncMode != 0) {
        if (config.Sync != 0)
            lift |= 0x80;
        if (config.AngleValue == 0)
            lift |= 0x40;
        if (config.Jitter == 0)
            lift |= 0x20;
    }
    for (int i = 0; i < kProfileCount; ++i) {
        data[i] = config.profiles[i].scrollspeed;
        data[11 + i] = config.profiles[i].pollrate;
    }
    data[5] = lift;
    data[6] = quint8(current);
    data[7] = config.profiles[0].LedMoveOFF;
    data[8] = config.profiles[0].LedSleepTime;
    data[9] = config.Debounce;
    data[10] = quint8(config.SensorMode | (config.Wake != 0 ? 0x80 : 0));
    data[16] = kSettingsBlockConstant;
    // The firmware indexes its stage table with it.
    data[17] = quint8(clampLogged(currentProfile.dpi, 0, kDpiStages - 1, "DPI stage"));
    data[18] = DeviceEffectNumber(config.profiles[lighting].LedMode);
}

ReportList BuildSettingsBlockReports(const DeviceConfig &config, int syncMode, int lightingProfile)
{
    quint8 data[kSettingsBlockLength] = {};
    BuildSettingsBlockData(config, syncMode, lightingProfile, data);
    return {MakeReport(kCmdSettingsBlock, 0, kSettingsBlockLength, kMarkerFirst, data),
            MakeClosingReport(kCmdSettingsBlock)};
}

// --- DPI stages ----------------------------------------------------------------------

DpiCode EncodeDpiValue(int sensor, quint32 value, bool y, quint8 batteryExtra)
{
    const qint64 v = value;
    switch (sensor) {
    case 3104:
    case 31042:
        return v <= 106 ? DpiCode{directCode(v), 0} : DpiCode{directCode(v - 53), 1};
    case 3212:
        if (v <= 63)
            return {directCode(v), 0};
        if (v <= 94)
            return {directCode(v - 32), 1};
        return {directCode(v - 63), 2};
    case 3311:
    case 33112:
        return v <= 120 ? tableCode(kTableA, v, 0) : tableCode(kTableA, v - 60, 1);
    case 3325:
    case 33252:
        if (v <= 50)
            return tableCode(kTableC, v, 0);
        if (v <= 75)
            return tableCode(kTableC, v - 25, 1);
        return tableCode(kTableC, v - 50, 2);
    case 3327:
        if (v <= 61)
            return tableCode(kTableB, v, 0);
        if (v <= 92)
            return tableCode(kTableB, v - 31, 1);
        return tableCode(kTableB, v - 52, 4);
    case 3333:
        return v <= 79 ? tableCode(kTableD, v, 0) : tableCode(kTableD, v - 40, 1);
    case 3335:
    case 33352:
        return v <= 160 ? tableCode(kTableA, v, 0) : tableCode(kTableA, v - 80, 1);
    case 3360:
        return v <= 120 ? DpiCode{directCode(v - 1), 0} : DpiCode{directCode(v - 61), 1};
    case 3370:
        return v <= 200 ? DpiCode{directCode(v - 1), 0} : DpiCode{directCode(v - 101), 1};
    case 3389:
        return v <= 320 ? littleEndian(v) : shiftedWord(v - 160);
    case 3395:
        // The receiver that reports 8 here cannot take the upper range.
        return littleEndian(batteryExtra == 8 ? std::min<qint64>(v, 399) : v);
    case 33952:
        return v <= (y ? 520 : 519) ? littleEndian(v) : shiftedWord(v - 260);
    default:
        return {};
    }
}

void EncodeDpiStage(int sensor, quint32 x, quint32 y, quint8 batteryExtra, quint8 (&pairs)[4])
{
    DpiCode first = EncodeDpiValue(sensor, x, false, batteryExtra);
    DpiCode second = EncodeDpiValue(sensor, y, true, batteryExtra);
    if (sensor == 3104 || sensor == 31042)
        std::swap(first, second);
    else if (sensor == 3335 || sensor == 33352)
        second = first;
    pairs[0] = first.code;
    pairs[1] = first.range;
    pairs[2] = second.code;
    pairs[3] = second.range;
}

int EffectiveDpiStageCount(int dpiCount) { return dpiCount >= 1 && dpiCount <= kDpiStages ? dpiCount : kDpiStages; }

ReportList BuildDpiStageReports(const ProfileRecord &profile, int dpiCount, int sensor, quint8 batteryExtra)
{
    const int count = EffectiveDpiStageCount(dpiCount);
    const quint8 countByte = quint8(count);
    ReportList reports{MakeReport(kCmdDpiStages, 0, 1, kMarkerFirst, &countByte)};
    for (int i = 0; i < kDpiStages; ++i) {
        const DpiInfo &stage = profile.dpiInfo[i];
        quint8 data[5] = {};
        data[0] = i < count ? stage.used : 0;
        quint8 pairs[4];
        EncodeDpiStage(sensor, stage.x, stage.y, batteryExtra, pairs);
        std::copy(pairs, pairs + 4, data + 1);
        reports.push_back(MakeReport(kCmdDpiStages, quint16(1 + 5 * i), 5, kMarkerMiddle, data));
    }
    reports.push_back(MakeClosingReport(kCmdDpiStages));
    return reports;
}

// --- Lighting ------------------------------------------------------------------------

void BuildLightingTable(const ProfileRecord &profile, quint8 (&table)[kLightingTableSize])
{
    std::fill(table, table + kLightingTableSize, 0);
    const LedModeInfo *modes = profile.ledModes;
    auto low = [](quint32 value) { return quint8(value & 0xFF); };
    auto put = [&table](int entry, std::array<quint8, 7> bytes) {
        table[8 * entry] = 0x80;
        std::copy(bytes.begin(), bytes.end(), table + 8 * entry + 1);
    };
    const QColor &steady = modes[1].RGB;
    const QColor &breathing = modes[2].RGB;
    // Device effect 0 is lights off; modes 5 to 8 have no device effect.
    put(0, {0, 0, 0, 0, 0, 0, 0});
    put(1, {quint8(steady.red()), quint8(steady.green()), quint8(steady.blue()), 0x01, 0, 0x02, low(modes[1].bright)});
    put(2, {quint8(breathing.red()), quint8(breathing.green()), quint8(breathing.blue()), 0x01, low(modes[2].breath),
            0x04, 0x03});
    put(3, {0, 0, 0, 0x01, low(modes[3].breath), 0x01, 0x03});
    put(4, {0, 0, 0, 0x01, low(modes[4].breath), 0x08, low(modes[4].bright)});
    put(5, {0, 0, 0, 0x05, low(modes[9].breath), 0x01, low(modes[9].bright)});
    put(6, {0, 0, 0, 0x07, 0, 0x00, low(modes[11].bright)});
    put(7, {0, 0, 0, 0x06, low(modes[10].breath), 0x00, low(modes[10].bright)});
    put(8, {0, 0, 0, 0x08, low(modes[12].breath), 0x00, low(modes[12].bright)});
    put(9, {0, 0, 0, 0x09, low(modes[13].breath), 0x00, low(modes[13].bright)});
}

ReportList BuildLightingReports(const ProfileRecord &profile)
{
    quint8 table[kLightingTableSize];
    BuildLightingTable(profile, table);
    static constexpr Chunk kChunks[] = {{0, 24}, {24, 24}, {48, 24}, {72, 8}};
    ReportList reports;
    appendChunks(reports, kCmdLightingTable, table, kChunks, true);
    reports.push_back(MakeClosingReport(kCmdLightingTable));
    return reports;
}

// --- Button table --------------------------------------------------------------------

void EncodeButtonFunction(const ButtonInfo &button, int sensor, quint8 macroSlot, quint8 (&bytes)[4])
{
    const FunctionRow *row = findFunction(button.Fun);
    if (!row) {
        std::fill(bytes, bytes + 4, 0);
        return;
    }
    std::copy(row->bytes, row->bytes + 4, bytes);
    switch (button.Fun) {
    case kFunSingleKey: {
        int usage = 0;
        KeyCodeToHidUsage(button.Res1, usage);
        bytes[1] = 0;
        bytes[2] = quint8(usage);
        bytes[3] = 0;
        break;
    }
    case kFunComboKey:
        encodeComboKey(button, bytes);
        break;
    case kFunFireKey:
        if (button.Res1 == 0) {
            bytes[1] = kFireLeftButton;
            bytes[2] = 0x03;
            bytes[3] = 0x00;
        } else {
            bytes[1] = button.Res1;
            bytes[2] = quint8(button.LoopNumber & 0xFF);
            bytes[3] = quint8((button.KeyNumber / 10) & 0xFF);
        }
        break;
    case kFunSniper: {
        bytes[1] = 0x01;
        bytes[2] = bytes[3] = 0x04;
        quint8 code = 0;
        if (sniperCode(sensor, button.Res1, code))
            bytes[2] = bytes[3] = code;
        break;
    }
    case kFunMacro:
    case kFunGunFile:
        encodeMacro(button, macroSlot, bytes);
        break;
    default:
        break;
    }
}

int ButtonTableSlot(int slot, int scrollRev, const quint8 (&matrix)[kButtonMatrixSize])
{
    int tableSlot = -1;
    if (slot == kWheelUpSlot || slot == kWheelDownSlot) {
        const bool swapped = scrollRev == 1;
        tableSlot = swapped ? kWheelUpSlot + kWheelDownSlot - slot : slot;
    } else if (slot >= 0 && slot < kButtonMatrixSize) {
        tableSlot = matrix[slot];
    }
    return tableSlot >= 0 && tableSlot < kButtonTableSlots ? tableSlot : -1;
}

ReportList BuildButtonTableReports(const quint8 (&image)[kButtonTableImageSize])
{
    static constexpr Chunk kChunks[] = {{2, 24}, {26, 24}, {50, 24}, {74, 24}};
    ReportList reports{MakeReport(kCmdButtonTable, 0, 2, kMarkerFirst, image)};
    appendChunks(reports, kCmdButtonTable, image, kChunks, false);
    reports.push_back(MakeReport(kCmdButtonTable, kButtonTableTailAddress, 4, kMarkerMiddle, kButtonTableTail));
    reports.push_back(MakeClosingReport(kCmdButtonTable));
    return reports;
}

// --- Single commands -----------------------------------------------------------------

ReportList BuildBeginEndReports(int phase)
{
    return {MakeReport(kCmdBeginEnd, quint16(phase), 0, kMarkerSingle)};
}

CommandReport MakeCommitReport(quint8 group)
{
    return MakeReport(kCmdCommit, quint16(kCommitAddressLow | (group << 8)), 0, kMarkerSingle);
}

ReportList BuildCommitReports()
{
    ReportList reports;
    for (quint8 group : kCommitGroups)
        reports.push_back(MakeCommitReport(group));
    return reports;
}

// --- Senders -------------------------------------------------------------------------

int SendBeginEnd(int phase) { return SendReports(BuildBeginEndReports(phase)); }

int SendSettingsBlock(const DeviceConfig &config)
{
    return SendReports(BuildSettingsBlockReports(config, GetSyncMode(), LightingProfileIndex(config)));
}

int SendDpiStages(int profile)
{
    const int index = int(clampLogged(profile, 0, kProfileCount - 1, "DPI profile index"));
    return SendReports(BuildDpiStageReports(g_downloadConfig.profiles[index], GetDpiCount(), GetMouseSensor(),
                                            g_batteryExtra));
}

int SendLighting()
{
    return SendReports(BuildLightingReports(g_downloadConfig.profiles[LightingProfileIndex(g_downloadConfig)]));
}

namespace {

// BuildButtonSlot with the description values read once by the caller.
void buildButtonSlot(int profile, int button, int slot, int sensor, int scrollRev)
{
    if (profile < 0 || profile >= kProfileCount || button < 0 || button >= kButtonCount) {
        qCDebug(lcDevice, "button %d of profile %d does not exist\n", button, profile);
        return;
    }
    std::copy(kButtonTableHeader, kButtonTableHeader + 2, g_buttonTableImage);
    const int tableSlot = ButtonTableSlot(slot, scrollRev, g_buttonMatrix);
    if (tableSlot < 0) {
        qCDebug(lcDevice, "button %d: slot %d lies outside the button table, skipped\n", button, slot);
        return;
    }
    ButtonInfo &info = g_downloadConfig.profiles[profile].buttonInfo[button];
    quint8 macroSlot = 0;
    if (IsMacroFunction(info.Fun)) {
        macroSlot = assignMacroSlot(info.macroname);
        info.Res4 = macroSlot;
    }
    quint8 bytes[4];
    EncodeButtonFunction(info, sensor, macroSlot, bytes);
    std::copy(bytes, bytes + 4, g_buttonTableImage + 2 + 4 * tableSlot);
}

} // namespace

void BuildButtonSlot(int profile, int button, int slot)
{
    buildButtonSlot(profile, button, slot, GetMouseSensor(), GetScrollRev());
}

int SendButtonTable()
{
    MacroSlotMap.clear();
    // From zero: a button that is gone since the last download must not keep its bytes.
    std::fill(g_buttonTableImage, g_buttonTableImage + kButtonTableImageSize, 0);
    const int buttons = int(clampLogged(GetButtonCountAndDpi(), 0, kButtonMatrixSize, "button count"));
    // Both files are read once, not once per button.
    const int sensor = GetMouseSensor();
    const int scrollRev = GetScrollRev();
    const int profile = CurrentProfileIndex(g_downloadConfig);
    for (int i = 0; i < buttons; ++i)
        buildButtonSlot(profile, i, i, sensor, scrollRev);
    buildButtonSlot(profile, 40, kWheelUpSlot, sensor, scrollRev);
    buildButtonSlot(profile, 41, kWheelDownSlot, sensor, scrollRev);
    return SendReports(BuildButtonTableReports(g_buttonTableImage));
}

int SelectProfile(int index)
{
    SendSelectProfile(index);
    return 1;
}

int SendSelectProfile(int index)
{
    // Both go out whatever the first gave.
    const int selected =
        SendCommand(MakeReport(kCmdSelectProfile, quint16(index & 0xFF), 0, kMarkerSingle), kCommandReportSize);
    const int committed = SendCommand(MakeCommitReport(kSelectProfileGroup), kCommandReportSize);
    return selected != 0 ? selected : committed;
}

int CommitDeviceSettings() { return SendReports(BuildCommitReports()); }
