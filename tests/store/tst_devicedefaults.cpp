// The device description DefaultProfile.bin: defaults without it, masked counts, matrices,
// and hand-written values that are out of range or not numbers.
#include "devicedefaults.h"
#include "storefixture.h"

#include <QSettings>

class DeviceDefaultsTest : public QObject {
    Q_OBJECT
    QScopedPointer<StoreDir> m_dir;

    void writeDescription(const QByteArray &profileLines)
    {
        QVERIFY(writeFixture(descriptionPath(), "[PROFILE]\n" + profileLines));
    }

private slots:
    void init()
    {
        m_dir.reset(new StoreDir);
        QVERIFY(m_dir->isValid());
    }

    void withoutDescription()
    {
        int vid1 = 0, pid1 = 0, vid2 = 0, pid2 = 0;
        GetVidPid(vid1, pid1, vid2, pid2);
        QCOMPARE(vid1, 0x248A);
        QCOMPARE(pid1, 0xFA02);
        QCOMPARE(vid2, 0x248A);
        QCOMPARE(pid2, 0xFB01);
        QCOMPARE(GetMinDelay(), 10);
        int sleepMin = 0, sleepMax = 0;
        GetSleepRange(sleepMin, sleepMax);
        QCOMPARE(sleepMin, 1);
        QCOMPARE(sleepMax, 9);
        QCOMPARE(GetShowSleep(), 1);
        QCOMPARE(GetShowUpdate(), 1);
        QCOMPARE(GetFrenchLangIndex(), -1);
        QCOMPARE(GetButtonCountAndDpi(), 0);
        QCOMPARE(GetDpiCount(), 0);
        QCOMPARE(GetSyncMode(), 0);
        QCOMPARE(GetProductName(), QString());

        quint8 matrix[kButtonMatrixSize];
        memset(matrix, 0xAA, sizeof matrix);
        QCOMPARE(GetButtonMatrix(matrix), -1);
        QCOMPARE(GetButtonMatrix2(matrix), -1);
        QCOMPARE(matrix[0], quint8(0xAA));
        QCOMPARE(matrix[15], quint8(0xAA));

        DeviceDefaults defaults;
        defaults.dpi = 77;
        QCOMPARE(ReadDeviceDefaults(defaults), -1);
        QCOMPARE(defaults.dpi, quint8(77));
    }

    // Without a file the buffer keeps what it held.
    void sensorDefaults_data()
    {
        QTest::addColumn<QByteArray>("description");  // empty: no file
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no file") << QByteArray() << -1 << QByteArray(7, '\xAA');
        QTest::newRow("no keys") << QByteArray("ProductName=M\n") << 0 << QByteArray("\x00\x00\x14\x00\x00\x01\x00", 7);
        QTest::newRow("all keys, 8 bits kept")
            << QByteArray("lift=257\nangle=2\nbutondelay=8\njitter=3\nwake=1\nsensormode=0\nsync=-1\n") << 0
            << QByteArray("\x01\x02\x08\x03\x01\x00\xff", 7);
        QTest::newRow("not a number is 0") << QByteArray("butondelay=fast\nsensormode=x\n") << 0
                                           << QByteArray("\x00\x00\x00\x00\x00\x00\x00", 7);
    }
    void sensorDefaults()
    {
        QFETCH(QByteArray, description);
        QFETCH(int, result);
        QFETCH(QByteArray, expected);
        if (!description.isEmpty())
            writeDescription(description);
        quint8 values[kSensorDefaultCount];
        memset(values, 0xAA, sizeof values);
        QCOMPARE(GetSensorDefaults(values), result);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(values), kSensorDefaultCount), expected);
    }

    void maskedCounts_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("stages");
        QTest::newRow("masked") << QByteArray("ButtonCount=90\nMouseDpi=86\n") << 12 << 12;
        QTest::newRow("masked with stages") << QByteArray("ButtonCount=90\nMouseDpi=86\nDPICount=4\n") << 12 << 8;
        QTest::newRow("plain count") << QByteArray("ButtonCount=12\n") << 12 << 12;
        QTest::newRow("no keys") << QByteArray("ProductName=M\n") << 0 << 0;
        QTest::newRow("over the matrices") << QByteArray("ButtonCount=40\nDPICount=36\n") << 16 << 12;
        QTest::newRow("negative") << QByteArray("ButtonCount=-3\n") << 0 << -3;
        QTest::newRow("not a number") << QByteArray("ButtonCount=many\nMouseDpi=5\n") << 5 << 5;
    }
    void maskedCounts()
    {
        QFETCH(QByteArray, description);
        QFETCH(int, buttons);
        QFETCH(int, stages);
        writeDescription(description);
        QCOMPARE(GetButtonCountAndDpi(), buttons);
        QCOMPARE(GetDpiCount(), stages);
        quint8 matrix[kButtonMatrixSize] = {};
        QCOMPARE(GetButtonMatrix2(matrix), buttons);
    }

    void buttonMatrices()
    {
        writeDescription("BUTTON_INFO_0_Matrix=3\nBUTTON_INFO_1_Matrix=300\nBUTTON_INFO_15_Matrix=15\n"
                         "BUTTON_INFO_16_Matrix=9\nBUTTON_INFO_3_Matrix2=-1\nBUTTON_INFO_4_Matrix2=255\n"
                         "BUTTON_INFO_5_Matrix2=0\nBUTTON_INFO_6_Matrix2=x\nButtonCount=90\nMouseDpi=86\n");
        quint8 matrix[kButtonMatrixSize];
        memset(matrix, 0xAA, sizeof matrix);
        QCOMPARE(GetButtonMatrix(matrix), 0);
        QCOMPARE(matrix[0], quint8(3));
        QCOMPARE(matrix[1], quint8(44));
        QCOMPARE(matrix[2], quint8(0));  // missing key
        QCOMPARE(matrix[15], quint8(15));

        memset(matrix, 0xAA, sizeof matrix);
        QCOMPARE(GetButtonMatrix2(matrix), 12);
        QCOMPARE(matrix[3], quint8(255));
        QCOMPARE(matrix[4], quint8(255));
        QCOMPARE(matrix[5], quint8(0));
        QCOMPARE(matrix[6], quint8(0));
        QCOMPARE(matrix[7], quint8(0));
    }

    void singleKeys()
    {
        writeDescription("vid1=1234\npid1=5678\nvid2=abc\nMinDelay=fast\nSleepMin=2\nSleepMax=30\nfrench=1\n"
                         "ShowSleep=0\nSyncMode=2\nDisableMacro=1\nledDisable=1\nColorMode=3\nScrollRev=1\n"
                         "33254=1\nLANG_3=1\nLANG_2=2\nVersion=V1.2\nProductName=Ombrix M5\n");
        int vid1 = 0, pid1 = 0, vid2 = 0, pid2 = 0;
        GetVidPid(vid1, pid1, vid2, pid2);
        QCOMPARE(vid1, 1234);
        QCOMPARE(pid1, 5678);
        QCOMPARE(vid2, 0);  // present but not a number
        QCOMPARE(pid2, 0xFB01);
        QCOMPARE(GetMinDelay(), 0);
        int sleepMin = 0, sleepMax = 0;
        GetSleepRange(sleepMin, sleepMax);
        QCOMPARE(sleepMin, 2);
        QCOMPARE(sleepMax, 30);
        QCOMPARE(GetFrenchLangIndex(), 1);
        QCOMPARE(GetShowSleep(), 0);
        QCOMPARE(GetSyncMode(), 2);
        QCOMPARE(GetDisableMacro(), 1);
        QCOMPARE(GetLedDisable(), 1);
        QCOMPARE(GetColorMode(), 3);
        QCOMPARE(GetScrollRev(), 1);
        QCOMPARE(GetSensorVariant33254(), 1);
        QVERIFY(IsLanguageEnabled(3));
        QVERIFY(!IsLanguageEnabled(2));
        QVERIFY(!IsLanguageEnabled(0));
        QCOMPARE(GetVersion(), QString("V1.2"));
        QCOMPARE(GetProductName(), QString("Ombrix M5"));
        QVERIFY(GetDocumentsProductPath().endsWith("/Ombrix M5"));
    }

    void modelComesFromConfigIni()
    {
        writeDescription("Model=FromDescription\n");
        QCOMPARE(GetModel(), QString());
        QVERIFY(writeFixture(ConfigIniPath(), "[Config]\nModel=M7\n"));
        QCOMPARE(GetModel(), QString("M7"));
    }

    void defaultProfileBlock()
    {
        writeDescription("dpi=300\nLedMoveOFF=255\nDPI_INFO_0_xy=400\nDPI_INFO_7_xy=-1\npollrate=1000\nLedMode=5\n"
                         "ButtonCount=90\nMouseDpi=86\nStyle=2\nLang_3=7\nFontSize_0=12\nFontName_1=Arial\n"
                         "BackPic=back.png\nCompanyName=Ombrix\nProductName=M5\nFolderPath=M5dir\n"
                         "BUTTON_INFO_0_ID=9\nBUTTON_INFO_0_Fun=1\nBUTTON_INFO_19_Fun=510\n"
                         "BUTTON_INFO_19_LoopNumber=3\nBUTTON_INFO_19_KeyNumber=20\nBUTTON_INFO_19_Res1=258\n"
                         "BUTTON_INFO_19_Res4=7\nBUTTON_INFO_20_Fun=99\n"
                         "LedMode\\LED_MODE_13_bright=4\nLedMode\\LED_MODE_13_breath=2\n");
        {
            QSettings description(descriptionPath(), QSettings::IniFormat);
            description.setValue("PROFILE/LedMode/LED_MODE_0_RGB", QColor(1, 2, 3));
            description.setValue("PROFILE/Font_RGB", QColor(200, 100, 50));
        }
        DeviceDefaults d;
        QCOMPARE(ReadDeviceDefaults(d), 0);
        QCOMPARE(d.dpi, quint8(44));
        QCOMPARE(d.LedMoveOFF, quint8(255));
        QCOMPARE(d.dpiXy[0], 400);
        QCOMPARE(d.dpiXy[1], 0);
        QCOMPARE(d.dpiXy[7], -1);
        QCOMPARE(d.pollrate, 1000);
        QCOMPARE(d.LedMode, quint8(5));
        QCOMPARE(d.ButtonCount, quint8(90));  // unmasked
        QCOMPARE(d.Style, quint8(2));
        QCOMPARE(d.Lang[3], quint8(7));
        QCOMPARE(d.FontSize[0], quint8(12));
        QCOMPARE(d.FontName[1], QString("Arial"));
        QCOMPARE(d.FontName[0], QString());
        QCOMPARE(d.Font_RGB, QColor(200, 100, 50));
        QCOMPARE(d.BackPic, QString("back.png"));
        QCOMPARE(d.CompanyName, QString("Ombrix"));
        QCOMPARE(d.ProductName, QString("M5"));
        QCOMPARE(d.FolderPath, QString("M5dir"));
        QCOMPARE(d.buttons[0].ID, 9);
        QCOMPARE(d.buttons[0].Fun, 1);
        QCOMPARE(d.buttons[19].Fun, 510);
        QCOMPARE(d.buttons[19].LoopNumber, 3);
        QCOMPARE(d.buttons[19].KeyNumber, 20);
        QCOMPARE(d.buttons[19].Res1, quint8(2));
        QCOMPARE(d.buttons[19].Res4, quint8(7));
        QCOMPARE(d.ledModes[0].RGB, QColor(1, 2, 3));
        QVERIFY(!d.ledModes[1].RGB.isValid());
        QCOMPARE(d.ledModes[13].bright, 4);
        QCOMPARE(d.ledModes[13].breath, 2);
    }

    void xorLatin1String()
    {
        QString text = QString::fromUtf16(u"A\u00e9\u0100");
        const QString result = XorLatin1String(text, QChar('B'));
        QCOMPARE(text, result);
        QCOMPARE(result.at(0).unicode(), ushort('A' ^ 'B'));
        QCOMPARE(result.at(1).unicode(), ushort(0xFF00 | (0xE9 ^ 'B')));  // a byte above 0x7F sign-extends
        QCOMPARE(result.at(2).unicode(), ushort('B'));                     // a code above 255 counts as 0
        QString empty;
        QCOMPARE(XorLatin1String(empty, QChar('B')), QString());
        QCOMPARE(XorInts(90, 86), 12);
    }
};

QTEST_GUILESS_MAIN(DeviceDefaultsTest)
#include "tst_devicedefaults.moc"
