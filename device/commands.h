#pragma once
// The command builders: each turns one area of the download image into CommandReports
// and sends them. The Build*/Encode* functions only compute bytes (no device, no file);
// the Send* functions add what they read from the device description, Config.ini and
// the last battery report, and send.

#include "devicedefaults.h"
#include "records.h"
#include "transport.h"

#include <QtGlobal>
#include <vector>

constexpr quint8 kCmdSettingsBlock = 0x01;
constexpr quint8 kCmdDpiStages = 0x02;
constexpr quint8 kCmdButtonTable = 0x03;
constexpr quint8 kCmdLightingTable = 0x04;
constexpr quint8 kCmdCommit = 0x40;
constexpr quint8 kCmdSelectProfile = 0x44;
constexpr quint8 kCmdBeginEnd = 0x46;

// Packet markers of a block sequence.
constexpr quint8 kMarkerSingle = 0x00;
constexpr quint8 kMarkerFirst = 0xD1;
constexpr quint8 kMarkerMiddle = 0xD2;
constexpr quint8 kMarkerClosing = 0xD3;
// Address of the report that closes a block (0x0FFF for the macro memory).
constexpr quint16 kClosingAddress = 0x007F;

constexpr int kSettingsBlockLength = 19;
constexpr int kLightingTableSize = 80;  // ten 8-byte device effects
constexpr int kButtonTableImageSize = 128;
// Slots the sent part of the table has room for (table bytes 2-97).
constexpr int kButtonTableSlots = 24;
constexpr int kWheelUpSlot = 22;    // carries profile button 40
constexpr int kWheelDownSlot = 23;  // carries profile button 41

using ReportList = std::vector<CommandReport>;

// One report: header and data; the checksum stays 0 (SendCommand fills it).
CommandReport MakeReport(quint8 command, quint16 address, quint8 length, quint8 marker,
                         const quint8 *data = nullptr);
// The report that closes a block of `command`: length 1, marker 0xD3, data 0x1A.
CommandReport MakeClosingReport(quint8 command, quint16 address = kClosingAddress);
// The commit of one settings group: address F3 with the group in the high byte.
CommandReport MakeCommitReport(quint8 group);
// Sends the reports in order; returns the first result that is not 0, else 0.
int SendReports(const ReportList &reports);

// --- Pure builders ---------------------------------------------------------------

// Device effect number of a light mode (1-10); any mode above 13 gives 6.
quint8 DeviceEffectNumber(int ledMode);
// Data bytes of the settings block. syncMode: "SyncMode" of the device description.
// lightingProfile: the profile whose light mode gives the effect byte (LightingProfileIndex).
// The current DPI stage goes out held inside the eight stages.
void BuildSettingsBlockData(const DeviceConfig &config, int syncMode, int lightingProfile,
                            quint8 (&data)[kSettingsBlockLength]);
ReportList BuildSettingsBlockReports(const DeviceConfig &config, int syncMode, int lightingProfile);

// (code, range) of one DPI register value. y selects the Y threshold where the sensor
// has its own (33952). batteryExtra: byte 10 of the last battery report (3395 limit).
struct DpiCode {
    quint8 code = 0;
    quint8 range = 0;
};
DpiCode EncodeDpiValue(int sensor, quint32 value, bool y, quint8 batteryExtra);
// Bytes 1-4 of a stage report: X pair then Y pair (Y first for the 3104 family; the 3335
// family sends the X code twice).
void EncodeDpiStage(int sensor, quint32 x, quint32 y, quint8 batteryExtra, quint8 (&pairs)[4]);
// A count outside 1-8 means 8.
int EffectiveDpiStageCount(int dpiCount);
ReportList BuildDpiStageReports(const ProfileRecord &profile, int dpiCount, int sensor, quint8 batteryExtra);

void BuildLightingTable(const ProfileRecord &profile, quint8 (&table)[kLightingTableSize]);
ReportList BuildLightingReports(const ProfileRecord &profile);

// The four slot bytes of a button's function. macroSlot: the device macro slot given to
// a macro or gun-file button (not read for other codes).
void EncodeButtonFunction(const ButtonInfo &button, int sensor, quint8 macroSlot, quint8 (&bytes)[4]);
// One row of the function table: a function code and its four table bytes.
struct FunctionRow {
    qint32 fun;
    quint8 bytes[4];
};
// The function table in search order; `rows` receives its length.
const FunctionRow *FunctionTableRows(int &rows);
// Table slot (0-23) that button-table slot `slot` is written to: the matrix value for a
// button position, the wheel slots themselves (swapped when scrollRev is 1). -1 when the
// matrix points outside the sent table.
int ButtonTableSlot(int slot, int scrollRev, const quint8 (&matrix)[kButtonMatrixSize]);
ReportList BuildButtonTableReports(const quint8 (&image)[kButtonTableImageSize]);

ReportList BuildBeginEndReports(int phase);
ReportList BuildCommitReports();

// --- Senders: the data ones read g_downloadConfig; the first failing report ends them ---

// The device button table image, rebuilt from zero by every SendButtonTable.
extern quint8 g_buttonTableImage[kButtonTableImageSize];

// 0 begin, 1 end of a download.
int SendBeginEnd(int phase);
int SendSettingsBlock(const DeviceConfig &config);
// The download passes the current profile.
int SendDpiStages(int profile);
// The lighting profile of the download image (LightingProfileIndex).
int SendLighting();
// The current profile of the download image; refills MacroSlotMap and the Res4 macro slots.
int SendButtonTable();
// Fills slot `slot` of g_buttonTableImage from button `button` of download profile
// `profile`; a macro button gets its device macro slot here.
void BuildButtonSlot(int profile, int button, int slot);
// Select-profile and its commit; their results are not looked at: always 1.
int SelectProfile(int index);
// The same two reports, both sent; returns the first result that is not 0, else 0.
int SendSelectProfile(int index);
// Commits the five settings groups; stops at the first failure.
int CommitDeviceSettings();
