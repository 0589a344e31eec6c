// The senders against the simulated mouse: what reaches the receiver, byte for byte, with
// the device description, Config.ini and the last battery report they read.
#include "batterythread.h"
#include "buttonfunctions.h"
#include "commands.h"
#include "devicetable.h"
#include "download.h"
#include "goldenreports.h"
#include "mousesim.h"
#include "settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QByteArray> writtenReports()
{
    QList<QByteArray> written;
    for (const SimLogEntry &entry : SimLog()) {
        if (entry.call == SimCall::Write)
            written << entry.bytes;
    }
    return written;
}

} // namespace

class CommandSendTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

    // A description and Config.ini written once into this test's own folder.
    void writeDescription(const QMap<QString, QVariant> &keys)
    {
        QSettings description(AppDir() + "/DefaultProfile.bin", QSettings::IniFormat);
        for (auto it = keys.begin(); it != keys.end(); ++it)
            description.setValue("PROFILE/" + it.key(), it.value());
    }
    void setSensor(int sensor) { QSettings(ConfigIniPath(), QSettings::IniFormat).setValue("MouseSenSor/1", sensor); }

    void openReceiver()
    {
        SimPlugReceiver();
        LoadDeviceTable();
        QCOMPARE(EnumerateDevices(), 0);
        OpenDeviceByName(g_deviceTable.entries[0].modelName);
        QVERIFY(DongleCommandHandle.load() != nullptr);
        SimClearLog();
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        SetAppDir(m_dir->path());
        SimReset();
        SimSetInstantTimeouts(true);
        g_downloadConfig = DeviceConfig();
        g_batteryExtra = 0;
        std::fill(g_buttonMatrix, g_buttonMatrix + 16, 0);
    }

    void cleanup()
    {
        CloseDevice();
        SetAppDir(QString());
    }

    // Three positions (the third mapped past the sent table), reversed wheel, macros shared
    // between buttons; a stale image and slot map from an earlier download.
    void buttonTableEndToEnd()
    {
        writeDescription({{"ButtonCount", 5}, {"MouseDpi", 6}, {"ScrollRev", 1}});  // 5 ^ 6 = 3 buttons
        setSensor(3325);
        openReceiver();
        const quint8 matrix[16] = {1, 0, 30, 2};
        std::copy(matrix, matrix + 16, g_buttonMatrix);
        std::fill(g_buttonTableImage, g_buttonTableImage + kButtonTableImageSize, 0x77);
        MacroSlotMap[5] = "Old";

        ProfileRecord &profile = g_downloadConfig.profiles[0];
        profile.buttonInfo[0].Fun = kFunLeft;
        profile.buttonInfo[1].Fun = kFunGunFile;
        profile.buttonInfo[1].macroname = "Alpha";
        profile.buttonInfo[1].LoopNumber = 2;
        profile.buttonInfo[2].Fun = kFunRight;  // its slot 30 is skipped
        profile.buttonInfo[3].Fun = kFunMiddle; // past the button count: not sent
        profile.buttonInfo[40].Fun = kFunMacro;
        profile.buttonInfo[40].macroname = "Beta";
        profile.buttonInfo[40].Res1 = kMacroRunWhileHeld;
        profile.buttonInfo[41].Fun = kFunGunFile;
        profile.buttonInfo[41].macroname = "Alpha";
        profile.buttonInfo[41].Res1 = kMacroRunToggle;
        profile.buttonInfo[41].Res4 = 9;

        QCOMPARE(SendButtonTable(), 0);
        QCOMPARE(writtenReports(),
                 (QList<QByteArray>{
                     report("05 B6 FA 03 00 00 02 D1 0A 00"),
                     report("05 8F FA 03 02 00 18 D2 9D 00 02 00 81 00 00 00"),
                     report("05 67 FA 03 1A 00 18 D2"),
                     report("05 7F FA 03 32 00 18 D2"),
                     // wheel up (button 40) at slot 23, wheel down (button 41) at slot 22
                     report("05 57 FA 03 4A 00 18 D2 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 9D 40 FF FF 91 81 FF FF"),
                     report("05 53 FA 03 62 00 04 D2 FF FF FF FF"),
                     report("05 36 FA 03 7F 00 01 D3 1A"),
                 }));
        QCOMPARE(SimArea(kCmdButtonTable).left(2), QByteArray::fromHex("0a00"));
        QCOMPARE(SimClosings(kCmdButtonTable), 1);

        QCOMPARE(MacroSlotMap.size(), size_t(2));
        QCOMPARE(MacroSlotMap[0], QString("Alpha"));
        QCOMPARE(MacroSlotMap[1], QString("Beta"));
        QCOMPARE(int(profile.buttonInfo[1].Res4), 0);
        QCOMPARE(int(profile.buttonInfo[40].Res4), 1);
        QCOMPARE(int(profile.buttonInfo[41].Res4), 0);
        QCOMPARE(int(g_buttonTableImage[2 + 4 * 2]), 0);  // button 2's bytes were never built
    }

    void buttonCountBoundedBySixteen()
    {
        writeDescription({{"ButtonCount", 200}});
        openReceiver();
        for (int i = 0; i < 16; ++i)
            g_buttonMatrix[i] = quint8(i);
        for (int i = 0; i < kButtonCount; ++i)
            g_downloadConfig.profiles[0].buttonInfo[i].Fun = kFunBack;
        QCOMPARE(SendButtonTable(), 0);
        for (int slot = 0; slot < 16; ++slot)
            QCOMPARE(int(g_buttonTableImage[2 + 4 * slot]), 0x84);
        for (int slot = 16; slot < 22; ++slot)
            QCOMPARE(int(g_buttonTableImage[2 + 4 * slot]), 0);
        QCOMPARE(int(g_buttonTableImage[2 + 4 * 22]), 0x84);
    }

    void sniperUsesConfiguredSensor()
    {
        writeDescription({{"ButtonCount", 1}});
        setSensor(3327);
        openReceiver();
        g_downloadConfig.profiles[0].buttonInfo[0].Fun = kFunSniper;
        g_downloadConfig.profiles[0].buttonInfo[0].Res1 = 31;
        QCOMPARE(SendButtonTable(), 0);
        QCOMPARE(SimArea(kCmdButtonTable).mid(2, 4), QByteArray::fromHex("9a014848"));
    }

    void settingsBlockAndDpiStages()
    {
        writeDescription({{"ButtonCount", 5}, {"MouseDpi", 6}, {"DPICount", 1}, {"SyncMode", 1}});  // 2 stages
        setSensor(3395);
        openReceiver();
        g_batteryExtra = 8;
        DeviceConfig &config = g_downloadConfig;
        config.ProfileID = 2;
        config.profiles[2].dpi = 1;
        config.profiles[2].LedMode = 13;
        config.Sync = 0;
        config.AngleValue = 1;
        config.Jitter = 0;
        config.LiftHigh = 1;
        config.SensorMode = 2;
        config.Debounce = 8;
        for (int i = 0; i < kDpiStages; ++i) {
            config.profiles[0].dpiInfo[i].used = 1;
            config.profiles[0].dpiInfo[i].x = 100;
            config.profiles[0].dpiInfo[i].y = 100;
        }
        config.profiles[0].dpiInfo[1].x = 600;  // limited to 399 by the battery report's byte 8

        QCOMPARE(SendSettingsBlock(config), 0);
        QCOMPARE(SendDpiStages(0), 0);
        const QList<QByteArray> written = writtenReports();
        QCOMPARE(written.size(), 2 + 10);
        QCOMPARE(written[0], report("05 B9 FA 01 00 00 13 D1 00 00 00 00 00 21 02 00 00 08 02 00 00 00 00 00 1F 01 0A"));
        QCOMPARE(written[1], report("05 28 FA 01 7F 00 01 D3 1A"));
        QCOMPARE(written[2], report("05 A8 FA 02 00 00 01 D1 02"));
        QCOMPARE(written[3], report("05 B2 FA 02 01 00 05 D2 01 64 00 64 00"));
        QCOMPARE(written[4], report("05 BF FA 02 06 00 05 D2 01 8F 01 64 00"));
        QCOMPARE(written[5], report("05 B8 FA 02 0B 00 05 D2 00 64 00 64 00"));
        QCOMPARE(written[11], report("05 29 FA 02 7F 00 01 D3 1A"));
        QCOMPARE(SimDpiStageCount(), 2);
    }

    void lightingCommitsAndFraming()
    {
        openReceiver();
        g_downloadConfig.profiles[0].ledModes[1].RGB = QColor(1, 2, 3);
        g_downloadConfig.profiles[0].ledModes[1].bright = 4;
        QCOMPARE(SendBeginEnd(0), 0);
        QCOMPARE(SendLighting(), 0);
        QCOMPARE(CommitDeviceSettings(), 0);
        QCOMPARE(SendBeginEnd(1), 0);
        const QList<QByteArray> written = writtenReports();
        QCOMPARE(written.size(), 1 + 5 + 5 + 1);
        QCOMPARE(written[0], report("05 26 FA 46 00 00 00 00"));
        QCOMPARE(written[1], report("05 81 FA 04 00 00 18 D1 80 00 00 00 00 00 00 00 80 01 02 03 01 00 02 04 80 00 00 00 01 00 04 03"));
        QCOMPARE(written[5], report("05 37 FA 04 7F 00 01 D3 1A"));
        QCOMPARE(written[6], report("05 57 FA 40 F3 04 00 00"));
        QCOMPARE(written[11], report("05 27 FA 46 01 00 00 00"));
        QCOMPARE(SimCommits(), (QList<quint8>{0x04, 0x01, 0x02, 0x08, 0x10}));
        QCOMPARE(SimBeginCount(), 1);
        QCOMPARE(SimEndCount(), 1);
    }

    void selectProfileIgnoresResults()
    {
        openReceiver();
        QCOMPARE(SelectProfile(3), 1);
        QCOMPARE(writtenReports(), (QList<QByteArray>{report("05 27 FA 44 03 00 00 00"), report("05 48 FA 40 F3 01 00 00")}));
        QCOMPARE(SimSelectedProfile(), 3);
        SimSetFault(SimFault::WriteFails);
        QCOMPARE(SelectProfile(1), 1);
    }

    // The slot menu's form: the same two reports, the first failure returned.
    void sendSelectProfileReportsFailure_data()
    {
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("result");
        QTest::newRow("no failure") << 2 << 0;
        QTest::newRow("select fails") << 0 << 4;
        QTest::newRow("its commit fails") << 1 << 4;
    }
    void sendSelectProfileReportsFailure()
    {
        QFETCH(int, skip);
        QFETCH(int, result);
        openReceiver();
        SimSetFault(SimFault::WriteFails, skip, 1);
        QCOMPARE(SendSelectProfile(2), result);
        QCOMPARE(SimWriteCount(), 2);
    }

    void noHandle()
    {
        QCOMPARE(SendBeginEnd(0), 1);
        QCOMPARE(CommitDeviceSettings(), 1);
        QCOMPARE(SelectProfile(0), 1);
        QCOMPARE(SimWriteCount(), 0);
    }

    // The first failing report ends a builder: nothing after it is written.
    void stopsAtFirstFailure_data()
    {
        QTest::addColumn<int>("skip");
        QTest::newRow("first report") << 0;
        QTest::newRow("third report") << 2;
    }

    void stopsAtFirstFailure()
    {
        QFETCH(int, skip);
        openReceiver();
        SimSetFault(SimFault::WriteFails, skip, 1);
        QCOMPARE(SendLighting(), 4);
        QCOMPARE(SimWriteCount(), skip + 1);
        SimClearFaults();
        SimClearLog();
        SimSetFault(SimFault::WriteFails, skip, 1);
        QCOMPARE(CommitDeviceSettings(), 4);
        QCOMPARE(SimWriteCount(), skip + 1);
    }
};

QTEST_GUILESS_MAIN(CommandSendTest)
#include "tst_commandsend.moc"
