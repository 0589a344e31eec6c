#include "quitsignals.h"

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe just drops the extra byte.
    [[maybe_unused]] ssize_t written = write(g_signalPipe[1], &byte, 1);
}

} // namespace

bool InstallQuitSignalHandlers(QObject *context, std::function<void()> onQuit)
{
    if (g_signalPipe[0] < 0 && pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onQuit] {
        char buffer[16];
        while (read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        onQuit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}
