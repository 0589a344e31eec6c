#pragma once
// The desktop's pointer speed on the 1-20 scale of the mouse settings, 10 moving the
// pointer 1:1. Under X11 it is the server's pointer acceleration; without a display the
// value is kept for as long as the program runs.

constexpr int kPointerSpeedMin = 1;
constexpr int kPointerSpeedMax = 20;
constexpr int kPointerSpeedNeutral = 10;

// The current speed, always within 1-20.
int HostPointerSpeed();
// 0 when applied, else an errno value: EINVAL for a speed outside 1-20 (nothing changes).
int SetHostPointerSpeed(int speed);
