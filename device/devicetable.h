#pragma once
// Which mouse to look for, where its collections were found, and the four process-wide
// hidapi handles the rest of the device link uses.

#include <hidapi/hidapi.h>

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <mutex>
#include <string>

// Usages of the collections the program opens (usage page 1 for all four).
constexpr int kMouseUsage = 2;
constexpr int kCommandUsage = 0;
constexpr int kGenericDesktopPage = 1;
// The receiver's command collection is its fourth top-level collection.
constexpr int kDongleCommandCollection = 4;

// One mouse model: its receiver (dongle) and its cable connection. Collections: A dongle
// mouse, B dongle command, C wired mouse, D wired command.
struct DeviceEntry {
    int dongleVid = 0;
    int wiredVid = 0;
    int donglePid = 0;
    int wiredPid = 0;
    int dongleReleaseMin = 0;
    int wiredReleaseMin = 0;
    int dongleReleaseMax = 0;  // 0: no check
    int wiredReleaseMax = 0;   // 0: no check
    int usageA = 0, usagePageA = 0;
    int usageB = 0, usagePageB = 0;
    int usageC = 0, usagePageC = 0;
    int usageD = 0, usagePageD = 0;
    std::string pathA, pathB, pathC, pathD;  // hidapi paths, 8-bit
    int foundA = 0, foundC = 0, foundB = 0, foundD = 0;
    QString modelName;
};

constexpr int kDeviceTableCapacity = 4;

struct DeviceTable {
    int count = 0;  // rows in use; the program fills exactly one
    std::array<DeviceEntry, kDeviceTableCapacity> entries;
};

// GUI thread only.
extern DeviceTable g_deviceTable;

// Null when closed. Opened and closed only by this module, under DeviceLinkMutex().
extern std::atomic<hid_device *> DongleMouseHandle;
extern std::atomic<hid_device *> DongleCommandHandle;
extern std::atomic<hid_device *> WiredMouseHandle;
extern std::atomic<hid_device *> WiredCommandHandle;
// Release number of the cable's command collection (its firmware version), 0 when none.
extern std::atomic<int> WiredReleaseNumber;

// Every hidapi call on a handle is made with this lock held: SendCommand holds it for the
// whole exchange, the battery thread for each of its reads. Never wait for the battery
// thread (StopBatteryThread) while holding it.
std::recursive_mutex &DeviceLinkMutex();

// The command handle every sender and the status thread use: the cable's when open, else
// the receiver's; null when neither is. Call with DeviceLinkMutex() held.
hid_device *CommandHandle();

// The main window, told once at start-up. (The download reaches the battery thread through
// StopBatteryThread/StartBatteryThread instead.)
void SetHidOwnerWindow(QObject *window);

// Clears the table and fills row 0 from the description's IDs and "Mouse_List/0" (also kept
// in g_modelNameTable[0]); a model name that is no safe file name is left empty.
void LoadDeviceTable();
// hid_init and one pass over every HID collection: sets paths and found flags. -1 when
// hid_init fails, else 0.
int EnumerateDevices();
// Opens the pairs whose two found flags are set, of the rows named `name`. Handles that are
// still open are closed first.
void OpenDeviceByName(const QString &name);
// Not used by the program: as OpenDeviceByName for the rows with these IDs.
void OpenDevice(int dongleVid, int donglePid, int wiredVid, int wiredPid);
// Stops the battery thread, then closes dongle mouse, dongle command, wired mouse, wired command.
void CloseDevice();
void ExitHid();
// Release number of the HID device at this path (from the enumeration), 0 when not present.
int GetDeviceReleaseNumber(const char *path);
// Whether a release number is within a table row's range; a maximum of 0 accepts any.
bool ReleaseAccepted(int release, int minimum, int maximum);
