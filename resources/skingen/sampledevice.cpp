// Writes the sample device's settings folder through the store itself, so every key has
// the form the program reads: Configs/Config.ini, LangConfig.ini, the five slot profiles,
// the product folder's profile list and a sample macro. Run by scripts/make-skin:
//   sampledevice <device dir holding DefaultProfile.bin> <model name>
#include "buttonfunctions.h"
#include "configio.h"
#include "macrofiles.h"
#include "profilefiles.h"
#include "profileio.h"
#include "records.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>

namespace {

constexpr quint8 kUsageLeftCtrl = 0xE0;
constexpr quint8 kUsageC = 0x06;
constexpr quint8 kUsageV = 0x19;

// The five slots differ a little so switching them shows on every page.
void customise(DeviceConfig &config)
{
    static const quint8 stages[kProfileCount] = {2, 1, 3, 4, 2};
    static const quint8 rates[kProfileCount] = {1, 1, 2, 1, 4};
    static const quint8 effects[kProfileCount] = {1, 3, 4, 9, 10};
    for (int i = 0; i < kProfileCount; ++i) {
        ProfileRecord &profile = config.profiles[i];
        profile.ProfileName = DefaultSlotFileName(i);
        profile.dpi = stages[i];
        profile.pollrate = rates[i];
        profile.LedMode = effects[i];
    }
    // Slot 2 gives its side button the copy-paste macro.
    ButtonInfo &forward = config.profiles[1].buttonInfo[3];
    forward.Fun = kFunMacro;
    forward.macroname = "Copy Paste";
    forward.LoopNumber = 1;
    LoadMacroSteps(forward.macroname, forward);
    config.ProfileID = 0;
    config.Count = kProfileCount;
}

MacroFile copyPaste()
{
    MacroFile macro;
    macro.defaultDelay = 50;
    macro.delayType = 1;
    macro.loopType = 0;
    macro.loopTime = 1;
    const auto key = [&macro](quint8 type, quint8 usage) { macro.steps.append(MacroStep{type, 0, usage}); };
    const auto pause = [&macro](int units) { macro.steps.append(MacroStep{kStepDelay, quint8(units / 256), quint8(units % 256)}); };
    key(kStepKeyPress, kUsageLeftCtrl);
    pause(3);
    key(kStepKeyPress, kUsageC);
    pause(5);
    key(kStepKeyRelease, kUsageC);
    pause(3);
    key(kStepKeyRelease, kUsageLeftCtrl);
    pause(20);
    key(kStepKeyPress, kUsageLeftCtrl);
    pause(3);
    key(kStepKeyPress, kUsageV);
    pause(5);
    key(kStepKeyRelease, kUsageV);
    pause(3);
    key(kStepKeyRelease, kUsageLeftCtrl);
    return macro;
}

void writeProgramSettings(const QString &model)
{
    QSettings config(ConfigIniPath(), QSettings::IniFormat);
    config.setValue("Config/CurrentProductName", model);
    config.setValue("Config/Model", "VESKARO M7 Wireless");
    config.setValue("Config/GColorID", 0);
    config.setValue("Config/Battery", 80);
    config.setValue("Config/BatteryFull", 4200);
    config.setValue("Config/Diff", 1);  // a fresh install sends every section first
    config.setValue("Mouse_List/0", model);
    config.setValue("MouseSenSor/1", 3395);
    config.setValue("MouseLEDMode/" + model, 0);
    config.setValue("FONT_LIST/LANGNUM", 2);
    config.setValue("FONT_LIST/LangName_0", "English");
    config.setValue("FONT_LIST/LangFile_0", "en");
    config.setValue("FONT_LIST/LangName_1", QString::fromUtf8("Français"));
    config.setValue("FONT_LIST/LangFile_1", "fr");
    for (int i = 0; i < 2; ++i) {
        config.setValue(QString("FONT_LIST/FONT_%1").arg(i), "Liberation Sans");
        config.setValue(QString("FONT_LIST/FONT_SIZE_%1").arg(i), 12);
    }
    QSettings language(LangConfigIniPath(), QSettings::IniFormat);
    language.setValue("Config/LangID", 0);
}

// The main window keeps its profile list in the product folder; the files it names are the
// slot profiles in Configs/Profile.
bool writeProfileList(const QString &model, const DeviceConfig &config)
{
    QSettings list(GetConfigDir() + "/" + model + "/Config.ini", QSettings::IniFormat);
    list.setValue("PROFILE_LIST/Count", kProfileCount);
    for (int i = 0; i < kProfileCount; ++i)
        list.setValue(QString("PROFILE_LIST/%1").arg(i + 1), config.profileFiles[i]);
    list.sync();
    return list.status() == QSettings::NoError;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sampledevice <device dir> <model name>\n");
        return 2;
    }
    const QString deviceDir = QString::fromLocal8Bit(argv[1]);
    const QString model = QString::fromLocal8Bit(argv[2]);
    SetAppDir(deviceDir);
    QDir(GetConfigDir()).removeRecursively();
    if (!QDir().mkpath(GetConfigDir() + "/MacroDB") || !EnsureProfileFolder()) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(GetConfigDir()));
        return 1;
    }
    writeProgramSettings(model);
    WriteMacroFile("Copy Paste", copyPaste(), false);
    AddToMacroList("Copy Paste");

    DeviceConfig config;
    InitDefaultProfiles(config);
    customise(config);
    if (SaveConfig(config) != kStoreOk || CreateDefaultProfileFile() != kStoreOk || !writeProfileList(model, config)) {
        std::fprintf(stderr, "cannot write the sample settings\n");
        return 1;
    }
    return 0;
}
