// The simulated mouse itself, as far as other tests rely on it: its checks, the shape of
// its collections, hot-plug announcements, feature queries and unsolicited reports.
#include "devicefixture.h"
#include "hidcollections.h"
#include "hotplugmonitor.h"

#include <QSignalSpy>
#include <QtTest>
#include <thread>

namespace {

QByteArray report(const char *hex)
{
    QByteArray bytes = QByteArray::fromHex(hex);
    bytes.append(QByteArray(kCommandReportSize - bytes.size(), '\0'));
    return bytes;
}

int write(hid_device *handle, const QByteArray &bytes)
{
    return hid_write(handle, reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()));
}

enum class Misuse { ReportId, Checksum, UseAfterClose, CloseTwice, TwoThreads };

} // namespace

Q_DECLARE_METATYPE(Misuse)

class SimulatorTest : public QObject {
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<Misuse>("misuse");
        QTest::addColumn<QString>("expected");
        QTest::newRow("report id") << Misuse::ReportId << "report ID 0x06";
        QTest::newRow("checksum") << Misuse::Checksum << "checksum 0x00 of command 0x48, expected 0x24";
        QTest::newRow("use after close") << Misuse::UseAfterClose << "after hid_close";
        QTest::newRow("close twice") << Misuse::CloseTwice << "twice";
        QTest::newRow("two threads") << Misuse::TwoThreads << "two threads";
    }

    void checks()
    {
        QFETCH(Misuse, misuse);
        QFETCH(QString, expected);
        DeviceFixture fixture;
        SimSetViolationsFatal(false);
        SimPlugReceiver();
        hid_device *handle = hid_open_path(SimCommandPath(SimLink::Receiver).constData());
        QVERIFY(handle);
        unsigned char buffer[kCommandReportSize] = {};
        switch (misuse) {
        case Misuse::ReportId:
            write(handle, report("0624FA48"));
            break;
        case Misuse::Checksum:
            write(handle, report("0500FA48"));
            break;
        case Misuse::UseAfterClose:
            hid_close(handle);
            QCOMPARE(hid_read_timeout(handle, buffer, sizeof buffer, 0), -1);
            break;
        case Misuse::CloseTwice:
            hid_close(handle);
            hid_close(handle);
            break;
        case Misuse::TwoThreads: {
            std::thread reader([handle] {
                unsigned char other[kCommandReportSize];
                hid_read_timeout(handle, other, sizeof other, 200);
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            hid_read_timeout(handle, buffer, sizeof buffer, 0);
            reader.join();
            break;
        }
        }
        const QStringList violations = SimViolations();
        QCOMPARE(violations.size(), 1);
        QVERIFY2(violations.first().contains(expected), qPrintable(violations.first()));
        if (misuse != Misuse::UseAfterClose && misuse != Misuse::CloseTwice)
            hid_close(handle);
    }

    // hidapi on Linux: one path per interface, one entry per collection with a usage (nested
    // ones too unless only top-level ones are listed); the descriptors lie where sysfs has them.
    void collectionsOfTheReceiver_data()
    {
        QTest::addColumn<bool>("topLevelOnly");
        QTest::newRow("every collection") << false;
        QTest::newRow("top-level only") << true;
    }

    void collectionsOfTheReceiver()
    {
        QFETCH(bool, topLevelOnly);
        DeviceFixture fixture;
        SimSetEnumeration(topLevelOnly ? SimEnumeration::TopLevelOnly : SimEnumeration::EveryCollection);
        SimPlugReceiver();
        QList<QPair<QByteArray, int>> entries;
        QList<int> pages;
        hid_device_info *list = hid_enumerate(quint16(kTestDongleVid), quint16(kTestDonglePid));
        for (hid_device_info *d = list; d; d = d->next) {
            entries << qMakePair(QByteArray(d->path), int(d->usage));
            pages << d->usage_page;
            QCOMPARE(int(d->release_number), 0x0100);
            QVERIFY(d->serial_number);
        }
        hid_free_enumeration(list);
        const QByteArray mouse = SimMousePath(SimLink::Receiver);
        const QByteArray command = SimCommandPath(SimLink::Receiver);
        if (topLevelOnly) {
            QCOMPARE(entries, (QList<QPair<QByteArray, int>>{{mouse, 2}, {command, 1}, {command, 0x80}, {command, 1}, {command, 0}}));
            QCOMPARE(pages, (QList<int>{1, 0x0C, 1, 0xFF00, 1}));
        } else {
            QCOMPARE(entries, (QList<QPair<QByteArray, int>>{{mouse, 2}, {mouse, 1}, {command, 1}, {command, 1},
                                                              {command, 0x80}, {command, 1}, {command, 0}}));
            QCOMPARE(pages, (QList<int>{1, 1, 0x0C, 1, 1, 0xFF00, 1}));
        }
        const std::vector<HidUsagePair> topLevel = TopLevelCollections(ReadReportDescriptor(command.toStdString()));
        QCOMPARE(int(topLevel.size()), 4);
        QCOMPARE(CollectionNumber(topLevel, 1, 0), 4);
        QCOMPARE(NodeCollectionNumbers(mouse.toStdString()), std::vector<int>{1});

        hid_device_info *all = hid_enumerate(0, 0);
        bool nullSerial = false;
        for (hid_device_info *d = all; d; d = d->next)
            nullSerial = nullSerial || (d->vendor_id == 0x04D9 && !d->serial_number);
        hid_free_enumeration(all);
        QVERIFY(nullSerial);  // the unrelated device

        hid_device *handle = hid_open_path(command.constData());
        QCOMPARE(int(hid_get_device_info(handle)->release_number), 0x0100);
        hid_close(handle);
    }

    void announcesHotplug()
    {
        DeviceFixture fixture;
        QCoreApplication::processEvents();  // what earlier tests announced
        QSignalSpy spy(HidHotplugMonitor::instance(), &HidHotplugMonitor::hidInterfaceChanged);
        SimPlugCable();
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), QString::fromLatin1(SimCommandPath(SimLink::Cable)));
        QCOMPARE(spy.at(1).at(1).toInt(), kTestCableVid);
        QCOMPARE(spy.at(1).at(2).toInt(), kTestCablePid);
        QCOMPARE(spy.at(1).at(3).toBool(), true);
        QCOMPARE(spy.at(1).at(4).value<QList<int>>(), (QList<int>{1, 2, 3, 4}));
        SimUnplugCable();
        QTRY_COMPARE(spy.size(), 4);
        QCOMPARE(spy.at(3).at(3).toBool(), false);
        QVERIFY(ReadReportDescriptor(SimCommandPath(SimLink::Cable).toStdString()).empty());  // gone with the link
    }

    // Unsolicited reports come through the cable when it is there, to every handle of the node.
    void unsolicitedReports()
    {
        DeviceFixture fixture;
        SimPlugReceiver();
        SimPlugCable();
        hid_device *receiver = hid_open_path(SimCommandPath(SimLink::Receiver).constData());
        hid_device *first = hid_open_path(SimCommandPath(SimLink::Cable).constData());
        hid_device *second = hid_open_path(SimCommandPath(SimLink::Cable).constData());
        SimSendStatus(1, 2, 3, 4);
        unsigned char buffer[kCommandReportSize] = {};
        QCOMPARE(hid_read_timeout(receiver, buffer, sizeof buffer, 0), 0);
        for (hid_device *h : {first, second}) {
            QCOMPARE(hid_read_timeout(h, buffer, sizeof buffer, 0), kCommandReportSize);
            QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 8), QByteArray::fromHex("0500FA4901020304"));
        }
        hid_set_nonblocking(first, 1);
        QCOMPARE(hid_read(first, buffer, sizeof buffer), 0);
        SimSendBattery();
        hid_set_nonblocking(first, 0);
        QCOMPARE(hid_read(first, buffer, sizeof buffer), kCommandReportSize);  // blocking, but there is one
        QCOMPARE(int(buffer[3]), 0x48);
        SimUnplugCable();
        QCOMPARE(hid_read_timeout(second, buffer, sizeof buffer, 0), -1);
        QCOMPARE(write(second, report("0524FA48")), -1);
        for (hid_device *h : {receiver, first, second})
            hid_close(h);
    }

    // The queries of the unused operations read what block writes and select-profile left.
    void featureQueries()
    {
        DeviceFixture fixture;
        fixture.start(false, true);
        QCOMPARE(SendCommand(MakeTestReport(0x44, 3), kCommandReportSize), kSendOk);
        QCOMPARE(SimSelectedProfile(), 3);
        const QByteArray query = report("0500FA412C0001");
        QCOMPARE(hid_send_feature_report(WiredMouseHandle, reinterpret_cast<const unsigned char *>(query.constData()),
                                         kCommandReportSize),
                 kCommandReportSize);
        unsigned char answer[kCommandReportSize] = {0x05};
        QCOMPARE(hid_get_feature_report(WiredMouseHandle, answer, sizeof answer), kCommandReportSize);
        QCOMPARE(int(answer[8]), 3);
    }

    void logTimes()
    {
        DeviceFixture fixture;
        fixture.start(true, false);
        SimSetReplyDelay(20);
        QCOMPARE(SendCommand(MakeTestReport(0x46), kCommandReportSize), kSendOk);
        const QList<SimLogEntry> log = SimLog();
        QCOMPARE(log.size(), 2);
        QVERIFY(log.at(1).timeUs - log.at(0).timeUs >= 20000);  // the read waited for the reply
        QCOMPARE(SimBeginCount(), 1);
    }

    // What a user reads to see what Apply sent: a line per report in and out, none for a
    // failed write or an empty read.
    void reportFile()
    {
        DeviceFixture fixture;
        QTemporaryDir dir;
        const QString path = dir.filePath("reports.log");
        QVERIFY(!SimLogReportsTo(dir.filePath("missing/reports.log")));
        QVERIFY(SimLogReportsTo(path));
        SimPlugReceiver();
        hid_device *handle = hid_open_path(SimCommandPath(SimLink::Receiver).constData());
        QVERIFY(handle);
        unsigned char buffer[kCommandReportSize] = {};
        QCOMPARE(hid_read_timeout(handle, buffer, sizeof buffer, 0), 0);
        const QByteArray query = report("0524FA48");  // the battery query
        QCOMPARE(write(handle, query), kCommandReportSize);
        QCOMPARE(hid_read_timeout(handle, buffer, sizeof buffer, 100), kCommandReportSize);
        SimSetFault(SimFault::WriteFails);
        QCOMPARE(write(handle, query), -1);
        SimClearFaults();
        QVERIFY(SimLogReportsTo(QString()));
        write(handle, query);
        hid_close(handle);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QString time = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}";
        const QString where = QRegularExpression::escape(QString::fromLatin1(SimCommandPath(SimLink::Receiver)));
        const QString hex = QString::fromLatin1(query.toHex(' '));
        QVERIFY2(QRegularExpression("^" + time + " received " + where + " " + hex + "$").match(lines.at(0)).hasMatch(),
                 qPrintable(lines.at(0)));
        QVERIFY2(QRegularExpression("^" + time + " sent " + where + " 05 [0-9a-f]{2} fa 48( [0-9a-f]{2}){29}$")
                     .match(lines.at(1))
                     .hasMatch(),
                 qPrintable(lines.at(1)));
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "tst_simulator.moc"
