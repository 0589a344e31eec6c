#pragma once
// The log category of the button-assignment dialogs, "veskaro.buttons". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.buttons.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcButtons)
