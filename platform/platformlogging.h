#pragma once
// The log category of the host stand-ins, "veskaro.platform". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.platform.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
