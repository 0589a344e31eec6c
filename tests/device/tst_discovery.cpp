// Finding the receiver and the cable among the HID collections, opening and closing them.
#include "devicefixture.h"
#include "settings.h"

#include <QtTest>

class DiscoveryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SimSetInstantTimeouts(true); }

    // Each case with the enumeration of hidapi 0.13/0.14 (nested collections listed too)
    // and of 0.15 (top-level collections only).
    void presence_data()
    {
        QTest::addColumn<int>("enumeration");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("commandCollection");
        QTest::addColumn<bool>("donglePair");
        QTest::addColumn<bool>("wiredPair");
        const QList<QPair<SimEnumeration, const char *>> styles = {{SimEnumeration::EveryCollection, "every collection"},
                                                                   {SimEnumeration::TopLevelOnly, "top-level only"}};
        for (const auto &style : styles) {
            auto row = [&style](const char *name) -> QTestData & {
                return QTest::addRow("%s, %s", name, style.second) << int(style.first);
            };
            row("receiver only") << true << false << 4 << true << false;
            row("cable only") << false << true << 4 << false << true;
            row("both") << true << true << 4 << true << true;
            row("nothing") << false << false << 4 << false << false;
            row("receiver, command collection 3") << true << false << 3 << false << false;
        }
    }

    void presence()
    {
        QFETCH(int, enumeration);
        QFETCH(bool, receiver);
        QFETCH(bool, cable);
        QFETCH(int, commandCollection);
        QFETCH(bool, donglePair);
        QFETCH(bool, wiredPair);
        DeviceFixture fixture;
        SimSetEnumeration(SimEnumeration(enumeration));
        SimSetReceiverCommandCollection(commandCollection);
        fixture.start(receiver, cable);

        const DeviceEntry &row = fixture.row();
        QCOMPARE(row.foundA, receiver ? 1 : 0);
        QCOMPARE(row.foundB, donglePair ? 1 : 0);
        QCOMPARE(row.foundC, cable ? 1 : 0);
        QCOMPARE(row.foundD, cable ? 1 : 0);
        QCOMPARE(QByteArray::fromStdString(row.pathA), receiver ? SimMousePath(SimLink::Receiver) : QByteArray());
        QCOMPARE(QByteArray::fromStdString(row.pathB), donglePair ? SimCommandPath(SimLink::Receiver) : QByteArray());
        QCOMPARE(QByteArray::fromStdString(row.pathC), cable ? SimMousePath(SimLink::Cable) : QByteArray());
        QCOMPARE(QByteArray::fromStdString(row.pathD), cable ? SimCommandPath(SimLink::Cable) : QByteArray());
        QCOMPARE(DongleMouseHandle != nullptr, donglePair);
        QCOMPARE(DongleCommandHandle != nullptr, donglePair);
        QCOMPARE(WiredMouseHandle != nullptr, wiredPair);
        QCOMPARE(WiredCommandHandle != nullptr, wiredPair);
        QCOMPARE(SimOpenHandleCount(), 2 * (int(donglePair) + int(wiredPair)));
        QCOMPARE(WiredReleaseNumber.load(), cable ? 0x0105 : 0);

        // Commands go to the cable when it is there.
        const int result = SendCommand(MakeTestReport(0x46), kCommandReportSize);
        if (!donglePair && !wiredPair) {
            QCOMPARE(result, kSendNoHandle);
            QCOMPARE(SimWriteCount(), 0);
            return;
        }
        QCOMPARE(result, kSendOk);
        const QList<SimLogEntry> log = SimLog();
        QVERIFY(!log.isEmpty());
        QCOMPARE(log.first().path, SimCommandPath(wiredPair ? SimLink::Cable : SimLink::Receiver));
    }

    void idsComeFromTheDescription()
    {
        DeviceFixture fixture;
        fixture.start(true, true);
        QCOMPARE(fixture.row().dongleVid, kTestDongleVid);
        QCOMPARE(fixture.row().donglePid, kTestDonglePid);
        QCOMPARE(fixture.row().wiredPid, kTestCablePid);
        QCOMPARE(fixture.row().modelName, QString(kTestModel));
        QCOMPARE(fixture.row().usageB, 0);
        QCOMPARE(fixture.row().usageA, 2);
        QCOMPARE(fixture.row().usagePageD, 1);
    }

    // The model name forms folder paths: one that is no single safe component is no name.
    void modelNameMustStayInItsFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Ombrix M1" << "Ombrix M1";
        QTest::newRow("dots inside") << "M1..2" << "M1..2";
        QTest::newRow("parent") << "../../x" << "";
        QTest::newRow("absolute") << "/tmp/x" << "";
        QTest::newRow("dots alone") << ".." << "";
    }
    void modelNameMustStayInItsFolder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        DeviceFixture fixture({}, {{"Mouse_List/0", stored}});
        QCOMPARE(fixture.row().modelName, expected);
        QCOMPARE(g_modelNameTable[0], expected);
    }

    void otherIdsAreNotFound()
    {
        DeviceFixture fixture;
        SimSetIds(0x248A, 0xFA02, 0x248A, 0xFB01);  // a mouse the description does not name
        fixture.start(true, true);
        QCOMPARE(fixture.row().foundA + fixture.row().foundB + fixture.row().foundC + fixture.row().foundD, 0);
        QCOMPARE(SimOpenHandleCount(), 0);
    }

    void initFailure()
    {
        DeviceFixture fixture;
        SimPlugReceiver();
        SimSetInitFails(true);
        QCOMPARE(EnumerateDevices(), -1);
        QCOMPARE(fixture.row().foundA, 0);
        QCOMPARE(fixture.row().foundB, 0);
    }

    // Both ends of the range are accepted.
    void releaseRange_data()
    {
        QTest::addColumn<int>("release");
        QTest::addColumn<bool>("found");
        QTest::newRow("far below the minimum") << 0x0105 << false;
        QTest::newRow("one below the minimum") << 0x01FF << false;
        QTest::newRow("at the minimum") << 0x0200 << true;
        QTest::newRow("at the maximum") << 0x0300 << true;
        QTest::newRow("one above the maximum") << 0x0301 << false;
    }
    void releaseRange()
    {
        QFETCH(int, release);
        QFETCH(bool, found);
        DeviceFixture fixture;
        g_deviceTable.entries[0].wiredReleaseMin = 0x0200;
        g_deviceTable.entries[0].wiredReleaseMax = 0x0300;
        SimSetReleaseNumber(SimLink::Cable, release);
        fixture.start(false, true);
        QCOMPARE(fixture.row().foundC, found ? 1 : 0);
        QCOMPARE(fixture.row().foundD, found ? 1 : 0);
        QCOMPARE(WiredReleaseNumber.load(), found ? release : 0);
        QCOMPARE(WiredCommandHandle != nullptr, found);
    }

    void otherModelNameOpensNothing()
    {
        DeviceFixture fixture;
        SimPlugReceiver();
        EnumerateDevices();
        OpenDeviceByName("Another Mouse");
        QCOMPARE(SimOpenHandleCount(), 0);
        QVERIFY(DongleCommandHandle == nullptr);
    }

    // Found flags set by the main window on a device event count as well.
    void opensPairsByFoundFlags()
    {
        DeviceFixture fixture;
        SimPlugCable();
        DeviceEntry &row = g_deviceTable.entries[0];
        row.pathC = SimMousePath(SimLink::Cable).toStdString();
        row.pathD = SimCommandPath(SimLink::Cable).toStdString();
        row.foundC = 1;
        OpenDeviceByName(kTestModel);
        QVERIFY(WiredCommandHandle == nullptr);  // one flag of the pair is not enough
        row.foundD = 1;
        OpenDeviceByName(kTestModel);
        QVERIFY(WiredCommandHandle != nullptr);
    }

    void reopeningClosesFirst()
    {
        DeviceFixture fixture;
        fixture.start(true, true);
        QCOMPARE(SimOpenHandleCount(), 4);
        OpenDeviceByName(kTestModel);
        QCOMPARE(SimOpenHandleCount(), 4);
        QVERIFY(SimViolations().isEmpty());
    }

    void closeAndExit()
    {
        DeviceFixture fixture;
        fixture.start(true, true);
        CloseDevice();
        QVERIFY(DongleMouseHandle == nullptr && DongleCommandHandle == nullptr);
        QVERIFY(WiredMouseHandle == nullptr && WiredCommandHandle == nullptr);
        QCOMPARE(SimOpenHandleCount(), 0);
        QStringList order;
        for (const SimLogEntry &e : SimLog())
            if (e.call == SimCall::Close)
                order << QString::fromLatin1(e.path);
        QCOMPARE(order, QStringList({SimMousePath(SimLink::Receiver), SimCommandPath(SimLink::Receiver),
                                     SimMousePath(SimLink::Cable), SimCommandPath(SimLink::Cable)}));
        CloseDevice();  // nothing open: nothing closed twice
        ExitHid();
        QCOMPARE(SimExitCount(), 1);
        QCOMPARE(SendCommand(MakeTestReport(0x46), kCommandReportSize), kSendNoHandle);
    }

    void releaseNumberByPath()
    {
        DeviceFixture fixture;
        SimSetReleaseNumber(SimLink::Cable, 0x0207);
        SimPlugCable();
        QCOMPARE(GetDeviceReleaseNumber(SimCommandPath(SimLink::Cable).constData()), 0x0207);
        QCOMPARE(GetDeviceReleaseNumber("/dev/none"), 0);
        QCOMPARE(GetDeviceReleaseNumber(nullptr), 0);
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
