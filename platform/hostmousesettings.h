#pragma once
// The desktop's own mouse settings, where Windows opened "control.exe main.cpl": the first
// mouse-settings program of the common desktops found in PATH, started detached.

// false (and a debug line) when none is installed or it could not be started.
bool OpenHostMouseSettings();
