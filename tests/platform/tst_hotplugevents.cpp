// Recorded udev sequences of the hidraw subsystem, as the window's hot-plug handler gets them.
#include "hotplugmonitor.h"
#include "sysfsfixture.h"

#include <QtTest>

namespace {

constexpr char kReceiverId[] = "0003:00001A2B:00003C01";
constexpr char kCableId[] = "0003:00001A2B:00003C02";

// "action node hid-id", "-" for a missing field; the result "+node vid:pid collections",
// "-node vid:pid", or "ignored".
QString play(HidNodeTracker &tracker, const QString &line)
{
    const QStringList f = line.split(' ');
    auto field = [&f](int i) { return f.value(i) == "-" ? QByteArray() : f.value(i).toLatin1(); };
    HidNodeChange change;
    if (!tracker.translate({field(0), field(1), field(2)}, &change))
        return "ignored";
    QStringList numbers;
    for (int n : change.collections)
        numbers << QString::number(n);
    return QString("%1%2 %3:%4")
               .arg(change.arrived ? '+' : '-')
               .arg(change.path)
               .arg(change.vendorId, 0, 16)
               .arg(change.productId, 0, 16)
           + (change.arrived ? " " + numbers.join(',') : QString());
}

} // namespace

class HotplugEventsTest : public QObject {
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QStringList>("present");  // "node hid-id", enumerated at start
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("changes");
        const QString rx = kReceiverId, cable = kCableId;

        QTest::newRow("receiver in and out, parent gone at removal")
            << QStringList()
            << QStringList{"add /dev/hidraw2 " + rx, "add /dev/hidraw3 " + rx, "remove /dev/hidraw3 -",
                           "remove /dev/hidraw2 -"}
            << QStringList{"+/dev/hidraw2 1a2b:3c01 1", "+/dev/hidraw3 1a2b:3c01 1,2,3,4", "-/dev/hidraw3 1a2b:3c01",
                           "-/dev/hidraw2 1a2b:3c01"};
        QTest::newRow("cable present at start, then unplugged")
            << QStringList{"/dev/hidraw2 " + cable, "/dev/hidraw3 " + cable}
            << QStringList{"remove /dev/hidraw3 -", "remove /dev/hidraw2 -"}
            << QStringList{"-/dev/hidraw3 1a2b:3c02", "-/dev/hidraw2 1a2b:3c02"};
        QTest::newRow("unknown node") << QStringList()
                                      << QStringList{"remove /dev/hidraw7 -", "remove /dev/hidraw7 0003:0000046D:0000C52B"}
                                      << QStringList{"-/dev/hidraw7 0:0", "-/dev/hidraw7 46d:c52b"};
        QTest::newRow("node number reused by another device")
            << QStringList()
            << QStringList{"add /dev/hidraw3 " + rx, "remove /dev/hidraw3 -", "add /dev/hidraw3 " + cable,
                           "remove /dev/hidraw3 -", "remove /dev/hidraw3 -"}
            << QStringList{"+/dev/hidraw3 1a2b:3c01 1,2,3,4", "-/dev/hidraw3 1a2b:3c01", "+/dev/hidraw3 1a2b:3c02 1,2,3,4",
                           "-/dev/hidraw3 1a2b:3c02", "-/dev/hidraw3 0:0"};
        QTest::newRow("arrival whose descriptor is already gone")
            << QStringList() << QStringList{"add /dev/hidraw8 " + rx, "remove /dev/hidraw8 -"}
            << QStringList{"+/dev/hidraw8 1a2b:3c01 ", "-/dev/hidraw8 1a2b:3c01"};
        QTest::newRow("events the handler does not take")
            << QStringList{"/dev/hidraw5 garbage"}
            << QStringList{"change /dev/hidraw3 " + rx, "bind /dev/hidraw3 " + rx, "add - " + rx, "add /dev/hidraw3 -",
                           "add /dev/hidraw3 0003:zz:3C01", "remove /dev/hidraw5 -"}
            << QStringList{"ignored", "ignored", "ignored", "ignored", "ignored", "-/dev/hidraw5 0:0"};
    }

    void sequences()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, events);
        QFETCH(QStringList, changes);
        SysfsFixture sysfs;
        sysfs.addNode("hidraw2", kMouseDescriptor);
        sysfs.addNode("hidraw3", kReceiverDescriptor);
        HidNodeTracker tracker;
        for (const QString &node : present)
            tracker.remember(node.section(' ', 0, 0).toLatin1(), node.section(' ', 1).toLatin1());
        QStringList got;
        for (const QString &event : events)
            got << play(tracker, event);
        QCOMPARE(got, changes);
    }
};

QTEST_GUILESS_MAIN(HotplugEventsTest)
#include "tst_hotplugevents.moc"
