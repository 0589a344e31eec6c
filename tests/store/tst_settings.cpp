// Program settings against real INI files in a fresh application directory.
#include "settings.h"
#include "storefixture.h"
#include "unsentmark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>

using IntGetter = std::function<int()>;
Q_DECLARE_METATYPE(IntGetter)

class SettingsTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

    void writeFile(const QString &name, const QByteArray &content)
    {
        QDir().mkpath(GetConfigDir());
        QFile file(GetConfigDir() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString referencePath() const { return m_dir->path() + "/reference.ini"; }

    // Config.ini and a reference copy beside it, both holding `content`.
    void writeWithReference(const QByteArray &content)
    {
        QFile file(referencePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        writeFile("Config.ini", content);
    }

    // Config.ini reads as the reference does once QSettings has set its Config/Diff to flag.
    void compareWithReference(int flag)
    {
        QSettings(referencePath(), QSettings::IniFormat).setValue("Config/Diff", flag);
        const QSettings expected(referencePath(), QSettings::IniFormat);
        const QSettings saved(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(saved.allKeys(), expected.allKeys());
        for (const QString &key : expected.allKeys())
            QCOMPARE(saved.value(key), expected.value(key));
    }

private slots:
    // Each case gets its own directory: QSettings caches files per path.
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        SetAppDir(m_dir->path());
    }

    void paths()
    {
        QCOMPARE(GetConfigDir(), m_dir->path() + "/Configs");
        QCOMPARE(ConfigIniPath(), m_dir->path() + "/Configs/Config.ini");
    }

    void intGetters_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<IntGetter>("getter");
        QTest::addColumn<int>("expected");
        const IntGetter diff = GetDiff, lang = GetLangID, color = GetGColorID, battery = GetBattery,
                        full = GetBatteryFull, sensor = GetMouseSensor, led = GetMouseLedMode,
                        macros = CountMacros;
        QTest::newRow("diff missing file") << "" << QByteArray() << diff << 0;
        QTest::newRow("diff set") << "Config.ini" << QByteArray("[Config]\nDiff=1\n") << diff << 1;
        QTest::newRow("diff not a number") << "Config.ini" << QByteArray("[Config]\nDiff=yes\n") << diff << 0;
        QTest::newRow("lang from LangConfig") << "LangConfig.ini" << QByteArray("[Config]\nLangID=3\n") << lang << 3;
        QTest::newRow("lang not in Config.ini") << "Config.ini" << QByteArray("[Config]\nLangID=3\n") << lang << 0;
        QTest::newRow("theme") << "Config.ini" << QByteArray("[Config]\nGColorID=5\n") << color << 5;
        QTest::newRow("battery missing") << "Config.ini" << QByteArray("[Config]\n") << battery << 0;
        QTest::newRow("battery full default") << "" << QByteArray() << full << 4200;
        QTest::newRow("battery full set") << "Config.ini" << QByteArray("[Config]\nBatteryFull=4100\n") << full << 4100;
        QTest::newRow("battery full junk") << "Config.ini" << QByteArray("[Config]\nBatteryFull=abc\n") << full << 0;
        QTest::newRow("sensor exact case") << "Config.ini" << QByteArray("[MouseSenSor]\n1=3395\n") << sensor << 3395;
        QTest::newRow("sensor wrong case") << "Config.ini" << QByteArray("[MouseSensor]\n1=3395\n") << sensor << 0;
        QTest::newRow("led mode of current model")
            << "Config.ini" << QByteArray("[Config]\nCurrentProductName=M1\n[MouseLEDMode]\nM1=2\nM2=7\n") << led << 2;
        QTest::newRow("macros none") << "Config.ini" << QByteArray("[Config]\nDiff=0\n") << macros << 0;
        QTest::newRow("macros 0 3 49, not 50")
            << "Config.ini" << QByteArray("[MACRO_LIST]\n0=a\n3=b\n49=c\n50=d\n7=\n") << macros << 3;
    }
    void intGetters()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(IntGetter, getter);
        QFETCH(int, expected);
        if (!file.isEmpty())
            writeFile(file, content);
        QCOMPARE(getter(), expected);
    }

    void settersFlushAtOnce()
    {
        QVERIFY(SetDiff(1));
        QCOMPARE(GetDiff(), 1);
        QVERIFY(SetDiff(0));
        QCOMPARE(GetDiff(), 0);
        SetLangID(2);
        QCOMPARE(GetLangID(), 2);
        QCOMPARE(QSettings(LangConfigIniPath(), QSettings::IniFormat).value("Config/LangID").toInt(), 2);
        SetCurrentProductName("Model X");
        QCOMPARE(GetCurrentProductName(), QString("Model X"));
        SetBattery(70);
        QCOMPARE(GetBattery(), 70);
        SetGColorID(4);
        QCOMPARE(GetGColorID(), 4);
        SetProfileID(3);
        QCOMPARE(QSettings(ConfigIniPath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 3);
    }

    // Reading writes nothing it need not: no folder for a file that is not there.
    void readingMakesNoFolder()
    {
        QVERIFY(!QFileInfo::exists(GetConfigDir()));
        QCOMPARE(GetDiff(), 0);
        QVERIFY(!QFileInfo::exists(GetConfigDir()));
    }

    // The write job relies on it: an unwritten mark must not pass for a written one.
    void unwrittenDiffIsReported()
    {
        QVERIFY(QDir().mkpath(ConfigIniPath()));  // a folder where the file belongs
        QVERIFY(!SetDiff(1));
    }

    // The mark is changed by one line of the file's text where the file is laid out plainly,
    // by QSettings otherwise: either way QSettings reads back what it would have written.
    void diffMarkReadsAsQSettingsWritesIt_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("byLine");
        const QByteArray plain = "[Config]\nBattery=80\nDiff=0\nModel=M7\n\n[Mouse_List]\n0=M7\n";
        QTest::newRow("as QSettings writes it") << plain << true;
        QTest::newRow("no mark yet") << QByteArray("[Config]\nBattery=80\n\n[FONT_LIST]\nLANGNUM=2\n") << true;
        QTest::newRow("mark set") << QByteArray("[Config]\nDiff=1\n") << true;
        QTest::newRow("no end of line") << QByteArray("[Mouse_List]\n0=M7\n\n[Config]\nDiff=0") << true;
        QTest::newRow("several digits") << QByteArray("[Config]\nDiff=10\n") << true;
        QTest::newRow("no Config section") << QByteArray("[Mouse_List]\n0=M7\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("Windows line ends") << QByteArray("[Config]\r\nDiff=0\r\nModel=M7\r\n") << false;
        QTest::newRow("spaced") << QByteArray("[Config]\nDiff = 0\n") << false;
        QTest::newRow("quoted") << QByteArray("[Config]\nDiff=\"0\"\n") << false;
        QTest::newRow("two Config sections") << QByteArray("[Config]\nDiff=0\n[Config]\nModel=M7\n") << false;
        QTest::newRow("in General") << QByteArray("[General]\nConfig\\Diff=0\n[Config]\nModel=M7\n") << false;
        QTest::newRow("in another section") << QByteArray("[Other]\nDiff=0\n[Config]\nModel=M7\n") << false;
        QTest::newRow("in a comment") << QByteArray("[Config]\n; Diff=1 sends all\nDiff=0\n") << false;
        QTest::newRow("continued line") << QByteArray("[Config]\nModel=M7\\\nDiff=0\n") << false;
        // Laid out plainly to the eye, read otherwise by QSettings.
        QTest::newRow("escaped key name") << QByteArray("[Config]\nD%69ff=0\nModel=M7\n") << true;
        QTest::newRow("escaped key name after the mark") << QByteArray("[Config]\nDiff=0\nD%69ff=0\n") << true;
        QTest::newRow("in a quoted value") << QByteArray("[Config]\nModel=\"M7\nDiff=0\nend\"\n") << true;
        QTest::newRow("header in a quoted value") << QByteArray("[Other]\nX=\"a\n[Config]\nb\"\n") << true;
    }
    void diffMarkReadsAsQSettingsWritesIt()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, byLine);
        QByteArray marked;
        QCOMPARE(DiffMarkText(content, 1, marked), byLine);
        writeWithReference(content);
        QVERIFY(SetDiff(1));
        compareWithReference(1);
        QCOMPARE(GetDiff(), 1);
    }

    // The mark around a download, on the same files: set, then cleared, QSettings reads what
    // it would have written, and every other key as it was.
    void unsentMarkReadsAsQSettingsWritesIt_data() { diffMarkReadsAsQSettingsWritesIt_data(); }
    void unsentMarkReadsAsQSettingsWritesIt()
    {
        QFETCH(QByteArray, content);
        writeWithReference(content);
        UnsentMark mark;
        QVERIFY(mark.set());
        QCOMPARE(GetDiff(), 1);
        compareWithReference(1);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(mark.prepareClear());
        QVERIFY(mark.clear());
        QCOMPARE(GetDiff(), 0);
        compareWithReference(0);
    }

    // Another program puts Diff=0 in place of Diff=1 with the same size and the old time: the
    // mark's "already set" reads the file, not QSettings' cache of the text read before. The
    // line ends keep the mark off its one-line edit, on the path that asks.
    void markCheckReadsTheFile()
    {
        writeFile("Config.ini", "[Config]\r\nDiff=1\r\nModel=M7\r\n");
        QCOMPARE(QSettings(ConfigIniPath(), QSettings::IniFormat).value("Config/Diff").toInt(), 1);
        QVERIFY(rewriteKeepingTime(ConfigIniPath(), "Diff=1", "Diff=0"));
        QVERIFY(SetDiff(1));
        QFile file(ConfigIniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("Diff=1") && !text.contains("Diff=0"), text.constData());
    }

    // Config.ini as a symbolic link: the mark goes into the file it leads to, and it stays a link.
    void markWritesThroughALink()
    {
        const QString real = m_dir->path() + "/elsewhere/Config.ini";
        QVERIFY(QDir().mkpath(m_dir->path() + "/elsewhere"));
        QFile file(real);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Config]\nDiff=0\nModel=M7\n") > 0);
        file.close();
        QVERIFY(QDir().mkpath(GetConfigDir()));
        QVERIFY(QFile::link("../elsewhere/Config.ini", ConfigIniPath()));
        UnsentMark mark;
        QVERIFY(mark.set());
        QCOMPARE(QSettings(real, QSettings::IniFormat).value("Config/Diff").toInt(), 1);
        QVERIFY(mark.prepareClear());
        QVERIFY(mark.clear());
        QVERIFY(SetDiff(1));
        QVERIFY(QFileInfo(ConfigIniPath()).isSymLink());
        QCOMPARE(QSettings(real, QSettings::IniFormat).value("Config/Diff").toInt(), 1);
        QCOMPARE(QSettings(real, QSettings::IniFormat).value("Config/Model").toString(), QString("M7"));
        QCOMPARE(QDir(GetConfigDir()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"Config.ini"});
    }

    // Marks set in quick succession, each by one digit of an equally long file: QSettings,
    // which caches the file and tells versions apart by size and time, reads every one.
    void quickMarksReadBack()
    {
        writeFile("Config.ini", "[Config]\nDiff=0\nModel=M7\n");
        for (int i = 0; i < 40; ++i) {
            QVERIFY(SetDiff(i % 2));
            QCOMPARE(GetDiff(), i % 2);
        }
        for (int i = 0; i < 40; ++i) {
            UnsentMark mark;
            QVERIFY(mark.set());
            QCOMPARE(GetDiff(), 1);
            QVERIFY(mark.prepareClear());
            QVERIFY(mark.clear());
            QCOMPARE(GetDiff(), 0);
        }
    }

    // Config.ini changed between setting the mark and clearing it: the change is kept.
    void clearedMarkKeepsLaterChanges()
    {
        writeFile("Config.ini", "[Config]\nDiff=0\nModel=M7\n");
        UnsentMark mark;
        QVERIFY(mark.set());
        QVERIFY(mark.prepareClear());
        SetBattery(55);
        QVERIFY(mark.clear());
        QCOMPARE(GetDiff(), 0);
        QCOMPARE(GetBattery(), 55);
        QCOMPARE(QSettings(ConfigIniPath(), QSettings::IniFormat).value("Config/Model").toString(), QString("M7"));
    }

    void profileListIsOneBased()
    {
        DeviceConfig config;
        config.ProfileID = 2;
        config.Count = 5;
        for (int i = 0; i < kProfileCount; ++i)
            config.profileFiles[i] = QString("P%1").arg(i);
        SaveProfileList(config);
        QSettings ini(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("Config/ProfileID").toInt(), 2);
        QCOMPARE(ini.value("Config/Count").toInt(), 5);
        QVERIFY(!ini.contains("Config/Profile0"));
        QCOMPARE(ini.value("Config/Profile1").toString(), QString("P0"));
        QCOMPARE(ini.value("Config/Profile5").toString(), QString("P4"));
    }

    // The same names as SaveConfig writes: no slot outside the folder, no two on one file.
    void profileListNamesAsSaved()
    {
        DeviceConfig config;
        const QString names[kProfileCount] = {"../x", "P1", "P1", "", "FPS v1..2"};
        std::copy(names, names + kProfileCount, config.profileFiles);
        SaveProfileList(config);
        QSettings ini(ConfigIniPath(), QSettings::IniFormat);
        const QStringList expected{"Profile 1", "P1", "Profile 3", "Profile 4", "FPS v1..2"};
        for (int i = 0; i < kProfileCount; ++i)
            QCOMPARE(ini.value(QString("Config/Profile%1").arg(i + 1)).toString(), expected.at(i));
    }

    void profileDpiGoesToProfileFile()
    {
        SaveProfileDpi("Game", 4);
        QSettings prof(GetConfigDir() + "/Profile/Game.prof", QSettings::IniFormat);
        QCOMPARE(prof.value("PROFILE/dpi").toInt(), 4);
        SaveProfileDpi("../Escaped", 2);
        QVERIFY(!QFileInfo::exists(GetConfigDir() + "/Escaped.prof"));
    }

    void fontListFillsAllTen()
    {
        writeFile("Config.ini", "[FONT_LIST]\nLANGNUM=2\nLangName_0=English\nLangFile_0=en\nLangName_9=Last\n"
                                "LangFile_1=../../x\nLangFile_2=/tmp/x\nLangFile_3=fr..old\n");
        FontList list;
        list.names[5] = "stale";
        GetFontList(list);
        QCOMPARE(list.count, 2);
        QCOMPARE(list.names[0], QString("English"));
        QCOMPARE(list.files[0], QString("en"));
        // A file name is put between "/lang/" and ".qm": one that leaves the folder is none.
        QCOMPARE(list.files[1], QString());
        QCOMPARE(list.files[2], QString());
        QCOMPARE(list.files[3], QString("fr..old"));
        QCOMPARE(list.names[5], QString());
        QCOMPARE(list.names[9], QString("Last"));
    }

    void mouseNameInChosenFile()
    {
        const QString file = m_dir->path() + "/saved.conf";
        SetMouseName("Model Y", file);
        QCOMPARE(GetMouseName(file), QString("Model Y"));
        QCOMPARE(GetMouseName(m_dir->path() + "/none.conf"), QString());
    }

    void indicesOutsideTablesAreKeptIn_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("theme");
        QTest::addColumn<int>("lang");
        QTest::newRow("first") << 0 << QColor(255, 0, 0) << 0;
        QTest::newRow("last") << 6 << QColor(255, 125, 0) << 6;
        QTest::newRow("past theme table") << 7 << QColor(255, 0, 0) << 7;
        QTest::newRow("past font list") << 10 << QColor(255, 0, 0) << 9;
        QTest::newRow("negative") << -1 << QColor(255, 0, 0) << 0;
    }
    void indicesOutsideTablesAreKeptIn()
    {
        QFETCH(int, index);
        QFETCH(QColor, theme);
        QFETCH(int, lang);
        QCOMPARE(ThemeColor(index), theme);
        QCOMPARE(ClampLangIndex(index), lang);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
