#pragma once
// Arrivals and removals of HID interfaces (hidraw nodes), for the main window's hot-plug
// handling. The udev monitor feeds it on Linux; the simulated mouse calls announce() when
// a test plugs or unplugs it, so both reach the same signal.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// One udev event of the hidraw subsystem as read: its action ("add", "remove", ...), its
// device node, and the HID_ID property of the parent HID device ("bus:vendor:product" in
// hex), empty when the parent is gone, as it is by the time a removal is read.
struct HidrawEvent {
    QByteArray action;
    QByteArray node;
    QByteArray parentHidId;
};

// What the window's hot-plug handler gets for one node.
struct HidNodeChange {
    QString path;
    int vendorId = 0;
    int productId = 0;
    bool arrived = false;
    QList<int> collections;  // on arrival: the node's top-level collection numbers
};

// Turns hidraw events into node changes. It remembers each node's IDs when the node arrives
// or is enumerated, and takes them from there on removal. A removal of a node it never saw
// is passed on with IDs 0, as another vendor's interface.
class HidNodeTracker {
public:
    // A node present when watching starts.
    void remember(const QByteArray &node, const QByteArray &parentHidId);
    // False for events the handler does not take: other actions, no node, an arrival
    // without IDs.
    bool translate(const HidrawEvent &event, HidNodeChange *change);

private:
    struct Ids {
        int vendorId;
        int productId;
    };
    QMap<QByteArray, Ids> m_nodes;
};

class HidHotplugMonitor : public QObject {
    Q_OBJECT
public:
    // The process's one monitor, created on first use on the calling (GUI) thread.
    static HidHotplugMonitor *instance();
    ~HidHotplugMonitor() override;

    // Starts watching the hidraw subsystem. False without udev, or when the monitor cannot
    // be opened: hot-plug is then not followed (announce() still works).
    bool start();
    bool isWatching() const { return m_notifier != nullptr; }

    // Reports one interface as arrived or gone. path is the hidapi path of the node
    // ("/dev/hidrawN" on Linux); vendorId and productId are those of its USB device. On
    // arrival the collection numbers are read from the node's descriptor at once.
    // May be called from any thread: the signal is delivered on the monitor's thread.
    void announce(const QString &path, int vendorId, int productId, bool arrived);

signals:
    // collections: on arrival, the numbers of the node's top-level collections (empty on removal).
    void hidInterfaceChanged(const QString &path, int vendorId, int productId, bool arrived,
                             const QList<int> &collections);

private:
    HidHotplugMonitor() = default;
    void readUdevEvent();

    struct udev *m_udev = nullptr;
    struct udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    HidNodeTracker m_tracker;
};
