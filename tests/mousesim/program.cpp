// Linked only into app-simulated: the first hid_init sets the simulated mouse up from MOUSESIM.
#include "mousesim.h"

namespace {
const bool g_registered = (SimSetUpAtFirstInit(), true);
}
