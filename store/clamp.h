#pragma once
// A value kept within its range, the clamp logged in the caller's category: what the program
// adjusts shows among its debug lines.

#include <QLoggingCategory>

// A log category as Q_DECLARE_LOGGING_CATEGORY declares it: lcDevice, lcButtons, ...
using LogCategory = const QLoggingCategory &(*)();

// value itself when it lies in [low, high], else the nearer bound, with a debug line naming
// `what`, the value and the bound.
qint64 ClampLogged(qint64 value, qint64 low, qint64 high, const char *what, LogCategory category);
