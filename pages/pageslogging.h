#pragma once
// The log category of the settings pages, "veskaro.pages". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.pages.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPages)
