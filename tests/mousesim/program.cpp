// Linked only into veskaro-config-simulated: the first hid_init sets the simulated mouse up from MOUSESIM;
// MOUSESIM_LOG=FILE appends every report the mouse receives and sends to FILE.
// With MOUSESIM_APPLY=1 the program also presses its own Apply button once the main window is
// on screen, and says so on stdout ("shown", then "applied"): how a test drives an installed
// copy as a separate process.
#include "mousesim.h"
#include "kestpushbutton.h"
#include "varnelwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

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

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void pressApplyWhenShown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<VarnelWidget *>(widget);
        if (!window || !window->isVisible())
            continue;
        say("shown");
        QWidget *apply = window->m_pApplyButton;
        const QPointF centre = QRectF(apply->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(apply, &press);  // the job runs here, behind its busy dialog
        QCoreApplication::sendEvent(apply, &release);
        say("applied");
        return;
    }
    QTimer::singleShot(20, pressApplyWhenShown);
}

void startDriver()
{
    if (qgetenv("MOUSESIM_APPLY") == "1")
        QTimer::singleShot(0, pressApplyWhenShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
