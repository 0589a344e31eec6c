#pragma once
// Writing a configuration to the mouse as one framed download: begin, settings block,
// button table, DPI stages, lighting, commits, macros, end. Runs on the write job's thread.

#include "changemask.h"
#include "records.h"

#include <QString>
#include <map>

constexpr int kMacroBlockSize = 200;
constexpr int kMacroBlockCount = 20;
constexpr int kMacroMemorySize = kMacroBlockSize * kMacroBlockCount;
// Device macro slots the firmware runs: a thirteenth macro is not sent.
constexpr int kMacroSlotsUsed = 12;

// The device link's own image, copied from the configuration at the start of every
// download; the command builders read it.
extern DeviceConfig g_downloadConfig;
// Device macro slot -> macro name: filled by the button table, emptied as macros are sent.
extern std::map<quint8, QString> MacroSlotMap;
// Block k holds the macro of slot k.
extern quint8 MacroMemoryImage[kMacroMemorySize];

// flags: ChangeMask bits (settings, DPI, buttons with their macros, lighting). The settings
// block is always sent; any bit adds the commits. DPI stages and buttons are the current
// profile's, lighting the lighting profile's. Returns 0 or the first failing result of a
// report (1 no handle, 2 no correct echo, 4 write failed). Stops the battery thread and
// queues its restart on the GUI thread, after a failure too while a handle is open.
int DownloadProfile(const DeviceConfig &config, int flags);
// Reads the macros of the map's buttons from their files and writes the macro memory.
int DownloadMacros();
// Lays the entry's steps (KeyNumber of keyInfo) out into block `slot` of the memory image.
// A macro without delay steps gets 06 01 00 after every fourth step, a closing delay and
// a zero step. Always returns 1.
int BuildMacroBlock(const ButtonInfo &entry, int slot);
// KeyNumber kept inside the 63 steps of an entry.
int MacroStepCount(const ButtonInfo &entry);
// True when one of the entry's steps is a delay (type 0x06).
bool HasDelayStep(const ButtonInfo &entry);
// The slot holding the name; 255 when it is not in the map; -1 when the map is empty.
int FindMacroSlot(const QString &name);
// Removes the first entry (in slot order) holding the name.
void RemoveMacroName(const QString &name);
