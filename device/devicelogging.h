#pragma once
// The log category of the device link, "veskaro.device". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.device.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDevice)
