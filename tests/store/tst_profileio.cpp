// One profile through a ".prof" file, a group of Config.ini and a ".conf" group, and back.
#include "profilegroup.h"
#include "profileio.h"
#include "storefixture.h"

#include <QSettings>

namespace {

// The same profile as QSettings itself writes it into `path`, over what the file holds.
QByteArray writtenByQSettings(const QString &path, const ProfileRecord &record)
{
    {
        QSettings settings(path, QSettings::IniFormat);
        WriteProfileGroup(settings, "PROFILE", record, LedTimes::Included);
    }
    return fileBytes(path);
}

// What QSettings itself reads from the file's group "PROFILE".
ProfileRecord readByQSettings(const QString &path)
{
    ProfileRecord record = sampleProfile(2);
    QSettings settings(path, QSettings::IniFormat);
    ReadProfileGroup(settings, "PROFILE", record, LedTimes::Included);
    return record;
}

} // namespace

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

    // A profile file that holds nothing else is written without QSettings: byte for byte the
    // text QSettings writes, into an empty file and over its own earlier text alike.
    void textAsQSettingsWritesIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("sample") << "" << QColor(1, 2, 3);
        QTest::newRow("quotes and backslashes") << "a \"b\" c\\d" << QColor();
        QTest::newRow("separators") << "one;two,three=four" << QColor(255, 255, 255, 0);
        QTest::newRow("spaces at the ends") << " spaced " << QColor(Qt::red);
        QTest::newRow("accents and wide characters") << QString::fromUtf8("Fran\u00e7ais \u4e2d\u6587 \U0001F600") << QColor(0, 0, 0);
        QTest::newRow("hex digits after an escape") << QString::fromUtf8("\u00e9abc \u00e99 x\u00e0F") << QColor(10, 20, 30);
        QTest::newRow("control characters") << QString("tab\there\nline\r\x01" "\x1f" "7\x7f") << QColor::fromHsv(100, 200, 50);
        QTest::newRow("NUL") << QString::fromLatin1("a\0b", 3) << QColor(9, 9, 9);
        QTest::newRow("at sign") << "@Variant(x)" << QColor(7, 7, 7);
        QTest::newRow("key-like text") << "[PROFILE]\\x=1" << QColor(200, 0, 100);
    }
    void textAsQSettingsWritesIt()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        ProfileRecord record = sampleProfile(5);
        record.buttonInfo[3].macroname = text;
        record.ProfileName = text;
        record.ledModes[2].RGB = color;
        const QString fast = m_dir->path() + "/Profile/fast.prof";
        const QString slow = m_dir->path() + "/slow.prof";
        QCOMPARE(WriteProfile(0, record, fast), kStoreOk);
        QCOMPARE(fileBytes(fast), writtenByQSettings(slow, record));

        record.dpiInfo[2].x += 1000;
        record.buttonInfo[3].macroname += "2";
        QCOMPARE(WriteProfile(0, record, fast), kStoreOk);
        QCOMPARE(fileBytes(fast), writtenByQSettings(slow, record));

        ProfileRecord read;
        ReadProfile(0, read, fast);
        QCOMPARE(profileDifference(read, record), QString());
        QCOMPARE(profileDifference(read, readByQSettings(fast)), QString());
    }

    // The program's own files are read without QSettings; a file edited by hand anywhere reads
    // exactly as QSettings reads it.
    void editedFilesReadAsQSettingsReadsThem_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("as written") << QByteArray() << QByteArray();
        // "from" ending in '=': that whole line becomes "to".
        QTest::newRow("too wide a byte") << QByteArray("\npollrate=") << QByteArray("\npollrate=300");
        QTest::newRow("leading zero") << QByteArray("\ndpi=") << QByteArray("\ndpi=02");
        QTest::newRow("quoted text") << QByteArray("\nProfileName=") << QByteArray("\nProfileName=\"a;b\"");
        QTest::newRow("list") << QByteArray("\nProfileName=") << QByteArray("\nProfileName=a,b");
        QTest::newRow("octal escape") << QByteArray("\nProfileName=") << QByteArray("\nProfileName=\\101x");
        QTest::newRow("unknown escape") << QByteArray("\nProfileName=") << QByteArray("\nProfileName=\\q");
        QTest::newRow("long hex escape") << QByteArray("\nProfileName=") << QByteArray("\nProfileName=\\x00041");
        QTest::newRow("colour as a name") << QByteArray("LED_MODE_0_RGB=") << QByteArray("LED_MODE_0_RGB=#102030");
        QTest::newRow("key left out") << QByteArray("\nacee=") << QByteArray();
        QTest::newRow("key added") << QByteArray("\nacee=") << QByteArray("\nacee=1\nextra=5");
        QTest::newRow("CRLF line ends") << QByteArray("\n") << QByteArray("\r\n");
        QTest::newRow("second section") << QByteArray("[PROFILE]\n") << QByteArray("[Other]\nacee=7\n\n[PROFILE]\n");
        QTest::newRow("line cut short") << QByteArray("\nscrollspeed=") << QByteArray("\nscroll");
    }
    void editedFilesReadAsQSettingsReadsThem()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        const QString path = m_dir->path() + "/Profile/edited.prof";
        ProfileRecord record = sampleProfile(3);
        record.ProfileName = "Game";
        QCOMPARE(WriteProfile(0, record, path), kStoreOk);
        QByteArray text = fileBytes(path);
        const int at = text.indexOf(from);
        QVERIFY(at >= 0);
        if (from.endsWith('=')) {
            const int end = text.indexOf('\n', at + 1);
            text.replace(at, (end < 0 ? text.size() : end) - at, to);
        } else if (!from.isEmpty()) {
            text.replace(from, to);
        }
        QVERIFY(writeFixture(path, text));
        const ProfileRecord expected = readByQSettings(path);
        ProfileRecord read = sampleProfile(1);
        ReadProfile(0, read, path);
        QCOMPARE(profileDifference(read, expected), QString());
    }

    // Keys of somebody else's stay where a profile is written, however often.
    void otherKeysKept()
    {
        const QString file = m_dir->path() + "/Profile/mixed.prof";
        QVERIFY(writeFixture(file, "[Other]\nkept=1\n\n[PROFILE]\npollrate=3\nextra=yes\n"));
        ProfileRecord record = sampleProfile(2);
        for (int round = 0; round < 3; ++round) {
            record.dpiInfo[1].x = quint32(round);
            QCOMPARE(WriteProfile(0, record, file), kStoreOk);
        }
        const QSettings ini(file, QSettings::IniFormat);
        QCOMPARE(ini.value("Other/kept").toString(), QString("1"));
        QCOMPARE(ini.value("PROFILE/extra").toString(), QString("yes"));
        QCOMPARE(ini.value("PROFILE/DPI_INFO_1_x").toString(), QString("2"));
    }

    // Saves in quick succession, to files of the same size: QSettings, which caches each file
    // and tells versions apart by size and time, reads every one of them.
    void quickSavesReadBack()
    {
        const QString file = m_dir->path() + "/Profile/quick.prof";
        ProfileRecord record = sampleProfile(1);
        for (int i = 0; i < 30; ++i) {
            record.dpiInfo[0].x = quint32(10 + i % 2);
            QCOMPARE(WriteProfile(0, record, file), kStoreOk);
            ProfileRecord read;
            ReadProfile(0, read, file);
            QCOMPARE(read.dpiInfo[0].x, record.dpiInfo[0].x);
        }
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
