// Linked only into app-simulated: the first hid_init sets the simulated mouse up from MOUSESIM;
// MOUSESIM_LOG=FILE appends every report the mouse receives and sends to FILE.
#include "mousesim.h"

namespace {

bool setUp()
{
    SimSetUpAtFirstInit();
    const QString logPath = qEnvironmentVariable("MOUSESIM_LOG");
    if (!logPath.isEmpty() && !SimLogReportsTo(logPath))
        qWarning("MOUSESIM_LOG: cannot write %s", qPrintable(logPath));
    return true;
}

const bool g_registered = setUp();

} // namespace
