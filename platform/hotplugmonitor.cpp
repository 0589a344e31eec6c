#include "hotplugmonitor.h"

#include <QDebug>
#include <QMetaObject>
#include <QSocketNotifier>

#ifdef HAVE_UDEV
#include <libudev.h>
#include <cstdio>
#include <cstring>
#endif

HidHotplugMonitor *HidHotplugMonitor::instance()
{
    static HidHotplugMonitor *monitor = new HidHotplugMonitor;  // lives as long as the process
    return monitor;
}

HidHotplugMonitor::~HidHotplugMonitor()
{
    delete m_notifier;
#ifdef HAVE_UDEV
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
#endif
}

bool HidHotplugMonitor::start()
{
    if (m_notifier)
        return true;
#ifdef HAVE_UDEV
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        udev_unref(m_udev);
        m_monitor = nullptr;
        m_udev = nullptr;
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HidHotplugMonitor::readUdevEvent);
    return true;
#else
    return false;
#endif
}

void HidHotplugMonitor::announce(const QString &path, int vendorId, int productId, bool arrived)
{
    QMetaObject::invokeMethod(
        this, [this, path, vendorId, productId, arrived] { emit hidInterfaceChanged(path, vendorId, productId, arrived); },
        Qt::QueuedConnection);
}

void HidHotplugMonitor::readUdevEvent()
{
#ifdef HAVE_UDEV
    struct udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const char *action = udev_device_get_action(device);
    const char *node = udev_device_get_devnode(device);
    // HID_ID of the parent HID device is "bus:vendor:product", each in hex.
    struct udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char *hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    if (action && node && hidId) {
        unsigned bus = 0, vendor = 0, product = 0;
        const bool add = std::strcmp(action, "add") == 0;
        const bool remove = std::strcmp(action, "remove") == 0;
        if ((add || remove) && std::sscanf(hidId, "%x:%x:%x", &bus, &vendor, &product) == 3)
            emit hidInterfaceChanged(QString::fromLocal8Bit(node), int(vendor), int(product), add);
    }
    udev_device_unref(device);
#endif
}
