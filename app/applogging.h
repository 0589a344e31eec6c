#pragma once
// The log category of the main window, "veskaro.app". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.app.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
