// Golden bytes of the command builders, without a device: every report as the mouse
// must receive it (checksum included), and the DPI and button-slot encodings.
#include "buttonfunctions.h"
#include "commands.h"
#include "goldenreports.h"

#include <QtTest>

namespace {

// The report as SendCommand writes it: with its checksum.
QByteArray sent(const CommandReport &built)
{
    CommandReport copy = built;
    FillChecksum(copy);
    return QByteArray(reinterpret_cast<const char *>(ReportBytes(copy)), kCommandReportSize);
}

QList<QByteArray> sentAll(const ReportList &reports)
{
    QList<QByteArray> list;
    for (const CommandReport &r : reports)
        list << sent(r);
    return list;
}

QList<QByteArray> reports(std::initializer_list<const char *> hexes)
{
    QList<QByteArray> list;
    for (const char *hex : hexes)
        list << report(hex);
    return list;
}

QByteArray bytes4(const quint8 (&b)[4]) { return QByteArray(reinterpret_cast<const char *>(b), 4); }

ButtonInfo button(qint32 fun, quint8 res1 = 0, qint32 loop = 0, qint32 keyNumber = 0)
{
    ButtonInfo info;
    info.Fun = fun;
    info.Res1 = res1;
    info.LoopNumber = loop;
    info.KeyNumber = keyNumber;
    return info;
}

ButtonInfo combo(std::initializer_list<int> usages)
{
    ButtonInfo info = button(kFunComboKey);
    int i = 0;
    for (int usage : usages)
        info.keyInfo[i++].map = quint8(usage);
    return info;
}

DeviceConfig settingsConfig()
{
    DeviceConfig config;
    for (int i = 0; i < kProfileCount; ++i) {
        config.profiles[i].scrollspeed = quint8(i + 1);
        config.profiles[i].pollrate = quint8(1 << (i % 4));
        config.profiles[i].dpi = quint8(i + 2);
        config.profiles[i].LedMode = quint8(10 + i);
    }
    config.ProfileID = 1;
    config.profiles[0].LedMoveOFF = 0x0A;
    config.profiles[0].LedSleepTime = 3;
    config.LiftHigh = 2;
    config.Sync = 1;
    config.AngleValue = 0;
    config.Jitter = 3;
    config.Debounce = 20;
    config.SensorMode = 1;
    config.Wake = 1;
    return config;
}

} // namespace

Q_DECLARE_METATYPE(ButtonInfo)

class CommandBytesTest : public QObject {
    Q_OBJECT

private slots:
    void singleCommands()
    {
        QCOMPARE(sentAll(BuildBeginEndReports(0)), reports({"05 26 FA 46 00 00 00 00"}));
        QCOMPARE(sentAll(BuildBeginEndReports(1)), reports({"05 27 FA 46 01 00 00 00"}));
        QCOMPARE(sentAll(BuildCommitReports()),
                 reports({"05 57 FA 40 F3 04 00 00", "05 48 FA 40 F3 01 00 00", "05 49 FA 40 F3 02 00 00",
                          "05 53 FA 40 F3 08 00 00", "05 5B FA 40 F3 10 00 00"}));
    }

    void settingsBlock_data()
    {
        QTest::addColumn<int>("profileId");
        QTest::addColumn<int>("syncMode");
        QTest::addColumn<int>("lightingProfile");
        QTest::addColumn<QByteArray>("first");
        // Sync on, angle snapping off: 0x80 | 0x40 on the lift byte; jitter 3 adds nothing.
        // Profile 1 is current: DPI stage 3, light mode 11 (device effect 7).
        QTest::newRow("sync mode") << 1 << 1 << 1
                                   << report("05 B9 FA 01 00 00 13 D1 01 02 03 04 05 C2 01 0A 03 14 81 01 02 04 08 01 1F 03 07");
        QTest::newRow("no sync mode") << 1 << 0 << 1
                                      << report("05 B9 FA 01 00 00 13 D1 01 02 03 04 05 02 01 0A 03 14 81 01 02 04 08 01 1F 03 07");
        // A profile index from a file past the five profiles is held at the last one.
        QTest::newRow("profile index 9") << 9 << 2 << 4
                                         << report("05 B9 FA 01 00 00 13 D1 01 02 03 04 05 C2 04 0A 03 14 81 01 02 04 08 01 1F 06 06");
        // The effect byte follows the lighting profile: profile 0's light mode 10 (effect 8).
        QTest::newRow("lighting of profile 0") << 1 << 1 << 0
                                               << report("05 B9 FA 01 00 00 13 D1 01 02 03 04 05 C2 01 0A 03 14 81 01 02 04 08 01 1F 03 08");
        // Stored as read, sent inside the tables: stage 9 goes as the last stage, light mode 20 as effect 6.
        QTest::newRow("stage 9, light mode 20") << 3 << 1 << 3
                                                << report("05 B9 FA 01 00 00 13 D1 01 02 03 04 05 C2 03 0A 03 14 81 01 02 04 08 01 1F 07 06");
    }

    void settingsBlock()
    {
        QFETCH(int, profileId);
        QFETCH(int, syncMode);
        QFETCH(int, lightingProfile);
        QFETCH(QByteArray, first);
        DeviceConfig config = settingsConfig();
        config.ProfileID = quint8(profileId);
        config.profiles[3].dpi = 9;
        config.profiles[3].LedMode = 20;
        QCOMPARE(sentAll(BuildSettingsBlockReports(config, syncMode, lightingProfile)),
                 (QList<QByteArray>{first, report("05 28 FA 01 7F 00 01 D3 1A")}));
    }

    void deviceEffectNumbers()
    {
        const int expected[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10, 6, 6};
        for (int mode = 0; mode < 16; ++mode)
            QCOMPARE(int(DeviceEffectNumber(mode)), expected[mode]);
        QCOMPARE(int(DeviceEffectNumber(20)), 6);
        QCOMPARE(int(DeviceEffectNumber(255)), 6);
    }

    void dpiStages()
    {
        ProfileRecord profile;
        const quint32 values[kDpiStages][3] = {
            {1, 80, 60}, {1, 20, 20}, {0, 51, 76}, {1, 50, 75}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}};
        for (int i = 0; i < kDpiStages; ++i) {
            profile.dpiInfo[i].used = quint8(values[i][0]);
            profile.dpiInfo[i].x = values[i][1];
            profile.dpiInfo[i].y = values[i][2];
        }
        // Three stages: stage 3 and later go out disabled but with their codes.
        QCOMPARE(sentAll(BuildDpiStageReports(profile, 3, 3325, 0)),
                 reports({"05 A8 FA 02 00 00 01 D1 03",
                          "05 B2 FA 02 01 00 05 D2 01 45 02 50 01",
                          "05 BF FA 02 06 00 05 D2 01 2E 00 2E 00",
                          "05 B8 FA 02 0B 00 05 D2 00 3B 01 3B 02",
                          "05 85 FA 02 10 00 05 D2 00 73 00 73 01",
                          "05 8E FA 02 15 00 05 D2",
                          "05 8B FA 02 1A 00 05 D2",
                          "05 94 FA 02 1F 00 05 D2",
                          "05 91 FA 02 24 00 05 D2",
                          "05 29 FA 02 7F 00 01 D3 1A"}));
    }

    void dpiStageCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("sent");
        QTest::newRow("0") << 0 << 8;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("9") << 9 << 8;
        QTest::newRow("negative") << -3 << 8;
    }

    void dpiStageCount()
    {
        QFETCH(int, count);
        QFETCH(int, sent);
        ProfileRecord profile;
        for (DpiInfo &stage : profile.dpiInfo)
            stage.used = 1;
        const ReportList list = BuildDpiStageReports(profile, count, 0, 0);
        QCOMPARE(int(list.size()), 10);
        QCOMPARE(int(ReportBytes(list[0])[kDataOffset]), sent);
        for (int i = 0; i < kDpiStages; ++i)
            QCOMPARE(int(ReportBytes(list[size_t(1 + i)])[kDataOffset]), i < sent ? 1 : 0);
    }

    void dpiEncoding_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("y");
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("range");
        QTest::newRow("3104 106") << 3104 << 106 << false << 0 << 106 << 0;
        QTest::newRow("3104 107") << 3104 << 107 << false << 0 << 54 << 1;
        QTest::newRow("31042 107") << 31042 << 107 << false << 0 << 54 << 1;
        QTest::newRow("3212 63") << 3212 << 63 << false << 0 << 63 << 0;
        QTest::newRow("3212 64") << 3212 << 64 << false << 0 << 32 << 1;
        QTest::newRow("3212 94") << 3212 << 94 << false << 0 << 62 << 1;
        QTest::newRow("3212 95") << 3212 << 95 << false << 0 << 32 << 2;
        QTest::newRow("3212 huge clamped") << 3212 << 1000 << false << 0 << 255 << 2;
        QTest::newRow("3311 0 clamped to A[1]") << 3311 << 0 << false << 0 << 0 << 0;
        QTest::newRow("3311 1") << 3311 << 1 << false << 0 << 0 << 0;
        QTest::newRow("3311 2") << 3311 << 2 << false << 0 << 2 << 0;
        QTest::newRow("3311 120") << 3311 << 120 << false << 0 << 143 << 0;
        QTest::newRow("3311 121") << 3311 << 121 << false << 0 << 72 << 1;
        QTest::newRow("33112 121") << 33112 << 121 << false << 0 << 72 << 1;
        QTest::newRow("3311 221 clamped") << 3311 << 221 << false << 0 << 188 << 1;
        QTest::newRow("3325 50") << 3325 << 50 << false << 0 << 115 << 0;
        QTest::newRow("3325 51") << 3325 << 51 << false << 0 << 59 << 1;
        QTest::newRow("3325 75") << 3325 << 75 << false << 0 << 115 << 1;
        QTest::newRow("3325 76") << 3325 << 76 << false << 0 << 59 << 2;
        QTest::newRow("3325 80") << 3325 << 80 << false << 0 << 69 << 2;
        QTest::newRow("33252 60") << 33252 << 60 << true << 0 << 80 << 1;
        QTest::newRow("3325 101 clamped") << 3325 << 101 << false << 0 << 115 << 2;
        QTest::newRow("3327 61") << 3327 << 61 << false << 0 << 140 << 0;
        QTest::newRow("3327 62") << 3327 << 62 << false << 0 << 72 << 1;
        QTest::newRow("3327 92") << 3327 << 92 << false << 0 << 140 << 1;
        QTest::newRow("3327 93") << 3327 << 93 << false << 0 << 95 << 4;
        QTest::newRow("3327 114 clamped") << 3327 << 114 << false << 0 << 140 << 4;
        QTest::newRow("3333 0") << 3333 << 0 << false << 0 << 188 << 0;
        QTest::newRow("3333 79") << 3333 << 79 << false << 0 << 185 << 0;
        QTest::newRow("3333 80") << 3333 << 80 << false << 0 << 93 << 1;
        QTest::newRow("3333 120 clamped") << 3333 << 120 << false << 0 << 185 << 1;
        QTest::newRow("3335 160") << 3335 << 160 << false << 0 << 188 << 0;
        QTest::newRow("3335 161") << 3335 << 161 << false << 0 << 96 << 1;
        QTest::newRow("33352 241 clamped") << 33352 << 241 << false << 0 << 188 << 1;
        QTest::newRow("3360 0 clamped") << 3360 << 0 << false << 0 << 0 << 0;
        QTest::newRow("3360 120") << 3360 << 120 << false << 0 << 119 << 0;
        QTest::newRow("3360 121") << 3360 << 121 << false << 0 << 60 << 1;
        QTest::newRow("3370 200") << 3370 << 200 << false << 0 << 199 << 0;
        QTest::newRow("3370 201") << 3370 << 201 << false << 0 << 100 << 1;
        QTest::newRow("3389 320") << 3389 << 320 << false << 0 << 0x40 << 0x01;
        QTest::newRow("3389 321") << 3389 << 321 << false << 0 << 0xA1 << 0x80;
        QTest::newRow("3389 1000") << 3389 << 1000 << false << 0 << 0x48 << 0x83;
        QTest::newRow("3395 520") << 3395 << 520 << false << 0 << 0x08 << 0x02;
        QTest::newRow("3395 520 extra 8") << 3395 << 520 << false << 8 << 0x8F << 0x01;
        QTest::newRow("3395 100 extra 8") << 3395 << 100 << true << 8 << 100 << 0;
        QTest::newRow("3395 520 extra 7") << 3395 << 520 << false << 7 << 0x08 << 0x02;
        QTest::newRow("33952 X 519") << 33952 << 519 << false << 0 << 0x07 << 0x02;
        QTest::newRow("33952 X 520") << 33952 << 520 << false << 0 << 0x04 << 0x81;
        QTest::newRow("33952 Y 520") << 33952 << 520 << true << 0 << 0x08 << 0x02;
        QTest::newRow("33952 Y 521") << 33952 << 521 << true << 0 << 0x05 << 0x81;
        QTest::newRow("33952 no extra limit") << 33952 << 600 << false << 8 << 0x54 << 0x81;
        QTest::newRow("unknown sensor") << 0 << 80 << false << 0 << 0 << 0;
        QTest::newRow("3399 has no encoding") << 3399 << 80 << false << 0 << 0 << 0;
    }

    void dpiEncoding()
    {
        QFETCH(int, sensor);
        QFETCH(int, value);
        QFETCH(bool, y);
        QFETCH(int, extra);
        QFETCH(int, code);
        QFETCH(int, range);
        const DpiCode got = EncodeDpiValue(sensor, quint32(value), y, quint8(extra));
        QCOMPARE(int(got.code), code);
        QCOMPARE(int(got.range), range);
    }

    void dpiStagePairs_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QByteArray>("pairs");
        QTest::newRow("3325 X then Y") << 3325 << 80 << 60 << QByteArray::fromHex("45025001");
        QTest::newRow("3104 Y before X") << 3104 << 10 << 200 << QByteArray::fromHex("93010a00");
        QTest::newRow("31042 Y before X") << 31042 << 10 << 200 << QByteArray::fromHex("93010a00");
        QTest::newRow("3335 X code twice") << 3335 << 161 << 5 << QByteArray::fromHex("60016001");
        QTest::newRow("unknown all zero") << 1234 << 161 << 5 << QByteArray::fromHex("00000000");
    }

    void dpiStagePairs()
    {
        QFETCH(int, sensor);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QByteArray, pairs);
        quint8 got[4];
        EncodeDpiStage(sensor, quint32(x), quint32(y), 0, got);
        QCOMPARE(bytes4(got), pairs);
    }

    void lighting()
    {
        ProfileRecord profile;
        for (LedModeInfo &mode : profile.ledModes) {
            mode.RGB = QColor(9, 9, 9);
            mode.bright = 77;
            mode.breath = 77;
        }
        auto set = [&](int mode, QColor colour, quint32 breath, quint32 bright) {
            profile.ledModes[mode].RGB = colour;
            profile.ledModes[mode].breath = breath;
            profile.ledModes[mode].bright = bright;
        };
        set(1, QColor(255, 0, 0), 9, 3);
        set(2, QColor(0, 128, 255), 2, 9);
        set(3, QColor(), 4, 9);
        set(4, QColor(), 1, 2);
        set(9, QColor(), 5, 6);
        set(10, QColor(), 7, 8);
        set(11, QColor(), 9, 1);
        set(12, QColor(), 0x105, 4);  // low byte only
        set(13, QColor(), 2, 3);
        QCOMPARE(sentAll(BuildLightingReports(profile)),
                 reports({"05 81 FA 04 00 00 18 D1 80 00 00 00 00 00 00 00 80 FF 00 00 01 00 02 03 80 00 80 FF 01 02 04 03",
                          "05 66 FA 04 18 00 18 D2 80 00 00 00 01 04 01 03 80 00 00 00 01 01 08 02 80 00 00 00 05 05 01 06",
                          "05 7E FA 04 30 00 18 D2 80 00 00 00 07 00 00 01 80 00 00 00 06 07 00 08 80 00 00 00 08 05 00 04",
                          "05 46 FA 04 48 00 08 D2 80 00 00 00 09 02 00 03",
                          "05 37 FA 04 7F 00 01 D3 1A"}));
    }

    void buttonSlot_data()
    {
        QTest::addColumn<ButtonInfo>("info");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("macroSlot");
        QTest::addColumn<QByteArray>("bytes");
        auto hex = [](const char *text) { return QByteArray::fromHex(text); };
        QTest::newRow("left") << button(kFunLeft) << 0 << 0 << hex("81000000");
        QTest::newRow("forward") << button(kFunForward) << 0 << 0 << hex("85000000");
        QTest::newRow("back") << button(kFunBack) << 0 << 0 << hex("84000000");
        QTest::newRow("button off") << button(kFunButtonOff) << 0 << 0 << hex("00000000");
        QTest::newRow("code 0 not in table") << button(0) << 0 << 0 << hex("00000000");
        QTest::newRow("code 999 not in table") << button(999) << 0 << 0 << hex("00000000");
        QTest::newRow("code 13") << button(13) << 0 << 0 << hex("30000000");
        QTest::newRow("code 61") << button(61) << 0 << 0 << hex("a0000000");
        QTest::newRow("cut") << button(kFunCut) << 0 << 0 << hex("8f011b00");
        QTest::newRow("close window") << button(kFunCloseWindow) << 0 << 0 << hex("8f043d00");
        QTest::newRow("boss key") << button(kFunBossKey) << 0 << 0 << hex("8f081000");
        QTest::newRow("mail") << button(kFunMail) << 0 << 0 << hex("8e018a01");
        QTest::newRow("media player") << button(kFunMediaPlayer) << 0 << 0 << hex("8e018301");
        QTest::newRow("stop") << button(kFunStop) << 0 << 0 << hex("8e01b700");
        QTest::newRow("dpi down") << button(kFunDpiDown) << 0 << 0 << hex("89000000");
        QTest::newRow("rate switch") << button(kFunRateSwitch) << 0 << 0 << hex("97010000");
        QTest::newRow("rate up") << button(kFunRateUp) << 0 << 0 << hex("97000000");
        QTest::newRow("led switch") << button(kFunLedSwitch) << 0 << 0 << hex("9b080000");
        QTest::newRow("profile switch") << button(kFunProfileSwitch) << 0 << 0 << hex("8d000000");
        QTest::newRow("single key A") << button(kFunSingleKey, 30) << 0 << 0 << hex("90000400");
        QTest::newRow("single key keypad 0") << button(kFunSingleKey, 237) << 0 << 0 << hex("90006200");
        QTest::newRow("single key mouse button") << button(kFunSingleKey, 240) << 0 << 0 << hex("90000000");
        QTest::newRow("combo Ctrl+C") << combo({224, 6, 6, 224}) << 0 << 0 << hex("8f010600");
        QTest::newRow("combo Shift+Alt+A") << combo({225, 226, 4, 4, 226, 225}) << 0 << 0 << hex("8f060400");
        QTest::newRow("combo RShift+A") << combo({229, 4, 4, 229}) << 0 << 0 << hex("8f020400");
        QTest::newRow("combo RAlt+A") << combo({230, 4, 4, 230}) << 0 << 0 << hex("8f040400");
        QTest::newRow("combo RCtrl+RWin+Z") << combo({228, 231, 29, 29, 231, 228}) << 0 << 0 << hex("8f091d00");
        QTest::newRow("combo last key wins") << combo({4, 4, 6, 6}) << 0 << 0 << hex("8f000600");
        QTest::newRow("combo unknown usage is a key") << combo({50, 50}) << 0 << 0 << hex("8f003200");
        QTest::newRow("combo empty") << combo({}) << 0 << 0 << hex("8f000000");
        QTest::newRow("combo step 10 not read") << combo({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}) << 0 << 0 << hex("8f000000");
        QTest::newRow("fire default") << button(kFunFireKey, 0, 5, 125) << 0 << 0 << hex("99810300");
        QTest::newRow("fire right button") << button(kFunFireKey, 0x82, 5, 125) << 0 << 0 << hex("9982050c");
        QTest::newRow("fire low bytes") << button(kFunFireKey, 4, 300, 2600) << 0 << 0 << hex("99042c04");
        QTest::newRow("sniper 3104") << button(kFunSniper, 20) << 3104 << 0 << hex("9a011414");
        QTest::newRow("sniper 3212") << button(kFunSniper, 20) << 3212 << 0 << hex("9a011414");
        QTest::newRow("sniper 3389") << button(kFunSniper, 200) << 3389 << 0 << hex("9a01c8c8");
        QTest::newRow("sniper 3325") << button(kFunSniper, 30) << 3325 << 0 << hex("9a014545");
        QTest::newRow("sniper 3325 clamped") << button(kFunSniper, 200) << 3325 << 0 << hex("9a017373");
        QTest::newRow("sniper 3327") << button(kFunSniper, 31) << 3327 << 0 << hex("9a014848");
        QTest::newRow("sniper 3335") << button(kFunSniper, 81) << 3335 << 0 << hex("9a016060");
        QTest::newRow("sniper 3335 A[0] clamped") << button(kFunSniper, 0) << 3335 << 0 << hex("9a010000");
        QTest::newRow("sniper 3360") << button(kFunSniper, 50) << 3360 << 0 << hex("9a013131");
        QTest::newRow("sniper 3360 of 0 clamped") << button(kFunSniper, 0) << 3360 << 0 << hex("9a010000");
        QTest::newRow("sniper other sensor") << button(kFunSniper, 50) << 3311 << 0 << hex("9a010404");
        QTest::newRow("sniper variant keeps 04") << button(kFunSniper, 50) << 33252 << 0 << hex("9a010404");
        QTest::newRow("macro loop") << button(kFunMacro, kMacroRunLoop, 0x0102) << 0 << 3 << hex("91030201");
        QTest::newRow("macro held") << button(kFunMacro, kMacroRunWhileHeld, 7) << 0 << 3 << hex("9183ffff");
        QTest::newRow("macro toggle") << button(kFunMacro, kMacroRunToggle, 7) << 0 << 3 << hex("9143ffff");
        QTest::newRow("macro unknown mode") << button(kFunMacro, 5, 7) << 0 << 3 << hex("91000700");
        QTest::newRow("gun file loop") << button(kFunGunFile, kMacroRunLoop, 1) << 0 << 0 << hex("9d000100");
        QTest::newRow("gun file held") << button(kFunGunFile, kMacroRunWhileHeld, 1) << 0 << 11 << hex("9d8bffff");
    }

    void buttonSlot()
    {
        QFETCH(ButtonInfo, info);
        QFETCH(int, sensor);
        QFETCH(int, macroSlot);
        QFETCH(QByteArray, bytes);
        quint8 got[4] = {0xEE, 0xEE, 0xEE, 0xEE};
        EncodeButtonFunction(info, sensor, quint8(macroSlot), got);
        QCOMPARE(bytes4(got), bytes);
    }

    void buttonTableSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("scrollRev");
        QTest::addColumn<int>("tableSlot");
        QTest::newRow("position 0") << 0 << 0 << 5;
        QTest::newRow("position 1 to last sent slot") << 1 << 0 << 23;
        QTest::newRow("position 2 outside table") << 2 << 0 << -1;
        QTest::newRow("position 3 far outside") << 3 << 0 << -1;
        QTest::newRow("position 15") << 15 << 0 << 0;
        QTest::newRow("no position 16") << 16 << 0 << -1;
        QTest::newRow("wheel up") << 22 << 0 << 22;
        QTest::newRow("wheel down") << 23 << 0 << 23;
        QTest::newRow("wheel up reversed") << 22 << 1 << 23;
        QTest::newRow("wheel down reversed") << 23 << 1 << 22;
        QTest::newRow("only 1 reverses") << 22 << 2 << 22;
    }

    void buttonTableSlot()
    {
        QFETCH(int, slot);
        QFETCH(int, scrollRev);
        QFETCH(int, tableSlot);
        const quint8 matrix[kButtonMatrixSize] = {5, 23, 24, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(ButtonTableSlot(slot, scrollRev, matrix), tableSlot);
    }

    void buttonTableReports()
    {
        quint8 image[kButtonTableImageSize];
        for (int i = 0; i < kButtonTableImageSize; ++i)
            image[i] = quint8(i);
        const QList<QByteArray> got = sentAll(BuildButtonTableReports(image));
        QCOMPARE(got.size(), 7);
        QCOMPARE(got[0], report("05 B6 FA 03 00 00 02 D1 00 01"));
        QCOMPARE(got[1].left(10), report("05 8F FA 03 02 00 18 D2 02 03").left(10));
        QCOMPARE(got[4].mid(8, 24), QByteArray(reinterpret_cast<const char *>(image) + 74, 24));
        QCOMPARE(got[4].left(8), report("05 57 FA 03 4A 00 18 D2").left(8));
        // Table bytes 98 and on are never sent: a constant tail stands there.
        QCOMPARE(got[5], report("05 53 FA 03 62 00 04 D2 FF FF FF FF"));
        QCOMPARE(got[6], report("05 36 FA 03 7F 00 01 D3 1A"));
    }
};

QTEST_APPLESS_MAIN(CommandBytesTest)
#include "tst_commandbytes.moc"
