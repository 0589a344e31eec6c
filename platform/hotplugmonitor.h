#pragma once
// Arrivals and removals of HID interfaces (hidraw nodes), for the main window's hot-plug
// handling. The udev monitor feeds it on Linux; the simulated mouse calls announce() when
// a test plugs or unplugs it, so both reach the same signal.

#include <QObject>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

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
    // ("/dev/hidrawN" on Linux); vendorId and productId are those of its USB device.
    // May be called from any thread: the signal is delivered on the monitor's thread.
    void announce(const QString &path, int vendorId, int productId, bool arrived);

signals:
    void hidInterfaceChanged(const QString &path, int vendorId, int productId, bool arrived);

private:
    HidHotplugMonitor() = default;
    void readUdevEvent();

    struct udev *m_udev = nullptr;
    struct udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
