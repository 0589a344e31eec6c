#include "devicedefaults.h"

#include "inivalue.h"
#include "settings.h"

#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

int g_colorMode = 0;

namespace {

const QString kGroup = QStringLiteral("PROFILE/");

QString key(const char *name) { return kGroup + QLatin1String(name); }
QString indexedKey(const char *format, int index) { return kGroup + QString::asprintf(format, index); }

// The single-key readers: a missing file reads as a file without keys.
int readDescriptionInt(const char *name, int fallback)
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    return IniInt(settings, key(name), fallback);
}

QString readDescriptionString(const char *name)
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    return IniString(settings, key(name));
}

int maskedButtonCount(const QSettings &settings)
{
    return IniInt(settings, key("ButtonCount")) ^ IniInt(settings, key("MouseDpi"));
}

// The count addresses the 16-entry matrices.
int clampButtonCount(int count) { return std::clamp(count, 0, kButtonMatrixSize); }

void readMatrix(const QSettings &settings, const char *format, quint8 (&matrix)[kButtonMatrixSize])
{
    for (int i = 0; i < kButtonMatrixSize; ++i)
        matrix[i] = IniByte(settings, indexedKey(format, i));
}

} // namespace

QString DeviceDescriptionPath() { return AppDir() + "/DefaultProfile.bin"; }

int ReadDeviceDefaults(DeviceDefaults &defaults)
{
    if (!FileExists(DeviceDescriptionPath()))
        return -1;
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    defaults.dpi = IniByte(settings, key("dpi"));
    defaults.LedMoveOFF = IniByte(settings, key("LedMoveOFF"));
    for (int i = 0; i < kDpiStages; ++i)
        defaults.dpiXy[i] = IniInt(settings, indexedKey("DPI_INFO_%d_xy", i));
    defaults.BackPic = IniString(settings, key("BackPic"));
    defaults.CompanyName = IniString(settings, key("CompanyName"));
    defaults.ProductName = IniString(settings, key("ProductName"));
    defaults.FolderPath = IniString(settings, key("FolderPath"));
    defaults.pollrate = IniInt(settings, key("pollrate"));
    defaults.LedMode = IniByte(settings, key("LedMode"));
    for (int i = 0; i < kDefaultFontEntries; ++i) {
        defaults.Lang[i] = IniByte(settings, indexedKey("Lang_%d", i));
        defaults.FontSize[i] = IniByte(settings, indexedKey("FontSize_%d", i));
        defaults.FontName[i] = IniString(settings, indexedKey("FontName_%d", i));
    }
    defaults.Font_RGB = IniColor(settings, key("Font_RGB"));
    defaults.Style = IniByte(settings, key("Style"));
    defaults.ButtonCount = IniByte(settings, key("ButtonCount"));
    for (int i = 0; i < kDefaultButtonRows; ++i) {
        DefaultButton &button = defaults.buttons[i];
        button.ID = IniInt(settings, indexedKey("BUTTON_INFO_%d_ID", i));
        button.Fun = IniInt(settings, indexedKey("BUTTON_INFO_%d_Fun", i));
        button.LoopNumber = IniInt(settings, indexedKey("BUTTON_INFO_%d_LoopNumber", i));
        button.KeyNumber = IniInt(settings, indexedKey("BUTTON_INFO_%d_KeyNumber", i));
        button.Res1 = IniByte(settings, indexedKey("BUTTON_INFO_%d_Res1", i));
        button.Res2 = IniByte(settings, indexedKey("BUTTON_INFO_%d_Res2", i));
        button.Res3 = IniByte(settings, indexedKey("BUTTON_INFO_%d_Res3", i));
        button.Res4 = IniByte(settings, indexedKey("BUTTON_INFO_%d_Res4", i));
    }
    for (int i = 0; i < kLedModes; ++i) {
        DefaultLedMode &mode = defaults.ledModes[i];
        mode.RGB = IniColor(settings, indexedKey("LedMode/LED_MODE_%d_RGB", i));
        mode.bright = IniInt(settings, indexedKey("LedMode/LED_MODE_%d_bright", i));
        mode.breath = IniInt(settings, indexedKey("LedMode/LED_MODE_%d_breath", i));
    }
    return 0;
}

void GetVidPid(int &dongleVid, int &donglePid, int &cableVid, int &cablePid)
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    dongleVid = IniInt(settings, key("vid1"), kDefaultDongleVid);
    donglePid = IniInt(settings, key("pid1"), kDefaultDonglePid);
    cableVid = IniInt(settings, key("vid2"), kDefaultCableVid);
    cablePid = IniInt(settings, key("pid2"), kDefaultCablePid);
}

int GetButtonCountAndDpi()
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    return clampButtonCount(maskedButtonCount(settings));
}

int GetDpiCount()
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    return maskedButtonCount(settings) ^ IniInt(settings, key("DPICount"));
}

int GetButtonMatrix(quint8 (&matrix)[kButtonMatrixSize])
{
    if (!FileExists(DeviceDescriptionPath()))
        return -1;
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    readMatrix(settings, "BUTTON_INFO_%d_Matrix", matrix);
    return 0;
}

int GetButtonMatrix2(quint8 (&matrix)[kButtonMatrixSize])
{
    if (!FileExists(DeviceDescriptionPath()))
        return -1;
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    readMatrix(settings, "BUTTON_INFO_%d_Matrix2", matrix);
    return clampButtonCount(maskedButtonCount(settings));
}

int GetSensorDefaults(quint8 (&values)[kSensorDefaultCount])
{
    static const char *const names[kSensorDefaultCount] = {"lift", "angle", "butondelay", "jitter",
                                                           "wake", "sensormode", "sync"};
    if (!FileExists(DeviceDescriptionPath()))
        return -1;
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    for (int i = 0; i < kSensorDefaultCount; ++i)
        values[i] = IniByte(settings, key(names[i]), kBuiltInSensorDefaults[i]);
    return 0;
}

int GetSyncMode() { return readDescriptionInt("SyncMode", 0); }
QString GetProductName() { return readDescriptionString("ProductName"); }
QString GetVersion() { return readDescriptionString("Version"); }
int GetFrenchLangIndex() { return readDescriptionInt("french", -1); }
int GetDisableMacro() { return readDescriptionInt("DisableMacro", 0); }
int GetLedDisable() { return readDescriptionInt("ledDisable", 0); }
int GetColorMode() { return readDescriptionInt("ColorMode", 0); }
int GetShowSleep() { return readDescriptionInt("ShowSleep", 1); }

void GetSleepRange(int &minimum, int &maximum)
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    minimum = IniInt(settings, key("SleepMin"), 1);
    maximum = IniInt(settings, key("SleepMax"), 9);
}

int GetScrollRev() { return readDescriptionInt("ScrollRev", 0); }
int GetMinDelay() { return readDescriptionInt("MinDelay", 10); }
int GetSensorVariant33254() { return readDescriptionInt("33254", 0); }

QString GetModel()
{
    const QSettings settings(ConfigIniPath(), QSettings::IniFormat);
    return IniString(settings, "Config/Model");
}

int GetShowUpdate() { return readDescriptionInt("ShowUpdate", 1); }

bool IsLanguageEnabled(int language)
{
    const QSettings settings(DeviceDescriptionPath(), QSettings::IniFormat);
    return IniInt(settings, indexedKey("LANG_%d", language)) == 1;
}

QString GetDocumentsProductPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" + GetProductName();
}

QString XorLatin1String(QString &text, QChar key)
{
    for (QChar &c : text) {
        int code = c.unicode() < 256 ? c.unicode() : 0;
        if (key.unicode() < 256)
            code ^= key.unicode() & 0xFF;
        // The byte is taken as signed: 0x80-0xFF become 0xFF80-0xFFFF.
        c = QChar(ushort(qint16(qint8(quint8(code)))));
    }
    return text;
}

int XorInts(int a, int b) { return a ^ b; }
