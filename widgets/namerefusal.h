#pragma once
// Why a typed or imported name cannot become a file name (IsSafeFileName), as the message
// boxes of the macro editor and the gun-set dialog say it, in the window's language.

#include <QString>

// The message for a name IsSafeFileName refuses; empty for a safe name.
QString FileNameRefusal(const QString &name);
