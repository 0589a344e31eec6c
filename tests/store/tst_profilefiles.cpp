// Profile files in Configs/Profile: names that stay inside the folder, round trips, the template.
#include "profilefiles.h"
#include "profilegroup.h"
#include "profileio.h"
#include "stagedfile.h"
#include "storefixture.h"

#include <QSettings>

class ProfileFilesTest : public QObject {
    Q_OBJECT
    QScopedPointer<StoreDir> m_dir;

    // Every file below the application directory, relative to it.
    QStringList allFiles() const
    {
        QStringList files;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(m_dir->path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

private slots:
    void init()
    {
        m_dir.reset(new StoreDir);
        QVERIFY(m_dir->isValid());
    }

    void fileRoundTrip()
    {
        const ProfileRecord written = sampleProfile(5);
        QCOMPARE(WriteProfileFile(written, "Profile 1"), kStoreOk);  // the folder did not exist
        QCOMPARE(allFiles(), QStringList{"Configs/Profile/Profile 1.prof"});
        const QSettings file(ProfileFilePath("Profile 1"), QSettings::IniFormat);
        QCOMPARE(file.value("PROFILE/LedSleepTime").toInt(), int(written.LedSleepTime));
        ProfileRecord read;
        QCOMPARE(ReadProfileFile(read, "Profile 1"), kStoreOk);
        QCOMPARE(profileDifference(read, written), QString());
    }

    void refusedNamesTouchNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("parent") << "../../escaped";
        QTest::newRow("absolute") << m_dir->path() + "/abs";
    }
    void refusedNamesTouchNothing()
    {
        QFETCH(QString, name);
        const ProfileRecord record = sampleProfile(1);
        QCOMPARE(WriteProfileFile(record, name), kStoreBadName);
        QCOMPARE(allFiles(), QStringList());
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/../escaped.prof"));
        ProfileRecord read = record;
        QCOMPARE(ReadProfileFile(read, name), kStoreBadName);
        QCOMPARE(profileDifference(read, record), QString());
    }

    // The product's list file is found by the product name from Config.ini: a name that is no
    // file name reads no list, wherever its path would lead, and the list is kept nowhere.
    void productNameIsChecked_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("reached");  // where the joined path leads, under the data folder
        QTest::newRow("empty: Config.ini itself") << "" << "Configs/Config.ini";
        QTest::newRow("parent") << ".." << "Config.ini";
        QTest::newRow("subfolder") << "Profile/x" << "Configs/Profile/x/Config.ini";
    }
    void productNameIsChecked()
    {
        QFETCH(QString, product);
        QFETCH(QString, reached);
        const QString listFile = m_dir->path() + "/" + reached;
        QSettings list(listFile, QSettings::IniFormat);
        list.setValue("PROFILE_LIST/Count", 1);
        list.setValue("PROFILE_LIST/1", "Elsewhere");
        list.sync();
        SetCurrentProductName(product);
        QCOMPARE(ProfileListIniPath(), QString());
        QCOMPARE(ReadProfileList(), QStringList());
        SetCurrentProductName("Test Mouse");
        QCOMPARE(ProfileListIniPath(), GetConfigDir() + "/Test Mouse/Config.ini");
    }

    void defaultProfileFile_data()
    {
        QTest::addColumn<QByteArray>("description");  // empty: none
        QTest::addColumn<QByteArray>("earlier");      // an earlier run's file; empty: none
        QTest::newRow("built-in defaults") << QByteArray() << QByteArray();
        QTest::newRow("from the description")
            << QByteArray("[PROFILE]\npollrate=3\ndpi=2\nDPI_INFO_0_xy=40\n") << QByteArray();
        QTest::newRow("over a file with other keys")
            << QByteArray() << QByteArray("[Other]\nkept=1\n\n[PROFILE]\npollrate=9\ncomment=old\n");
    }
    // The file is made anew: the defaults and nothing else, as QSettings writes them into an
    // empty file; a second call finds it so and leaves it alone.
    void defaultProfileFile()
    {
        QFETCH(QByteArray, description);
        QFETCH(QByteArray, earlier);
        const QString path = GetConfigDir() + "/Profile/DefaultProfile.prof";
        if (!description.isEmpty())
            QVERIFY(writeFixture(descriptionPath(), description));
        if (!earlier.isEmpty())
            QVERIFY(writeFixture(path, earlier));
        ProfileRecord expected;
        InitProfileDefaults(expected);
        FileStamp first;
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(CreateDefaultProfileFile(), kStoreOk);
            ProfileRecord read;
            ReadProfile(0, read, path);
            QCOMPARE(profileDifference(read, expected), QString());
            if (round == 0)
                first = StampOf(path);
        }
        QVERIFY(StampOf(path) == first);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("PROFILE/pollrate").toInt(), description.isEmpty() ? 1 : 3);

        QTemporaryDir fresh;
        const QString reference = fresh.path() + "/reference.prof";
        {
            QSettings settings(reference, QSettings::IniFormat);
            WriteProfileGroup(settings, "PROFILE", expected, LedTimes::Included);
        }
        QByteArray made, wanted;
        QVERIFY(ReadWholeFile(path, made) && ReadWholeFile(reference, wanted));
        QCOMPARE(made, wanted);
    }

    // Every file is written aside and put in place only when the staged writes commit: one
    // that holds its profile alone gets the store's own text, any other goes through QSettings
    // (on a copy) and keeps its other keys.
    // Another writer (QSettings in another process, a user's editor) may add a key between the
    // stage and the commit: the key is kept, by that commit and by the next save.
    void staging_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("keyAddedMeanwhile");
        QTest::newRow("no file") << "" << false;
        QTest::newRow("written in this run") << "this run" << false;
        QTest::newRow("an earlier run's, read") << "earlier run" << false;
        QTest::newRow("an earlier run's, not read") << "unread" << false;
        QTest::newRow("with another key") << "other key" << false;
        QTest::newRow("no file, a key added meanwhile") << "" << true;
        QTest::newRow("written in this run, a key added meanwhile") << "this run" << true;
        QTest::newRow("an earlier run's, read, a key added meanwhile") << "earlier run" << true;
    }
    void staging()
    {
        QFETCH(QString, before);
        QFETCH(bool, keyAddedMeanwhile);
        const QString path = ProfileFilePath("Game");
        ProfileRecord record = sampleProfile(4);
        if (before == "this run") {
            QCOMPARE(WriteProfileFile(record, "Game"), kStoreOk);
        } else if (!before.isEmpty()) {
            // As another process's QSettings leaves it: nothing of it is known to this one.
            QSettings settings(path, QSettings::IniFormat);
            WriteProfileGroup(settings, "PROFILE", record, LedTimes::Included);
            if (before == "other key")
                settings.setValue("PROFILE/comment", "mine");
        }
        if (before == "earlier run" || before == "other key") {
            ProfileRecord read;
            QCOMPARE(ReadProfileFile(read, "Game"), kStoreOk);
        }
        QByteArray old;
        ReadWholeFile(path, old);
        // Read from a copy: no cache of this process answers for the file.
        const auto onDisk = [&](const char *key) {
            QTemporaryDir copies;
            const QString copy = copies.path() + "/copy.ini";
            QFile::copy(path, copy);
            return QSettings(copy, QSettings::IniFormat).value(key).toString();
        };

        record.dpiInfo[3].x += 5;
        StagedWrites staged;
        QCOMPARE(StageProfileFile(record, "Game", staged), kStoreOk);
        QVERIFY(!staged.empty());
        QByteArray now;
        ReadWholeFile(path, now);
        QCOMPARE(now, old);
        if (keyAddedMeanwhile) {
            SetBeforeStagedCommitForTesting([&](const QString &) {
                QSettings other(path, QSettings::IniFormat);
                other.setValue("Other/Key", 7);
            });
        }
        const bool committed = staged.commit();
        SetBeforeStagedCommitForTesting({});
        QVERIFY(committed);
        ProfileRecord read;
        QCOMPARE(ReadProfileFile(read, "Game"), kStoreOk);
        QCOMPARE(profileDifference(read, record), QString());
        QCOMPARE(onDisk("PROFILE/comment"), QString(before == "other key" ? "mine" : ""));
        const QString otherKey = keyAddedMeanwhile ? "7" : "";
        QCOMPARE(onDisk("Other/Key"), otherKey);

        record.dpiInfo[4].x += 5;
        QCOMPARE(WriteProfileFile(record, "Game"), kStoreOk);
        QCOMPARE(onDisk("Other/Key"), otherKey);
    }

    void unwritableFolderIsReported()
    {
        QVERIFY(writeFixture(GetConfigDir(), "not a folder"));
        QCOMPARE(WriteProfileFile(sampleProfile(1), "Profile 1"), kStoreWriteFailed);
        QCOMPARE(CreateDefaultProfileFile(), kStoreWriteFailed);
    }
};

QTEST_GUILESS_MAIN(ProfileFilesTest)
#include "tst_profilefiles.moc"
