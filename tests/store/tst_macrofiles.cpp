// Macro files and the macro list against real INI files in a fresh application directory.
#include "macrofiles.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class MacroFilesTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

    // Hand-written fixtures, each to a fresh path (QSettings caches files per path).
    void writeMacroText(const QString &name, const QByteArray &body)
    {
        QDir().mkpath(GetConfigDir() + "/MacroDB");
        QFile file(MacroFilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Setting]\n" + body);
    }

    static MacroFile sampleMacro()
    {
        MacroFile macro;
        macro.defaultDelay = 25;
        macro.delayType = 1;
        macro.loopType = 2;
        macro.loopTime = 7;
        macro.steps = {{kStepKeyPress, 0, 0x04}, {kStepDelay, 1, 44}, {kStepKeyRelease, 0, 0x04},
                       {kStepButtonPress, 0, 0x02}, {kStepButtonRelease, 0, 0x02}, {kStepMove, 251, 0}};
        return macro;
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        SetAppDir(m_dir->path());
    }

    void writeThenRead()
    {
        const MacroFile macro = sampleMacro();
        const QString path = WriteMacroFile("Burst", macro);
        QCOMPARE(path, m_dir->path() + "/Configs/MacroDB/Burst.MSMACRO");

        const QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value("Setting/MacroFilePath").toString(), path);
        QCOMPARE(file.value("Setting/DefaultDelay").toInt(), 25);
        QCOMPARE(file.value("Setting/DelayType").toInt(), 1);
        QCOMPARE(file.value("Setting/LoopType").toInt(), 2);
        QCOMPARE(file.value("Setting/LoopTime").toInt(), 7);
        QCOMPARE(file.value("Setting/Count").toInt(), 6);
        QCOMPARE(file.value("Setting/Map_1").toInt(), 6);
        QCOMPARE(file.value("Setting/DataH_1").toInt(), 1);
        QCOMPARE(file.value("Setting/DataL_1").toInt(), 44);
        QCOMPARE(file.value("Setting/Map_3").toInt(), 1);    // button press as files hold it
        QCOMPARE(file.value("Setting/Map_4").toInt(), 129);  // button release
        QCOMPARE(file.value("Setting/WriteSign").toInt(), 1);

        const MacroFile back = ReadMacroFile("Burst");
        QCOMPARE(back.defaultDelay, 25);
        QCOMPARE(back.loopTime, 7);
        QCOMPARE(back.steps.size(), macro.steps.size());
        for (int i = 0; i < macro.steps.size(); ++i) {
            QCOMPARE(back.steps[i].type, macro.steps[i].type);
            QCOMPARE(back.steps[i].dataH, macro.steps[i].dataH);
            QCOMPARE(back.steps[i].dataL, macro.steps[i].dataL);
        }
    }

    // The editor's table and the file number mouse-button steps the other way round.
    void buttonStepSwap()
    {
        QCOMPARE(SwapButtonStepType(129), 1);
        QCOMPARE(SwapButtonStepType(1), 129);
        for (int other : {0, 2, 4, 6, 130, 132, 255})
            QCOMPARE(SwapButtonStepType(other), other);
    }

    void gunFileHasNoWriteSign()
    {
        const QString path = WriteMacroFile("Recoil", sampleMacro(), false);
        const QSettings file(path, QSettings::IniFormat);
        QVERIFY(file.contains("Setting/Count"));
        QVERIFY(!file.contains("Setting/WriteSign"));
        QVERIFY(!TakeMacroWriteSign("Recoil"));
    }

    void shorterSaveKeepsOldStepKeys()
    {
        MacroFile macro = sampleMacro();
        WriteMacroFile("Shrink", macro);
        macro.steps.resize(2);
        WriteMacroFile("Shrink", macro);
        const QSettings file(MacroFilePath("Shrink"), QSettings::IniFormat);
        QCOMPARE(file.value("Setting/Count").toInt(), 2);
        QVERIFY(file.contains("Setting/Map_5"));
        QCOMPARE(ReadMacroFile("Shrink").steps.size(), 2);
    }

    // Count and step values come from a file: kept inside the 63 steps and to their low byte.
    void untrustedCounts_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("count");
        QTest::newRow("missing") << QByteArray("DefaultDelay=5\n") << 0;
        QTest::newRow("negative") << QByteArray("Count=-4\n") << 0;
        QTest::newRow("not a number") << QByteArray("Count=many\n") << 0;
        QTest::newRow("63") << QByteArray("Count=63\n") << 63;
        QTest::newRow("too many") << QByteArray("Count=100000\n") << 63;
    }
    void untrustedCounts()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, count);
        writeMacroText("Odd", body);
        QCOMPARE(ReadMacroFile("Odd").steps.size(), count);
        ButtonInfo entry;
        entry.KeyNumber = 9;
        QCOMPARE(LoadMacroSteps("Odd", entry), count);
        QCOMPARE(entry.KeyNumber, count);
    }

    void missingFileIsEmpty()
    {
        const MacroFile macro = ReadMacroFile("Nowhere");
        QCOMPARE(macro.steps.size(), 0);
        QCOMPARE(macro.loopType, 0);
        QVERIFY(!QFile::exists(MacroFilePath("Nowhere")));
    }

    // A button entry takes step i as (Map, DataL, DataH); steps past the count keep their bytes.
    void loadIntoButton()
    {
        writeMacroText("Keys", "Count=2\nMap_0=132\nDataH_0=0\nDataL_0=4\nMap_1=300\nDataH_1=-1\nDataL_1=junk\n");
        ButtonInfo entry;
        entry.keyInfo[2] = {9, 8, 7};
        QCOMPARE(LoadMacroSteps("Keys", entry), 2);
        QCOMPARE(entry.keyInfo[0].map, quint8(132));
        QCOMPARE(entry.keyInfo[0].key, quint8(4));
        QCOMPARE(entry.keyInfo[0].H, quint8(0));
        QCOMPARE(entry.keyInfo[1].map, quint8(44));  // 300: low byte
        QCOMPARE(entry.keyInfo[1].H, quint8(255));   // -1: low byte
        QCOMPARE(entry.keyInfo[1].key, quint8(0));   // not a number
        QCOMPARE(entry.keyInfo[2].map, quint8(9));
    }

    void writeSignIsTakenOnce()
    {
        WriteMacroFile("Signed", sampleMacro());
        QVERIFY(TakeMacroWriteSign("Signed"));
        QCOMPARE(QSettings(MacroFilePath("Signed"), QSettings::IniFormat).value("Setting/WriteSign").toInt(), 0);
        QVERIFY(!TakeMacroWriteSign("Signed"));
        QVERIFY(!TakeMacroWriteSign("Absent"));
        QVERIFY(!QFile::exists(MacroFilePath("Absent")));
    }

    // Macro names come from profile files: none may lead out of the macro folder.
    void namesStayInMacroFolder()
    {
        QDir().mkpath(GetConfigDir() + "/MacroDB");
        QCOMPARE(WriteMacroFile("../Config", sampleMacro()), QString());
        QCOMPARE(WriteMacroFile("", sampleMacro()), QString());
        QVERIFY(!QFile::exists(GetConfigDir() + "/Config.MSMACRO"));
        QVERIFY(!QFile::exists(GetConfigDir() + "/MacroDB/.MSMACRO"));
        QCOMPARE(ReadMacroFile("../Config").steps.size(), 0);
    }

    void macroListSlots()
    {
        QSettings(ConfigIniPath(), QSettings::IniFormat).setValue("MACRO_LIST/0", "a");
        QCOMPARE(AddToMacroList("b"), 1);
        QCOMPARE(AddToMacroList("c"), 2);
        QCOMPARE(AddToMacroList("d"), 3);
        QCOMPARE(RemoveFromMacroList("B"), -1);  // exact, case-sensitive
        QCOMPARE(RemoveFromMacroList("b"), 1);
        QCOMPARE(CountMacros(), 3);
        QCOMPARE(AddToMacroList("e"), 1);  // the hole is filled first, nothing compacts
        QCOMPARE(GetMacroListEntry(3), QString("d"));
        QCOMPARE(RenameInMacroList("c", "c2"), 2);
        const QStringList names = ReadMacroList();
        QCOMPARE(names.size(), kMacroListSize);
        QCOMPARE(names.mid(0, 5), QStringList({"a", "e", "c2", "d", ""}));
    }

    void macroListFull()
    {
        for (int i = 0; i < kMacroListSize; ++i)
            QCOMPARE(AddToMacroList(QString("m%1").arg(i)), i);
        QCOMPARE(CountMacros(), 50);
        QCOMPARE(AddToMacroList("late"), -1);
        QVERIFY(!ReadMacroList().contains("late"));
    }
};

QTEST_GUILESS_MAIN(MacroFilesTest)
#include "tst_macrofiles.moc"
