// A setter whose write is refused leaves nothing behind that a later write brings back: the
// files are checked by their bytes, never through QSettings in this process.
#include "iniedit.h"
#include "lightingfiles.h"
#include "macrofiles.h"
#include "profilefiles.h"
#include "settings.h"
#include "sizelimit.h"
#include "stagedfile.h"
#include "storefixture.h"

#include <QSettings>

#include <functional>
#include <memory>

using Call = std::function<bool()>;
Q_DECLARE_METATYPE(Call)

namespace {

const QByteArray kConfigText = "[Config]\nBattery=40\nCurrentProductName=M1\nGColorID=0\nProfileID=1\n";
const QByteArray kLangText = "[Config]\nLangID=0\n";
const QByteArray kProfileText = "[PROFILE]\ndpi=1\npollrate=1\n";
const QByteArray kMacroText = "[Setting]\nCount=0\nLoopTime=1\nWriteSign=1\n";

// A write refused for as long as it lives: a full disk, or a disk whose syncs fail.
class Refusal {
public:
    explicit Refusal(const QString &kind)
    {
        if (kind == "full disk")
            m_full = std::make_unique<FileSizeLimit>(8);
        else
            SetSyncFailsForTesting([](const QString &) { return true; });
    }
    ~Refusal() { SetSyncFailsForTesting({}); }

private:
    std::unique_ptr<FileSizeLimit> m_full;
};

// The files put in place while it lives.
struct CommitCount {
    CommitCount() { SetBeforeStagedCommitForTesting([this](const QString &) { ++count; }); }
    ~CommitCount() { SetBeforeStagedCommitForTesting({}); }
    int count = 0;
};

MacroFile threeSteps()
{
    MacroFile macro;
    macro.steps = {{kStepKeyPress, 0, 4}, {kStepDelay, 0, 10}, {kStepKeyRelease, 0, 4}};
    return macro;
}

} // namespace

class FailedWritesTest : public QObject {
    Q_OBJECT

private slots:
    // Setter refused; another writer's edit of the file committed; a later call: the file holds
    // the edit and the later value, never the refused one.
    void refusedValueStaysOut_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("file");  // under Configs/
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Call>("refused");
        QTest::addColumn<QByteArray>("refusedLine");
        QTest::addColumn<QString>("editKey");
        QTest::addColumn<QString>("editValue");
        QTest::addColumn<QByteArray>("editLine");
        QTest::addColumn<Call>("later");
        QTest::addColumn<QByteArray>("laterLine");

        DeviceConfig failedList;
        for (int i = 0; i < kProfileCount; ++i)
            failedList.profileFiles[i] = QString("Failed%1").arg(i + 1);
        const Call profileId = [] { return SetProfileID(2); };
        const Call battery = [] { return SetBattery(50); };
        const Call color = [] { return SetGColorID(5); };
        const Call product = [] { return SetCurrentProductName("Failed"); };
        const Call list = [failedList] { return SaveProfileList(failedList); };
        const Call laterProfileId = [] { return SetProfileID(4); };
        const Call laterColor = [] { return SetGColorID(4); };
        const Call lang = [] { return SetLangID(2); };
        // QSettings syncs a file it reads too: a read is as much a later call as a write.
        const Call readLang = [] { return GetLangID() == 3; };
        const Call stage = [] { return SaveProfileDpi("Game", 4); };
        const Call ledEntry = [] { return WriteLedEntryFile("Game", 9, 4, QColor(0, 255, 0), 120, 50, 60, 2, 5); };
        const Call addMacro = [] { return AddToMacroList("failed") == 0; };
        const Call laterMacro = [] { return AddToMacroList("later") == 1; };
        const Call macroFile = [] { return !WriteMacroFile("m", threeSteps()).isEmpty(); };
        const Call takeSign = [] { return TakeMacroWriteSign("m"); };

        for (const QString refusal : {"full disk", "failed sync"}) {
            const auto row = [&refusal](const char *name) {
                return &(QTest::newRow(qPrintable(QString(name) + ", " + refusal)) << refusal);
            };
            *row("profile id, then battery") << "Config.ini" << kConfigText << profileId << QByteArray("ProfileID=2")
                                             << "Config/ProfileID" << "3" << QByteArray("ProfileID=3") << battery
                                             << QByteArray("Battery=50");
            *row("battery, then profile id") << "Config.ini" << kConfigText << battery << QByteArray("Battery=50")
                                             << "Config/Model" << "M3" << QByteArray("Model=M3") << laterProfileId
                                             << QByteArray("ProfileID=4");
            *row("colour, then battery") << "Config.ini" << kConfigText << color << QByteArray("GColorID=5")
                                         << "Config/ProfileID" << "3" << QByteArray("ProfileID=3") << battery
                                         << QByteArray("Battery=50");
            *row("product name, then colour") << "Config.ini" << kConfigText << product << QByteArray("=Failed")
                                              << "Config/ProfileID" << "3" << QByteArray("ProfileID=3") << laterColor
                                              << QByteArray("GColorID=4");
            *row("profile list, then battery") << "Config.ini" << kConfigText << list << QByteArray("Failed")
                                               << "Config/Profile1" << "New1" << QByteArray("Profile1=New1") << battery
                                               << QByteArray("Battery=50");
            *row("language, then a read") << "LangConfig.ini" << kLangText << lang << QByteArray("LangID=2")
                                          << "Config/LangID" << "3" << QByteArray("LangID=3") << readLang
                                          << QByteArray("LangID=3");
            *row("profile's stage, then lighting") << "Profile/Game.prof" << kProfileText << stage
                                                   << QByteArray("dpi=4") << "PROFILE/pollrate" << "3"
                                                   << QByteArray("pollrate=3") << ledEntry << QByteArray("LedMode=9");
            *row("macro list, then macro list") << "Config.ini" << kConfigText << addMacro << QByteArray("failed")
                                                << "MACRO_LIST/0" << "kept" << QByteArray("0=kept") << laterMacro
                                                << QByteArray("1=later");
            *row("macro file, then its sign") << "MacroDB/m.MSMACRO" << kMacroText << macroFile
                                              << QByteArray("Count=3") << "Setting/LoopTime" << "7"
                                              << QByteArray("LoopTime=7") << takeSign << QByteArray("WriteSign=0");
        }
    }
    void refusedValueStaysOut()
    {
        QFETCH(QString, refusal);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(Call, refused);
        QFETCH(QByteArray, refusedLine);
        QFETCH(QString, editKey);
        QFETCH(QString, editValue);
        QFETCH(QByteArray, editLine);
        QFETCH(Call, later);
        QFETCH(QByteArray, laterLine);
        StoreDir dir;
        const QString path = GetConfigDir() + "/" + file;
        QVERIFY(writeFixture(path, content));
        if (file != "Config.ini")
            QVERIFY(writeFixture(ConfigIniPath(), kConfigText));
        {
            const Refusal refuse(refusal);
            QVERIFY(!refused());
        }
        QCOMPARE(fileBytes(path), content);

        StagedWrites staged;
        QVERIFY(StageIniEdit(path, [&](QSettings &settings) { settings.setValue(editKey, editValue); }, staged));
        QVERIFY(staged.commit());
        QVERIFY(fileBytes(path).contains(editLine));

        QVERIFY(later());
        const QByteArray after = fileBytes(path);
        QVERIFY2(after.contains(laterLine), after.constData());
        QVERIFY2(after.contains(editLine), after.constData());
        QVERIFY2(!after.contains(refusedLine), after.constData());
    }

    // A value the file holds is not written again, until another writer changes the file: then
    // the same value is written, even over a rewrite of the same size and time.
    void repeatedValueAfterAnotherWriter()
    {
        StoreDir dir;
        QVERIFY(writeFixture(ConfigIniPath(), kConfigText));
        CommitCount commits;
        QVERIFY(SetBattery(50));
        QVERIFY(SetBattery(50));
        QVERIFY(SetBattery(50));
        QCOMPARE(commits.count, 1);
        const QByteArray written = fileBytes(ConfigIniPath());
        QVERIFY(written.contains("Battery=50"));
        QVERIFY(rewriteKeepingTime(ConfigIniPath(), "Battery=50", "Battery=41"));
        QVERIFY(SetBattery(50));
        QCOMPARE(commits.count, 2);
        QCOMPARE(fileBytes(ConfigIniPath()), written);
    }
};

QTEST_GUILESS_MAIN(FailedWritesTest)
#include "tst_failedwrites.moc"
