// The whole configuration through Config.ini with the profile files, and through a ".conf" file.
#include "../unprivileged.h"
#include "configio.h"
#include "devicedefaults.h"
#include "profilefiles.h"
#include "profileio.h"
#include "sizelimit.h"
#include "stagedfile.h"
#include "storefixture.h"
#include "unsentmark.h"

#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Config.ini and the five profile files of the slots' names.
QStringList savedFiles(const DeviceConfig &config)
{
    QStringList files{ConfigIniPath()};
    for (const QString &name : config.profileFiles)
        files << ProfileFilePath(name);
    return files;
}

// Each file's inode: a write through QSettings replaces the file, so it changes with every write.
QList<quint64> inodes(const QStringList &files)
{
    QList<quint64> result;
    for (const QString &file : files) {
        struct stat info {};
        result << (::stat(QFile::encodeName(file).constData(), &info) == 0 ? quint64(info.st_ino) : 0);
    }
    return result;
}

// Every key and value of an INI file as QSettings reads it back, one line each. Read from a
// copy: QSettings would not see an edit of the same size within one millisecond.
QStringList iniContent(const QString &path)
{
    QTemporaryDir copyDir;
    const QString copy = copyDir.path() + "/copy.ini";
    if (!QFile::copy(path, copy))
        return {"cannot copy " + path};
    const QSettings ini(copy, QSettings::IniFormat);
    QStringList lines;
    for (const QString &key : ini.allKeys())
        lines << key + "=" + ini.value(key).toString() + " " + ini.value(key).typeName();
    return lines;
}

DeviceConfig sampleConfig()
{
    DeviceConfig c;
    c.ProfileID = 3;
    c.AngleValue = 1;
    c.LiftHigh = 2;
    c.Sync = 3;
    c.Count = 5;
    c.Jitter = 4;
    c.Debounce = 200;
    c.Wake = 6;
    c.SensorMode = 7;
    for (int i = 0; i < kProfileCount; ++i) {
        c.profiles[i] = sampleProfile(10 + i);
        c.profileFiles[i] = QString("Game %1").arg(i);
    }
    return c;
}

QString configDifference(const DeviceConfig &a, const DeviceConfig &b, bool withLedTimes = true)
{
#define DIFF(field)                                                                                                   \
    if (a.field != b.field)                                                                                            \
        return QStringLiteral(#field);
    DIFF(ProfileID) DIFF(AngleValue) DIFF(LiftHigh) DIFF(Sync) DIFF(Count) DIFF(Jitter) DIFF(Debounce) DIFF(Wake)
    DIFF(SensorMode)
#undef DIFF
    for (int i = 0; i < kProfileCount; ++i) {
        if (a.profileFiles[i] != b.profileFiles[i])
            return QString("profileFiles[%1]").arg(i);
        const QString profile = profileDifference(a.profiles[i], b.profiles[i], withLedTimes);
        if (!profile.isEmpty())
            return QString("profiles[%1].%2").arg(i).arg(profile);
    }
    return QString();
}

} // namespace

class ConfigIoTest : public QObject {
    Q_OBJECT
    QScopedPointer<StoreDir> m_dir;

    QString confPath() const { return m_dir->path() + "/saved.conf"; }

private slots:
    void init()
    {
        m_dir.reset(new StoreDir);
        QVERIFY(m_dir->isValid());
    }

    void configIniRoundTrip()
    {
        QVERIFY(writeFixture(ConfigIniPath(), "[Config]\nDiff=1\nCurrentProductName=M5\n"));
        const DeviceConfig saved = sampleConfig();
        QCOMPARE(SaveConfig(saved), kStoreOk);

        const QSettings ini(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("Config/ProfileID").toInt(), 3);
        QCOMPARE(ini.value("Config/Debounce").toInt(), 200);
        QCOMPARE(ini.value("Config/SensorMode").toInt(), 7);
        QCOMPARE(ini.value("Config/Count").toInt(), 5);
        QCOMPARE(ini.value("Config/Profile1").toString(), QString("Game 0"));
        QCOMPARE(ini.value("Config/Profile5").toString(), QString("Game 4"));
        QCOMPARE(ini.value("Config/Diff").toInt(), 1);  // other settings stay
        QCOMPARE(ini.childGroups(), QStringList{"Config"});
        for (int i = 0; i < kProfileCount; ++i) {
            const QSettings prof(ProfileFilePath(saved.profileFiles[i]), QSettings::IniFormat);
            QCOMPARE(prof.value("PROFILE/ProfileName").toString(), saved.profiles[i].ProfileName);
        }

        DeviceConfig loaded;
        LoadConfig(loaded);
        QCOMPARE(configDifference(loaded, saved), QString());
    }

    void confRoundTrip()
    {
        const DeviceConfig saved = sampleConfig();
        QCOMPARE(SaveConfigV2(saved, confPath()), kStoreOk);
        const QSettings conf(confPath(), QSettings::IniFormat);
        QCOMPARE(conf.childGroups(),
                 (QStringList{"Config", "PROFILE_0", "PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_4"}));
        QCOMPARE(conf.value("Config/Wake").toInt(), 6);
        QCOMPARE(conf.value("Config/Profile3").toString(), QString("Game 2"));
        QCOMPARE(conf.value("PROFILE_4/pollrate").toInt(), int(saved.profiles[4].pollrate));
        QVERIFY(!conf.contains("PROFILE_0/LedMoveOFF"));
        QVERIFY(!conf.contains("PROFILE_0/LedSleepTime"));

        DeviceConfig loaded;
        for (int i = 0; i < kProfileCount; ++i) {
            loaded.profiles[i].LedMoveOFF = quint8(90 + i);
            loaded.profiles[i].LedSleepTime = quint8(i);
        }
        ReadConfig(loaded, confPath());
        QCOMPARE(configDifference(loaded, saved, false), QString());
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(loaded.profiles[i].LedMoveOFF, quint8(90 + i));
            QCOMPARE(loaded.profiles[i].LedSleepTime, quint8(i));
        }
    }

    // No Config.ini yet: five distinct files, not five profiles in one ".prof".
    void firstStartKeepsFiveProfiles()
    {
        DeviceConfig config;
        LoadConfig(config);
        QVERIFY(QDir(ProfileFolder()).exists());  // QFile::copy into it needs it
        QCOMPARE(config.ProfileID, quint8(0));
        QCOMPARE(config.Debounce, quint8(0));
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(config.profileFiles[i], QString("Profile %1").arg(i + 1));
            QCOMPARE(config.profiles[i].LedMoveOFF, quint8(255));
            config.profiles[i] = sampleProfile(i);
        }
        config.profileFiles[2].clear();  // an empty name in memory is saved under its slot name as well
        QCOMPARE(SaveConfig(config), kStoreOk);
        QVERIFY(!QFileInfo::exists(ProfileFilePath("")));
        QCOMPARE(QSettings(ConfigIniPath(), QSettings::IniFormat).value("Config/Profile3").toString(),
                 QString("Profile 3"));

        DeviceConfig loaded;
        LoadConfig(loaded);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(loaded.profileFiles[i], QString("Profile %1").arg(i + 1));
            QCOMPARE(profileDifference(loaded.profiles[i], config.profiles[i]), QString());
        }
    }

    // Names and indices from a file the user may have edited or received.
    void storedValuesKeptSafe_data()
    {
        QTest::addColumn<bool>("conf");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("profileId");
        QTest::addColumn<QStringList>("names");
        const QStringList current{"Mine 1", "Mine 2", "Mine 3", "Mine 4", "Mine 5"};
        const QByteArray hostile("[Config]\nProfileID=7\nProfile1=../../escaped\nProfile2=a/b\nProfile3=\n"
                                 "Profile4=C:\\\\x\nProfile5=Ok name\n");
        QTest::newRow("Config.ini, hostile names") << false << hostile << 4
                                                   << QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                                                  "Ok name"};
        QTest::newRow("conf, hostile names") << true << hostile << 4
                                             << QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                                            "Ok name"};
        QTest::newRow("conf without names keeps the current ones")
            << true << QByteArray("[Config]\nProfileID=-1\n") << 4 << current;
        QTest::newRow("Config.ini, not a number") << false << QByteArray("[Config]\nProfileID=two\n") << 0 << current;
        QTest::newRow("conf, index in range") << true << QByteArray("[Config]\nProfileID=2\n") << 2 << current;
        const QByteArray repeated("[Config]\nProfile1=A\nProfile2=A\nProfile3=Mine 1\n");
        const QStringList apart{"A", "Profile 2", "Mine 1", "Mine 4", "Mine 5"};
        QTest::newRow("Config.ini, repeated names") << false << repeated << 0 << apart;
        QTest::newRow("conf, repeated names") << true << repeated << 0 << apart;
        QTest::newRow("conf, long name and dots") << true
            << QByteArray("[Config]\nProfile1=FPS v1..2\nProfile2=") + QByteArray(300, 'a') + "\n" << 0
            << QStringList{"FPS v1..2", "Profile 2", "Mine 3", "Mine 4", "Mine 5"};
    }
    void storedValuesKeptSafe()
    {
        QFETCH(bool, conf);
        QFETCH(QByteArray, content);
        QFETCH(int, profileId);
        QFETCH(QStringList, names);
        QVERIFY(writeFixture(conf ? confPath() : ConfigIniPath(), content));
        DeviceConfig config;
        for (int i = 0; i < kProfileCount; ++i)
            config.profileFiles[i] = QString("Mine %1").arg(i + 1);
        if (conf)
            ReadConfig(config, confPath());
        else
            LoadConfig(config);
        QCOMPARE(int(config.ProfileID), profileId);
        for (int i = 0; i < kProfileCount; ++i)
            QCOMPARE(config.profileFiles[i], names.at(i));
        QCOMPARE(SaveConfig(config), kStoreOk);
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/../escaped.prof"));
        QVERIFY(!QDir(GetConfigDir() + "/Profile/a").exists());
    }

    // Loading a ".conf" and saving it must not overwrite a listed profile that no slot shows.
    void confSparesUnshownListedProfiles()
    {
        SetCurrentProductName("M5");
        QVERIFY(writeFixture(GetConfigDir() + "/M5/Config.ini",
                             "[PROFILE_LIST]\nCount=3\n1=Mine 1\n2=Kept\n3=Profile 1\n"));
        const ProfileRecord kept = sampleProfile(3);
        QCOMPARE(WriteProfileFile(kept, "Kept"), kStoreOk);
        DeviceConfig received = sampleConfig();
        received.profileFiles[0] = "Kept";
        received.profileFiles[1] = "Mine 1";
        QCOMPARE(SaveConfigV2(received, confPath()), kStoreOk);

        DeviceConfig config;
        for (int i = 0; i < kProfileCount; ++i)
            config.profileFiles[i] = QString("Mine %1").arg(i + 1);
        ReadConfig(config, confPath());
        // "Profile 1" is listed and not shown either.
        QCOMPARE(config.profileFiles[0], QString("Profile 1_2"));
        QCOMPARE(config.profileFiles[1], QString("Mine 1"));  // shown now: the file's profile replaces it
        QCOMPARE(config.profileFiles[2], QString("Game 2"));
        QCOMPARE(profileDifference(config.profiles[0], received.profiles[0], false), QString());
        QCOMPARE(SaveConfig(config), kStoreOk);
        ProfileRecord onDisk;
        QCOMPARE(ReadProfileFile(onDisk, "Kept"), kStoreOk);
        QCOMPARE(profileDifference(onDisk, kept), QString());
    }

    void buttonMatrixRefilled()
    {
        for (int i = 0; i < kButtonMatrixSize; ++i)
            g_buttonMatrix[i] = quint8(100 + i);
        DeviceConfig config;
        LoadConfig(config);
        QCOMPARE(g_buttonMatrix[0], quint8(100));  // no description: kept
        QVERIFY(writeFixture(descriptionPath(), "[PROFILE]\nBUTTON_INFO_0_Matrix=5\nBUTTON_INFO_15_Matrix=1\n"));
        LoadConfig(config);
        QCOMPARE(g_buttonMatrix[0], quint8(5));
        QCOMPARE(g_buttonMatrix[1], quint8(0));
        QCOMPARE(g_buttonMatrix[15], quint8(1));
    }

    void unwritableSaveIsReported()
    {
        QVERIFY(writeFixture(GetConfigDir(), "not a folder"));
        QCOMPARE(SaveConfig(sampleConfig()), kStoreWriteFailed);
        QCOMPARE(SaveConfigV2(sampleConfig(), GetConfigDir() + "/x.conf"), kStoreWriteFailed);
        g_profileList.append(new ProfileRecord(sampleProfile(1)));
        QCOMPARE(SaveConfigWithProfileList(sampleConfig()), kStoreWriteFailed);
        qDeleteAll(g_profileList);
        g_profileList.clear();
    }

    // A save that fails changes no file: not Config.ini, where a new slot name would name a
    // file that is not there, nor a profile file QSettings writes.
    void failedSaveChangesNoFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("a folder in the new file's place") << "folder";
        QTest::newRow("read-only profile folder") << "read-only";
    }
    void failedSaveChangesNoFile()
    {
        QFETCH(QString, fault);
        if (fault == "read-only")
            RUN_ROW_AS_NOBODY_IF_ROOT();
        DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        {
            // Another program's key: the profile file is QSettings' to write from now on.
            QSettings other(ProfileFilePath(config.profileFiles[0]), QSettings::IniFormat);
            other.setValue("Other/Key", 1);
        }
        const QStringList files = savedFiles(config);
        QMap<QString, QByteArray> before;
        for (const QString &file : files)
            QVERIFY(ReadWholeFile(file, before[file]));
        config.profileFiles[1] = "From Conf";
        config.profiles[0].dpiInfo[2].x += 1;
        config.profiles[1].dpiInfo[2].x += 1;
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (fault == "folder")
            QVERIFY(QDir().mkpath(ProfileFilePath("From Conf")));
        else
            QVERIFY(QFile::setPermissions(ProfileFolder(), QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(SaveConfig(config), kStoreWriteFailed);
        QVERIFY(QFile::setPermissions(ProfileFolder(), writable));
        for (const QString &file : files) {
            QByteArray now;
            QVERIFY(ReadWholeFile(file, now));
            QVERIFY2(now == before[file], qPrintable(file));
        }
        QCOMPARE(QFileInfo(ProfileFilePath("From Conf")).isFile(), false);
    }

    // A save of what the files already hold writes nothing, also where a profile file holds
    // another program's key (QSettings' to write) and the folders are read-only.
    void unchangedSaveWritesNothing_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("writable") << false << false;
        QTest::newRow("writable, loaded first") << false << true;
        QTest::newRow("read-only") << true << false;
        QTest::newRow("read-only, loaded first") << true << true;
    }
    void unchangedSaveWritesNothing()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, loaded);
        if (readOnly)
            RUN_ROW_AS_NOBODY_IF_ROOT();
        DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        {
            QSettings other(ProfileFilePath(config.profileFiles[0]), QSettings::IniFormat);
            other.setValue("Other/Key", 1);
        }
        if (loaded)
            LoadConfig(config);
        const QStringList files = savedFiles(config);
        QMap<QString, QByteArray> before;
        for (const QString &file : files)
            QVERIFY(ReadWholeFile(file, before[file]));
        const QList<quint64> inodesBefore = inodes(files);
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (readOnly) {
            QVERIFY(QFile::setPermissions(GetConfigDir(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(QFile::setPermissions(ProfileFolder(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const int result = SaveConfig(config);
        QVERIFY(QFile::setPermissions(ProfileFolder(), writable));
        QVERIFY(QFile::setPermissions(GetConfigDir(), writable));
        QCOMPARE(result, kStoreOk);
        QCOMPARE(inodes(files), inodesBefore);
        for (const QString &file : files) {
            QByteArray now;
            QVERIFY(ReadWholeFile(file, now));
            QVERIFY2(now == before[file], qPrintable(file));
        }
    }

    // A disk that takes only part of the copy QSettings edits fails the save: the cut copy,
    // edited, would replace Config.ini and lose the keys past the cut. So does one that takes
    // the copy but only part of QSettings' edit of it, which QSettings does not notice.
    void cutCopyFailsTheSave_data()
    {
        QTest::addColumn<bool>("copyFits");  // the limit: Config.ini's size and a byte, or half of it
        QTest::addColumn<int>("angle");
        QTest::newRow("the copy cut") << false << 2;
        QTest::newRow("the edited copy cut") << true << 100;
    }
    void cutCopyFailsTheSave()
    {
        QFETCH(bool, copyFits);
        QFETCH(int, angle);
        DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        {
            QSettings other(ConfigIniPath(), QSettings::IniFormat);
            for (int i = 0; i < 61; ++i)
                other.setValue(QStringLiteral("Other/Key%1").arg(i, 2, 10, QLatin1Char('0')), "a value of some length");
        }
        const QStringList files = savedFiles(config);
        QMap<QString, QByteArray> before;
        for (const QString &file : files)
            QVERIFY(ReadWholeFile(file, before[file]));
        QCOMPARE(int(config.AngleValue), 1);
        config.AngleValue = quint8(angle);  // Config.ini alone changes
        const int size = before[ConfigIniPath()].size();
        {
            const FileSizeLimit full(rlim_t(copyFits ? size + 1 : size / 2));
            QCOMPARE(SaveConfig(config), kStoreWriteFailed);
        }
        for (const QString &file : files) {
            QByteArray now;
            QVERIFY(ReadWholeFile(file, now));
            QVERIFY2(now == before[file], qPrintable(file));
        }
    }

    // A save leaves the files it would not change alone: Config.ini when only a profile
    // changed, every file when nothing did, and the Diff mark when it is already set so.
    void unchangedFilesNotRewritten()
    {
        DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        QVERIFY(SetDiff(0));
        const QStringList files = savedFiles(config);
        const QList<quint64> before = inodes(files);
        QVERIFY(!before.contains(0));

        QCOMPARE(SaveConfig(config), kStoreOk);
        QVERIFY(SetDiff(0));
        QCOMPARE(inodes(files), before);

        config.profiles[2].ledModes[1].RGB = QColor(1, 2, 3);
        QCOMPARE(SaveConfig(config), kStoreOk);
        const QList<quint64> after = inodes(files);
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(after[i] != before[i], i == 3);  // profile 2 follows Config.ini
    }

    // Whatever happened to the files in between, including writes behind the store's back,
    // the saved files read back exactly as a full save of the same configuration into an
    // empty folder.
    void savesMatchAFullSave_data()
    {
        QTest::addColumn<QString>("between");
        QTest::newRow("nothing") << "";
        QTest::newRow("a profile key set") << "set";
        QTest::newRow("a profile key removed") << "remove";
        QTest::newRow("a profile file removed") << "delete";
        QTest::newRow("a profile file replaced") << "replace";
        QTest::newRow("a Config key set") << "config";
        QTest::newRow("slots renamed") << "rename";
    }
    void savesMatchAFullSave()
    {
        QFETCH(QString, between);
        DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        const QString file1 = ProfileFilePath(config.profileFiles[1]);
        if (between == "set") {
            SaveProfileDpi(config.profileFiles[1], 6);
        } else if (between == "remove") {
            QSettings(file1, QSettings::IniFormat).remove("PROFILE/BUTTON_INFO_7_Fun");
        } else if (between == "delete") {
            QVERIFY(QFile::remove(file1));
        } else if (between == "replace") {
            // Same size, same second: only the file's identity tells it apart.
            QFile file(file1);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray text = file.readAll();
            text.replace("pollrate=12", "pollrate=98");
            QVERIFY(text.contains("pollrate=98"));
            QVERIFY(file.seek(0) && file.write(text) == text.size());
        } else if (between == "config") {
            SetProfileID(1);
        } else if (between == "rename") {
            std::swap(config.profileFiles[0], config.profileFiles[4]);
            config.profileFiles[2] = "Renamed";
        }
        config.profiles[0].dpiInfo[2].x += 8;
        QCOMPARE(SaveConfig(config), kStoreOk);

        QStringList saved;
        for (const QString &file : savedFiles(config))
            saved << iniContent(file);
        StoreDir fresh;
        QCOMPARE(SaveConfig(config), kStoreOk);
        QStringList full;
        for (const QString &file : savedFiles(config))
            full << iniContent(file);
        QCOMPARE(saved, full);
    }

    // An export replaces the chosen file whole, or, refused, leaves it as it was.
    void exportReplacesTheWholeFile()
    {
        QVERIFY(writeFixture(confPath(), "[Junk]\nx=1\n"));
        QCOMPARE(SaveConfigV2(sampleConfig(), confPath(), "M5"), kStoreOk);
        QByteArray exported;
        QVERIFY(ReadWholeFile(confPath(), exported));
        QVERIFY(!exported.contains("Junk"));
        QVERIFY(exported.contains("[MouseName]\nName=M5\n"));
        QVERIFY(exported.contains("[PROFILE_4]\n"));
        DeviceConfig other = sampleConfig();
        other.Debounce = 9;
        {
            const FileSizeLimit full(64);
            QCOMPARE(SaveConfigV2(other, confPath(), "M5"), kStoreWriteFailed);
        }
        QByteArray after;
        QVERIFY(ReadWholeFile(confPath(), after));
        QCOMPARE(after, exported);
    }

    // Another program rewrites Config.ini in place with the same size and puts its time back:
    // QSettings' cache of the file (the window read it) still holds the old text, so the save
    // must read the file's bytes to see that it no longer holds the configuration.
    void sameSizeRewriteIsWrittenOver()
    {
        const DeviceConfig config = sampleConfig();
        QCOMPARE(SaveConfig(config), kStoreOk);
        QByteArray saved;
        QVERIFY(ReadWholeFile(ConfigIniPath(), saved));
        QVERIFY(saved.contains("Debounce=200"));
        QCOMPARE(GetBattery(), 0);
        QVERIFY(rewriteKeepingTime(ConfigIniPath(), "Debounce=200", "Debounce=201"));

        QCOMPARE(SaveConfig(config), kStoreOk);
        QByteArray after;
        QVERIFY(ReadWholeFile(ConfigIniPath(), after));
        QCOMPARE(after, saved);
    }

    void profileListOperations()
    {
        ProfileRecord a = sampleProfile(1), b = sampleProfile(2);
        a.ProfileName = "A";
        b.ProfileName = "B";
        g_profileList = {new ProfileRecord(a), new ProfileRecord(b)};
        QCOMPARE(SaveConfigWithProfileList(sampleConfig()), kStoreOk);
        qDeleteAll(g_profileList);
        g_profileList.clear();
        {
            QSettings ini(ConfigIniPath(), QSettings::IniFormat);
            QCOMPARE(ini.value("PROFILE_LIST/Count").toInt(), 2);
            QCOMPARE(ini.value("Config/Debounce").toInt(), 200);
            QVERIFY(!ini.contains("Config/Count"));
            ini.setValue("PROFILE_LIST/Count", 3);
            ini.setValue("PROFILE_LIST/1", "B");
            ini.setValue("PROFILE_LIST/2", "../A");
            ini.setValue("PROFILE_LIST/3", "A");
        }
        DeviceConfig config;
        LoadConfigFromProfileList(config);
        QCOMPARE(config.Count, quint8(3));
        QCOMPARE(config.ProfileID, quint8(3));
        QCOMPARE(g_profileList.size(), 2);  // the name that leaves the folder is skipped
        QCOMPARE(profileDifference(*g_profileList.at(0), b), QString());
        QCOMPARE(profileDifference(*g_profileList.at(1), a), QString());
        QCOMPARE(FindProfileByName("A"), 1);
        qDeleteAll(g_profileList);
        g_profileList.clear();
    }
};

QTEST_GUILESS_MAIN(ConfigIoTest)
#include "tst_configio.moc"
