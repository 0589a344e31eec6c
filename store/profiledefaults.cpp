// The defaults of a new profile and of a fresh installation.
#include "buttonfunctions.h"
#include "devicedefaults.h"
#include "profilefiles.h"
#include "records.h"

#include <algorithm>
#include <iterator>

namespace {

void fillBuiltInDefaults(ProfileRecord &record)
{
    static const quint32 stageValues[kDpiStages] = {8, 12, 16, 24, 50, 75, 0, 0};
    static const qint32 buttonFunctions[] = {kFunLeft, kFunRight, kFunMiddle, kFunForward, kFunBack,
                                            kFunForward, kFunBack};
    record.LedMode = 9;
    record.LedMoveOFF = 0;
    record.LedSleepTime = 1;
    for (int i = 0; i < kDpiStages; ++i) {
        DpiInfo &stage = record.dpiInfo[i];
        stage.used = 1;
        stage.link = 1;
        stage.xy = stage.x = stage.y = stageValues[i];
    }
    for (int b = 0; b < int(sizeof buttonFunctions / sizeof buttonFunctions[0]); ++b)
        record.buttonInfo[b].Fun = buttonFunctions[b];
    for (int i = 0; i < kLedModes; ++i) {
        LedModeInfo &mode = record.ledModes[i];
        mode.RGB = QColor(255, 0, 0);
        mode.h = 360;
        mode.bright = 3;
        mode.breath = 3;
    }
    record.ledModes[4].breath = 2;
    record.ledModes[9].breath = 4;
    record.ledModes[10].RGB = QColor(0, 255, 0);
    record.ledModes[10].breath = 5;
    record.ledModes[12].breath = 1;
}

void takeDescriptionDefaults(ProfileRecord &record, const DeviceDefaults &defaults)
{
    record.pollrate = quint8(defaults.pollrate);
    // Kept as the description gives them; their users keep them inside their tables.
    record.dpi = defaults.dpi;
    record.LedMode = defaults.LedMode;
    record.LedMoveOFF = defaults.LedMoveOFF;
    record.LedSleepTime = 1;
    for (int i = 0; i < kDpiStages; ++i) {
        DpiInfo &stage = record.dpiInfo[i];
        stage.used = 1;
        stage.link = 1;
        stage.xy = stage.x = stage.y = quint32(defaults.dpiXy[i]);
    }
    for (int b = 0; b < kDefaultButtonRows; ++b) {
        const DefaultButton &source = defaults.buttons[b];
        ButtonInfo &button = record.buttonInfo[b];
        button.Fun = source.Fun;
        button.LoopNumber = source.LoopNumber;
        button.KeyNumber = source.KeyNumber;
        button.Res1 = source.Res1;
        button.Res2 = source.Res2;
        button.Res3 = source.Res3;
        button.Res4 = source.Res4;
    }
    for (int i = 0; i < kLedModes; ++i) {
        LedModeInfo &mode = record.ledModes[i];
        mode.RGB = defaults.ledModes[i].RGB;
        mode.bright = quint32(defaults.ledModes[i].bright);
        mode.breath = quint32(defaults.ledModes[i].breath);
        mode.h = 360;
        mode.s = 0;
        mode.v = 0;
    }
}

} // namespace

void InitProfileDefaults(ProfileRecord &record, int /*index*/)
{
    record = ProfileRecord();
    record.pollrate = 1;
    record.dpi = 1;
    record.LedMode = 1;
    record.mousespeed = 10;
    record.dbclickspeed = 5;
    record.scrollispage = 0;
    record.scrollspeed = 1;
    record.accelenable = 1;
    record.acee = 1;
    DeviceDefaults defaults;
    if (ReadDeviceDefaults(defaults) != 0)
        fillBuiltInDefaults(record);
    else
        takeDescriptionDefaults(record, defaults);
    record.buttonInfo[40].Fun = kFunScrollUp;
    record.buttonInfo[41].Fun = kFunScrollDown;
}

void InitDefaultProfiles(DeviceConfig &config)
{
    quint8 sensor[kSensorDefaultCount];
    std::copy(std::begin(kBuiltInSensorDefaults), std::end(kBuiltInSensorDefaults), sensor);
    GetSensorDefaults(sensor);  // leaves them without a description
    config.ProfileID = 0;
    config.LiftHigh = sensor[0];
    config.AngleValue = sensor[1];
    config.Debounce = sensor[2];
    config.Jitter = sensor[3];
    config.Wake = sensor[4];
    config.SensorMode = sensor[5];
    config.Sync = sensor[6];
    for (int i = 0; i < kProfileCount; ++i) {
        InitProfileDefaults(config.profiles[i], i);
        config.profileFiles[i] = DefaultSlotFileName(i);
    }
}
