// The window's buttons: the write job with its busy dialog, OK, Cancel, Apply, RESET,
// Reset All, configuration files and profile export and import.
#include "varnelwidget.h"

#include "applogging.h"
#include "configio.h"
#include "filedialogs.h"
#include "kestbtnwindow.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "profilefiles.h"
#include "profileio.h"
#include "stagedfile.h"
#include "windowhelpers.h"
#include "writejob.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLineEdit>

int VarnelWidget::showMessage(int type, const QString &text)
{
    KestMessageBox box(type, QString(), QObject::tr("Warning"), text, this, false, Qt::FramelessWindowHint);
    return box.exec();
}

void VarnelWidget::showWriteFailure() { showMessage(2, QObject::tr("The file could not be written.")); }

void WarnNotKept(const char *what, const QString &value)
{
    qCWarning(lcApp) << what << value << "not written to" << ConfigIniPath()
                     << "(the store's warning says why); the next one tries again";
}

void VarnelWidget::slotPopOneClickBox()
{
    showMessage(2, QObject::tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

int VarnelWidget::runWriteJob(bool sendAll)
{
    KestProcessDialog dialog(this, nullptr, Qt::WindowFlags());
    KestProcessThread job;
    job.m_fullDownload = sendAll;
    connect(&job, &KestProcessThread::DoProcessDlg, &dialog, &KestProcessDialog::slotProcessDlg);
    // The thread's end closes the dialog too, should the job ever return without its signal.
    dialog.watchJob(&job);
    m_bJobRunning = true;
    job.start(QThread::InheritPriority);
    const int accepted = dialog.exec();
    // The result is only final once the worker has returned.
    job.join();
    m_bJobRunning = false;
    const int result = job.m_result;
    // A save that failed sent nothing; the edits stay in the window for the next try.
    if (accepted == 1 && result == kJobSaveFailed)
        showWriteFailure();
    else if (accepted == 1 && result != kJobDone)
        showMessage(1, result == kJobAsleep ? QObject::tr("Mouse is sleeping or not connected.")
                                            : QObject::tr("Send data failed, please try again."));
    handleDeferredEvents();
    return result;
}

void VarnelWidget::handleDeferredEvents()
{
    const QList<PendingHotplug> events = m_pendingHotplug;
    m_pendingHotplug.clear();
    for (const PendingHotplug &event : events)
        onHidDeviceChanged(event.path, event.vendorId, event.productId, event.arrived, event.collections);
    if (m_bStatusPending) {
        m_bStatusPending = false;
        slotRefreshStatus(m_pendingStatus[0], m_pendingStatus[1], m_pendingStatus[2], m_pendingStatus[3]);
    }
}

void VarnelWidget::resetProfile()
{
    if (showMessage(1, QObject::tr("Are you sure you want reset this profile?")) != 1)
        return;
    const int slot = CurrentSlot();
    qCDebug(lcApp, "Accepted %d", slot);
    InitProfileDefaults(g_deviceConfig.profiles[slot], slot);
    updateTexts();
    updateWheelMarkImages();
    resetMouseImages();
    refreshPages();
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[slot]);
    runWriteJob(false);
}

void VarnelWidget::resetAllProfiles()
{
    if (showMessage(1, QObject::tr("Are you sure you want reset all profiles?")) != 1)
        return;
    InitDefaultProfiles(g_deviceConfig);
    refreshPages();
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[CurrentSlot()]);
    runWriteJob(true);
}

void VarnelWidget::saveConfigFile()
{
    const QString path = AskSaveFileName(this, QObject::tr("Save Config File"), QString(), QObject::tr("Config File(*.conf)"), "conf");
    if (path.isEmpty())
        return;
    if (SaveConfigV2(g_deviceConfig, path, GetCurrentProductName()) != kStoreOk)
        showWriteFailure();
}

void VarnelWidget::loadConfigFile(const QString &path)
{
    if (GetMouseName(path) != GetCurrentProductName())
        return;  // a file of another product
    ReadConfig(g_deviceConfig, path);  // an unsafe slot name becomes the slot's default name
    switchPage(0);
    updateWheelMarkImages();
    resetMouseImages();
    refreshPages();
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[CurrentSlot()]);
    runWriteJob(false);
}

void VarnelWidget::exportProfile(const QString &path)
{
    const int slot = CurrentSlot();
    const QString name = g_deviceConfig.profileFiles[slot];
    const QString source = ProfileFilePath(name);
    EnsureSlotProfileFile(slot);  // no job may have written it yet
    // Onto its own file: the copy would replace the file by itself, after removing it.
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if (!sourceFile.isEmpty() && QFileInfo(path).canonicalFilePath() == sourceFile)
        return;
    // The file dialog has asked before an existing file is replaced; a failed copy keeps it.
    if (!SetMouseName(GetCurrentProductName(), source) || !CopyIntoPlace(source, path))
        showWriteFailure();
}

void VarnelWidget::importProfile(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    const QString target = ProfileFilePath(name);
    if (GetMouseName(path) != GetCurrentProductName()) {
        showMessage(2, QObject::tr("The file is not match current mouse!"));
        return;
    }
    qCDebug(lcApp) << name;
    if (!checkProfileName(name))
        return;
    if (FileExists(target)) {
        showMessage(2, QObject::tr("Profile Exist!"));
        return;
    }
    if (!EnsureProfileFolder() || !QFile::copy(path, target)) {
        showWriteFailure();
        return;
    }
    m_profileList.append(name);
    if (!saveProfileFileList()) {
        m_profileList.removeLast();
        QFile::remove(target);
        showWriteFailure();
        return;
    }
    rebuildProfileMenu();
    const int slot = CurrentSlot();
    ReadProfile(0, g_deviceConfig.profiles[slot], target);
    g_deviceConfig.profiles[slot].ProfileName = name;
    refreshPages();
    g_deviceConfig.profileFiles[slot] = name;
    m_profileNameEdit->setText(name);
    runWriteJob(false);
}

void VarnelWidget::onProfileButtonClicked()
{
    auto *button = qobject_cast<KestPushButton *>(sender());
    if (!button)
        return;
    if (button == m_pCloseButton) {
        hideToTray();
    } else if (button == m_pMinimizeButton) {
        showMinimized();
    } else if (button == m_pProfileButton) {
        renameCurrentProfile(m_profileNameEdit->text());
    } else if (button == m_pAddButton) {
        addProfile();
    } else if (button == m_pDeleteButton) {
        deleteProfile();
    } else if (button == m_pCopyButton) {
        copyProfile();
    } else if (button == m_pLoadButton) {
        const QString path = AskOpenFileName(this, QObject::tr("Load Config File"), QObject::tr("Config File(*.conf)"));
        if (!path.isEmpty())
            loadConfigFile(path);
    } else if (button == m_pSaveButton) {
        saveConfigFile();
    } else if (button == m_pExportButton) {
        const QString path = AskSaveFileName(this, QObject::tr("Save Profile File"), QString(), QObject::tr("Profile File(*.prof)"), "prof");
        if (!path.isEmpty())
            exportProfile(path);
    } else if (button == m_pImportButton) {
        const QString path = AskOpenFileName(this, QObject::tr("Load Profile File"), QObject::tr("Profile File(*.prof)"));
        if (!path.isEmpty())
            importProfile(path);
    } else if (button == m_pResetButton) {
        resetProfile();
    } else if (button == m_pResetAllButton) {
        resetAllProfiles();
    } else if (button == m_pOkButton) {
        // The pages' values first, as Apply does, or the job would send stale values.
        collectPageSettings();
        runWriteJob(false);
        hideToTray();
    } else if (button == m_pCancelButton) {
        hideToTray();
        // The lighting page also edits the first slot (its sleep settings, and all of its
        // lighting for the "4671"), whichever slot is current: drop those edits too.
        if (CurrentSlot() != 0)
            ReadSlotProfile(g_deviceConfig.profiles[0], g_deviceConfig.profileFiles[0], 0);
        switchProfile(CurrentSlot(), true);
    } else if (button == m_pApplyButton) {
        collectPageSettings();
        runWriteJob(false);
    } else if (button == m_pFrontViewButton) {
        m_bFrontView = true;
        m_selectedGroup = m_savedGroup;
        showMouseView(true);
    } else if (button == m_pSideViewButton) {
        m_bFrontView = false;
        m_savedGroup = m_selectedGroup;
        m_selectedGroup = 1;
        showMouseView(false);
    } else {
        for (KestPushButton *slotButton : m_pProfileSlotButtons) {
            if (button != slotButton)
                continue;
            for (KestPushButton *b : m_pProfileSlotButtons)
                b->setButtonChecked(false);
            m_pProfileSlotButtons[0]->setButtonChecked(true);
            return;
        }
        for (int i = 0; i < kPageTabs; ++i) {
            if (button == m_pTabButtons[i]) {
                switchPage(i);
                return;
            }
        }
        for (int k = 0; k < kMarkCount; ++k) {
            if (button == m_pFrontMarks[k]) {
                selectHotspot(quint8(k), 0);
                if (m_pBtnWindow)
                    m_pBtnWindow->ShowPanel(k, 0);
                return;
            }
        }
        for (int j = 0; j < 2; ++j) {
            if (button != (j == 0 ? m_pWheelUpMark : m_pWheelDownMark))
                continue;
            selectHotspot(quint8(j), 2);
            if (m_pBtnWindow)
                m_pBtnWindow->ShowPanel(j, 2);
        }
    }
}
