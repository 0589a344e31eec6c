#pragma once
// Whether the desktop shows a window's transparent parts as transparent. Windows always
// composites; an X server without a compositing manager shows them black, so a window
// that relies on them has to paint or shape itself there.

#include <optional>

// True on Wayland and on X11 while a compositing manager runs; false elsewhere (also on
// the offscreen platform).
bool TranslucentWindowsSupported();

// ---- testing ----
// Fixes the answer; std::nullopt asks the desktop again.
void SetTranslucentWindowsSupportedForTesting(std::optional<bool> supported);
