#pragma once
// The one check for every name from a file or the user that becomes a single path
// component: profile and slot names, macro names, the model name, language files.

#include <QString>

// The longest name whose file, with the longest suffix we add (".MSMACRO"), can still be
// written: a file name holds 255 bytes of UTF-8, and QSettings saves through a temporary
// file named after the target plus 7 characters.
constexpr int kMaxFileNameBytes = 255 - 7 - 8;

// What makes a name unfit, for the user to be told: none, empty, forbidden ("." and "..", a
// path separator, a control character, one of \:*?"<>|) or more than kMaxFileNameBytes bytes
// of UTF-8.
enum class FileNameFault { None, Empty, Forbidden, TooLong };
FileNameFault FileNameFaultOf(const QString &name);

// True when FileNameFaultOf finds no fault.
bool IsSafeFileName(const QString &name);
// IsSafeFileName, with a debug line naming what was refused.
bool CheckFileName(const QString &name, const char *what);
