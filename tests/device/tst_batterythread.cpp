// The battery and status thread: its signals for given replies, the query every 56th pass,
// and stopping and restarting it while it reads.
#include "devicefixture.h"
#include "../debuglines.h"

#include <QtTest>
#include <mutex>
#include <thread>

namespace {

using Triple = QList<int>;

// Collects the thread's signals on the test thread (queued, as the main window gets them).
class Recorder : public QObject {
    Q_OBJECT
public:
    QList<Triple> battery;
    QList<QList<int>> status;
    QList<int> writeStatus;

    void attach(KestGetBatteryThread &thread)
    {
        connect(&thread, &KestGetBatteryThread::RefreshBatteryStatus, this, &Recorder::onBattery, Qt::QueuedConnection);
        connect(&thread, &KestGetBatteryThread::RefreshStatus, this, &Recorder::onStatus, Qt::QueuedConnection);
        connect(&thread, &KestGetBatteryThread::RefreshWriteStatus, this, &Recorder::onWriteStatus, Qt::QueuedConnection);
    }

public slots:
    void onBattery(uchar charging, uchar low, uchar high) { battery << Triple{charging, low, high}; }
    void onStatus(uchar p, uchar s, uchar r, uchar l) { status << QList<int>{p, s, r, l}; }
    void onWriteStatus(uchar s) { writeStatus << s; }
};

// Short pauses: a pass is a read and `passMs`.
BatteryThreadPauses quickPauses(int passMs)
{
    BatteryThreadPauses pauses;
    pauses.afterQueryWriteMs = 0;
    pauses.afterQueryMs = 0;
    pauses.afterReadMs = passMs;
    pauses.afterReadErrorMs = passMs;
    return pauses;
}

} // namespace

class BatteryThreadTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        g_batteryExtra = 0;
        SetBatteryThreadPauses(quickPauses(0));
    }

    void cleanup()
    {
        StopBatteryThread();
        SetBatteryThreadConnector(nullptr);
        QLoggingCategory::setFilterRules(QString());
    }

    // The first pass: the query's reply, then the same buffer once more after the pass's
    // read timed out.
    void batteryReplies_data()
    {
        QTest::addColumn<bool>("asleep");
        QTest::addColumn<bool>("queryReadFails");
        QTest::addColumn<int>("voltage");
        QTest::addColumn<bool>("charging");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QList<Triple>>("battery");
        QTest::addColumn<QList<int>>("writeStatus");
        QTest::newRow("on battery") << false << false << 0x03C0 << false << 8
                                    << QList<Triple>{{0, 0xC0, 0x03}, {0, 0xC0, 0x03}} << QList<int>{1, 1};
        QTest::newRow("charging") << false << false << 0x0410 << true << 0
                                  << QList<Triple>{{1, 0x10, 0x04}, {1, 0x10, 0x04}} << QList<int>{1, 1};
        QTest::newRow("asleep") << true << false << 0x03C0 << false << 0
                                << QList<Triple>{{0, 0, 0}, {0, 0, 0}} << QList<int>{};
        // The failed read reports zeros; the reply is then taken by the pass's own read.
        QTest::newRow("query read fails") << false << true << 0x03C0 << false << 3
                                          << QList<Triple>{{0, 0, 0}, {0, 0xC0, 0x03}} << QList<int>{1};
    }

    void batteryReplies()
    {
        QFETCH(bool, asleep);
        QFETCH(bool, queryReadFails);
        QFETCH(int, voltage);
        QFETCH(bool, charging);
        QFETCH(int, extra);
        QFETCH(QList<Triple>, battery);
        QFETCH(QList<int>, writeStatus);
        DeviceFixture fixture;
        SimSetInstantTimeouts(true);
        fixture.start(true, false);
        SimSetBattery(voltage, charging, 1, quint8(extra));
        SimSetAsleep(asleep);
        if (queryReadFails)
            SimSetFault(SimFault::ReadError, 0, 1);

        Recorder recorder;
        KestGetBatteryThread thread;
        thread.m_pauses = quickPauses(60000);  // stays in the first pass's pause
        recorder.attach(thread);
        thread.start();
        QTRY_COMPARE(recorder.battery.size(), 2);
        thread.stopThread();
        thread.join();
        QCoreApplication::processEvents();
        QCOMPARE(recorder.battery, battery);
        QCOMPARE(recorder.writeStatus, writeStatus);
        QCOMPARE(int(g_batteryExtra), asleep ? 0 : extra);
        QCOMPARE(SimWriteCountOf(0x48), 1);
        QCOMPARE(SimLog().first().bytes.left(4), QByteArray::fromHex("0524FA48"));
    }

    // A terminal stays quiet: the thread's debug lines, one per battery reply, show only when
    // a rule turns on the device link's category (QT_LOGGING_RULES takes the same rules).
    void debugLinesOnlyWithTheirRule_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no rule") << QString() << false;
        QTest::newRow("every library") << "veskaro.*.debug=true" << true;
        QTest::newRow("the device link") << "veskaro.device.debug=true" << true;
        QTest::newRow("another library") << "veskaro.store.debug=true" << false;
    }

    void debugLinesOnlyWithTheirRule()
    {
        QFETCH(QString, rules);
        QFETCH(bool, shown);
        QLoggingCategory::setFilterRules(rules);
        DeviceFixture fixture;
        SimSetInstantTimeouts(true);
        fixture.start(true, false);
        SimSetBattery(0x03C0, false, 1, 0);
        DebugLines lines;
        Recorder recorder;
        KestGetBatteryThread thread;
        thread.m_pauses = quickPauses(60000);
        recorder.attach(thread);
        thread.start();
        QTRY_COMPARE(recorder.battery.size(), 2);
        thread.stopThread();
        thread.join();
        const QStringList logged = lines.take();
        const QStringList battery = logged.filter("Threadread bat - ");
        if (shown)
            QCOMPARE(battery, QStringList{"veskaro.device: Threadread bat - 5 0 fa 48 c0 3 0 1\n"});
        else
            QVERIFY2(logged.isEmpty(), qPrintable(logged.join('|')));
    }

    void statusReports()
    {
        DeviceFixture fixture;
        SimSetInstantTimeouts(true);
        fixture.start(false, true);
        Recorder recorder;
        KestGetBatteryThread thread;
        thread.m_pauses = quickPauses(2);
        recorder.attach(thread);
        thread.start();
        QTRY_VERIFY(!recorder.battery.isEmpty());
        SimSendStatus(5, 0, 1, 0);  // no such profile
        SimSendStatus(0, 8, 1, 0);  // no such stage
        SimSendStatus(4, 7, 2, 3);
        QTRY_COMPARE(recorder.status.size(), 1);
        QCOMPARE(recorder.status.first(), QList<int>({4, 7, 2, 3}));
    }

    // The query goes out on the first pass and then every 56th: 57 reads from one to the next.
    void queryEvery56thPass()
    {
        DeviceFixture fixture;
        SimSetInstantTimeouts(true);
        fixture.start(true, false);
        StartBatteryThread();
        QTRY_VERIFY(SimWriteCountOf(0x48) >= 3);
        StopBatteryThread();
        const QList<SimLogEntry> log = SimLog();
        QVERIFY(log.first().call == SimCall::Write);
        QList<int> readsBetween;
        int reads = -1;
        for (const SimLogEntry &e : log) {
            if (e.call == SimCall::Write) {
                QCOMPARE(quint8(e.bytes.at(3)), quint8(0x48));
                if (reads >= 0)
                    readsBetween << reads;
                reads = 0;
            } else if (e.call == SimCall::Read) {
                ++reads;
                QCOMPARE(e.timeoutMs, kBatteryReadTimeoutMs);
            }
        }
        QCOMPARE(readsBetween.mid(0, 2), QList<int>({57, 57}));
    }

    void endsWithoutHandle()
    {
        DeviceFixture fixture;
        fixture.start(false, false);
        Recorder recorder;
        SetBatteryThreadConnector([&recorder](KestGetBatteryThread &t) { recorder.attach(t); });
        StartBatteryThread();
        QTRY_VERIFY(!IsBatteryThreadRunning());
        QCoreApplication::processEvents();
        QVERIFY(recorder.battery.isEmpty());
        QCOMPARE(SimWriteCount(), 0);
    }

    // Stops, restarts, commands from this thread and closing, all while the thread waits in
    // its reads: the simulator fails the test on a handle used after hid_close or by two
    // threads at once.
    void stopAndRestartWhileReading()
    {
        DeviceFixture fixture;
        fixture.start(true, true);
        SimSetReplyDelay(5);
        SetBatteryThreadPauses(quickPauses(1));
        for (int round = 0; round < 12; ++round) {
            StartBatteryThread();
            if (round % 2)
                StartBatteryThread();  // the running one is stopped first
            std::this_thread::sleep_for(std::chrono::milliseconds(5 * (round % 4)));
            QCOMPARE(SendCommand(MakeTestReport(0x46), kCommandReportSize), kSendOk);
            if (round % 3 == 0) {
                CloseDevice();  // stops the thread before closing
                QVERIFY(!IsBatteryThreadRunning());
                OpenDeviceByName(kTestModel);
            } else {
                StopBatteryThread();
            }
        }
        QVERIFY(!IsBatteryThreadRunning());
        QVERIFY(SimViolations().isEmpty());
        QCOMPARE(SimOpenHandleCount(), 4);
    }

    // Closing under a running thread: it finds no handle at its next pass and ends.
    void stopsWhenClosed()
    {
        DeviceFixture fixture;
        fixture.start(true, false);
        StartBatteryThread();
        QTRY_VERIFY(SimReadCount() > 2);
        {
            std::lock_guard<std::recursive_mutex> lock(DeviceLinkMutex());
            hid_close(DongleCommandHandle.exchange(nullptr));
        }
        QTRY_VERIFY(!IsBatteryThreadRunning());
        QVERIFY(SimViolations().isEmpty());
    }
};

QTEST_GUILESS_MAIN(BatteryThreadTest)
#include "tst_batterythread.moc"
