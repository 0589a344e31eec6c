// The configuration download against the simulated mouse: which reports, in which order,
// and what the macro memory holds.
#include "downloadfixture.h"

#include <QtTest>

namespace {

QByteArray block(int slot) { return QByteArray(reinterpret_cast<const char *>(MacroMemoryImage) + kMacroBlockSize * slot, kMacroBlockSize); }

// A block as the test spells it: 3-byte steps, the rest zero.
QByteArray steps(const QVector<QByteArray> &list)
{
    QByteArray bytes;
    for (const QByteArray &step : list)
        bytes += step;
    return bytes.leftJustified(kMacroBlockSize, '\0');
}

QByteArray key(int usage) { return QByteArray("\x84", 1) + char(usage) + '\0'; }
const QByteArray kPause("\x06\x01\x00", 3);
const QByteArray kZero(3, '\0');
const QByteArray kOwnDelay("\x06\x05\x00", 3);  // (type, DataL, DataH) of a 50 ms delay

ButtonInfo macroEntry(int count, bool withDelay)
{
    ButtonInfo entry;
    entry.KeyNumber = count;
    for (int i = 0; i < count; ++i)
        entry.keyInfo[i] = {0x84, quint8(i + 1), 0};
    if (withDelay && count > 0)
        entry.keyInfo[count - 1] = {0x06, 5, 0};
    return entry;
}

} // namespace

class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    // The debug lines these tests wait for are off unless their category is on.
    void initTestCase() { QLoggingCategory::setFilterRules("veskaro.device.debug=true"); }

    void reportOrder_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QVector<SentReport>>("expected");
        using S = Sections;
        QVector<SentReport> none, settings, dpi, buttons, lighting, all;
        S::begin(none), S::settings(none), S::end(none);
        S::begin(settings), S::settings(settings), S::commits(settings), S::end(settings);
        S::begin(dpi), S::settings(dpi), S::dpi(dpi), S::commits(dpi), S::end(dpi);
        S::begin(buttons), S::settings(buttons), S::buttons(buttons), S::commits(buttons), S::end(buttons);
        S::begin(lighting), S::settings(lighting), S::lighting(lighting), S::commits(lighting), S::end(lighting);
        S::begin(all), S::settings(all), S::buttons(all), S::dpi(all), S::lighting(all), S::commits(all), S::end(all);
        QTest::newRow("nothing: frame and settings, no commits") << 0 << none;
        QTest::newRow("settings") << int(kChangeSettings) << settings;
        QTest::newRow("DPI stages") << int(kChangeDpi) << dpi;
        QTest::newRow("buttons") << int(kChangeButtons) << buttons;
        QTest::newRow("lighting") << int(kChangeLighting) << lighting;
        QTest::newRow("everything") << int(kChangeAll) << all;
    }
    void reportOrder()
    {
        QFETCH(int, flags);
        QFETCH(QVector<SentReport>, expected);
        DownloadFixture fixture;
        DeviceConfig config;
        config.profiles[0].dpiInfo[3].x = 40;
        QCOMPARE(DownloadProfile(config, flags), 0);
        QCOMPARE(SentReports(), expected);
        QCOMPARE(SimBeginCount(), 1);
        QCOMPARE(SimEndCount(), 1);
    }

    // Without a delay step of its own a macro gets a pause after every four steps, a
    // closing pause and a zero step; with one it goes as it is.
    void macroBlocks_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("withDelay");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("0") << 0 << false << steps({kPause, kZero});
        QTest::newRow("1") << 1 << false << steps({key(1), kPause, kZero});
        QTest::newRow("3") << 3 << false << steps({key(1), key(2), key(3), kPause, kZero});
        QTest::newRow("4") << 4 << false << steps({key(1), key(2), key(3), key(4), kPause, kPause, kZero});
        QTest::newRow("5") << 5 << false << steps({key(1), key(2), key(3), key(4), kPause, key(5), kPause, kZero});
        QTest::newRow("1 delay") << 1 << true << steps({kOwnDelay});
        QTest::newRow("3 with delay") << 3 << true << steps({key(1), key(2), kOwnDelay});
        QTest::newRow("5 with delay") << 5 << true << steps({key(1), key(2), key(3), key(4), kOwnDelay});
        QVector<QByteArray> full;
        for (int i = 1; i < 63; ++i)
            full << key(i);
        full << kOwnDelay;
        QTest::newRow("63 with delay") << 63 << true << steps(full);
        // 63 + 15 pauses + closing pause + zero step need 240 bytes: cut at the 66th step.
        QVector<QByteArray> cut;
        for (int i = 1; i <= 63 && cut.size() < 66; ++i) {
            cut << key(i);
            if (i % 4 == 0 && cut.size() < 66)
                cut << kPause;
        }
        QTest::newRow("63 without delay, cut") << 63 << false << steps(cut);
    }
    void macroBlocks()
    {
        QFETCH(int, count);
        QFETCH(bool, withDelay);
        QFETCH(QByteArray, expected);
        std::fill(std::begin(MacroMemoryImage), std::end(MacroMemoryImage), quint8(0xEE));
        if (count == 63 && !withDelay)
            QTest::ignoreMessage(QtDebugMsg, "macro of 63 steps cut to 66 block steps\n");
        QCOMPARE(BuildMacroBlock(macroEntry(count, withDelay), 3), 1);
        QCOMPARE(block(3).toHex(' '), expected.toHex(' '));
        QCOMPARE(block(2), QByteArray(kMacroBlockSize, char(0xEE)));  // neighbours untouched
        QCOMPARE(block(4), QByteArray(kMacroBlockSize, char(0xEE)));
    }

    // KeyNumber comes from a file through the button record: never read past the 63 steps.
    void macroStepCountOutOfRange()
    {
        ButtonInfo entry = macroEntry(2, true);
        entry.KeyNumber = -7;
        BuildMacroBlock(entry, 0);
        QCOMPARE(block(0), steps({kPause, kZero}));
        entry.KeyNumber = 100000;
        BuildMacroBlock(entry, 0);
        QCOMPARE(block(0).left(6), key(1) + kOwnDelay);
    }

    void slotLookup()
    {
        MacroSlotMap.clear();
        QCOMPARE(FindMacroSlot("a"), -1);
        MacroSlotMap = {{0, "a"}, {1, "b"}, {2, "a"}};
        QCOMPARE(FindMacroSlot("b"), 1);
        QCOMPARE(FindMacroSlot("c"), 255);
        RemoveMacroName("a");
        QCOMPARE(FindMacroSlot("a"), 2);
        RemoveMacroName("c");
        QCOMPARE(int(MacroSlotMap.size()), 2);
    }

    // Twelve macros fill the device's twelve slots; a thirteenth is logged and not sent.
    void twelveAndThirteenMacros_data()
    {
        QTest::addColumn<int>("macros");
        QTest::newRow("12") << 12;
        QTest::newRow("13") << 13;
    }
    void twelveAndThirteenMacros()
    {
        QFETCH(int, macros);
        DownloadFixture fixture;
        DeviceConfig config;
        for (int i = 0; i < macros; ++i) {
            WriteTestMacro(QString("m%1").arg(i), 63, 10 * i, true);
            AssignMacro(config.profiles[0], i, QString("m%1").arg(i));
        }
        if (macros > kMacroSlotsUsed)
            QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560\n");
        QCOMPARE(DownloadProfile(config, kChangeButtons), 0);
        QCOMPARE(SimWriteCountOf(0x05), kMacroSlotsUsed * 10 + 1);
        QCOMPARE(SimClosings(0x05), 1);
        const QByteArray memory = SimArea(0x05);
        for (int slot = 0; slot < kMacroSlotsUsed; ++slot) {
            QCOMPARE(memory.mid(kMacroBlockSize * slot, kMacroBlockSize), block(slot));
            QCOMPARE(int(quint8(memory[kMacroBlockSize * slot + 1])), 10 * slot);  // first step's usage
        }
        QCOMPARE(memory.mid(kMacroBlockSize * kMacroSlotsUsed, kMacroBlockSize), QByteArray(kMacroBlockSize, '\0'));
        QCOMPARE(SentReports().constLast(), (SentReport{kCmdBeginEnd, 1, 0}));
    }

    // A macro on two buttons is read and sent once; profile 2's own macro is not sent.
    void sharedMacroSentOnce()
    {
        DownloadFixture fixture;
        DeviceConfig config;
        WriteTestMacro("Same", 3, 1);
        WriteTestMacro("Other", 2, 50);
        WriteTestMacro("Elsewhere", 2, 90);
        AssignMacro(config.profiles[0], 1, "Same");
        AssignMacro(config.profiles[0], 4, "Other", 200);
        AssignMacro(config.profiles[0], 9, "Same");
        AssignMacro(config.profiles[2], 0, "Elsewhere");
        QCOMPARE(DownloadProfile(config, kChangeButtons), 0);
        QCOMPARE(SimWriteCountOf(0x05), 2 * 10 + 1);
        QCOMPARE(block(0), steps({key(1), key(2), key(3), kPause, kZero}));
        QCOMPARE(block(1), steps({key(50), key(51), kPause, kZero}));
        QCOMPARE(g_downloadConfig.profiles[0].buttonInfo[9].Res4, quint8(0));
        QCOMPARE(g_downloadConfig.profiles[0].buttonInfo[4].Res4, quint8(1));
        QVERIFY(MacroSlotMap.empty());
    }

    void missingMacroFileSendsAPause()
    {
        DownloadFixture fixture;
        DeviceConfig config;
        AssignMacro(config.profiles[0], 0, "NoFile");
        QCOMPARE(DownloadProfile(config, kChangeButtons), 0);
        QCOMPARE(SimWriteCountOf(0x05), 11);
        QCOMPARE(SimArea(0x05).left(6), kPause + kZero);
    }

    // Without the button section the map is not refilled: no macro goes out.
    void noButtonSectionNoMacros()
    {
        DownloadFixture fixture;
        DeviceConfig config;
        WriteTestMacro("Kept", 3);
        AssignMacro(config.profiles[0], 0, "Kept");
        QCOMPARE(DownloadProfile(config, kChangeDpi), 0);
        QCOMPARE(SimWriteCountOf(0x05), 0);
    }

    // The first macro report is marked 0xD1 only when it belongs to slot 0.
    void emptyFirstSlot()
    {
        DownloadFixture fixture;
        WriteTestMacro("B", 2);
        g_downloadConfig = DeviceConfig();
        AssignMacro(g_downloadConfig.profiles[0], 3, "B");
        MacroSlotMap = {{1, "B"}};
        QCOMPARE(DownloadMacros(), 0);
        const QVector<SentReport> sent = SentReports();
        QCOMPARE(sent.size(), 11);
        QCOMPARE(sent.first(), (SentReport{0x05, 200, kMarkerMiddle}));
        QCOMPARE(sent.last(), (SentReport{0x05, 0x0FFF, kMarkerClosing}));
    }

    // The first failing report ends the download. The battery thread is restarted on the
    // GUI thread after it, also after a failure while the mouse stays open; not without one.
    void failureStopsTheDownload()
    {
        DownloadFixture fixture;
        StartBatteryThread();
        QVERIFY(IsBatteryThreadRunning());
        SimClearLog();
        DeviceConfig config;
        SimSetFault(SimFault::WriteFails, 5, 1);
        QCOMPARE(DownloadProfile(config, kChangeAll), 4);
        QVERIFY(!IsBatteryThreadRunning());  // queued for the GUI thread
        QCOMPARE(SentReports().size(), 6);  // begin, settings, 3 of the button table
        QCOMPARE(SimEndCount(), 0);
        QTRY_VERIFY(IsBatteryThreadRunning());

        SimClearFaults();
        QCOMPARE(DownloadProfile(config, kChangeAll), 0);
        QVERIFY(!IsBatteryThreadRunning());
        QTRY_VERIFY(IsBatteryThreadRunning());

        CloseDevice();
        QCOMPARE(DownloadProfile(config, kChangeAll), 1);
        QTest::qWait(20);
        QCoreApplication::processEvents();
        QVERIFY(!IsBatteryThreadRunning());
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_download.moc"
