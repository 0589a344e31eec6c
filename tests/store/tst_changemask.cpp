// The change mask of a write job: which sections differ between two configurations.
#include "changemask.h"
#include "macrofiles.h"
#include "settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using Change = std::function<void(DeviceConfig &)>;
Q_DECLARE_METATYPE(Change)

namespace {

// A configuration whose current profile is 1 and whose profiles use light mode 3.
DeviceConfig baseConfig()
{
    DeviceConfig config;
    config.ProfileID = 1;
    for (ProfileRecord &profile : config.profiles) {
        profile.LedMode = 3;
        profile.pollrate = 1;
        for (LedModeInfo &entry : profile.ledModes)
            entry.RGB = QColor(255, 0, 0);
    }
    return config;
}

int writeSignOf(const QString &name)
{
    return QSettings(MacroFilePath(name), QSettings::IniFormat).value("Setting/WriteSign").toInt();
}

} // namespace

class ChangeMaskTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

    // Button `button` of profile `profile` in both images runs the recoil macro `name`.
    static void assignRecoilMacro(DeviceConfig &a, DeviceConfig &b, int profile, int button, const QString &name)
    {
        for (DeviceConfig *config : {&a, &b}) {
            config->profiles[profile].buttonInfo[button].Fun = 200;
            config->profiles[profile].buttonInfo[button].macroname = name;
        }
    }

    static void writeSignedMacro(const QString &name)
    {
        MacroFile macro;
        macro.steps = {{kStepKeyPress, 0, 4}};
        WriteMacroFile(name, macro);
        QCOMPARE(writeSignOf(name), 1);
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        SetAppDir(m_dir->path());
    }

    void sections_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("bothImages");
        QTest::newRow("nothing") << Change([](DeviceConfig &) {}) << 0 << false;
        QTest::newRow("acee") << Change([](DeviceConfig &c) { c.profiles[2].acee = 9; }) << 0 << false;
        QTest::newRow("mousespeed") << Change([](DeviceConfig &c) { c.profiles[1].mousespeed = 15; }) << 0 << false;
        QTest::newRow("profile count") << Change([](DeviceConfig &c) { c.Count = 3; }) << 0 << false;
        QTest::newRow("scrollspeed") << Change([](DeviceConfig &c) { c.profiles[3].scrollspeed = 2; }) << 1 << false;
        QTest::newRow("pollrate") << Change([](DeviceConfig &c) { c.profiles[4].pollrate = 8; }) << 1 << false;
        QTest::newRow("sensor mode") << Change([](DeviceConfig &c) { c.SensorMode = 1; }) << 1 << false;
        // Another profile's tables are due: every section.
        QTest::newRow("current profile") << Change([](DeviceConfig &c) { c.ProfileID = 0; }) << 15 << false;
        // Sleep time and light-off are the mouse's own, kept in profile 0.
        QTest::newRow("sleep time of profile 0") << Change([](DeviceConfig &c) { c.profiles[0].LedSleepTime = 5; })
                                                 << 1 << false;
        QTest::newRow("light-off of profile 0") << Change([](DeviceConfig &c) { c.profiles[0].LedMoveOFF = 255; })
                                                << 1 << false;
        QTest::newRow("sleep time, current profile")
            << Change([](DeviceConfig &c) { c.profiles[1].LedSleepTime = 5; }) << 0 << false;
        QTest::newRow("dpi stage, current profile") << Change([](DeviceConfig &c) { c.profiles[1].dpi = 4; }) << 1 << false;
        QTest::newRow("dpi stage, other profile") << Change([](DeviceConfig &c) { c.profiles[2].dpi = 4; }) << 0 << false;
        QTest::newRow("stage link and xy") << Change([](DeviceConfig &c) {
            c.profiles[1].dpiInfo[2].link = 1;
            c.profiles[1].dpiInfo[2].xy = 77;
        }) << 0 << false;
        QTest::newRow("stage enable") << Change([](DeviceConfig &c) { c.profiles[1].dpiInfo[5].used = 1; }) << 2 << false;
        QTest::newRow("stage of another profile") << Change([](DeviceConfig &c) { c.profiles[2].dpiInfo[5].used = 1; })
                                                  << 0 << false;
        QTest::newRow("stage 7 X and button 0") << Change([](DeviceConfig &c) {
            c.profiles[1].dpiInfo[7].x = 99;
            c.profiles[1].buttonInfo[0].Fun = 3;
        }) << 6 << false;
        QTest::newRow("stage 3 Y alone") << Change([](DeviceConfig &c) { c.profiles[1].dpiInfo[3].y = 99; }) << 2 << false;
        QTest::newRow("button step") << Change([](DeviceConfig &c) { c.profiles[1].buttonInfo[41].keyInfo[62].H = 1; })
                                     << 4 << false;
        QTest::newRow("button of another profile") << Change([](DeviceConfig &c) { c.profiles[0].buttonInfo[0].Fun = 3; })
                                                   << 0 << false;
        QTest::newRow("button Res4") << Change([](DeviceConfig &c) { c.profiles[1].buttonInfo[7].Res4 = 1; }) << 4 << false;
        QTest::newRow("macro name of a plain macro button")
            << Change([](DeviceConfig &c) { c.profiles[1].buttonInfo[2].macroname = "other"; }) << 0 << false;
        // The lighting table holds every effect's entry, not only the running one's.
        QTest::newRow("colour of an entry not in use")
            << Change([](DeviceConfig &c) { c.profiles[1].ledModes[2].RGB = QColor(0, 0, 255); }) << 8 << false;
        QTest::newRow("breathing speed of an entry not in use")
            << Change([](DeviceConfig &c) { c.profiles[1].ledModes[2].breath = 5; }) << 8 << false;
        QTest::newRow("breathing speed, other profile")
            << Change([](DeviceConfig &c) { c.profiles[2].ledModes[2].breath = 5; }) << 0 << false;
        QTest::newRow("colour of the entry in use")
            << Change([](DeviceConfig &c) { c.profiles[1].ledModes[3].RGB = QColor(0, 0, 255); }) << 8 << false;
        QTest::newRow("colour of another profile")
            << Change([](DeviceConfig &c) { c.profiles[0].ledModes[3].RGB = QColor(0, 0, 255); }) << 0 << false;
        QTest::newRow("breath of the entry in use") << Change([](DeviceConfig &c) { c.profiles[1].ledModes[3].breath = 2; })
                                                    << 8 << false;
        QTest::newRow("light mode, other profile") << Change([](DeviceConfig &c) { c.profiles[2].LedMode = 4; }) << 0 << false;
        QTest::newRow("light mode, current profile") << Change([](DeviceConfig &c) { c.profiles[1].LedMode = 4; })
                                                     << 9 << false;
        // Indices read from files: outside their tables they count as a settings change.
        QTest::newRow("current profile out of range in both")
            << Change([](DeviceConfig &c) { c.ProfileID = 200; }) << 1 << true;
        QTest::newRow("light mode out of range in both")
            << Change([](DeviceConfig &c) { c.profiles[1].LedMode = 250; }) << 1 << true;
        QTest::newRow("light mode one past the table in both")
            << Change([](DeviceConfig &c) { c.profiles[1].LedMode = 14; }) << 1 << true;
    }
    void sections()
    {
        QFETCH(Change, change);
        QFETCH(int, mask);
        QFETCH(bool, bothImages);
        DeviceConfig working = baseConfig();
        DeviceConfig written = baseConfig();
        change(working);
        if (bothImages)
            change(written);
        QCOMPARE(CompareConfigs(working, written), mask);
    }

    // The product "4671" has one lighting for all profiles: profile 0's, whichever is current.
    void lightingProfileOf4671()
    {
        SetCurrentProductName("4671");
        DeviceConfig working = baseConfig();
        const DeviceConfig written = baseConfig();
        QCOMPARE(LightingProfileIndex(working), 0);
        working.profiles[1].ledModes[3].RGB = QColor(0, 0, 255);
        working.profiles[1].LedMode = 4;
        QCOMPARE(CompareConfigs(working, written), 0);
        working.profiles[0].ledModes[3].RGB = QColor(0, 0, 255);
        QCOMPARE(CompareConfigs(working, written), kChangeLighting);
        working.profiles[0].LedMode = 4;
        QCOMPARE(CompareConfigs(working, written), kChangeLighting | kChangeSettings);
        SetCurrentProductName("4672");
        QCOMPARE(LightingProfileIndex(working), 1);
    }

    void signedRecoilMacroIsSentOnce()
    {
        DeviceConfig working = baseConfig();
        DeviceConfig written = baseConfig();
        assignRecoilMacro(working, written, 1, 3, "Spray");
        assignRecoilMacro(working, written, 1, 5, "Spray");
        writeSignedMacro("Spray");
        QCOMPARE(CompareConfigs(working, written), kChangeButtons);
        QCOMPARE(writeSignOf("Spray"), 0);
        QCOMPARE(CompareConfigs(working, written), 0);
    }

    // The button step ends at the first changed button: later macro buttons keep their sign.
    void signBehindAChangedButtonStays()
    {
        DeviceConfig working = baseConfig();
        DeviceConfig written = baseConfig();
        assignRecoilMacro(working, written, 1, 20, "Later");
        writeSignedMacro("Later");
        working.profiles[1].buttonInfo[10].LoopNumber = 3;
        QCOMPARE(CompareConfigs(working, written), kChangeButtons);
        QCOMPARE(writeSignOf("Later"), 1);
    }

    void recoilMacroRenamed()
    {
        DeviceConfig working = baseConfig();
        DeviceConfig written = baseConfig();
        assignRecoilMacro(working, written, 1, 1, "Old");
        working.profiles[1].buttonInfo[1].macroname = "New";
        QCOMPARE(CompareConfigs(working, written), kChangeButtons);
    }

    void missingMacroFileIsUnchanged()
    {
        DeviceConfig working = baseConfig();
        DeviceConfig written = baseConfig();
        assignRecoilMacro(working, written, 1, 1, "Gone");
        QCOMPARE(CompareConfigs(working, written), 0);
        QVERIFY(!QFile::exists(MacroFilePath("Gone")));
    }
};

QTEST_GUILESS_MAIN(ChangeMaskTest)
#include "tst_changemask.moc"
