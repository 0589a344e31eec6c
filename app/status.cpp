// What the battery and status thread reports: battery bar, write status, and the profile,
// DPI stage and report rate changed on the mouse itself.
#include "varnelwidget.h"

#include "applogging.h"
#include "batterythread.h"
#include "devicetable.h"
#include "kestdpiwindow.h"
#include "kestlabel.h"
#include "kestprocessbar.h"
#include "kestreportrate.h"
#include "pointerspeed.h"
#include "sensordpi.h"
#include "unsentmark.h"
#include "windowhelpers.h"

#include <QLabel>

QString BatteryBarStyle(const QColor &chunk, int fontPixels, bool asleep, bool atStart)
{
    const QString background = asleep ? "rgb(100,100,100)" : "#FFFFFF";
    const QString chunkColour = asleep ? QString("rgb(100,100,100)")
                                       : QString("rgb(%1,%2,%3)").arg(chunk.red()).arg(chunk.green()).arg(chunk.blue());
    const QString text = asleep ? "rgb(255, 255, 255)" : "rgb(0, 0, 0)";
    const QString timeline = atStart ? "; -qproperty-timeline-duration: 20000" : "";
    return QString("QProgressBar{border:none; background-color: %1; border-radius:2px" + timeline + "}"
                   " QProgressBar::chunk{background-color:%2; border-radius:2px}"
                   " QProgressBar{text-align: center; font-size: %3px; font-weight:bold; color: %4}")
        .arg(background, chunkColour)
        .arg(fontPixels)
        .arg(text);
}

int BatteryLevelFromVoltage(quint8 low, quint8 high)
{
    const int v = (high * 256 + low) * 990;  // millivolts × 240
    if (v / 240 >= 4200)
        return 100;
    static const struct {
        int above;
        int level;
    } kSteps[] = {{983999, 90}, {959999, 80}, {935999, 70}, {911999, 60},
                  {887999, 50}, {839999, 40}, {815999, 30}, {767999, 20}};
    for (const auto &step : kSteps) {
        if (v > step.above)
            return step.level;
    }
    return 10;
}

void VarnelWidget::slotRefreshBatteryStatus(quint8 charging, quint8 low, quint8 high)
{
    const int fontPixels = int(14 * m_dScaleFactor);
    if (charging == 0 && low == 0 && high == 0) {
        m_pBatteryBar->setFormat(QObject::tr(""));
        m_pBatteryBar->setBarText(QObject::tr(""));
        m_pBatteryBar->setTextVisible(false);
        m_pBatteryBar->setStyleSheet(BatteryBarStyle(QColor(), fontPixels, true));
        m_pChargeIcon->hide();
        g_deviceAsleep = 1;
        return;
    }
    m_pBatteryBar->setBarText(QString());
    m_pBatteryBar->setFormat(QString());
    m_pBatteryBar->setTextVisible(true);
    g_deviceAsleep = 0;
    m_pBatteryBar->setStyleSheet(BatteryBarStyle(CurrentThemeColor(), fontPixels, false));
    m_charging = charging;
    m_pChargeIcon->setVisible(charging != 0);

    const int level = BatteryLevelFromVoltage(low, high);
    if (level != m_batteryLevel) {
        m_batteryLevel = level;
        if (!SetBattery(level))
            WarnNotKept("battery level", QString::number(level));
    }
    const bool onCable = g_deviceTable.count > 0 && g_deviceTable.entries[0].foundD == 1;
    m_pBatteryBar->setValue(onCable ? 100 : level);
    m_pBatteryBar->setBarText(QString());
    updateConnectionIcons();
}

void VarnelWidget::slotRefreshWriteStatus(quint8 status)
{
    if (status == 0)
        SetDiff(1);
}

void VarnelWidget::slotRefreshStatus(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode)
{
    if (m_bJobRunning) {
        // The job owns the configuration until it ends; the latest report is handled then.
        m_bStatusPending = true;
        m_pendingStatus[0] = profile;
        m_pendingStatus[1] = dpiStage;
        m_pendingStatus[2] = rate;
        m_pendingStatus[3] = mode;
        return;
    }
    // A profile or stage outside the tables would index past them, a rate the page does not
    // offer would be stored and sent back: such a value is dropped.
    if (profile >= kProfileCount)
        qCDebug(lcApp, "status report: profile %d dropped\n", profile);
    else if (profile != g_deviceConfig.ProfileID)
        slotRefreshProfile(profile);
    const ProfileRecord &current = g_deviceConfig.profiles[CurrentSlot()];
    if (dpiStage >= kDpiStages)
        qCDebug(lcApp, "status report: DPI stage %d dropped\n", dpiStage);
    else if (dpiStage != current.dpi)
        slotRefreshDPIStage(dpiStage);
    if (!IsOfferedReportRate(rate))
        qCDebug(lcApp, "status report: report rate %d dropped\n", rate);
    else if (rate != current.pollrate)
        slotRefreshRate(rate);
    Q_UNUSED(mode)
}

void VarnelWidget::slotRefreshProfile(quint8 profile)
{
    switchProfile(profile, false);
    rebuildProfileMenu();
    ApplyPointerSpeed();
    sendToOsd(QObject::tr("Profile") + QString::asprintf(" %d", profile + 1));
}

void VarnelWidget::slotRefreshDPIStage(quint8 stage)
{
    const int slot = CurrentSlot();
    const int index = ClampIndex(stage, kDpiStages);
    ProfileRecord &current = g_deviceConfig.profiles[slot];
    current.dpi = quint8(index);
    if (m_pDPIWindow)
        m_pDPIWindow->refreshStages(quint8(index));
    if (!SaveProfileDpi(g_deviceConfig.profileFiles[slot], index))
        showWriteFailure();
    const int dpi = SensorValueToDpi(qint32(current.dpiInfo[index].x), GetMouseSensor());
    sendToOsd(QObject::tr("DPI") + QString::asprintf(" %d:%d", index + 1, dpi));
}

void VarnelWidget::slotRefreshRate(quint8 rate)
{
    ProfileRecord &current = g_deviceConfig.profiles[CurrentSlot()];
    current.pollrate = rate;
    if (m_pReportRate)
        m_pReportRate->setReportRate(&current, g_deviceConfig.LiftHigh);
    QString text;
    switch (rate) {
    case 8: text = QObject::tr("125 HZ"); break;
    case 4: text = QObject::tr("250 HZ"); break;
    case 2: text = QObject::tr("500 HZ"); break;
    case 1: text = QObject::tr("1000 HZ"); break;
    default: break;
    }
    sendToOsd(text);
}
