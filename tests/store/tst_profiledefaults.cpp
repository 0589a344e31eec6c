// Defaults of a new profile and of a fresh installation, with and without a device description.
#include "devicedefaults.h"
#include "storefixture.h"

#include <QSettings>

class ProfileDefaultsTest : public QObject {
    Q_OBJECT
    QScopedPointer<StoreDir> m_dir;

    void writeDescription()
    {
        QVERIFY(writeFixture(descriptionPath(),
                             "[PROFILE]\npollrate=258\ndpi=12\nLedMode=4\nLedMoveOFF=255\n"
                             "DPI_INFO_0_xy=100\nDPI_INFO_7_xy=3200\n"
                             "BUTTON_INFO_0_ID=9\nBUTTON_INFO_0_Fun=6\nBUTTON_INFO_0_Res1=30\n"
                             "BUTTON_INFO_19_Fun=510\nBUTTON_INFO_19_LoopNumber=2\nBUTTON_INFO_19_KeyNumber=4\n"
                             "BUTTON_INFO_19_Res4=1\nBUTTON_INFO_20_Fun=7\n"
                             "LedMode\\LED_MODE_3_bright=2\nLedMode\\LED_MODE_3_breath=1\n"
                             "lift=2\nangle=1\nbutondelay=8\nsync=1\n"));
        QSettings description(descriptionPath(), QSettings::IniFormat);
        description.setValue("PROFILE/LedMode/LED_MODE_3_RGB", QColor(0, 0, 255));
    }

private slots:
    void init()
    {
        m_dir.reset(new StoreDir);
        QVERIFY(m_dir->isValid());
    }

    void builtInDefaults()
    {
        ProfileRecord r = sampleProfile(3);
        InitProfileDefaults(r, 4);
        QCOMPARE(r.pollrate, quint8(1));
        QCOMPARE(r.dpi, quint8(1));
        QCOMPARE(r.LedMode, quint8(9));
        QCOMPARE(r.LedMoveOFF, quint8(0));
        QCOMPARE(r.LedSleepTime, quint8(1));
        QCOMPARE(r.mousespeed, quint8(10));
        QCOMPARE(r.dbclickspeed, quint8(5));
        QCOMPARE(r.scrollispage, quint8(0));
        QCOMPARE(r.scrollspeed, quint8(1));
        QCOMPARE(r.accelenable, quint8(1));
        QCOMPARE(r.acee, quint8(1));
        const quint32 stages[kDpiStages] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < kDpiStages; ++i) {
            QCOMPARE(r.dpiInfo[i].used, quint8(1));
            QCOMPARE(r.dpiInfo[i].link, quint8(1));
            QCOMPARE(r.dpiInfo[i].xy, stages[i]);
            QCOMPARE(r.dpiInfo[i].x, stages[i]);
            QCOMPARE(r.dpiInfo[i].y, stages[i]);
        }
        const int functions[] = {1, 2, 3, 4, 5, 4, 5, 0};
        for (int b = 0; b < 8; ++b)
            QCOMPARE(r.buttonInfo[b].Fun, functions[b]);
        QCOMPARE(r.buttonInfo[39].Fun, 0);
        QCOMPARE(r.buttonInfo[40].Fun, 52);
        QCOMPARE(r.buttonInfo[41].Fun, 53);
        QCOMPARE(r.buttonInfo[0].macroname, QString());
        QCOMPARE(r.ProfileName, QString());
        const int breaths[kLedModes] = {3, 3, 3, 3, 2, 3, 3, 3, 3, 4, 5, 3, 1, 3};
        for (int i = 0; i < kLedModes; ++i) {
            QCOMPARE(r.ledModes[i].RGB, i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QCOMPARE(r.ledModes[i].h, 360u);
            QCOMPARE(r.ledModes[i].s, 0u);
            QCOMPARE(r.ledModes[i].v, 0u);
            QCOMPARE(r.ledModes[i].bright, 3u);
            QCOMPARE(r.ledModes[i].breath, quint32(breaths[i]));
        }
    }

    void descriptionDefaults()
    {
        writeDescription();
        ProfileRecord r = sampleProfile(3);
        InitProfileDefaults(r);
        QCOMPARE(r.pollrate, quint8(2));  // low 8 bits of 258
        QCOMPARE(r.dpi, quint8(12));      // as given: its users keep it inside the eight stages
        QCOMPARE(r.LedMode, quint8(4));
        QCOMPARE(r.LedMoveOFF, quint8(255));
        QCOMPARE(r.LedSleepTime, quint8(1));
        QCOMPARE(r.mousespeed, quint8(10));
        QCOMPARE(r.dpiInfo[0].x, 100u);
        QCOMPARE(r.dpiInfo[0].xy, 100u);
        QCOMPARE(r.dpiInfo[1].y, 0u);
        QCOMPARE(r.dpiInfo[1].used, quint8(1));
        QCOMPARE(r.dpiInfo[7].y, 3200u);
        QCOMPARE(r.buttonInfo[0].ID, 0);
        QCOMPARE(r.buttonInfo[0].Fun, 6);
        QCOMPARE(r.buttonInfo[0].Res1, quint8(30));
        QCOMPARE(r.buttonInfo[1].Fun, 0);
        QCOMPARE(r.buttonInfo[19].Fun, 510);
        QCOMPARE(r.buttonInfo[19].LoopNumber, 2);
        QCOMPARE(r.buttonInfo[19].KeyNumber, 4);
        QCOMPARE(r.buttonInfo[19].Res4, quint8(1));
        QCOMPARE(r.buttonInfo[20].Fun, 0);  // rows beyond 19 are not taken
        QCOMPARE(r.buttonInfo[40].Fun, 52);
        QCOMPARE(r.buttonInfo[41].Fun, 53);
        QCOMPARE(r.ledModes[3].RGB, QColor(0, 0, 255));
        QCOMPARE(r.ledModes[3].bright, 2u);
        QCOMPARE(r.ledModes[3].breath, 1u);
        QCOMPARE(r.ledModes[3].h, 360u);
        QVERIFY(!r.ledModes[0].RGB.isValid());
        QCOMPARE(r.ledModes[0].bright, 0u);
    }

    void freshInstallation_data()
    {
        QTest::addColumn<bool>("withDescription");
        QTest::addColumn<QByteArray>("sensor");  // lift, angle, debounce, jitter, wake, sensor mode, sync
        QTest::newRow("built-in") << false << QByteArray("\x00\x00\x14\x00\x00\x01\x00", 7);
        QTest::newRow("description") << true << QByteArray("\x02\x01\x08\x00\x00\x01\x01", 7);
    }
    void freshInstallation()
    {
        QFETCH(bool, withDescription);
        QFETCH(QByteArray, sensor);
        if (withDescription)
            writeDescription();
        DeviceConfig config;
        config.ProfileID = 3;
        config.Count = 9;
        config.Jitter = 77;
        for (int i = 0; i < kProfileCount; ++i) {
            config.profiles[i] = sampleProfile(i);
            config.profileFiles[i] = "old";
        }
        InitDefaultProfiles(config);
        QCOMPARE(config.ProfileID, quint8(0));
        QCOMPARE(config.Count, quint8(9));
        const quint8 got[kSensorDefaultCount] = {config.LiftHigh, config.AngleValue, config.Debounce, config.Jitter,
                                                 config.Wake,     config.SensorMode, config.Sync};
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(got), kSensorDefaultCount), sensor);
        ProfileRecord expected;
        InitProfileDefaults(expected);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(profileDifference(config.profiles[i], expected), QString());
            QCOMPARE(config.profileFiles[i], QString("Profile %1").arg(i + 1));
        }
    }
};

QTEST_GUILESS_MAIN(ProfileDefaultsTest)
#include "tst_profiledefaults.moc"
