// The profile list of the main window: ADD, COPY, rename, DELETE and choosing a listed
// profile, with their refusals; profile export and import; configuration files.
#include "windowfixture.h"

#include "configio.h"
#include "kestaction.h"
#include "kestpushbutton.h"
#include "profilefiles.h"
#include "profileio.h"
#include "stagedfile.h"
#include "windowhelpers.h"
#include "../store/sizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

class ProfilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> m_session;
    VarnelWidget *m_window = nullptr;

    QStringList storedList() const
    {
        QSettings list(GetConfigDir() + "/" + GetCurrentProductName() + "/Config.ini", QSettings::IniFormat);
        QStringList names;
        for (int i = 1; i <= list.value("PROFILE_LIST/Count").toInt(); ++i)
            names << list.value(QString("PROFILE_LIST/%1").arg(i)).toString();
        return names;
    }
    QString slotName() const { return g_deviceConfig.profileFiles[g_deviceConfig.ProfileID]; }
    void renameByEnter(const QString &name)
    {
        m_window->m_profileNameEdit->setText(name);
        m_window->slotProfileNameChange();
    }
    void triggerProfileMenu(const QString &name)
    {
        for (QAction *action : m_window->m_pProfileMenu->actions()) {
            if (action->text() == name) {
                action->trigger();
                return;
            }
        }
        QFAIL("not in the profile menu");
    }

private slots:
    void init()
    {
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
    }
    void cleanup() { m_session.reset(); }

    // Free means: no file, no list entry and no slot of that name. On a fresh installation the
    // slots show "Profile 1" to "Profile 5" before any of their files is written.
    void addNamesNextFreeProfile()
    {
        QCOMPARE(g_deviceConfig.profileFiles[4], QString("Profile 5"));
        QVERIFY(!QFile::exists(ProfileFilePath("Profile 1")));
        const ProfileRecord empty;
        QCOMPARE(WriteProfileFile(empty, "Profile 6"), kStoreOk);
        m_window->m_profileList << "Profile 7";  // its file is gone
        BoxWatcher watcher;
        m_window->addProfile();
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(slotName(), QString("Profile 8"));
        QVERIFY(QFile::exists(ProfileFilePath("Profile 8")));
        QCOMPARE(storedList().last(), QString("Profile 8"));
        QCOMPARE(m_window->m_pProfileMenu->actions().last()->text(), QString("Profile 8"));
    }

    // The profile list file refuses the change: the box, the list file as it was, and the
    // window's list, slot and profile files as that file names them.
    void refusedListWrite_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("slotsRefused");  // Config.ini's slot names, not the profile list
        QTest::newRow("add") << "add" << false;
        QTest::newRow("copy") << "copy" << false;
        QTest::newRow("delete") << "delete" << false;
        QTest::newRow("rename") << "rename" << false;
        QTest::newRow("rename, slot names refused") << "rename" << true;
    }
    void refusedListWrite()
    {
        QFETCH(QString, action);
        QFETCH(bool, slotsRefused);
        // The user's own profiles: the slot shows one that is no slot's default and has
        // another listed profile to take its place.
        {
            BoxWatcher setup;
            m_window->addProfile();  // "Profile 6"
            renameByEnter("Other");
            m_window->addProfile();  // "Profile 1", free again
            m_window->addProfile();
            QCOMPARE(setup.texts, QStringList());
        }
        QCOMPARE(slotName(), QString("Profile 6"));
        const QString own = slotName();
        const QString listFile = ProfileListIniPath();
        QByteArray before;
        QVERIFY(ReadWholeFile(listFile, before));
        QVERIFY(before.contains("=" + own.toUtf8() + "\n"));
        const QStringList listed = m_window->m_profileList;
        const QStringList files = QDir(ProfileFolder()).entryList(QDir::Files);
        QByteArray configBefore;
        QVERIFY(ReadWholeFile(ConfigIniPath(), configBefore));
        BoxWatcher watcher;  // yes to the question before a delete
        const QString refused = slotsRefused ? ConfigIniPath() : listFile;
        SetSyncFailsForTesting([refused](const QString &target) { return target == refused; });
        if (action == "add")
            m_window->addProfile();
        else if (action == "copy")
            m_window->copyProfile();
        else if (action == "delete")
            m_window->deleteProfile();
        else
            renameByEnter("Renamed");
        SetSyncFailsForTesting({});
        QVERIFY(!watcher.texts.isEmpty());
        QCOMPARE(watcher.texts.last(), QString("The file could not be written."));
        QByteArray after;
        QVERIFY(ReadWholeFile(listFile, after));
        QCOMPARE(after, before);
        QCOMPARE(m_window->m_profileList, listed);
        QCOMPARE(slotName(), own);
        QCOMPARE(QDir(ProfileFolder()).entryList(QDir::Files), files);
        QByteArray configAfter;
        QVERIFY(ReadWholeFile(ConfigIniPath(), configAfter));
        // The battery reports go on meanwhile.
        const QRegularExpression battery("Battery=\\d+\n");
        QCOMPARE(QString::fromUtf8(configAfter).remove(battery), QString::fromUtf8(configBefore).remove(battery));
    }

    // A hand-edited count bounds nothing: the group's keys do.
    void hugeListCountReadsWhatIsThere()
    {
        {
            QSettings list(GetConfigDir() + "/" + GetCurrentProductName() + "/Config.ini", QSettings::IniFormat);
            list.setValue("PROFILE_LIST/Count", 2147483647);
            list.setValue("PROFILE_LIST/1", "A");
            list.setValue("PROFILE_LIST/3", "C");
        }
        m_window->loadProfileList();
        QCOMPARE(m_window->m_profileList, (QStringList{"A", "C"}));
    }

    void copyNamesCopies()
    {
        m_window->addProfile();
        const QString base = slotName();
        m_window->copyProfile();
        QCOMPARE(slotName(), base + " copy");
        g_deviceConfig.profileFiles[g_deviceConfig.ProfileID] = base;
        m_window->copyProfile();
        QCOMPARE(slotName(), base + " copy 2");
        QVERIFY(QFile::exists(ProfileFilePath(base + " copy 2")));
        QCOMPARE(storedList().mid(storedList().size() - 2), (QStringList{base + " copy", base + " copy 2"}));
        // A name another slot shows is taken even before its file is written.
        g_deviceConfig.profileFiles[g_deviceConfig.ProfileID] = base;
        g_deviceConfig.profileFiles[(g_deviceConfig.ProfileID + 1) % kProfileCount] = base + " copy 3";
        m_window->copyProfile();
        QCOMPARE(slotName(), base + " copy 4");
    }

    void rename_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message");
        QTest::newRow("new name") << "Work" << "";
        QTest::newRow("unchanged") << "" << "Profile Exist!";
        QTest::newRow("empty") << "<empty>" << "Invalid profile name!";
        QTest::newRow("path") << "../evil" << "Invalid profile name!";
        QTest::newRow("colon") << "a:b" << "Invalid profile name!";
        QTest::newRow("another slot's, no file yet") << "<other slot>" << "Profile Exist!";
        QTest::newRow("dots inside") << "FPS v1..2" << "";
    }
    void rename()
    {
        QFETCH(QString, newName);
        QFETCH(QString, message);
        m_window->addProfile();
        m_window->copyProfile();  // a name of its own, not a default one
        const QString old = slotName();
        QVERIFY(EnsureSlotProfileFile(g_deviceConfig.ProfileID));
        if (newName.isEmpty())
            newName = old;
        else if (newName == "<empty>")
            newName.clear();
        else if (newName == "<other slot>")
            newName = g_deviceConfig.profileFiles[(g_deviceConfig.ProfileID + 1) % kProfileCount];
        BoxWatcher watcher;
        renameByEnter(newName);
        QCOMPARE(watcher.texts, message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(slotName(), old);
            QVERIFY(QFile::exists(ProfileFilePath(old)));
            return;
        }
        QCOMPARE(slotName(), newName);
        QVERIFY(QFile::exists(ProfileFilePath(newName)));
        QVERIFY(!QFile::exists(ProfileFilePath(old)));
        QVERIFY(storedList().contains(newName));
        QSettings config(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(config.value(QString("Config/Profile%1").arg(g_deviceConfig.ProfileID + 1)).toString(), newName);
    }

    void defaultNameCannotBeRenamed()
    {
        g_deviceConfig.profileFiles[g_deviceConfig.ProfileID] = "Profile 2";
        BoxWatcher watcher;
        renameByEnter("Other");
        QCOMPARE(watcher.texts, QStringList{"The default Profile cannot be deleted or renamed."});
        QCOMPARE(m_window->m_profileNameEdit->text(), QString("Profile 2"));
    }

    // The slot's own profile goes, whatever the name field shows.
    void deleteTakesSlotProfile()
    {
        m_window->addProfile();
        m_window->copyProfile();
        const QString victim = slotName();
        m_window->m_profileNameEdit->setText("Profile 1");
        BoxWatcher watcher(1);
        m_window->m_pDeleteButton->click();  // collapsed in the layout
        QCOMPARE(watcher.texts, QStringList{"Are you sure you want delete this profile?"});
        QVERIFY(!QFile::exists(ProfileFilePath(victim)));
        QVERIFY(!storedList().contains(victim));
        QVERIFY(slotName() != victim);
        QCOMPARE(m_window->m_profileNameEdit->text(), slotName());
    }

    void deleteRefusals_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<bool>("othersTaken");
        QTest::addColumn<QString>("message");
        QTest::newRow("only one") << 1 << false << "AT LEAST ONE PROFILE TO BE RETAINED.";
        QTest::newRow("no free replacement") << 3 << true << "Profile is Already Used!";
    }
    void deleteRefusals()
    {
        QFETCH(int, listed);
        QFETCH(bool, othersTaken);
        QFETCH(QString, message);
        m_window->m_profileList.clear();
        for (int i = 0; i < listed; ++i)
            m_window->m_profileList << QString("Mine %1").arg(i);
        const int slot = g_deviceConfig.ProfileID;
        g_deviceConfig.profileFiles[slot] = "Mine 0";
        if (othersTaken)
            for (int i = 1; i < listed; ++i)
                g_deviceConfig.profileFiles[(slot + i) % kProfileCount] = QString("Mine %1").arg(i);
        BoxWatcher watcher(1);
        m_window->deleteProfile();
        QCOMPARE(watcher.texts, QStringList{message});
        QCOMPARE(m_window->m_profileList.size(), listed);
        QCOMPARE(slotName(), QString("Mine 0"));
    }

    // A slot name missing from a list of five is deleted like any other: the slot takes the
    // last entry no other slot shows.
    void deleteUnlistedProfile()
    {
        m_window->m_profileList = QStringList{"Mine 0", "Mine 1", "Mine 2", "Mine 3", "Mine 4"};
        const int slot = g_deviceConfig.ProfileID;
        g_deviceConfig.profileFiles[(slot + 1) % kProfileCount] = "Mine 4";
        g_deviceConfig.profileFiles[slot] = "Loose";
        QVERIFY(EnsureSlotProfileFile(slot));
        BoxWatcher watcher(1);
        m_window->deleteProfile();
        QCOMPARE(watcher.texts, QStringList{"Are you sure you want delete this profile?"});
        QVERIFY(!QFile::exists(ProfileFilePath("Loose")));
        QCOMPARE(slotName(), QString("Mine 3"));
        QCOMPARE(m_window->m_profileList.size(), 5);
    }

    void deleteAnsweredNoKeepsProfile()
    {
        m_window->addProfile();
        m_window->copyProfile();
        const QString kept = slotName();
        BoxWatcher watcher(0);
        m_window->deleteProfile();
        QVERIFY(QFile::exists(ProfileFilePath(kept)));
        QCOMPARE(slotName(), kept);
    }

    void chooseListedProfile()
    {
        m_window->addProfile();
        const QString added = slotName();
        ProfileRecord record = g_deviceConfig.profiles[g_deviceConfig.ProfileID];
        record.pollrate = 2;
        QCOMPARE(WriteProfileFile(record, added), kStoreOk);
        g_deviceConfig.profileFiles[g_deviceConfig.ProfileID] = "elsewhere";
        BoxWatcher watcher;
        triggerProfileMenu(added);
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(slotName(), added);
        QCOMPARE(g_deviceConfig.profiles[g_deviceConfig.ProfileID].pollrate, quint8(2));
    }

    void chooseProfileOfOtherSlotRefused()
    {
        m_window->addProfile();
        const QString added = slotName();
        const int other = (g_deviceConfig.ProfileID + 1) % kProfileCount;
        g_deviceConfig.profileFiles[other] = added;
        g_deviceConfig.profileFiles[g_deviceConfig.ProfileID] = "mine";
        BoxWatcher watcher;
        triggerProfileMenu(added);
        QCOMPARE(watcher.texts, QStringList{"Profile is Already Used!"});
        QCOMPARE(slotName(), QString("mine"));
    }

    // The menu holds the list's first 200 names, in list order.
    void profileMenuHoldsAtMost200_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("entries");
        QTest::newRow("200 names") << 200 << 200;
        QTest::newRow("201 names") << 201 << 200;
    }
    void profileMenuHoldsAtMost200()
    {
        QFETCH(int, listed);
        QFETCH(int, entries);
        {
            QSettings list(GetConfigDir() + "/" + GetCurrentProductName() + "/Config.ini", QSettings::IniFormat);
            list.setValue("PROFILE_LIST/Count", listed);
            for (int i = 1; i <= listed; ++i)
                list.setValue(QString("PROFILE_LIST/%1").arg(i), QString("P%1").arg(i));
        }
        m_window->loadProfileList();
        m_window->rebuildProfileMenu();
        const QList<QAction *> actions = m_window->m_pProfileMenu->actions();
        QCOMPARE(actions.size(), entries);
        QCOMPARE(actions.first()->text(), QString("P1"));
        QCOMPARE(actions.last()->text(), QString("P200"));
    }

    // A listed profile without a file gets the defaults of a new profile, not zeros.
    void chosenProfileWithoutFileGetsDefaults()
    {
        m_window->m_profileList << "Ghost";
        m_window->rebuildProfileMenu();
        triggerProfileMenu("Ghost");
        ProfileRecord expected;
        InitProfileDefaults(expected, g_deviceConfig.ProfileID);
        const ProfileRecord &got = g_deviceConfig.profiles[g_deviceConfig.ProfileID];
        QCOMPARE(got.pollrate, expected.pollrate);
        QCOMPARE(got.dpiInfo[0].x, expected.dpiInfo[0].x);
        QCOMPARE(got.dpiInfo[0].x, 32u);  // the description's value, not the zero of a missing key
    }

    void exportThenImport()
    {
        m_window->addProfile();
        const QString name = slotName();
        const QString exported = m_session->install.path() + "/out/Shared.prof";
        BoxWatcher watcher;
        m_window->exportProfile(exported);
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(GetMouseName(exported), GetCurrentProductName());
        m_window->exportProfile(exported);  // over the file, as the dialog allowed
        QCOMPARE(watcher.texts, QStringList());

        m_window->importProfile(exported);
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(slotName(), QString("Shared"));
        QVERIFY(QFile::exists(ProfileFilePath("Shared")));
        QVERIFY(storedList().contains("Shared"));
        m_window->importProfile(exported);
        QCOMPARE(watcher.texts, QStringList{"Profile Exist!"});
        Q_UNUSED(name)
    }

    // An export that cannot be written whole keeps the file it was to replace, and says so.
    void failedExportKeepsTheOldFile()
    {
        const QString folder = m_session->install.path() + "/out";
        const QString target = folder + "/Shared.prof";
        m_window->exportProfile(target);  // the profile's own file exists and names the mouse
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("mine");
        old.close();
        BoxWatcher watcher;
        {
            const FileSizeLimit full(64);
            m_window->exportProfile(target);
        }
        QCOMPARE(watcher.texts, QStringList{"The file could not be written."});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("mine"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Shared.prof"});
    }

    void importOfOtherMouseRefused()
    {
        const QString path = m_session->install.path() + "/Other.prof";
        SetMouseName("Another Mouse", path);
        BoxWatcher watcher;
        m_window->importProfile(path);
        QCOMPARE(watcher.texts, QStringList{"The file is not match current mouse!"});
        QVERIFY(!QFile::exists(ProfileFilePath("Other")));
    }

    void loadConfigFile_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("slotName");
        QTest::addColumn<QString>("expected");  // empty: nothing taken
        QTest::addColumn<bool>("listed");        // the name is a listed profile no slot shows
        QTest::newRow("own product") << "" << "Loaded" << "Loaded" << false;
        QTest::newRow("other product") << "Another Mouse" << "Loaded" << "" << false;
        QTest::newRow("unsafe name becomes the slot's default") << "" << "../../x" << "Profile 1" << false;
        QTest::newRow("repeated name") << "" << "Profile 2" << "Profile 2" << false;
        QTest::newRow("listed profile no slot shows is spared") << "" << "Spare" << "Profile 1" << true;
    }
    void loadConfigFile()
    {
        QFETCH(QString, product);
        QFETCH(QString, slotName);
        QFETCH(QString, expected);
        QFETCH(bool, listed);
        ProfileRecord spare = g_deviceConfig.profiles[1];
        spare.pollrate = 7;
        if (listed) {
            QCOMPARE(WriteProfileFile(spare, slotName), kStoreOk);
            m_window->m_profileList << slotName;
            m_window->saveProfileFileList();
        }
        const QString path = m_session->install.path() + "/saved.conf";
        DeviceConfig saved = g_deviceConfig;
        saved.profileFiles[0] = slotName;
        saved.profiles[0].pollrate = 2;
        SaveConfigV2(saved, path);
        SetMouseName(product.isEmpty() ? GetCurrentProductName() : product, path);
        const QString before = g_deviceConfig.profileFiles[0];
        BoxWatcher watcher;
        m_window->loadConfigFile(path);
        QCOMPARE(g_deviceConfig.profileFiles[0], expected.isEmpty() ? before : expected);
        QCOMPARE(watcher.texts, QStringList());
        if (!expected.isEmpty() && g_deviceConfig.ProfileID == 0)
            QCOMPARE(SimReportRate(0), quint8(2));
        // The later slot of a repeated name takes a name of its own.
        QVERIFY(g_deviceConfig.profileFiles[1] != g_deviceConfig.profileFiles[0]);
        if (listed) {
            ProfileRecord onDisk;
            QCOMPARE(ReadProfileFile(onDisk, slotName), kStoreOk);
            QCOMPARE(onDisk.pollrate, quint8(7));
        }
    }

    // Export onto the profile's own file, by any spelling of its path: nothing is written
    // and nothing said; the file keeps the profile.
    void exportOntoItsOwnFile_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("same path") << "same";
        QTest::newRow("with ./") << "dot";
        QTest::newRow("symbolic link") << "link";
    }
    void exportOntoItsOwnFile()
    {
        QFETCH(QString, spelling);
        m_window->addProfile();
        const QString source = ProfileFilePath(slotName());
        QVERIFY(EnsureSlotProfileFile(g_deviceConfig.ProfileID));
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString path = source;
        if (spelling == "dot") {
            path = QFileInfo(source).absolutePath() + "/./" + QFileInfo(source).fileName();
        } else if (spelling == "link") {
            path = m_session->install.path() + "/link.prof";
            QVERIFY(QFile::link(source, path));
        }
        BoxWatcher watcher;
        m_window->exportProfile(path);
        QCOMPARE(watcher.texts, QStringList());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // A name typed without a suffix gets the filter's, so LOAD1 and import list the file.
    void savedFilesGetTheFilterSuffix_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("SAVE") << "SAVE" << "mycfg" << "mycfg.conf";
        QTest::newRow("SAVE with a suffix") << "SAVE" << "my.cfg" << "my.cfg";
        QTest::newRow("export") << "export" << "shared" << "shared.prof";
    }
    void savedFilesGetTheFilterSuffix()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const QString folder = m_session->install.path() + "/out";
        QVERIFY(QDir().mkpath(folder));
        bool answered = false;
        QTimer typist;
        connect(&typist, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || answered)
                return;
            answered = true;
            dialog->setDirectory(folder);
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        typist.start(5);
        BoxWatcher watcher;
        KestPushButton *pressed = button == "SAVE" ? m_window->m_pSaveButton : m_window->m_pExportButton;
        pressed->click();
        QVERIFY(answered);
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{written});
        QCOMPARE(GetMouseName(folder + "/" + written), GetCurrentProductName());
    }
};

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
