// Lighting-only profile readers and writers, and the menu style sheet.
#include "lightingfiles.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class LightingFilesTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

    static QString profilePath(const QString &name) { return GetConfigDir() + "/Profile/" + name + ".prof"; }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        SetAppDir(m_dir->path());
    }

    // An empty path means Config.ini with the profile's own group; a path means group PROFILE.
    void groupByPath()
    {
        ProfileRecord record;
        record.LedMode = 20;  // past the table: kept as it is, its users bound it
        record.ledModes[13].RGB = QColor(1, 2, 3);
        record.ledModes[13].breath = 4;
        WriteLedSettings(2, record, QString());
        const QSettings config(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(config.value("PROFILE_2/LedMode").toInt(), 20);
        QCOMPARE(config.value("PROFILE_2/LedMode/LED_MODE_13_breath").toUInt(), 4u);
        QCOMPARE(config.allKeys().size(), 1 + 14 * 6);

        ProfileRecord back;
        ReadLedSettings(2, back, QString());
        QCOMPARE(back.LedMode, quint8(20));
        QCOMPARE(back.ledModes[13].RGB, QColor(1, 2, 3));
        QVERIFY(!back.ledModes[0].RGB.isValid());  // written invalid, read back invalid

        const QString file = m_dir->path() + "/other.prof";
        WriteLedSettings(4, record, file);
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("PROFILE/LedMode").toInt(), 20);
    }

    void colourStoredAsText()
    {
        QSettings(profilePath("Text"), QSettings::IniFormat).setValue("PROFILE/LedMode/LED_MODE_2_RGB", "#ff8000");
        ProfileRecord record;
        ReadLedSettingsFile(record, "Text");
        QCOMPARE(record.ledModes[2].RGB, QColor(255, 128, 0));
        QCOMPARE(record.LedMode, quint8(0));
    }

    void entryWriteLeavesOtherKeys()
    {
        {
            QSettings file(profilePath("One"), QSettings::IniFormat);
            file.setValue("PROFILE/pollrate", 4);
            file.setValue("PROFILE/LedMode/LED_MODE_3_h", 11);
        }
        WriteLedEntryFile("One", 9, 4, QColor(0, 255, 0), 120, 50, 60, 2, 5);
        const QSettings file(profilePath("One"), QSettings::IniFormat);
        QCOMPARE(file.value("PROFILE/pollrate").toInt(), 4);
        QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_3_h").toInt(), 11);
        QCOMPARE(file.value("PROFILE/LedMode").toInt(), 9);
        QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_4_RGB").value<QColor>(), QColor(0, 255, 0));
        QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_4_breath").toInt(), 5);
        QCOMPARE(file.allKeys().size(), 2 + 1 + 6);
    }

    void allProfilesByFileName()
    {
        DeviceConfig config;
        for (int p = 0; p < kProfileCount; ++p) {
            config.profileFiles[p] = QString("P%1").arg(p);
            config.profiles[p].LedMode = quint8(p + 1);
        }
        WriteAllLedSettingsFiles(config);
        DeviceConfig back;
        back.profileFiles[3] = "P3";
        ReadAllLedSettingsFiles(back);
        QCOMPARE(back.profiles[3].LedMode, quint8(4));
        QCOMPARE(back.profiles[0].LedMode, quint8(0));  // no file name: nothing to read
    }

    void unsafeNamesTouchNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("parent") << "../Escaped";
        QTest::newRow("absolute") << m_dir->path() + "/abs";
    }
    void unsafeNamesTouchNothing()
    {
        QFETCH(QString, name);
        ProfileRecord record;
        record.LedMode = 5;
        WriteLedSettingsFile(record, name);
        WriteLedEntryFile(name, 9, 4, QColor(0, 255, 0), 120, 50, 60, 2, 5);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/../Escaped.prof"));

        QVERIFY(QDir().mkpath(GetConfigDir() + "/Profile"));
        QSettings(profilePath(name), QSettings::IniFormat).setValue("PROFILE/LedMode", 2);
        ReadLedSettingsFile(record, name);
        QCOMPARE(record.LedMode, quint8(5));
    }

    void menuStyleSheetUsesOnlyTheSixthColour()
    {
        QColor palette[kMenuPaletteSize];
        for (int i = 0; i < kMenuPaletteSize; ++i)
            palette[i] = QColor(10 + i, 20 + i, 30 + i);
        palette[5] = QColor(255, 125, 0);
        const QString sheet = BuildMenuStyleSheet(palette);
        QVERIFY(sheet.contains("QMenu::item:selected{border: 1px solid rgb(255,125,0);"));
        QVERIFY(sheet.contains("QMenu::item:pressed{color: rgb(0,0,0); border: 0px solid rgb(255,255,255); "
                               "background-color:rgb(255,125,0);}"));
        QCOMPARE(sheet.count("rgb(255,125,0)"), 2);
        for (int i = 0; i < kMenuPaletteSize; ++i) {
            if (i != 5)
                QVERIFY(!sheet.contains(QString("rgb(%1,").arg(10 + i)));
        }
    }
};

QTEST_GUILESS_MAIN(LightingFilesTest)
#include "tst_lightingfiles.moc"
