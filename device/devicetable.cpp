#include "devicetable.h"

#include "batterythread.h"
#include "devicedefaults.h"
#include "devicelogging.h"
#include "filenames.h"
#include "hidcollections.h"
#include "settings.h"

#include <QSettings>
#include <vector>

DeviceTable g_deviceTable;

std::atomic<hid_device *> DongleMouseHandle{nullptr};
std::atomic<hid_device *> DongleCommandHandle{nullptr};
std::atomic<hid_device *> WiredMouseHandle{nullptr};
std::atomic<hid_device *> WiredCommandHandle{nullptr};
std::atomic<int> WiredReleaseNumber{0};

namespace {

QObject *g_ownerWindow = nullptr;

// The vendor whose devices the enumeration also writes to the debug log.
constexpr unsigned short kLoggedVendor = 0x04D9;

QString wideText(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

void logDeviceFound(const hid_device_info &d)
{
    // One line, so that a filter on the category keeps the whole record.
    qCDebug(lcDevice, "Device Found  type: %x %x  path: %s  serial_number: %s  usge %x uu %x", d.vendor_id,
            d.product_id, d.path ? d.path : "", qPrintable(wideText(d.serial_number)), d.usage, d.usage_page);
}

// Sets one row's paths and found flags from one enumeration entry.
void matchEntry(DeviceEntry &row, const hid_device_info &d, int collection)
{
    const std::string path = d.path ? d.path : "";
    if (d.vendor_id == row.dongleVid && d.product_id == row.donglePid) {
        if (d.usage == row.usageA && d.usage_page == row.usagePageA
            && ReleaseAccepted(d.release_number, row.dongleReleaseMin, row.dongleReleaseMax)) {
            row.pathA = path;
            row.foundA = 1;
            qCDebug(lcDevice, "1 %s\n", path.c_str());
        } else if (d.usage == row.usageB && d.usage_page == row.usagePageB && collection == kDongleCommandCollection) {
            row.pathB = path;
            row.foundB = 1;
            qCDebug(lcDevice, "2 %s\n", path.c_str());
        }
    } else if (d.vendor_id == row.wiredVid && d.product_id == row.wiredPid) {
        if (d.usage == row.usageC && d.usage_page == row.usagePageC
            && ReleaseAccepted(d.release_number, row.wiredReleaseMin, row.wiredReleaseMax)) {
            row.pathC = path;
            row.foundC = 1;
            qCDebug(lcDevice, "3 %s\n", path.c_str());
        } else if (d.usage == row.usageD && d.usage_page == row.usagePageD
                   && ReleaseAccepted(d.release_number, row.wiredReleaseMin, row.wiredReleaseMax)) {
            row.pathD = path;
            row.foundD = 1;
            qCDebug(lcDevice, "4 %s\n", path.c_str());
            WiredReleaseNumber = d.release_number;
        }
    }
}

// Closes the handle if open; with DeviceLinkMutex() held.
void closeHandle(std::atomic<hid_device *> &handle)
{
    if (hid_device *h = handle.exchange(nullptr))
        hid_close(h);
}

// Opens the pair (closing what was open in its place); with DeviceLinkMutex() held.
void openPair(std::atomic<hid_device *> &mouse, const std::string &mousePath, std::atomic<hid_device *> &command,
              const std::string &commandPath)
{
    closeHandle(mouse);
    closeHandle(command);
    mouse = hid_open_path(mousePath.c_str());
    command = hid_open_path(commandPath.c_str());
}

void openRow(const DeviceEntry &row)
{
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    if (row.foundA == 1 && row.foundB == 1)
        openPair(DongleMouseHandle, row.pathA, DongleCommandHandle, row.pathB);
    if (row.foundC == 1 && row.foundD == 1)
        openPair(WiredMouseHandle, row.pathC, WiredCommandHandle, row.pathD);
}

} // namespace

std::recursive_mutex &DeviceLinkMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

hid_device *CommandHandle()
{
    hid_device *wired = WiredCommandHandle.load();
    return wired ? wired : DongleCommandHandle.load();
}

void SetHidOwnerWindow(QObject *window)
{
    g_ownerWindow = window;
}

void LoadDeviceTable()
{
    g_deviceTable = DeviceTable();
    WiredReleaseNumber = 0;
    g_deviceTable.count = 1;
    DeviceEntry &row = g_deviceTable.entries[0];
    GetVidPid(row.dongleVid, row.donglePid, row.wiredVid, row.wiredPid);
    row.usageA = kMouseUsage;
    row.usagePageA = kGenericDesktopPage;
    row.usageB = kCommandUsage;
    row.usagePageB = kGenericDesktopPage;
    row.usageC = kMouseUsage;
    row.usagePageC = kGenericDesktopPage;
    row.usageD = kCommandUsage;
    row.usagePageD = kGenericDesktopPage;
    // The model name forms folder paths: one that is no single safe component names no device.
    const QString model = QSettings(ConfigIniPath(), QSettings::IniFormat).value("Mouse_List/0").toString();
    row.modelName = model.isEmpty() || CheckFileName(model, "model") ? model : QString();
    g_modelNameTable[0] = row.modelName;
}

int EnumerateDevices()
{
    if (hid_init() != 0)
        return -1;
    hid_device_info *list = hid_enumerate(0, 0);
    std::vector<const hid_device_info *> entries;
    std::vector<HidEnumerationEntry> pairs;
    for (const hid_device_info *d = list; d; d = d->next) {
        entries.push_back(d);
        pairs.push_back({d->path ? d->path : "", d->usage_page, d->usage});
    }
    const std::vector<int> collections = HidCollectionNumbers(pairs);
    for (size_t i = 0; i < entries.size(); ++i) {
        for (int r = 0; r < g_deviceTable.count; ++r)
            matchEntry(g_deviceTable.entries[size_t(r)], *entries[i], collections[i]);
        if (entries[i]->vendor_id == kLoggedVendor)
            logDeviceFound(*entries[i]);
    }
    hid_free_enumeration(list);
    return 0;
}

void OpenDeviceByName(const QString &name)
{
    hid_init();
    for (int r = 0; r < g_deviceTable.count; ++r)
        if (g_deviceTable.entries[size_t(r)].modelName == name)
            openRow(g_deviceTable.entries[size_t(r)]);
}

void OpenDevice(int dongleVid, int donglePid, int wiredVid, int wiredPid)
{
    hid_init();
    for (int r = 0; r < g_deviceTable.count; ++r) {
        const DeviceEntry &row = g_deviceTable.entries[size_t(r)];
        if (row.dongleVid == dongleVid && row.donglePid == donglePid && row.wiredVid == wiredVid
            && row.wiredPid == wiredPid)
            openRow(row);
    }
}

void CloseDevice()
{
    StopBatteryThread();  // it must not read a handle being closed
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    closeHandle(DongleMouseHandle);
    closeHandle(DongleCommandHandle);
    closeHandle(WiredMouseHandle);
    closeHandle(WiredCommandHandle);
}

void ExitHid()
{
    std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
    hid_exit();
}

int GetDeviceReleaseNumber(const char *path)
{
    if (!path)
        return 0;
    int release = 0;
    hid_device_info *list = hid_enumerate(0, 0);
    for (const hid_device_info *d = list; d; d = d->next) {
        if (d->path && std::string(d->path) == path) {
            release = d->release_number;
            break;
        }
    }
    hid_free_enumeration(list);
    return release;
}

bool ReleaseAccepted(int release, int minimum, int maximum)
{
    return maximum == 0 || (minimum <= release && release <= maximum);
}
