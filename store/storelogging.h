#pragma once
// The log category of the configuration store, "veskaro.store". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.store.debug=true"); warnings always show.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStore)
