#pragma once
// The desktop's pointer speed on the 1-20 scale of the mouse settings, 10 moving the
// pointer 1:1 (Windows kept it as SPI_GETMOUSESPEED / SPI_SETMOUSESPEED). On a GNOME Wayland
// session it is GNOME's own setting, org.gnome.desktop.peripherals.mouse speed, through the
// gsettings tool: there the X server below reaches XWayland clients only. Elsewhere, under X11,
// it is the server's pointer acceleration; without a display the value is kept for as long as
// the program runs.

constexpr int kPointerSpeedMin = 1;
constexpr int kPointerSpeedMax = 20;
constexpr int kPointerSpeedNeutral = 10;

// The current speed, always within 1-20.
int HostPointerSpeed();
// 0 when applied, else an errno value: EINVAL for a speed outside 1-20 (nothing changes),
// ENOENT when the gsettings tool cannot run, EIO when the desktop refused the value.
int SetHostPointerSpeed(int speed);

// GNOME's speed runs from -1 to 1 with 0 the desktop's default: 1-10 maps linearly onto
// -1..0 and 10-20 onto 0..1. Reading rounds to the nearest step and clamps to 1-20.
double GnomeSpeedFromPointerSpeed(int speed);
int PointerSpeedFromGnomeSpeed(double value);
