#pragma once
// Macro files (<config>/MacroDB/<name>.MSMACRO, group "Setting") and the 50-slot
// macro list MACRO_LIST of Config.ini. Reads open their own QSettings object; writes go through
// CommitIniEdit (iniedit.h) and report whether the file holds them.

#include "records.h"

#include <QString>
#include <QStringList>
#include <QVector>

constexpr int kMaxMacroSteps = kKeySteps;  // a button entry holds 63 steps
constexpr int kMacroListSize = 50;

// Step type codes as they stand in a macro file and as the mouse receives them.
constexpr quint8 kStepKeyPress = 0x84;
constexpr quint8 kStepKeyRelease = 0x04;
constexpr quint8 kStepButtonPress = 0x01;
constexpr quint8 kStepButtonRelease = 0x81;
constexpr quint8 kStepMove = 0x02;
constexpr quint8 kStepDelay = 0x06;

struct MacroStep {
    quint8 type = 0;
    quint8 dataH = 0;
    quint8 dataL = 0;
};

// The editor's step table numbers mouse-button steps like key steps (bit 7 = press),
// the file the other way round: 1 <-> 129, every other code unchanged. The one place
// of that swap, used in both directions.
int SwapButtonStepType(int type);

struct MacroFile {
    int defaultDelay = 0;
    int delayType = 0;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroStep> steps;  // file codes
};

// Names are checked with IsSafeFileName (filenames.h): an unsafe name touches no file.
// GetConfigDir() + "/MacroDB/" + name + ".MSMACRO".
QString MacroFilePath(const QString &name);

// Writes the keys in the file's order; markChanged adds "Setting/WriteSign" = 1 (the
// editor's save), without it the file has no sign (the gun-set dialog). Step keys of an
// earlier, longer version stay. Returns the file's path; empty for an invalid name or when the
// values did not reach the file.
QString WriteMacroFile(const QString &name, const MacroFile &macro, bool markChanged = true);
// Missing file or keys read as 0; at most 63 steps are read, whatever "Setting/Count" says.
MacroFile ReadMacroFile(const QString &name);
// Copies the file's steps into a button entry: KeyNumber = step count, step i =
// (Map_i, DataL_i, DataH_i) as (map, key, H); later steps keep their bytes. Returns the count.
int LoadMacroSteps(const QString &name, ButtonInfo &entry);
// True when the file carries a non-zero "Setting/WriteSign"; the sign is then written back
// as 0 (when that fails, a warning, and the sign is taken again next time). A missing file or
// key is false and nothing is written.
bool TakeMacroWriteSign(const QString &name);

// MACRO_LIST: slot i holds a macro name, "" a free slot; slots keep their index.
QStringList ReadMacroList();  // always 50 entries
QString GetMacroListEntry(int slot);
// Each returns the slot once Config.ini holds the change, -1 when the file was not written.
// Stores the name in the lowest free slot; -1 when all 50 are taken.
int AddToMacroList(const QString &name);
// Frees the first slot holding the name (exact match); -1 when none does.
int RemoveFromMacroList(const QString &name);
// Gives the first slot holding oldName the new name; -1 when none does.
int RenameInMacroList(const QString &oldName, const QString &newName);
