// The sibling programs: the firmware updater, started on a cable connection, and the
// on-screen display, fed with short texts.
#include "varnelwidget.h"

#include "applogging.h"
#include "devicetable.h"
#include "kestpushbutton.h"
#include "osdlink.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace {

QString osdProgramPath()
{
    return AppDir() + "/OSD.exe";
}

} // namespace

QString VarnelWidget::wiredUpdaterPath()
{
    return AppDir() + "/skin/mouse/bin/QX11AB-TL8271-3335-VER1.3.exe";
}

void VarnelWidget::onTabButtonClicked(KestPushButton *button)
{
    if (button == m_pFirmwareButton) {
        m_pFirmwareButton->setButtonChecked(false);
        const bool onCable = g_deviceTable.count > 0 && g_deviceTable.entries[0].foundC == 1;
        if (!onCable) {
            showMessage(2, QObject::tr("To update the firmware, please connect to the computer with a cable."));
            return;
        }
        if (showMessage(1, QObject::tr("Do you want to upgrade the firmware?")) != 1)
            return;
        stopBatteryThread();
        const QString updater = wiredUpdaterPath();
        if (!QProcess::startDetached(updater, {updater})) {
            showMessage(2, QObject::tr("The firmware updater could not be started."));
            startBatteryThread();
            return;
        }
        // The updater needs the device to itself: the program ends, handles closed.
        quitProgram();
        return;
    }
    for (int i = 0; i < kPageTabs; ++i) {
        if (button == m_pTabButtons[i])
            switchPage(i);
    }
}

void VarnelWidget::sendToOsd(const QString &text)
{
    const QColor colour = CurrentThemeColor();
    const QByteArray record = BuildOsdTextRecord(text, colour.red(), colour.green(), colour.blue());
    const QString server = QString::fromLatin1(kOsdWindowTitle);
    if (SendOsdRecord(server, record))
        return;
    // Not running: start it, unless it is not installed at all.
    if (!QFileInfo::exists(osdProgramPath()))
        return;
    for (int start = 0; start < 5; ++start) {
        QProcess::startDetached(osdProgramPath(), {});
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 500) {
            if (SendOsdRecord(server, record))
                return;
            QThread::msleep(50);
        }
    }
    qCDebug(lcApp, "SendMessage failed\n");
}
