#pragma once
// Folders of the program and its own settings, one key at a time. settings.cpp keeps the paths
// and reads the values; it writes no file itself. The setters (settingwrites.cpp) write through
// CommitIniEdit (iniedit.h), the one write path of the files QSettings also writes: a setter
// that returns true has its value on disk, false leaves the file as it was, and setting a value
// the file already holds writes nothing.

#include "records.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

// The program's name: its executable, its share folder and its data folder.
extern const char kProgramName[];

// Two folders, decided in one place. AppDir() holds the read-only assets (DefaultProfile.bin,
// skin/, lang/); DataDir() holds Configs/, everything the program writes. Both are the
// executable's folder when the assets lie beside it and the program may write there (the
// build folder). Installed (assets in ../share/<name>, never written, even by root) or in a
// folder it may not write, the data folder is QStandardPaths::AppDataLocation, whose Configs/
// is copied from the assets' sample device on the first start.
QString AppDir();
QString DataDir();
// Tests: both folders are `dir`; an empty `dir` goes back to the decided ones.
void SetAppDir(const QString &dir);
// DataDir() + "/Configs".
QString GetConfigDir();
QString ConfigIniPath();      // GetConfigDir() + "/Config.ini"
QString LangConfigIniPath();  // GetConfigDir() + "/LangConfig.ini"

bool FileExists(const QString &path);

// Config/ProfileID of Config.ini.
bool SetProfileID(int index);
// ProfileID, Count and the slot names (made usable, as SaveConfig writes them) into Config.ini.
bool SaveProfileList(const DeviceConfig &config);
// PROFILE/dpi of the profile's file; false for a name that is no safe file name.
bool SaveProfileDpi(const QString &profileName, int stage);
int GetLangID();
bool SetLangID(int index);

constexpr int kFontListSize = 10;
struct FontList {
    qint32 count = 0;
    QString names[kFontListSize];
    QString files[kFontListSize];
};
void GetFontList(FontList &list);
// A language index (or LANGNUM) kept inside the ten-entry font list.
int ClampLangIndex(int index);

QString GetCurrentProductName();
bool SetCurrentProductName(const QString &name);
int CountMacros();
int GetMouseSensor();
int GetMouseLedMode();
bool SetMouseName(const QString &name, const QString &filePath);
QString GetMouseName(const QString &filePath);
int GetGColorID();
bool SetGColorID(int index);
int GetBattery();
bool SetBattery(int level);
int GetBatteryFull();

// The colour theme table; an index outside it selects entry 0.
constexpr int kThemeColorCount = 7;
QColor ThemeColor(int index);
// ThemeColor(GetGColorID()).
QColor CurrentThemeColor();

constexpr int kModelNameTableSize = 50;
extern QString g_modelNameTable[kModelNameTableSize];
extern QList<ProfileRecord *> g_profileList;

// Not used by the running program: the index of the listed record with that ProfileName, -1 none.
// The list is filled and saved by LoadConfigFromProfileList / SaveConfigWithProfileList (configio.h).
int FindProfileByName(const QString &name);
