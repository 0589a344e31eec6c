#pragma once
// The pointer speed kept in each profile (`mousespeed`, 1-20) and the desktop's own
// setting. GUI thread. The host actions of the same family are in unusedops.h.

// The desktop's pointer speed (1-20).
int GetPointerSpeed();
// Applies the `mousespeed` of the working image's current profile; a refused value is
// logged and otherwise ignored.
void ApplyPointerSpeed();
