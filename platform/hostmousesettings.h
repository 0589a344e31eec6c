#pragma once
// The desktop's own mouse settings, where Windows opened "control.exe main.cpl": the first
// mouse-settings program of the common desktops in PATH that starts, started detached.

// false (and a debug line) when none is installed or none of those installed could be started;
// the caller tells the user.
bool OpenHostMouseSettings();
