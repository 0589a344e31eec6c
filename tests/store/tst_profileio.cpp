// One profile through a ".prof" file, a group of Config.ini and a ".conf" group, and back.
#include "profileio.h"
#include "storefixture.h"

#include <QSettings>

enum class Target { ProfFile, ConfigIni, ConfFile };
Q_DECLARE_METATYPE(Target)

class ProfileIoTest : public QObject {
    Q_OBJECT
    QScopedPointer<StoreDir> m_dir;

private slots:
    void init()
    {
        m_dir.reset(new StoreDir);
        QVERIFY(m_dir->isValid());
    }

    void roundTrip_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<QString>("group");
        QTest::newRow("prof file") << Target::ProfFile << "PROFILE";
        QTest::newRow("Config.ini without a path") << Target::ConfigIni << "PROFILE_3";
        QTest::newRow("conf file, V2") << Target::ConfFile << "PROFILE_2";
    }
    void roundTrip()
    {
        QFETCH(Target, target);
        QFETCH(QString, group);
        const ProfileRecord written = sampleProfile(7);
        QString file;
        int result = -1;
        switch (target) {
        case Target::ProfFile:
            file = m_dir->path() + "/Profile/Game 1.prof";
            result = WriteProfile(3, written, file);
            break;
        case Target::ConfigIni:
            file = ConfigIniPath();
            result = WriteProfile(3, written, QString());
            break;
        case Target::ConfFile:
            file = m_dir->path() + "/saved.conf";
            result = WriteProfileV2(2, written, file);
            break;
        }
        QCOMPARE(result, kStoreOk);

        const QSettings ini(file, QSettings::IniFormat);
        QCOMPARE(ini.childGroups(), QStringList{group});
        // Keys as the other programs of the product spell them.
        QCOMPARE(ini.value(group + "/BUTTON_INFO_5_KeyInfo_12_").toInt(), int(written.buttonInfo[5].keyInfo[12].key));
        QCOMPARE(ini.value(group + "/BUTTON_INFO_5_KeyInfo_12_map").toInt(), int(written.buttonInfo[5].keyInfo[12].map));
        QCOMPARE(ini.value(group + "/BUTTON_INFO_41_KeyInfo_62_H").toInt(), int(written.buttonInfo[41].keyInfo[62].H));
        QCOMPARE(ini.value(group + "/DPI_INFO_3_xy").toUInt(), written.dpiInfo[3].xy);
        QCOMPARE(ini.value(group + "/BUTTON_INFO_4_macroname").toString(), written.buttonInfo[4].macroname);
        // Colours as QSettings writes a QColor, 8-bit fields as plain integers (not binary variants).
        QCOMPARE(ini.value(group + "/LedMode/LED_MODE_7_RGB").userType(), int(QMetaType::QColor));
        QCOMPARE(ini.value(group + "/LedMode/LED_MODE_7_RGB").value<QColor>(), written.ledModes[7].RGB);
        QCOMPARE(ini.value(group + "/pollrate").userType(), int(QMetaType::QString));
        QCOMPARE(ini.value(group + "/BUTTON_INFO_0_Res4").toString(), QString("255"));
        QCOMPARE(ini.contains(group + "/LedMoveOFF"), target != Target::ConfFile);
        QCOMPARE(ini.contains(group + "/LedSleepTime"), target != Target::ConfFile);

        ProfileRecord read = sampleProfile(2);  // every keyed field must be overwritten
        switch (target) {
        case Target::ProfFile:
            ReadProfile(0, read, file);
            break;
        case Target::ConfigIni:
            ReadProfile(3, read, QString());
            break;
        case Target::ConfFile:
            ReadProfileV2(2, read, file);
            break;
        }
        QCOMPARE(profileDifference(read, written, target != Target::ConfFile), QString());
        if (target == Target::ConfFile) {
            QCOMPARE(read.LedMoveOFF, sampleProfile(2).LedMoveOFF);
            QCOMPARE(read.LedSleepTime, sampleProfile(2).LedSleepTime);
        }
    }

    void missingFileGivesReadDefaults()
    {
        ProfileRecord expected;
        expected.LedMoveOFF = 255;
        expected.LedSleepTime = 1;
        ProfileRecord read = sampleProfile(4);
        ReadProfile(0, read, m_dir->path() + "/none.prof");
        QCOMPARE(profileDifference(read, expected), QString());
        QVERIFY(!read.ledModes[0].RGB.isValid());
    }

    // Hand-edited or truncated files: a value that is no number falls back, any other is kept.
    void oddValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("pollrate");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("ledMode");
        QTest::addColumn<uint>("stageX");
        QTest::addColumn<int>("fun");
        QTest::newRow("wide values narrowed")
            << QByteArray("[PROFILE]\npollrate=300\ndpi=5\nLedMode=13\nDPI_INFO_0_x=4294967295\nBUTTON_INFO_0_Fun=-2\n")
            << 44 << 5 << 13 << 4294967295u << -2;
        // Indices are stored as read; their users keep them inside their tables.
        QTest::newRow("indices stored as read")
            << QByteArray("[PROFILE]\ndpi=9\nLedMode=20\nDPI_INFO_0_x=-1\n") << 0 << 9 << 20 << 4294967295u << 0;
        QTest::newRow("not numbers") << QByteArray("[PROFILE]\npollrate=fast\ndpi=\"3\"\nLedMode=1,2\nBUTTON_INFO_0_Fun=x\n")
                                     << 0 << 3 << 0 << 0u << 0;
        QTest::newRow("truncated mid-line") << QByteArray("[PROFILE]\npollrate=4\ndpi=") << 4 << 0 << 0 << 0u << 0;
        QTest::newRow("truncated header") << QByteArray("[PROF") << 0 << 0 << 0 << 0u << 0;
        QTest::newRow("binary junk") << QByteArray("[PROFILE]\npollrate=2\n\x00\xff=\x01\n", 26) << 2 << 0 << 0 << 0u << 0;
    }
    void oddValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, pollrate);
        QFETCH(int, dpi);
        QFETCH(int, ledMode);
        QFETCH(uint, stageX);
        QFETCH(int, fun);
        const QString file = m_dir->path() + "/odd.prof";
        QVERIFY(writeFixture(file, content));
        ProfileRecord read = sampleProfile(1);
        ReadProfile(0, read, file);
        QCOMPARE(int(read.pollrate), pollrate);
        QCOMPARE(int(read.dpi), dpi);
        QCOMPARE(int(read.LedMode), ledMode);
        QCOMPARE(read.dpiInfo[0].x, stageX);
        QCOMPARE(read.buttonInfo[0].Fun, fun);
        QCOMPARE(read.LedMoveOFF, quint8(255));
    }

    void unwritableFileIsReported()
    {
        // A file where the folder should be: root ignores permissions, but not this.
        QVERIFY(writeFixture(m_dir->path() + "/blocked", "x"));
        const ProfileRecord record = sampleProfile(3);
        QCOMPARE(WriteProfile(0, record, m_dir->path() + "/blocked/a.prof"), kStoreWriteFailed);
        QCOMPARE(WriteProfileV2(0, record, m_dir->path() + "/blocked/a.conf"), kStoreWriteFailed);
    }
};

QTEST_GUILESS_MAIN(ProfileIoTest)
#include "tst_profileio.moc"
