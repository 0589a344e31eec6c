#include "hotplugmonitor.h"

#include "hidcollections.h"
#include "platformlogging.h"

#include <QDebug>
#include <QMetaObject>
#include <QSocketNotifier>

#ifdef HAVE_UDEV
#include <libudev.h>
#endif

namespace {

// "bus:vendor:product", each in hex.
bool parseHidId(const QByteArray &hidId, int *vendorId, int *productId)
{
    const QList<QByteArray> parts = hidId.split(':');
    if (parts.size() != 3)
        return false;
    bool vendorOk = false, productOk = false;
    const uint vendor = parts[1].toUInt(&vendorOk, 16);
    const uint product = parts[2].toUInt(&productOk, 16);
    if (!vendorOk || !productOk || vendor > 0xFFFF || product > 0xFFFF)
        return false;
    *vendorId = int(vendor);
    *productId = int(product);
    return true;
}

QList<int> collectionsOf(const QByteArray &node)
{
    QList<int> list;
    for (int number : NodeCollectionNumbers(node.toStdString()))
        list << number;
    return list;
}

#ifdef HAVE_UDEV
QByteArray parentHidId(struct udev_device *device)
{
    struct udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char *id = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    return id ? QByteArray(id) : QByteArray();
}
#endif

} // namespace

void HidNodeTracker::remember(const QByteArray &node, const QByteArray &parentHidId)
{
    Ids ids{0, 0};
    if (!node.isEmpty() && parseHidId(parentHidId, &ids.vendorId, &ids.productId))
        m_nodes.insert(node, ids);
}

bool HidNodeTracker::translate(const HidrawEvent &event, HidNodeChange *change)
{
    if (event.node.isEmpty())
        return false;
    HidNodeChange c;
    c.path = QString::fromLocal8Bit(event.node);
    if (event.action == "add") {
        if (!parseHidId(event.parentHidId, &c.vendorId, &c.productId))
            return false;
        m_nodes.insert(event.node, {c.vendorId, c.productId});
        c.arrived = true;
        c.collections = collectionsOf(event.node);
    } else if (event.action == "remove") {
        // The kernel removes the parent first: the IDs come from the node's arrival.
        const auto it = m_nodes.constFind(event.node);
        if (it != m_nodes.constEnd()) {
            c.vendorId = it->vendorId;
            c.productId = it->productId;
            m_nodes.remove(event.node);
        } else if (!parseHidId(event.parentHidId, &c.vendorId, &c.productId)) {
            qCDebug(lcPlatform) << "removal of an unknown HID node" << event.node;
        }
    } else {
        return false;
    }
    *change = c;
    return true;
}

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
    // The nodes already there, after the monitor is receiving so that none is missed.
    if (struct udev_enumerate *nodes = udev_enumerate_new(m_udev)) {
        udev_enumerate_add_match_subsystem(nodes, "hidraw");
        udev_enumerate_scan_devices(nodes);
        struct udev_list_entry *entry;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(nodes))
        {
            struct udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            if (const char *node = udev_device_get_devnode(device))
                m_tracker.remember(node, parentHidId(device));
            udev_device_unref(device);
        }
        udev_enumerate_unref(nodes);
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
    const QList<int> collections = arrived ? collectionsOf(path.toLocal8Bit()) : QList<int>();
    QMetaObject::invokeMethod(
        this,
        [this, path, vendorId, productId, arrived, collections] {
            emit hidInterfaceChanged(path, vendorId, productId, arrived, collections);
        },
        Qt::QueuedConnection);
}

void HidHotplugMonitor::readUdevEvent()
{
#ifdef HAVE_UDEV
    struct udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    HidrawEvent event;
    event.action = udev_device_get_action(device);
    event.node = udev_device_get_devnode(device);
    event.parentHidId = parentHidId(device);
    udev_device_unref(device);
    HidNodeChange change;
    if (m_tracker.translate(event, &change))
        emit hidInterfaceChanged(change.path, change.vendorId, change.productId, change.arrived, change.collections);
#endif
}
