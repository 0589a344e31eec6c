#include "applogging.h"

Q_LOGGING_CATEGORY(lcApp, "veskaro.app", QtInfoMsg)

namespace {

QtMessageHandler g_nextHandler = nullptr;

void dropTrailingNewline(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_nextHandler(type, context, text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text);
}

} // namespace

void InstallMessageHandler() { g_nextHandler = qInstallMessageHandler(dropTrailingNewline); }
