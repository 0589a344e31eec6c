// Operations of the main window that nothing in the program calls; kept apart from the
// live code.
#include "varnelwidget.h"

#include "devicetable.h"
#include "kestpushbutton.h"
#include "profilefiles.h"
#include "windowhelpers.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QThread>

int VarnelWidget::resumeBatteryThread()
{
    return startBatteryThread();
}

void VarnelWidget::pauseBatteryThread()
{
    stopBatteryThread();
}

void VarnelWidget::stopBatteryThreadAndHide()
{
    stopBatteryThread();
    QThread::msleep(50);
    hide();
}

bool VarnelWidget::isNameUsedByOtherSlot(int slot, const QString &name) const
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (i != slot && g_deviceConfig.profileFiles[i] == name)
            return true;
    }
    return false;
}

char VarnelWidget::driveLetterFromMask(quint32 unitMask)
{
    for (int i = 0; i < 26; ++i) {
        if (unitMask & (1u << i))
            return char('A' + i);
    }
    return '[';
}

bool VarnelWidget::isStoredProfileName(const QString &name) const
{
    const QSettings list(ProfileListIniPath(), QSettings::IniFormat);
    const int count = list.value("PROFILE_LIST/SCount").toInt();
    for (int i = 1; i <= count; ++i) {
        if (list.value(QString::asprintf("PROFILE_LIST/S%d", i)).toString() == name)
            return true;
    }
    return false;
}

QString VarnelWidget::modelNameForIds(int vendorId, int productId) const
{
    for (int r = 0; r < g_deviceTable.count; ++r) {
        const DeviceEntry &row = g_deviceTable.entries[r];
        if ((row.dongleVid == vendorId && row.donglePid == productId)
            || (row.wiredVid == vendorId && row.wiredPid == productId))
            return row.modelName;
    }
    return QString();
}

void VarnelWidget::copySkinResource(const QString &name, const QString &target)
{
    QFile::copy(":/skin/" + name, target);
}

bool VarnelWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pFrontMarks[0]) {
        if (event->type() == QEvent::Enter)
            m_pFrontMarks[0]->setButtonChecked(false);
        else if (event->type() == QEvent::Leave)
            m_pFrontMarks[0]->setButtonChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void VarnelWidget::slot_show_profilename(QAction *action)
{
    m_pSlotButton->setButtonText(action->text());
    g_deviceConfig.profileFiles[CurrentSlot()] = action->text();
}

void VarnelWidget::OnProfileMenuCheck(QWidget *)
{
}
