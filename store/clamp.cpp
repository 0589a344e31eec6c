#include "clamp.h"

#include <algorithm>

qint64 ClampLogged(qint64 value, qint64 low, qint64 high, const char *what, LogCategory category)
{
    if (value >= low && value <= high)
        return value;
    const qint64 clamped = std::clamp(value, low, high);
    qCDebug(category, "%s %lld out of range, clamped to %lld", what, value, clamped);
    return clamped;
}
