#pragma once
// The log category of the widget kit, "veskaro.widgets". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.widgets.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
