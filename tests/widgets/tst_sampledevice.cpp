// The sample device shipped beside the program reads back through the store as a
// complete product: IDs, counts, five profiles, fonts with their translations, pictures.
#include "configio.h"
#include "devicedefaults.h"
#include "macrofiles.h"
#include "profilefiles.h"
#include "records.h"
#include "sensordpi.h"
#include "settings.h"

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRoot = QStringLiteral(SOURCE_ROOT);

// A copy of resources/device, so nothing the store might write reaches the source tree.
bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

} // namespace

class TestSampleDevice : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(copyTree(kRoot + "/resources/device", m_dir.path()));
        SetAppDir(m_dir.path());
    }

    void descriptionGivesTheProduct()
    {
        int dongleVid = 0, donglePid = 0, cableVid = 0, cablePid = 0;
        GetVidPid(dongleVid, donglePid, cableVid, cablePid);
        QCOMPARE(dongleVid, kDefaultDongleVid);
        QCOMPARE(donglePid, kDefaultDonglePid);
        QCOMPARE(cableVid, kDefaultCableVid);
        QCOMPARE(cablePid, kDefaultCablePid);
        QCOMPARE(GetButtonCountAndDpi(), 7);
        QCOMPARE(GetDpiCount(), 6);
        quint8 visible[kButtonMatrixSize] = {};
        QCOMPARE(GetButtonMatrix2(visible), 7);
        for (int i = 0; i < kButtonMatrixSize; ++i)
            QCOMPARE(visible[i] != 255, i < 7);
        DeviceDefaults defaults;
        QCOMPARE(ReadDeviceDefaults(defaults), 0);
        QCOMPARE(defaults.ProductName, QString("VESKARO M7"));
        for (const DefaultLedMode &mode : defaults.ledModes)
            QVERIFY(mode.RGB.isValid());
        const int sensor = GetMouseSensor();
        for (int i = 0; i < 8; ++i)
            QVERIFY(SensorValueToDpi(defaults.dpiXy[i], sensor) >= 100);
        // The French key names belong to the French entry of the font list.
        QCOMPARE(QSettings(ConfigIniPath(), QSettings::IniFormat).value(QString("FONT_LIST/LangFile_%1").arg(GetFrenchLangIndex())).toString(),
                 QString("fr"));
    }

    void settingsGiveFiveProfilesAndTheModel()
    {
        DeviceConfig config;
        LoadConfig(config);
        QCOMPARE(int(config.Count), kProfileCount);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(config.profileFiles[i], DefaultSlotFileName(i));
            QVERIFY(QFile::exists(ProfileFilePath(config.profileFiles[i])));
            QCOMPARE(config.profiles[i].ProfileName, config.profileFiles[i]);
            QVERIFY(config.profiles[i].dpiInfo[config.profiles[i].dpi].xy > 0);
        }
        const QString model = GetCurrentProductName();
        QCOMPARE(model, QSettings(ConfigIniPath(), QSettings::IniFormat).value("Mouse_List/0").toString());
        QVERIFY(QFile::exists(kRoot + "/resources/skin/mouse/" + model + "/Mouse.png"));
        // The main window's profile list lives in the product folder; the files it names in
        // the store's profile folder.
        QSettings list(GetConfigDir() + "/" + model + "/Config.ini", QSettings::IniFormat);
        QCOMPARE(list.value("PROFILE_LIST/Count").toInt(), kProfileCount);
        for (int i = 1; i <= kProfileCount; ++i)
            QVERIFY(QFile::exists(ProfileFilePath(list.value(QString("PROFILE_LIST/%1").arg(i)).toString())));
    }

    void languagesHaveFontsAndTranslations()
    {
        FontList fonts;
        GetFontList(fonts);
        QVERIFY(fonts.count >= 2);
        QSettings config(ConfigIniPath(), QSettings::IniFormat);
        for (int i = 0; i < fonts.count; ++i) {
            QVERIFY(!fonts.names[i].isEmpty());
            QVERIFY(QFile::exists(kRoot + "/resources/lang/" + fonts.files[i] + ".ts"));
            QVERIFY(!config.value(QString("FONT_LIST/FONT_%1").arg(i)).toString().isEmpty());
            QVERIFY(config.value(QString("FONT_LIST/FONT_SIZE_%1").arg(i)).toInt() > 0);
        }
        QCOMPARE(fonts.names[1], QString::fromUtf8("Français"));
        QVERIFY(GetLangID() >= 0 && GetLangID() < fonts.count);
    }

    void listedMacrosHaveFiles()
    {
        const QStringList macros = ReadMacroList();
        QVERIFY(!macros.first().isEmpty());
        for (const QString &name : macros)
            if (!name.isEmpty())
                QVERIFY2(ReadMacroFile(name).steps.size() > 0, qPrintable(name));
    }
};

QTEST_MAIN(TestSampleDevice)
#include "tst_sampledevice.moc"
