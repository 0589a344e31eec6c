#pragma once
// SIGTERM and SIGINT end the program through its normal teardown: the handler only
// writes to a pipe, and the event loop runs the given function when it reads it.

#include <functional>

class QObject;

// Installs the handlers; onQuit runs on the calling thread's event loop, once per signal.
// The notifier is a child of context. False when the pipe or a handler cannot be set up.
bool InstallQuitSignalHandlers(QObject *context, std::function<void()> onQuit);
