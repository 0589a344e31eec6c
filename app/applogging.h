#pragma once
// The log category of the main window, "veskaro.app". Its debug lines are off unless
// QT_LOGGING_RULES turns them on ("veskaro.app.debug=true"); warnings always show.
// InstallMessageHandler sets up how the program's messages of every category are printed.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

// Puts a handler before the one in place that drops one trailing "\n" from each message: the
// handler ends every message with its own, and the program's texts often carry one too.
void InstallMessageHandler();
