#pragma once
// The simulated mouse: an in-process stand-in for the hidapi library (hid_init ... hid_close,
// hid_get_device_info, the feature-report calls), linked in place of libhidapi by the tests
// and by the app-simulated executable. This header is the tests' control panel.
//
// What it models: a receiver and a cable, each plugged or not, with the interfaces hidapi
// on Linux reports (one path per interface) and their report descriptors: interface 0 the
// mouse collection (page 1, usage 2) holding a Physical 'Pointer' collection (page 1,
// usage 1); interface 1 consumer (holding the same Physical collection), system control,
// vendor and, as its fourth top-level collection, the command collection (page 1, usage 0).
// The descriptors lie where the program reads them (a folder standing in for /sys, set with
// SetSysfsRootForTesting) while the link is plugged. An unrelated device (vendor 0x04D9,
// null serial number); the firmware that echoes, keeps what it was sent and answers the
// battery query; faults; checks; a log.
//
// State persists for the process until SimReset(). Every function is thread-safe.
// Vendor/product IDs come from the installed description (DefaultProfile.bin in the
// application directory, read when a link is plugged) unless SimSetIds() fixed them.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

enum class SimLink { Receiver, Cable };

// ---- Presence ---------------------------------------------------------------------------

// Back to the start: only the unrelated device plugged (nothing is announced), IDs, memory,
// faults, battery and the log forgotten; checks fatal again, timeouts real, latency 0.
// Handles still open stay valid objects but fail (-1) like those of an unplugged device.
void SimReset();
// Fixes the IDs (otherwise read from the description when a link is plugged).
void SimSetIds(int dongleVid, int donglePid, int cableVid, int cablePid);
// Plugging or unplugging while the program runs also announces the interfaces to
// HidHotplugMonitor, as udev would. Open handles of an unplugged link fail (-1).
void SimPlug(SimLink link, bool plugged);
void SimPlugReceiver();
void SimPlugCable();
void SimUnplugReceiver();
void SimUnplugCable();
void SimUnplugAll();
bool SimIsPlugged(SimLink link);
// Collection number (1-4) of the receiver's command collection within its interface
// (default 4); another value puts a vendor collection in the fourth place.
void SimSetReceiverCommandCollection(int number);
// Which collections hid_enumerate lists: every one with a usage, nested ones too, as hidapi
// 0.13 and 0.14 (Debian 12 and 13) do (the default), or the top-level ones only, as from 0.15.
enum class SimEnumeration { EveryCollection, TopLevelOnly };
void SimSetEnumeration(SimEnumeration style);
// bcdDevice of each link (defaults 0x0100 receiver, 0x0105 cable).
void SimSetReleaseNumber(SimLink link, int release);
// The unrelated device, present by default.
void SimSetUnrelatedDevice(bool present);
// Makes hid_init fail (-1).
void SimSetInitFails(bool fails);
// Interface paths: "/dev/hidraw-sim-receiver-0", "-1", "/dev/hidraw-sim-cable-0", "-1".
QByteArray SimMousePath(SimLink link);
QByteArray SimCommandPath(SimLink link);

// ---- Firmware ---------------------------------------------------------------------------

// Battery answer to the 0x48 query: voltage raw value (mV = raw * 990 / 240) little-endian
// in bytes 4-5, charging flag in 6, write status in 7, extra byte in 10.
void SimSetBattery(int voltage, bool charging, quint8 writeStatus = 1, quint8 extra = 0);
// Asleep: the battery bytes are all zero.
void SimSetAsleep(bool asleep);
// Queues a status report ('I': profile, DPI stage, report rate, light mode) on the command
// collection in use (the cable's when plugged, else the receiver's).
void SimSendStatus(quint8 profile, quint8 dpiStage, quint8 reportRate, quint8 lightMode);
// Queues a battery report as the mouse would send it on its own.
void SimSendBattery();
// Queues any 33-byte input report (shorter is zero-filled) on the command collection in use.
void SimQueueInput(const QByteArray &report);
// Latency of every reply (echo and battery answer), in ms.
void SimSetReplyDelay(int ms);
// When true, a read with nothing to take returns at once instead of waiting its timeout.
void SimSetInstantTimeouts(bool instant);
// When > 0, a read that finds nothing queued gets a battery report if that many ms passed
// since the last one (the voltage drifts a little). For the simulated program.
void SimSetSpontaneousBattery(int intervalMs);

// Memory areas, by command: 0x01 settings (128 bytes), 0x02 DPI stages (128), 0x03 button
// table (128), 0x04 lighting (128), 0x05 macro memory (4096), 0x42 block-write registers
// (4096). Each report stores its data at its address; a closing report (0xD3) only counts.
QByteArray SimArea(quint8 command);
// Settings block data byte 11 + profile.
quint8 SimReportRate(int profile);
// DPI area: byte 0 (count) and the five bytes of stage i at 1 + 5i.
int SimDpiStageCount();
QByteArray SimDpiStage(int stage);
// Closing reports received for a block command.
int SimClosings(quint8 command);
// Commit groups (address high byte of 0x40) in the order received.
QList<quint8> SimCommits();
// Last select-profile index (-1 none).
int SimSelectedProfile();
int SimBeginCount();
int SimEndCount();

// ---- Faults -----------------------------------------------------------------------------
// Each fault affects the events of its kind after `skip` such events, `count` of them
// (-1: all from then on). Events are counted from the call. Setting a kind again replaces it.

enum class SimFault {
    WriteFails,        // hid_write returns -1 (nothing reaches the mouse)
    ReadError,         // hid_read_timeout returns -1
    Silence,           // every read times out (0), whatever is queued
    ZeroReply,         // the echo is 33 zero bytes (event: echo)
    FlippedData,       // the echo has data byte 0 inverted (event: echo)
    WrongHeader,       // the echo's command byte is wrong (event: echo)
    LateEcho,          // the echo arrives one read late: the first read after it times out (event: echo)
    StatusBeforeEcho,  // a status report is queued just before the echo (event: echo)
    UnplugOnWrite,     // the link in use is unplugged at this write, which fails (event: write)
};
void SimSetFault(SimFault fault, int skip = 0, int count = -1);
void SimClearFault(SimFault fault);
void SimClearFaults();
// Every echo (commits and begin/end too) all zero from now, which SendCommand ends with
// result 2 after six writes; false clears it.
void SimFailEchoes(bool fail);

// ---- Checks -----------------------------------------------------------------------------
// A report with a wrong report ID or checksum, a handle used after hid_close, a closed
// handle closed again, two threads inside hidapi calls on one handle at once. By default
// each is fatal (qFatal: the test fails at once); otherwise recorded and logged (qCritical).

void SimSetViolationsFatal(bool fatal);
QStringList SimViolations();

// ---- Log --------------------------------------------------------------------------------

enum class SimCall { Write, Read, SendFeature, GetFeature, Open, Close };

struct SimLogEntry {
    qint64 timeUs = 0;  // steady clock, microseconds since SimReset (or start)
    SimCall call = SimCall::Write;
    QByteArray path;    // the handle's path
    QByteArray bytes;   // written, or read (empty after a timeout or error)
    int result = 0;     // the call's return value
    int timeoutMs = 0;  // reads
};

QList<SimLogEntry> SimLog();
void SimClearLog();
int SimWriteCount();  // hid_write calls (failed ones included)
int SimReadCount();   // hid_read_timeout and hid_read calls
// Writes whose command byte (byte 3) is `command`.
int SimWriteCountOf(quint8 command);
bool SimLogHasCommand(quint8 command);
// From now on also appends one line per report the mouse receives (a hid_write or feature
// report that reached it) or sends (a read that returned data) to the file at path: local
// time, "received" or "sent", the handle's path, the bytes in hex. An empty path stops it;
// false when the file cannot be opened. SimReset() leaves it as it is.
bool SimLogReportsTo(const QString &path);
// Handles opened and not yet closed; hid_init and hid_exit calls.
int SimOpenHandleCount();
int SimInitCount();
int SimExitCount();

// ---- The simulated program ------------------------------------------------------------

// Sets the presence from the environment variable MOUSESIM (receiver, cable, both, none,
// asleep; default receiver), makes checks non-fatal and turns on spontaneous battery reports.
void SimSetUpFromEnvironment();
// Makes the first hid_init call SimSetUpFromEnvironment(). The object `mousesim_program`,
// linked only into app-simulated, does this at start; tests do not.
void SimSetUpAtFirstInit();
