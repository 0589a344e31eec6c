// The simulated mouse behind the hidapi functions. One process-wide state under one mutex;
// reads wait on a condition variable with the mutex released.
#include "mousesim.h"

#include "devicedefaults.h"
#include "hidcollections.h"
#include "hotplugmonitor.h"

#include <hidapi/hidapi.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtDebug>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Report = std::array<unsigned char, 33>;

constexpr int kReportSize = 33;
constexpr int kDeviceCount = 3;  // receiver, cable, unrelated
constexpr int kReceiver = 0;
constexpr int kCable = 1;
constexpr int kUnrelated = 2;
constexpr int kCommandInterface = 1;
constexpr int kSmallAreaSize = 128;
constexpr int kLargeAreaSize = 4096;
constexpr int kStatusProfileRegister = 0x2C;

struct Collection {
    unsigned short page;
    unsigned short usage;
};

// A top-level collection of an interface's report descriptor.
struct TopCollection {
    Collection pair;
    int reportId;
    int inputBytes;
    int outputBytes;
    bool nestedPhysical;  // holds a Physical 'Pointer' collection (page 1, usage 1)
};

constexpr Collection kNestedPhysical = {1, 1};

struct Interface {
    std::string path;
    int number;
    std::vector<TopCollection> top;
};

struct SimDevice {
    bool plugged = false;
    int vid = 0;
    int pid = 0;
    int release = 0;
    const wchar_t *serial = nullptr;
    const wchar_t *manufacturer = L"";
    const wchar_t *product = L"";
    std::vector<Interface> interfaces;
};

struct PendingInput {
    Report bytes{};
    Clock::time_point availableAt;
    int hiddenReads = 0;  // reads that time out before this one is seen
};

struct FaultRule {
    bool active = false;
    int skip = 0;
    int count = 0;  // -1 all
};

constexpr int kFaultKinds = int(SimFault::UnplugOnWrite) + 1;

// One interface arrived or gone, for the hot-plug monitor.
struct Announcement {
    QString path;
    int vid, pid;
    bool arrived;
};

} // namespace

// The opaque handle of hidapi.h. Closed handles are kept (never freed) so that their later
// use is reported instead of touching freed memory.
struct hid_device_ {
    std::string path;
    int device = 0;
    int interfaceNumber = 0;
    bool closed = false;
    bool dead = false;  // its link was unplugged
    bool nonblocking = false;
    std::deque<PendingInput> input;
    Report featureAnswer{};
    std::atomic<int> inCall{0};
    hid_device_info info{};
    std::string infoPath;
    std::wstring infoSerial, infoManufacturer, infoProduct;
};

namespace {

struct State {
    std::mutex mutex;
    std::condition_variable inputArrived;

    SimDevice devices[kDeviceCount];
    bool idsFixed = false;
    int ids[4] = {kDefaultDongleVid, kDefaultDonglePid, kDefaultCableVid, kDefaultCablePid};
    int receiverRelease = 0x0100;
    int cableRelease = 0x0105;
    int commandCollection = 4;
    SimEnumeration enumeration = SimEnumeration::EveryCollection;
    bool initFails = false;

    // Firmware.
    int batteryVoltage = 960;
    bool charging = false;
    quint8 writeStatus = 1;
    quint8 batteryExtra = 0;
    bool asleep = false;
    int replyDelayMs = 0;
    bool instantTimeouts = false;
    int spontaneousBatteryMs = 0;
    Clock::time_point lastSpontaneousBattery = Clock::now();
    std::map<quint8, std::vector<unsigned char>> areas;
    std::map<quint8, int> closings;
    QList<quint8> commits;
    int selectedProfile = -1;
    int begins = 0;
    int ends = 0;

    FaultRule faults[kFaultKinds];

    bool violationsFatal = true;
    QStringList violations;

    Clock::time_point logStart = Clock::now();
    QList<SimLogEntry> log;
    int initCount = 0;
    int exitCount = 0;

    std::vector<hid_device_ *> open;
    std::vector<std::unique_ptr<hid_device_>> all;  // open and closed
};

std::vector<Announcement> setPlugged(State &s, int device, bool plugged);

// The folder that stands in for /sys: the descriptors of the plugged interfaces, where the
// program reads them (class/hidraw/NODE/device/report_descriptor). Removed at exit.
const QString &sysfsRoot()
{
    static QTemporaryDir dir;
    static const QString root = dir.path();
    return root;
}

// The unrelated device is there from the start.
State &state()
{
    static State *s = [] {
        SetSysfsRootForTesting(sysfsRoot().toStdString());
        auto *created = new State;
        setPlugged(*created, kUnrelated, true);
        return created;
    }();
    return *s;
}

std::atomic<bool> g_setUpAtFirstInit{false};
std::once_flag g_programSetUp;

std::vector<unsigned char> &area(State &s, quint8 command)
{
    auto it = s.areas.find(command);
    if (it == s.areas.end()) {
        const size_t size = (command == 0x05 || command == 0x42) ? kLargeAreaSize : kSmallAreaSize;
        it = s.areas.emplace(command, std::vector<unsigned char>(size, 0)).first;
    }
    return it->second;
}

void violation(State &s, const QString &what)
{
    s.violations << what;
    if (s.violationsFatal)
        qFatal("mousesim: %s", qPrintable(what));
    qCritical("mousesim: %s", qPrintable(what));
}

// Consumes one event of the fault's kind; true when the fault applies to it.
bool takeFault(State &s, SimFault fault)
{
    FaultRule &rule = s.faults[int(fault)];
    if (!rule.active)
        return false;
    if (rule.skip > 0) {
        --rule.skip;
        return false;
    }
    if (rule.count == 0) {
        rule.active = false;
        return false;
    }
    if (rule.count > 0)
        --rule.count;
    return true;
}

// The file of SimLogReportsTo, written under the state's mutex like the log itself.
std::unique_ptr<QFile> &reportFile()
{
    static std::unique_ptr<QFile> file;
    return file;
}

void writeReportLine(const SimLogEntry &entry)
{
    QFile *file = reportFile().get();
    if (!file || entry.result <= 0 || entry.bytes.isEmpty())
        return;
    const bool toMouse = entry.call == SimCall::Write || entry.call == SimCall::SendFeature;
    const bool fromMouse = entry.call == SimCall::Read || entry.call == SimCall::GetFeature;
    if (!toMouse && !fromMouse)
        return;
    const QString feature = (entry.call == SimCall::SendFeature || entry.call == SimCall::GetFeature) ? " feature" : "";
    const QString line = QString("%1 %2%3 %4 %5\n")
                             .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss.zzz"),
                                  toMouse ? "received" : "sent", feature, QString::fromUtf8(entry.path),
                                  QString::fromLatin1(entry.bytes.toHex(' ')));
    file->write(line.toUtf8());
    file->flush();  // readable while the program runs, and complete if it crashes
}

void logCall(State &s, SimCall call, const hid_device_ *dev, const unsigned char *bytes, int size, int result,
             int timeoutMs = 0)
{
    SimLogEntry entry;
    entry.timeUs = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - s.logStart).count();
    entry.call = call;
    entry.path = QByteArray::fromStdString(dev->path);
    if (bytes && size > 0)
        entry.bytes = QByteArray(reinterpret_cast<const char *>(bytes), size);
    entry.result = result;
    entry.timeoutMs = timeoutMs;
    writeReportLine(entry);
    s.log << entry;
}

std::string pathOf(int device, int interfaceNumber)
{
    static const char *names[kDeviceCount] = {"receiver", "cable", "unrelated"};
    return std::string("/dev/hidraw-sim-") + names[device] + "-" + std::to_string(interfaceNumber);
}

// Each interface's top-level collections, in descriptor order.
std::vector<Interface> interfacesOf(const State &s, int device)
{
    if (device == kUnrelated)
        return {{pathOf(device, 0), 0, {{{1, 6}, 1, 8, 1, false}, {{0x0C, 1}, 2, 2, 0, false}}}};
    std::vector<TopCollection> command = {
        {{0x0C, 1}, 2, 2, 0, true}, {{1, 0x80}, 3, 1, 0, false}, {{0xFF00, 1}, 6, 32, 32, false}};
    const int position = device == kReceiver ? qBound(1, s.commandCollection, 4) : 4;
    command.insert(command.begin() + (position - 1), TopCollection{{1, 0}, 5, 32, 32, false});
    return {{pathOf(device, 0), 0, {{{1, 2}, 1, 4, 0, true}}},
            {pathOf(device, kCommandInterface), kCommandInterface, command}};
}

// The entries hidapi lists for an interface: every collection with a usage (0.13, 0.14),
// or the top-level ones only (from 0.15).
std::vector<Collection> listedCollections(const Interface &i, SimEnumeration style)
{
    std::vector<Collection> listed;
    for (const TopCollection &c : i.top) {
        listed.push_back(c.pair);
        if (c.nestedPhysical && style == SimEnumeration::EveryCollection)
            listed.push_back(kNestedPhysical);
    }
    return listed;
}

// A short item with the smallest data size that holds value (at least one byte).
void addItem(std::vector<unsigned char> &d, unsigned char prefix, unsigned value)
{
    const int size = value > 0xFFFF ? 4 : value > 0xFF ? 2 : 1;
    d.push_back(quint8(prefix | (size == 4 ? 3 : size)));
    for (int i = 0; i < size; ++i)
        d.push_back(quint8(value >> (8 * i)));
}

std::vector<unsigned char> descriptorOf(const Interface &i)
{
    enum : unsigned char {
        UsagePage = 0x04, Usage = 0x08, CollectionItem = 0xA0, EndCollection = 0xC0, ReportId = 0x84,
        LogicalMin = 0x14, LogicalMax = 0x24, ReportSize = 0x74, ReportCount = 0x94, Input = 0x80, Output = 0x90,
    };
    std::vector<unsigned char> d;
    for (const TopCollection &c : i.top) {
        addItem(d, UsagePage, c.pair.page);
        addItem(d, Usage, c.pair.usage);
        addItem(d, CollectionItem, 0x01);  // Application
        addItem(d, ReportId, unsigned(c.reportId));
        if (c.nestedPhysical) {
            addItem(d, UsagePage, kNestedPhysical.page);
            addItem(d, Usage, kNestedPhysical.usage);
            addItem(d, CollectionItem, 0x00);  // Physical
            addItem(d, LogicalMin, 0);
            addItem(d, LogicalMax, 1);
            addItem(d, ReportSize, 1);
            addItem(d, ReportCount, 8);
            addItem(d, Input, 0x02);
            d.push_back(EndCollection);
            addItem(d, UsagePage, c.pair.page);
        }
        addItem(d, LogicalMin, 0);
        addItem(d, LogicalMax, 0xFF);
        addItem(d, ReportSize, 8);
        addItem(d, ReportCount, unsigned(c.inputBytes));
        addItem(d, Usage, 1);
        addItem(d, Input, 0x02);
        if (c.outputBytes > 0) {
            addItem(d, ReportCount, unsigned(c.outputBytes));
            addItem(d, Usage, 1);
            addItem(d, Output, 0x02);
        }
        d.push_back(EndCollection);
    }
    return d;
}

QString descriptorFolder(const Interface &i)
{
    const QString node = QString::fromStdString(i.path).section('/', -1);
    return sysfsRoot() + "/class/hidraw/" + node + "/device";
}

// The kernel's sysfs entries of an interface come with it and go with it.
void publishDescriptor(const Interface &i, bool present)
{
    const QString folder = descriptorFolder(i);
    if (!present) {
        QDir(folder).removeRecursively();
        return;
    }
    QDir().mkpath(folder);
    const std::vector<unsigned char> bytes = descriptorOf(i);
    std::ofstream file((folder + "/report_descriptor").toStdString(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

// The link the status and battery reports of the mouse come through.
int activeLink(const State &s)
{
    return s.devices[kCable].plugged ? kCable : kReceiver;
}

void queueInput(State &s, const std::string &path, const Report &bytes, int delayMs = 0, int hiddenReads = 0)
{
    PendingInput pending;
    pending.bytes = bytes;
    pending.availableAt = Clock::now() + std::chrono::milliseconds(delayMs);
    pending.hiddenReads = hiddenReads;
    for (hid_device_ *dev : s.open)
        if (dev->path == path && !dev->dead)
            dev->input.push_back(pending);
    s.inputArrived.notify_all();
}

Report header(quint8 command)
{
    Report r{};
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = command;
    return r;
}

Report batteryReport(const State &s)
{
    Report r = header(0x48);
    if (s.asleep)
        return r;
    r[4] = quint8(s.batteryVoltage & 0xFF);
    r[5] = quint8((s.batteryVoltage >> 8) & 0xFF);
    r[6] = s.charging ? 1 : 0;
    r[7] = s.writeStatus;
    r[10] = s.batteryExtra;
    return r;
}

// What the settings block last set: profile, its DPI stage and report rate, light mode.
Report statusReport(State &s)
{
    Report r = header(0x49);
    const std::vector<unsigned char> &settings = area(s, 0x01);
    r[4] = settings[6];   // current profile
    r[5] = settings[17];  // DPI stage
    r[6] = settings[11 + qBound(0, int(settings[6]), 4)];
    r[7] = settings[18];
    return r;
}

bool isEchoed(quint8 command)
{
    return command <= 0x0A || command == 0x40 || command == 0x46;
}

quint8 checksumOf(const unsigned char *r)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += r[i];
    return quint8((sum & 0xFF) ^ 0x66);
}

// What the mouse does with one command report; the reply to queue, if any.
bool runFirmware(State &s, const unsigned char *r, Report &reply)
{
    const quint8 command = r[3];
    const int address = r[4] | (r[5] << 8);
    const int length = r[6];
    const quint8 marker = r[7];
    switch (command) {
    case 0x01:
    case 0x02:
    case 0x03:
    case 0x04:
    case 0x05:
    case 0x42:
        if (marker == 0xD3) {
            ++s.closings[command];
            break;
        }
        {
            std::vector<unsigned char> &memory = area(s, command);
            for (int i = 0; i < length && i < 25 && address + i < int(memory.size()); ++i)
                memory[size_t(address + i)] = r[8 + i];
        }
        break;
    case 0x40:
        if (r[4] == 0xF3)
            s.commits << r[5];
        break;
    case 0x44:
        s.selectedProfile = r[4];
        area(s, 0x42)[kStatusProfileRegister] = r[4];
        break;
    case 0x46:
        if (address == 0)
            ++s.begins;
        else if (address == 1)
            ++s.ends;
        break;
    case 0x48:
        reply = batteryReport(s);
        return true;
    default:
        break;
    }
    if (!isEchoed(command))
        return false;
    std::memcpy(reply.data(), r, kReportSize);
    return true;
}

// Counts a caller inside a call on the handle; reports two at once.
class CallGuard {
public:
    explicit CallGuard(hid_device_ *dev) : m_dev(dev)
    {
        if (m_dev && m_dev->inCall.fetch_add(1) != 0) {
            State &s = state();
            std::lock_guard<std::mutex> lock(s.mutex);
            violation(s, QString("two threads inside hidapi calls on %1 at once").arg(QString::fromStdString(m_dev->path)));
        }
    }
    ~CallGuard()
    {
        if (m_dev)
            m_dev->inCall.fetch_sub(1);
    }
    CallGuard(const CallGuard &) = delete;
    CallGuard &operator=(const CallGuard &) = delete;

private:
    hid_device_ *m_dev;
};

// False (and reported) for a handle that was closed or never ours.
bool usable(State &s, hid_device_ *dev, const char *call)
{
    if (!dev) {
        violation(s, QString("%1 on a null handle").arg(call));
        return false;
    }
    if (dev->closed) {
        violation(s, QString("%1 on %2 after hid_close").arg(call, QString::fromStdString(dev->path)));
        return false;
    }
    return true;
}

// Tells the hot-plug monitor, as udev would, on the application's thread.
void announce(const std::vector<Announcement> &list)
{
    if (list.empty() || !QCoreApplication::instance())
        return;
    auto send = [list] {
        for (const Announcement &a : list)
            HidHotplugMonitor::instance()->announce(a.path, a.vid, a.pid, a.arrived);
    };
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        send();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), send, Qt::QueuedConnection);
}

// With the lock held. Returns what to announce.
std::vector<Announcement> setPlugged(State &s, int device, bool plugged)
{
    SimDevice &d = s.devices[device];
    std::vector<Announcement> list;
    if (d.plugged == plugged)
        return list;
    d.plugged = plugged;
    if (plugged) {
        d.interfaces = interfacesOf(s, device);
        if (device == kReceiver) {
            d.vid = s.ids[0];
            d.pid = s.ids[1];
            d.release = s.receiverRelease;
            d.serial = L"RX0001";
            d.manufacturer = L"Simulated";
            d.product = L"Simulated Receiver";
        } else if (device == kCable) {
            d.vid = s.ids[2];
            d.pid = s.ids[3];
            d.release = s.cableRelease;
            d.serial = L"MS0001";
            d.manufacturer = L"Simulated";
            d.product = L"Simulated Mouse";
        } else {
            d.vid = 0x04D9;
            d.pid = 0x1702;
            d.release = 0x0001;
            d.serial = nullptr;  // as some keyboards report
            d.manufacturer = L"Other";
            d.product = L"Unrelated Keyboard";
        }
    } else {
        for (hid_device_ *dev : s.open)
            if (dev->device == device)
                dev->dead = true;
        s.inputArrived.notify_all();
    }
    for (const Interface &i : d.interfaces) {
        publishDescriptor(i, plugged);
        list.push_back({QString::fromStdString(i.path), d.vid, d.pid, plugged});
    }
    return list;
}

void resolveIds(State &s)
{
    if (s.idsFixed)
        return;
    int ids[4];
    GetVidPid(ids[0], ids[1], ids[2], ids[3]);  // the installed description
    std::copy(ids, ids + 4, s.ids);
}

void plug(int device, bool plugged, bool tellMonitor)
{
    State &s = state();
    std::vector<Announcement> list;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (plugged && device != kUnrelated)
            resolveIds(s);
        list = setPlugged(s, device, plugged);
    }
    if (tellMonitor)
        announce(list);
}

hid_device_info *newInfo(const SimDevice &d, const Interface &i, const Collection &c)
{
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    info->path = strdup(i.path.c_str());
    info->vendor_id = (unsigned short)d.vid;
    info->product_id = (unsigned short)d.pid;
    info->serial_number = d.serial ? wcsdup(d.serial) : nullptr;
    info->release_number = (unsigned short)d.release;
    info->manufacturer_string = wcsdup(d.manufacturer);
    info->product_string = wcsdup(d.product);
    info->usage_page = c.page;
    info->usage = c.usage;
    info->interface_number = i.number;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

// One read: the first input available on the handle, waiting up to timeoutMs (-1 blocks).
int readInput(hid_device_ *dev, unsigned char *data, size_t length, int timeoutMs)
{
    State &s = state();
    CallGuard guard(dev);
    std::unique_lock<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_read"))
        return -1;
    const bool blocking = timeoutMs < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(qMax(0, timeoutMs));
    auto finish = [&](int result, const unsigned char *bytes) {
        logCall(s, SimCall::Read, dev, bytes, result > 0 ? result : 0, result, timeoutMs);
        return result;
    };
    // Nothing comes within the timeout (never waits when timeouts are instant).
    auto timeOut = [&] {
        if (!s.instantTimeouts && !blocking)
            s.inputArrived.wait_until(lock, deadline, [&] { return dev->dead || dev->closed; });
        return finish(dev->dead || dev->closed ? -1 : 0, nullptr);
    };

    const bool error = takeFault(s, SimFault::ReadError);
    const bool silent = takeFault(s, SimFault::Silence);
    if (dev->dead || error)
        return finish(-1, nullptr);
    if (silent)
        return timeOut();

    for (;;) {
        if (dev->dead || dev->closed)
            return finish(-1, nullptr);
        if (dev->input.empty() && s.spontaneousBatteryMs > 0 && dev->interfaceNumber == kCommandInterface
            && Clock::now() - s.lastSpontaneousBattery >= std::chrono::milliseconds(s.spontaneousBatteryMs)) {
            s.lastSpontaneousBattery = Clock::now();
            if (!s.charging && s.batteryVoltage > 880)
                --s.batteryVoltage;  // a slow drain
            PendingInput pending;
            pending.bytes = batteryReport(s);
            pending.availableAt = Clock::now();
            dev->input.push_back(pending);
        }
        if (dev->input.empty()) {
            if (!blocking && (s.instantTimeouts || Clock::now() >= deadline))
                return finish(0, nullptr);
            if (blocking)
                s.inputArrived.wait(lock);
            else
                s.inputArrived.wait_until(lock, deadline);
            continue;
        }
        PendingInput &head = dev->input.front();
        if (head.hiddenReads > 0) {
            --head.hiddenReads;
            return timeOut();
        }
        if (head.availableAt <= Clock::now()) {
            const Report bytes = head.bytes;
            dev->input.pop_front();
            const int n = int(qMin(length, size_t(kReportSize)));
            std::memcpy(data, bytes.data(), size_t(n));
            return finish(n, bytes.data());
        }
        // A reply on its way.
        if (!blocking && head.availableAt > deadline)
            return timeOut();
        s.inputArrived.wait_until(lock, head.availableAt);
    }
}

} // namespace

// ---- hidapi -----------------------------------------------------------------------------

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    if (g_setUpAtFirstInit.load())
        std::call_once(g_programSetUp, SimSetUpFromEnvironment);
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    ++s.initCount;
    return s.initFails ? -1 : 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    ++s.exitCount;
    return 0;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    hid_device_info *first = nullptr;
    hid_device_info **next = &first;
    for (const SimDevice &d : s.devices) {
        if (!d.plugged)
            continue;
        if ((vendor_id && vendor_id != d.vid) || (product_id && product_id != d.pid))
            continue;
        for (const Interface &i : d.interfaces)
            for (const Collection &c : listedCollections(i, s.enumeration)) {
                *next = newInfo(d, i, c);
                next = &(*next)->next;
            }
    }
    return first;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open_path(const char *path)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (int device = 0; device < kDeviceCount; ++device) {
        const SimDevice &d = s.devices[device];
        if (!d.plugged)
            continue;
        for (const Interface &i : d.interfaces) {
            if (!path || i.path != path)
                continue;
            auto dev = std::make_unique<hid_device_>();
            dev->path = i.path;
            dev->device = device;
            dev->interfaceNumber = i.number;
            dev->infoPath = i.path;
            dev->infoSerial = d.serial ? d.serial : L"";
            dev->infoManufacturer = d.manufacturer;
            dev->infoProduct = d.product;
            dev->info.path = &dev->infoPath[0];
            dev->info.vendor_id = (unsigned short)d.vid;
            dev->info.product_id = (unsigned short)d.pid;
            dev->info.serial_number = d.serial ? &dev->infoSerial[0] : nullptr;
            dev->info.release_number = (unsigned short)d.release;
            dev->info.manufacturer_string = &dev->infoManufacturer[0];
            dev->info.product_string = &dev->infoProduct[0];
            dev->info.usage_page = i.top.front().pair.page;
            dev->info.usage = i.top.front().pair.usage;
            dev->info.interface_number = i.number;
            dev->info.bus_type = HID_API_BUS_USB;
            hid_device_ *raw = dev.get();
            s.all.push_back(std::move(dev));
            s.open.push_back(raw);
            logCall(s, SimCall::Open, raw, nullptr, 0, 0);
            return raw;
        }
    }
    return nullptr;
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t *serial_number)
{
    std::string path;
    {
        State &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        for (const SimDevice &d : s.devices) {
            if (!d.plugged || d.vid != vendor_id || d.pid != product_id)
                continue;
            if (serial_number && (!d.serial || std::wcscmp(serial_number, d.serial) != 0))
                continue;
            path = d.interfaces.front().path;
            break;
        }
    }
    return path.empty() ? nullptr : hid_open_path(path.c_str());
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    State &s = state();
    CallGuard guard(dev);
    std::vector<Announcement> gone;
    int result;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!usable(s, dev, "hid_write"))
            return -1;
        const int size = int(qMin(length, size_t(64)));
        const bool unplugNow = takeFault(s, SimFault::UnplugOnWrite);
        const bool fails = takeFault(s, SimFault::WriteFails);
        if (unplugNow)
            gone = setPlugged(s, dev->device, false);
        if (dev->dead || fails || dev->interfaceNumber != kCommandInterface || !data || length == 0) {
            result = -1;
        } else {
            if (data[0] != 0x05)
                violation(s, QString("report ID 0x%1 written, expected 0x05").arg(data[0], 2, 16, QChar('0')));
            else if (length != size_t(kReportSize))
                violation(s, QString("report of %1 bytes written, expected 33").arg(length));
            else if (data[1] != checksumOf(data))
                violation(s, QString("checksum 0x%1 of command 0x%2, expected 0x%3")
                                 .arg(data[1], 2, 16, QChar('0'))
                                 .arg(data[3], 2, 16, QChar('0'))
                                 .arg(checksumOf(data), 2, 16, QChar('0')));
            result = int(length);
            Report reply{};
            if (length >= size_t(kReportSize) && data[0] == 0x05 && runFirmware(s, data, reply)) {
                const bool isEcho = reply[3] == data[3] && isEchoed(data[3]);
                int hidden = 0;
                if (isEcho) {
                    const bool zero = takeFault(s, SimFault::ZeroReply);
                    const bool flip = takeFault(s, SimFault::FlippedData);
                    const bool wrongHeader = takeFault(s, SimFault::WrongHeader);
                    const bool late = takeFault(s, SimFault::LateEcho);
                    const bool statusFirst = takeFault(s, SimFault::StatusBeforeEcho);
                    if (flip)
                        reply[8] ^= 0xFF;
                    if (wrongHeader)
                        reply[3] ^= 0x20;
                    if (zero)
                        reply.fill(0);
                    if (late)
                        hidden = 1;
                    if (statusFirst)
                        queueInput(s, dev->path, statusReport(s));
                }
                queueInput(s, dev->path, reply, s.replyDelayMs, hidden);
            }
        }
        logCall(s, SimCall::Write, dev, data, size, result);
    }
    announce(gone);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return readInput(dev, data, length, milliseconds);
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    bool nonblocking = false;
    {
        State &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        nonblocking = dev && dev->nonblocking;
    }
    return readInput(dev, data, length, nonblocking ? 0 : -1);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device *dev, int nonblock)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_set_nonblocking"))
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

// Feature queries "FA 41 address length", with or without report ID and checksum in front:
// the answer carries the block-write registers at that address from byte 8 on.
int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_send_feature_report"))
        return -1;
    const int size = int(qMin(length, size_t(kReportSize)));
    const int result = (dev->dead || !data) ? -1 : int(length);
    if (result > 0) {
        Report answer{};
        std::memcpy(answer.data(), data, size_t(size));
        const int frame = (size > 2 && data[2] == 0xFA) ? 2 : 0;
        if (size >= frame + 5 && data[frame] == 0xFA && data[frame + 1] == 0x41) {
            const int address = data[frame + 2] | (data[frame + 3] << 8);
            const int count = data[frame + 4];
            const std::vector<unsigned char> &registers = area(s, 0x42);
            for (int i = 0; i < count && 8 + i < kReportSize && address + i < int(registers.size()); ++i)
                answer[size_t(8 + i)] = registers[size_t(address + i)];
        }
        dev->featureAnswer = answer;
    }
    logCall(s, SimCall::SendFeature, dev, data, size, result);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_get_feature_report"))
        return -1;
    if (dev->dead || !data || length == 0) {
        logCall(s, SimCall::GetFeature, dev, nullptr, 0, -1);
        return -1;
    }
    const int n = int(qMin(length, size_t(kReportSize)));
    const unsigned char reportId = data[0];
    std::memcpy(data, dev->featureAnswer.data(), size_t(n));
    data[0] = reportId;
    logCall(s, SimCall::GetFeature, dev, data, n, n);
    return n;
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device *dev, unsigned char *, size_t)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    usable(s, dev, "hid_get_input_report");
    return -1;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    if (!dev)
        return;
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (dev->closed) {
        violation(s, QString("hid_close on %1 twice").arg(QString::fromStdString(dev->path)));
        return;
    }
    dev->closed = true;
    dev->input.clear();
    s.open.erase(std::remove(s.open.begin(), s.open.end(), dev), s.open.end());
    logCall(s, SimCall::Close, dev, nullptr, 0, 0);
    s.inputArrived.notify_all();
}

namespace {
int copyString(hid_device *dev, const std::wstring hid_device_::*field, wchar_t *string, size_t maxlen)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_get_string") || !string || maxlen == 0)
        return -1;
    std::wcsncpy(string, (dev->*field).c_str(), maxlen - 1);
    string[maxlen - 1] = L'\0';
    return 0;
}
} // namespace

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, &hid_device_::infoManufacturer, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, &hid_device_::infoProduct, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, &hid_device_::infoSerial, string, maxlen);
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_get_device_info(hid_device *dev)
{
    State &s = state();
    CallGuard guard(dev);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!usable(s, dev, "hid_get_device_info"))
        return nullptr;
    return &dev->info;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *, int, wchar_t *, size_t)
{
    return -1;
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *)
{
    return L"simulated mouse";
}

HID_API_EXPORT const struct hid_api_version *HID_API_CALL hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char *HID_API_CALL hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

} // extern "C"

// ---- Control ----------------------------------------------------------------------------

void SimReset()
{
    State &s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        for (int device = 0; device < kDeviceCount; ++device)
            setPlugged(s, device, false);
        s.idsFixed = false;
        s.receiverRelease = 0x0100;
        s.cableRelease = 0x0105;
        s.commandCollection = 4;
        s.enumeration = SimEnumeration::EveryCollection;
        s.initFails = false;
        s.batteryVoltage = 960;
        s.charging = false;
        s.writeStatus = 1;
        s.batteryExtra = 0;
        s.asleep = false;
        s.replyDelayMs = 0;
        s.instantTimeouts = false;
        s.spontaneousBatteryMs = 0;
        s.areas.clear();
        s.closings.clear();
        s.commits.clear();
        s.selectedProfile = -1;
        s.begins = s.ends = 0;
        for (FaultRule &rule : s.faults)
            rule = FaultRule();
        s.violationsFatal = true;
        s.violations.clear();
        s.logStart = Clock::now();
        s.log.clear();
        s.initCount = s.exitCount = 0;
    }
    plug(kUnrelated, true, false);
}

void SimSetIds(int dongleVid, int donglePid, int cableVid, int cablePid)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.idsFixed = true;
    s.ids[0] = dongleVid;
    s.ids[1] = donglePid;
    s.ids[2] = cableVid;
    s.ids[3] = cablePid;
}

void SimPlug(SimLink link, bool plugged)
{
    plug(link == SimLink::Cable ? kCable : kReceiver, plugged, true);
}

void SimPlugReceiver() { SimPlug(SimLink::Receiver, true); }
void SimPlugCable() { SimPlug(SimLink::Cable, true); }
void SimUnplugReceiver() { SimPlug(SimLink::Receiver, false); }
void SimUnplugCable() { SimPlug(SimLink::Cable, false); }

void SimUnplugAll()
{
    SimUnplugReceiver();
    SimUnplugCable();
}

bool SimIsPlugged(SimLink link)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.devices[link == SimLink::Cable ? kCable : kReceiver].plugged;
}

void SimSetReceiverCommandCollection(int number)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.commandCollection = qBound(1, number, 4);
}

void SimSetEnumeration(SimEnumeration style)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.enumeration = style;
}

void SimSetReleaseNumber(SimLink link, int release)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    (link == SimLink::Cable ? s.cableRelease : s.receiverRelease) = release;
}

void SimSetUnrelatedDevice(bool present)
{
    plug(kUnrelated, present, false);
}

void SimSetInitFails(bool fails)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.initFails = fails;
}

QByteArray SimMousePath(SimLink link)
{
    return QByteArray::fromStdString(pathOf(link == SimLink::Cable ? kCable : kReceiver, 0));
}

QByteArray SimCommandPath(SimLink link)
{
    return QByteArray::fromStdString(pathOf(link == SimLink::Cable ? kCable : kReceiver, kCommandInterface));
}

void SimSetBattery(int voltage, bool charging, quint8 writeStatus, quint8 extra)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.batteryVoltage = voltage;
    s.charging = charging;
    s.writeStatus = writeStatus;
    s.batteryExtra = extra;
    s.asleep = false;
}

void SimSetAsleep(bool asleep)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.asleep = asleep;
}

void SimQueueInput(const QByteArray &report)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Report bytes{};
    std::memcpy(bytes.data(), report.constData(), size_t(qMin(report.size(), kReportSize)));
    queueInput(s, pathOf(activeLink(s), kCommandInterface), bytes);
}

void SimSendStatus(quint8 profile, quint8 dpiStage, quint8 reportRate, quint8 lightMode)
{
    Report r = header(0x49);
    r[4] = profile;
    r[5] = dpiStage;
    r[6] = reportRate;
    r[7] = lightMode;
    SimQueueInput(QByteArray(reinterpret_cast<const char *>(r.data()), kReportSize));
}

void SimSendBattery()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    queueInput(s, pathOf(activeLink(s), kCommandInterface), batteryReport(s));
}

void SimSetReplyDelay(int ms)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.replyDelayMs = qMax(0, ms);
}

void SimSetInstantTimeouts(bool instant)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.instantTimeouts = instant;
}

void SimSetSpontaneousBattery(int intervalMs)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.spontaneousBatteryMs = qMax(0, intervalMs);
    s.lastSpontaneousBattery = Clock::now();
}

QByteArray SimArea(quint8 command)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    const std::vector<unsigned char> &memory = area(s, command);
    return QByteArray(reinterpret_cast<const char *>(memory.data()), int(memory.size()));
}

quint8 SimReportRate(int profile)
{
    return quint8(SimArea(0x01).at(11 + qBound(0, profile, 4)));
}

int SimDpiStageCount()
{
    return quint8(SimArea(0x02).at(0));
}

QByteArray SimDpiStage(int stage)
{
    return SimArea(0x02).mid(1 + 5 * qBound(0, stage, 7), 5);
}

int SimClosings(quint8 command)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.closings.find(command);
    return it == s.closings.end() ? 0 : it->second;
}

QList<quint8> SimCommits()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.commits;
}

int SimSelectedProfile()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.selectedProfile;
}

int SimBeginCount()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.begins;
}

int SimEndCount()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.ends;
}

void SimSetFault(SimFault fault, int skip, int count)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    FaultRule &rule = s.faults[int(fault)];
    rule.active = count != 0;
    rule.skip = qMax(0, skip);
    rule.count = count < 0 ? -1 : count;
}

void SimClearFault(SimFault fault)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.faults[int(fault)] = FaultRule();
}

void SimClearFaults()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (FaultRule &rule : s.faults)
        rule = FaultRule();
}

void SimFailEchoes(bool fail)
{
    if (fail)
        SimSetFault(SimFault::ZeroReply);
    else
        SimClearFault(SimFault::ZeroReply);
}

void SimSetViolationsFatal(bool fatal)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.violationsFatal = fatal;
}

QStringList SimViolations()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.violations;
}

QList<SimLogEntry> SimLog()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.log;
}

void SimClearLog()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.log.clear();
}

bool SimLogReportsTo(const QString &path)
{
    std::unique_ptr<QFile> file;
    if (!path.isEmpty()) {
        file = std::make_unique<QFile>(path);
        // Appended: an earlier run's reports stay.
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return false;
    }
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    reportFile() = std::move(file);
    return true;
}

namespace {
int countLog(const std::function<bool(const SimLogEntry &)> &match)
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    int n = 0;
    for (const SimLogEntry &e : s.log)
        n += match(e) ? 1 : 0;
    return n;
}
} // namespace

int SimWriteCount()
{
    return countLog([](const SimLogEntry &e) { return e.call == SimCall::Write; });
}

int SimReadCount()
{
    return countLog([](const SimLogEntry &e) { return e.call == SimCall::Read; });
}

int SimWriteCountOf(quint8 command)
{
    return countLog([command](const SimLogEntry &e) {
        return e.call == SimCall::Write && e.bytes.size() > 3 && quint8(e.bytes.at(3)) == command;
    });
}

bool SimLogHasCommand(quint8 command)
{
    return SimWriteCountOf(command) > 0;
}

int SimOpenHandleCount()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return int(s.open.size());
}

int SimInitCount()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.initCount;
}

int SimExitCount()
{
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.exitCount;
}

void SimSetUpAtFirstInit()
{
    g_setUpAtFirstInit = true;
}

void SimSetUpFromEnvironment()
{
    const QByteArray choice = qgetenv("MOUSESIM").trimmed().toLower();
    const bool receiver = choice.isEmpty() || choice == "receiver" || choice == "both" || choice == "asleep";
    const bool cable = choice == "cable" || choice == "both";
    if (!receiver && !cable && choice != "none")
        qWarning("MOUSESIM=%s is not one of receiver, cable, both, none, asleep: using receiver", choice.constData());
    plug(kUnrelated, true, false);
    plug(kReceiver, receiver || (!cable && choice != "none"), false);
    plug(kCable, cable, false);
    SimSetAsleep(choice == "asleep");
    SimSetViolationsFatal(false);
    SimSetReplyDelay(2);
    SimSetSpontaneousBattery(5000);
}
