// Page tabs, the mouse picture's marks, profile slots, and gathering the pages' values.
#include "varnelwidget.h"

#include "commands.h"
#include "devicedefaults.h"
#include "devicetable.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestcolorwindow.h"
#include "kestdpiwindow.h"
#include "kestpointspeed.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "macrodialog.h"
#include "pointerspeed.h"
#include "profilefiles.h"
#include "windowhelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>

void VarnelWidget::switchPage(int page)
{
    if (page == 0 && GetLedDisable() != 0)
        page = 1;
    page = qBound(0, page, kPageTabs - 1);
    if (m_bPagesLocked)
        page = 3;  // recording or step editing: STOP, SAVE and CANCEL stay in reach
    for (KestPushButton *tab : m_pTabButtons)
        tab->setButtonChecked(false);
    m_pTabButtons[page]->setButtonChecked(true);

    const bool pictures = page == 0 || page == 1;
    m_pModelLabel->setVisible(pictures);
    m_pFrontImage->setVisible(pictures);
    m_pSideImage->setVisible(page == 1);
    m_pFrontViewButton->setVisible(page == 1);
    m_pSideViewButton->setVisible(page == 1);
    for (int i = 0; i < kMarkCount; ++i) {
        m_pFrontMarks[i]->hide();
        m_pSideMarks[i]->hide();
    }
    m_pWheelUpMark->setVisible(page == 1);
    m_pWheelDownMark->setVisible(page == 1);
    if (page == 1)
        showMouseView(m_bFrontView);
    if (m_pBtnWindow) {
        m_pBtnWindow->setVisible(page == 1);
        m_pBtnScrollArea->setVisible(page == 1);
    }
    if (m_pDPIWindow)
        m_pDPIWindow->setVisible(page == 2);
    if (m_pPointSpeed)
        m_pPointSpeed->setVisible(page == 2);
    if (m_pReportRate)
        m_pReportRate->setVisible(page == 2);
    if (m_pColorWindow)
        m_pColorWindow->setVisible(page == 0);
    if (m_pMacroDialog)
        m_pMacroDialog->setVisible(page == 3);
}

void VarnelWidget::slotGotoMacro(quint8 page)
{
    switchPage(page);
}

void VarnelWidget::showMouseView(bool front)
{
    m_pFrontImage->setVisible(front);
    m_pFrontViewButton->setButtonChecked(front);
    m_pSideImage->setVisible(!front);
    m_pSideViewButton->setButtonChecked(!front);
    for (int i = 0; i < kMarkCount; ++i) {
        m_pFrontMarks[i]->setVisible(front);
        m_pSideMarks[i]->setVisible(!front);
    }
    m_pWheelUpMark->setVisible(front);
    m_pWheelDownMark->setVisible(front);
    if (m_pBtnWindow) {
        const int group = qBound(0, m_selectedGroup, 2);
        m_pBtnWindow->SelectButton(m_selectedIndex[group], group);
    }
}

void VarnelWidget::selectHotspot(quint8 index, quint8 group)
{
    if (group > 2 || index >= kMarkCount)
        return;
    m_selectedGroup = group;
    m_selectedIndex[group] = index;
    highlightHotspot(index, group);
}

// Every mark checked but the selected one, which so stands out.
void VarnelWidget::highlightHotspot(quint8 index, quint8 group)
{
    if (group > 2 || index >= kMarkCount)
        return;
    for (int i = 0; i < kMarkCount; ++i) {
        m_pFrontMarks[i]->setButtonChecked(true);
        m_pSideMarks[i]->setButtonChecked(true);
    }
    m_pWheelUpMark->setButtonChecked(true);
    m_pWheelDownMark->setButtonChecked(true);
    if (group == 0)
        m_pFrontMarks[index]->setButtonChecked(false);
    else if (group == 1)
        m_pSideMarks[index]->setButtonChecked(false);
    else
        (index == 0 ? m_pWheelUpMark : m_pWheelDownMark)->setButtonChecked(false);
}

void VarnelWidget::SelBtnChanged(quint8 index, quint8 group)
{
    selectHotspot(index, group);
}

void VarnelWidget::switchProfile(int index, bool reload)
{
    index = ClampIndex(index, kProfileCount);
    m_pSlotButton->setButtonText(m_pSlotActions[index]->text());
    g_deviceConfig.ProfileID = quint8(index);
    if (reload) {
        const QString &name = g_deviceConfig.profileFiles[index];
        ReadSlotProfile(g_deviceConfig.profiles[index], name, index);
        g_deviceConfig.profiles[index].ProfileName = name;
    }
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[index]);
    refreshPages();
    // The mouse holds the profile it runs: the file only keeps it for the next start.
    if (!SetProfileID(index))
        WarnNotKept("current profile", QString::number(index));
}

void VarnelWidget::refreshPages()
{
    const int slot = CurrentSlot();
    for (KestPushButton *b : m_pProfileSlotButtons)
        b->setButtonChecked(false);
    m_pProfileSlotButtons[slot]->setButtonChecked(true);
    ProfileRecord *record = &g_deviceConfig.profiles[slot];
    if (m_pColorWindow)
        m_pColorWindow->setProfileData(&g_deviceConfig.profiles[LightingProfileIndex(g_deviceConfig)]);
    if (m_pBtnWindow) {
        m_pBtnWindow->UpdateModelLayout();
        m_pBtnWindow->SetProfileData(record);
    }
    if (m_pPointSpeed)
        m_pPointSpeed->setProfileData(record, g_deviceConfig.Sync, g_deviceConfig.LiftHigh, g_deviceConfig.AngleValue,
                                      g_deviceConfig.Jitter, g_deviceConfig.Debounce, g_deviceConfig.Wake,
                                      g_deviceConfig.SensorMode);
    if (m_pReportRate)
        m_pReportRate->setReportRate(record, g_deviceConfig.LiftHigh);
    if (m_pDPIWindow)
        m_pDPIWindow->loadProfile(record, GetMouseSensor());
}

void VarnelWidget::onSlotMenuTriggered()
{
    int slot = -1;
    for (int i = 0; i < kProfileCount; ++i) {
        if (sender() == m_pSlotActions[i])
            slot = i;
    }
    if (slot < 0)
        return;
    switchProfile(slot, false);
    rebuildProfileMenu();
    const int selected = SendSelectProfile(slot);
    const int committed = CommitDeviceSettings();
    ApplyPointerSpeed();
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[slot]);
    if (selected != 0 || committed != 0)
        showMessage(1, QObject::tr("Send data failed, please try again."));
}

void VarnelWidget::rebuildProfileMenu()
{
    m_pProfileMenu->clear();
    // Later: the triggered action may be the one whose slot rebuilt the menu.
    for (KestAction *action : qAsConst(m_pProfileActions))
        action->deleteLater();
    m_pProfileActions.clear();
    for (const QString &name : qAsConst(m_profileList)) {
        if (m_pProfileActions.size() >= kProfileMenuMax)
            break;
        auto *action = new KestAction(name, this);
        m_pProfileActions.append(action);
        m_pProfileMenu->addAction(action);
        m_pProfileMenu->setFixedWidth(152);
        connect(action, &QAction::triggered, this, &VarnelWidget::onProfileMenuAction);
    }
    m_pProfileButton->setMenu(m_pProfileMenu);
}

QString VarnelWidget::replacementProfileName(int pos) const
{
    const int n = m_profileList.size();
    // The next entry, or the one before the last; then back towards the start while
    // another slot shows the candidate. Empty when no entry is free.
    for (int k = pos == n - 1 ? n - 2 : pos + 1; k >= 0; --k) {
        if (k != pos && k < n && !isProfileNameUsed(m_profileList.at(k)))
            return m_profileList.at(k);
    }
    return QString();
}

void VarnelWidget::collectPageSettings()
{
    ProfileRecord &record = g_deviceConfig.profiles[CurrentSlot()];
    if (m_pDPIWindow) {
        record.dpi = m_pDPIWindow->m_ProfileData.dpi;
        for (int i = 0; i < kDpiStages; ++i)
            record.dpiInfo[i] = m_pDPIWindow->m_ProfileData.dpiInfo[i];
    }
    if (m_pPointSpeed) {
        if (const ProfileRecord *page = m_pPointSpeed->m_pProfileData) {
            record.mousespeed = page->mousespeed;
            record.scrollspeed = page->scrollspeed;
        }
        g_deviceConfig.Sync = quint8(m_pPointSpeed->m_iSync);
        g_deviceConfig.LiftHigh = quint8(m_pPointSpeed->m_iLift);
        g_deviceConfig.AngleValue = quint8(m_pPointSpeed->m_iAngle);
        g_deviceConfig.Jitter = quint8(m_pPointSpeed->m_iJitter);
        g_deviceConfig.Debounce = quint8(m_pPointSpeed->m_iDebounce);
        g_deviceConfig.Wake = quint8(m_pPointSpeed->m_iWake);
        g_deviceConfig.SensorMode = quint8(m_pPointSpeed->m_iSensorMode);
    }
    if (m_pReportRate)
        record.pollrate = m_pReportRate->m_ProfileData.pollrate;
}

void VarnelWidget::slotEnableButtons(bool on)
{
    m_bPagesLocked = !on;
    for (KestPushButton *tab : m_pTabButtons)
        tab->setButtonEnabled(on);
    for (KestPushButton *b : {m_pLanguageButton, m_pCloseButton, m_pMinimizeButton, m_pFirmwareButton, m_pSlotButton,
                              m_pImportButton, m_pExportButton, m_pResetButton, m_pAddButton, m_pDeleteButton,
                              m_pCopyButton, m_pResetAllButton, m_pOkButton, m_pCancelButton, m_pApplyButton,
                              m_pProfileButton, m_pMouseNameButton, m_pLoadButton, m_pSaveButton})
        b->setButtonEnabled(on);
    m_profileNameEdit->setEnabled(on);
}

void VarnelWidget::slotLiftChange(quint8 lift)
{
    g_deviceConfig.LiftHigh = lift;
}

void VarnelWidget::slotRefreshLightMode(quint8 mode)
{
    if (m_pColorWindow)
        m_pColorWindow->setLightMode(mode);
}

void VarnelWidget::countConnectedDevices()
{
    m_iConnectedCount = 0;
    for (int row = 0; row < g_deviceTable.count; ++row) {
        if (DevicePairComplete(g_deviceTable.entries[row]))
            ++m_iConnectedCount;
    }
}
