#pragma once
// The log category of the macro editor, "veskaro.macro". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.macro.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcMacro)
