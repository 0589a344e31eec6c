// The one check for names that become a path component, and the slot names built on it.
#include "filenames.h"
#include "profilefiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class FileNamesTest : public QObject {
    Q_OBJECT

    // Whether QSettings can create and then rewrite a file of this name in dir.
    static bool settingsFileWorks(const QString &dir, const QString &fileName)
    {
        for (int round = 0; round < 2; ++round) {
            QSettings settings(dir + "/" + fileName, QSettings::IniFormat);
            settings.setValue("Setting/Count", round);
            settings.sync();
            if (settings.status() != QSettings::NoError || !QFileInfo::exists(dir + "/" + fileName))
                return false;
        }
        return true;
    }

private slots:
    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("slot name") << "Profile 1" << true;
        QTest::newRow("accents and dots") << QString::fromUtf8("Jeu é v1.2") << true;
        QTest::newRow("two dots inside") << "FPS v1..2" << true;
        QTest::newRow("leading dots") << "..hidden" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot alone") << "." << false;
        QTest::newRow("dots alone") << ".." << false;
        QTest::newRow("parent") << "../Config" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("absolute") << "/etc/x" << false;
        QTest::newRow("drive") << "C:x" << false;
        QTest::newRow("star") << "a*" << false;
        QTest::newRow("question") << "a?" << false;
        QTest::newRow("quote") << "a\"b" << false;
        QTest::newRow("angle") << "a<b>" << false;
        QTest::newRow("pipe") << "a|b" << false;
        QTest::newRow("control") << "a\tb" << false;
        QTest::newRow("delete") << QString("a") + QChar(0x7F) << false;
        QTest::newRow("300 characters") << QString(300, 'a') << false;
    }
    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(IsSafeFileName(name), safe);
    }

    // The longest accepted name is the longest whose macro file QSettings can write here.
    void lengthLimitIsWhatTheFileSystemTakes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        int longest = 0;
        for (int n = 200; n <= 255; ++n) {
            if (settingsFileWorks(dir.path(), QString(n, 'a') + ".MSMACRO"))
                longest = n;
        }
        QCOMPARE(longest, kMaxFileNameBytes);
        QVERIFY(IsSafeFileName(QString(longest, 'a')));
        QVERIFY(!IsSafeFileName(QString(longest + 1, 'a')));
        // Bytes of UTF-8 count, not characters.
        const QString wide(longest / 2, QChar(0xE9));
        QVERIFY(IsSafeFileName(wide));
        QVERIFY(!IsSafeFileName(wide + QChar(0xE9)));
    }

    void slotNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QStringList>("expected");
        const QStringList defaults{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        QTest::newRow("kept") << QStringList{"A", "B", "FPS v1..2", "D", "E"} << QStringList()
                              << QStringList{"A", "B", "FPS v1..2", "D", "E"};
        QTest::newRow("empty and unsafe") << QStringList{"", "../x", QString(300, 'a'), "D", "E"} << QStringList()
                                          << QStringList{"Profile 1", "Profile 2", "Profile 3", "D", "E"};
        QTest::newRow("repeated") << QStringList{"A", "A", "B", "A", "B"} << QStringList()
                                  << QStringList{"A", "Profile 2", "B", "Profile 4", "Profile 5"};
        QTest::newRow("fallback named by another slot")
            << QStringList{"", "Profile 1", "Profile 1_2", "X", "X"} << QStringList()
            << QStringList{"Profile 1_3", "Profile 1", "Profile 1_2", "X", "Profile 5"};
        QTest::newRow("default names stay") << defaults << QStringList() << defaults;
        QTest::newRow("taken") << QStringList{"Listed", "B", "C", "D", "E"} << QStringList{"Listed", "Profile 1"}
                               << QStringList{"Profile 1_2", "B", "C", "D", "E"};
    }
    void slotNames()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, taken);
        QFETCH(QStringList, expected);
        QString given[kProfileCount];
        std::copy(names.begin(), names.end(), given);
        MakeSlotNamesUsable(given, taken);
        QCOMPARE(QStringList(given, given + kProfileCount), expected);
    }
};

QTEST_MAIN(FileNamesTest)
#include "tst_filenames.moc"
