// Which mice are present: hot-plug of the receiver and the cable, the model list, the
// "Dongle Disconnect!" warning, and the battery and status thread.
#include "varnelwidget.h"

#include "applogging.h"
#include "batterythread.h"
#include "configio.h"
#include "configuredfont.h"
#include "devicetable.h"
#include "hotplugmonitor.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "profilefiles.h"
#include "unsentmark.h"
#include "windowhelpers.h"

#include <QDebug>
#include <QLineEdit>
#include <QMenu>
#include <QThread>
#include <QTimer>

namespace {

// One connection (receiver or cable) of a device-table row: its IDs and its two collections.
struct Connection {
    int vendorId, productId, releaseMin, releaseMax;
    int *mouseFound, *commandFound;
    std::string *mousePath, *commandPath;
};

Connection connectionOf(DeviceEntry &row, bool cable)
{
    if (cable)
        return {row.wiredVid, row.wiredPid, row.wiredReleaseMin, row.wiredReleaseMax, &row.foundC, &row.foundD, &row.pathC, &row.pathD};
    return {row.dongleVid, row.donglePid, row.dongleReleaseMin, row.dongleReleaseMax, &row.foundA, &row.foundB, &row.pathA, &row.pathB};
}

// The collections of the connection that the node at path carries: 1 mouse (its first
// collection), 4 command (its fourth). On arrival from the node's collection numbers, on
// removal from the paths recorded in the table (the node is gone by then).
QList<int> collectionKinds(const Connection &c, const QByteArray &path, bool arrived, const QList<int> &collections)
{
    QList<int> kinds;
    if (!arrived) {
        if (path.toStdString() == *c.mousePath)
            kinds << 1;
        if (path.toStdString() == *c.commandPath)
            kinds << 4;
        return kinds;
    }
    if (collections.contains(1))
        kinds << 1;
    if (collections.contains(kDongleCommandCollection))
        kinds << 4;
    return kinds;
}

// The connected product's name kept for the next start; the next device change tries again.
void keepProductName(const QString &name)
{
    if (!SetCurrentProductName(name))
        WarnNotKept("product name", name);
}

} // namespace

bool DevicePairComplete(const DeviceEntry &row)
{
    return (row.foundA == 1 && row.foundB == 1) || (row.foundC == 1 && row.foundD == 1);
}

KestMessageBox *VarnelWidget::warningBox() const
{
    return m_pWarningBox;
}

void VarnelWidget::registerHidNotification()
{
    HidHotplugMonitor *monitor = HidHotplugMonitor::instance();
    connect(monitor, &HidHotplugMonitor::hidInterfaceChanged, this, &VarnelWidget::onHidDeviceChanged,
            Qt::UniqueConnection);
    m_hDevNotify = monitor->start();
    if (!m_hDevNotify)
        qCDebug(lcApp, "注册失败");
}

void VarnelWidget::onHidDeviceChanged(const QString &pathText, int vendorId, int productId, bool arrived,
                                      const QList<int> &collections)
{
    if (m_bJobRunning) {
        // Handles and configuration belong to the running job; this waits until it ended.
        m_pendingHotplug.append({pathText, vendorId, productId, arrived, collections});
        return;
    }
    qCDebug(lcApp, arrived ? "DBT_DEVICEARRIVAL\n" : "DBT_DEVICEREMOVECOMPLETE\n");
    const QByteArray path = pathText.toLocal8Bit();
    for (int r = 0; r < g_deviceTable.count; ++r) {
        DeviceEntry &row = g_deviceTable.entries[r];
        bool cable;
        if (vendorId == row.dongleVid && productId == row.donglePid)
            cable = false;
        else if (vendorId == row.wiredVid && productId == row.wiredPid)
            cable = true;
        else
            continue;
        const Connection c = connectionOf(row, cable);
        const QList<int> kinds = collectionKinds(c, path, arrived, collections);
        const QString model = row.modelName;
        bool changed = false;
        bool reopened = false;

        if (arrived) {
            const int release = GetDeviceReleaseNumber(path.constData());
            const bool inRange = ReleaseAccepted(release, c.releaseMin, c.releaseMax);
            for (int kind : kinds) {
                if (!inRange)
                    break;
                int *found = kind == 1 ? c.mouseFound : c.commandFound;
                *(kind == 1 ? c.mousePath : c.commandPath) = path.toStdString();
                changed = changed || *found == 0;
                *found = 1;
            }
            if (*c.mouseFound == 1 && *c.commandFound == 1) {
                const bool wasEmpty = m_iConnectedCount == 0;
                RefreshMouseList(1);
                if (!wasEmpty)
                    OpenDeviceByName(GetCurrentProductName());
                else
                    QTimer::singleShot(200, this, &VarnelWidget::slotWarnClose);
            }
        } else {
            bool alreadyClear = false;
            for (int kind : kinds) {
                int *found = kind == 1 ? c.mouseFound : c.commandFound;
                alreadyClear = alreadyClear || *found == 0;
                *found = 0;
            }
            if (alreadyClear)
                continue;
            if (row.foundA == 0 && row.foundB == 0 && row.foundC == 0 && row.foundD == 0) {
                countConnectedDevices();
                if (m_iConnectedCount == 0) {
                    stopBatteryThread();
                    CloseDevice();
                    m_iPlugIn = 0;
                    g_warningShown = 1;
                    QTimer::singleShot(200, this, &VarnelWidget::slotWarning);
                } else {
                    const QString before = GetCurrentProductName();
                    RefreshMouseList(1);
                    if (before == model) {
                        stopBatteryThread();
                        CloseDevice();
                        OpenDeviceByName(GetCurrentProductName());
                        startBatteryThread();
                        reloadAfterDeviceChange(false, false);
                        reopened = true;
                    }
                }
            }
        }

        if (GetCurrentProductName() == model && (*c.mouseFound == 1 || *c.commandFound == 1) && !reopened) {
            stopBatteryThread();
            CloseDevice();
            QThread::msleep(500);  // lets the new interfaces settle before they are opened
            OpenDeviceByName(model);
            startBatteryThread();
        }
        if (changed)
            SetDiff(1);
    }
    updateConnectionIcons();
    stopBatteryThread();
    startBatteryThread();
}

void VarnelWidget::RefreshMouseList(int)
{
    m_modelNames.clear();
    m_iConnectedCount = 0;
    if (m_pModelMenu)
        m_pModelMenu->deleteLater();
    m_pModelMenu = new QMenu(this);
    for (int r = 0; r < g_deviceTable.count && r < 255; ++r) {
        if (!DevicePairComplete(g_deviceTable.entries[r]))
            continue;
        const QString name = g_deviceTable.entries[r].modelName;
        m_modelNames.append(name);
        m_pModelMenu->addAction(name);
        ++m_iConnectedCount;
    }
    if (m_iConnectedCount <= 1) {
        m_pMouseNameButton->hide();
        if (m_iConnectedCount == 1) {
            qCDebug(lcApp) << "RefreshMouseList " << m_modelNames.first();
            keepProductName(m_modelNames.first());
        } else {
            keepProductName(QString());
        }
        return;
    }
    m_pMouseNameButton->show();
    const QString current = GetCurrentProductName();
    if (m_modelNames.contains(current)) {
        m_pMouseNameButton->setButtonText(current);
        keepProductName(current);
    } else {
        keepProductName(m_modelNames.first());
    }
    connect(m_pModelMenu, &QMenu::triggered, this, &VarnelWidget::slot_show_mousename);
    m_pMouseNameButton->setMenu(m_pModelMenu);
    m_pModelMenu->setFixedWidth(int(150 * m_dScaleFactor));
    m_pModelMenu->setStyleSheet(MenuStyleSheet());
    m_pModelMenu->setFont(ConfiguredFont());
}

void VarnelWidget::reloadAfterDeviceChange(bool layoutPass, bool selectFirstButton)
{
    m_selectedGroup = 0;
    m_selectedIndex[0] = m_selectedIndex[1] = m_selectedIndex[2] = 0;
    m_savedGroup = 0;
    m_bFrontView = true;
    resetMouseImages();
    if (layoutPass)
        applyScaledLayout();
    LoadConfig(g_loadedDeviceConfig);
    g_deviceConfig = g_loadedDeviceConfig;
    const int slot = CurrentSlot();
    m_pSlotButton->setButtonText(m_pSlotActions[slot]->text());
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[slot]);
    loadProfileList();
    rebuildProfileMenu();
    CreateDefaultProfileFile();
    switchPage(0);
    if (selectFirstButton) {
        selectHotspot(0, 0);
        if (m_pBtnWindow)
            m_pBtnWindow->ShowPanel(0, 0);
    }
    updateWheelMarkImages();
    refreshPages();
}

void VarnelWidget::slot_show_mousename(QAction *action)
{
    stopBatteryThread();
    QThread::msleep(50);
    CloseDevice();
    QThread::msleep(50);
    const QString name = action->text();
    m_pMouseNameButton->setButtonText(name);
    keepProductName(name);
    m_selectedGroup = 0;
    m_selectedIndex[0] = m_selectedIndex[1] = m_selectedIndex[2] = 0;
    m_savedGroup = 0;
    m_bFrontView = true;
    OpenDeviceByName(name);
    QThread::msleep(50);
    reloadAfterDeviceChange(true, false);
    startBatteryThread();
}

void VarnelWidget::slotWarnClose()
{
    stopBatteryThread();
    OpenDeviceByName(GetCurrentProductName());
    startBatteryThread();
    reloadAfterDeviceChange(true, true);
    m_iPlugIn = 1;
}

void VarnelWidget::slotWarning()
{
    showMainWindow();
}

void VarnelWidget::showMainWindow()
{
    show();
    if (m_iConnectedCount != 0) {
        activateWindow();
        return;
    }
    if (m_pWarningBox)
        return;  // one warning at a time
    g_warningShown = 1;
    KestMessageBox box(4, QString(), QObject::tr("Warning"), QObject::tr("Dongle Disconnect!"), this, true, Qt::FramelessWindowHint);
    m_pWarningBox = &box;
    const int result = box.exec();
    m_pWarningBox = nullptr;
    // Cleared however the box closed (Ok, Escape, the device's return).
    g_warningShown = 0;
    if (result == 1 && m_iConnectedCount == 0 && !m_bQuitWhenHidden)
        hide();  // back to the tray
}

void VarnelWidget::connectBatteryThreads()
{
    // Every thread the device link starts (also the download's restart) reports here,
    // connected before it starts, so no first report is missed.
    SetBatteryThreadConnector([this](KestGetBatteryThread &thread) {
        connect(&thread, &KestGetBatteryThread::RefreshBatteryStatus, this, &VarnelWidget::slotRefreshBatteryStatus);
        connect(&thread, &KestGetBatteryThread::RefreshStatus, this, &VarnelWidget::slotRefreshStatus);
        connect(&thread, &KestGetBatteryThread::RefreshWriteStatus, this, &VarnelWidget::slotRefreshWriteStatus);
    });
}

int VarnelWidget::startBatteryThread()
{
    return StartBatteryThread();  // stops one still running first: one poller at a time
}

void VarnelWidget::stopBatteryThread()
{
    StopBatteryThread();  // joins it
}
