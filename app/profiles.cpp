// The user's profile files: the list, ADD, COPY, rename, DELETE and choosing one into the
// current slot. Every profile file lives in the store's own folder, so what the list
// names is what the store reads and writes.
#include "varnelwidget.h"

#include "applogging.h"
#include "kestaction.h"
#include "profilefiles.h"
#include "profileio.h"
#include "windowhelpers.h"

#include <QDebug>
#include <QFile>
#include <QLineEdit>

namespace {

// Copies a profile file into the profile folder; an existing target is kept. False on failure.
bool copyProfileFile(const QString &source, const QString &target)
{
    return EnsureProfileFolder() && !QFile::exists(target) && QFile::copy(source, target);
}

// A new or renamed profile takes a name that no file, list entry or slot uses yet: a slot's
// file may not be written yet, and a listed name may have lost its file.
bool isNameFree(const QString &name, const QStringList &list)
{
    if (FileExists(ProfileFilePath(name)) || list.contains(name))
        return false;
    for (const QString &slotName : g_deviceConfig.profileFiles) {
        if (slotName == name)
            return false;
    }
    return true;
}

} // namespace

bool EnsureSlotProfileFile(int slot)
{
    const QString &name = g_deviceConfig.profileFiles[slot];
    return FileExists(ProfileFilePath(name)) || WriteProfileFile(g_deviceConfig.profiles[slot], name) == kStoreOk;
}

void ReadSlotProfile(ProfileRecord &record, const QString &name, int slot)
{
    if (FileExists(ProfileFilePath(name)))
        ReadProfileFile(record, name);
    else
        InitProfileDefaults(record, slot);
}

bool VarnelWidget::checkProfileName(const QString &name)
{
    if (IsSafeFileName(name))
        return true;
    showMessage(2, QObject::tr("Invalid profile name!"));
    return false;
}

void VarnelWidget::loadProfileList()
{
    m_profileList = ReadProfileList();
}

bool VarnelWidget::saveProfileFileList()
{
    for (const QString &name : qAsConst(m_profileList))
        qCDebug(lcApp) << "profile" << name;
    return WriteProfileList(m_profileList);
}

bool VarnelWidget::isDefaultProfileName(const QString &name)
{
    for (int i = 1; i <= kProfileCount; ++i) {
        if (name == QString::asprintf("Profile %d", i))
            return true;
    }
    return false;
}

bool VarnelWidget::isProfileNameUsed(const QString &name) const
{
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (slot != CurrentSlot() && g_deviceConfig.profileFiles[slot] == name)
            return true;
    }
    return false;
}

QString VarnelWidget::createProfileFile()
{
    QString name;
    for (int i = 1;; ++i) {
        name = QString::asprintf("Profile %d", i);
        if (isNameFree(name, m_profileList))
            break;
    }
    if (!copyProfileFile(ProfileFilePath("DefaultProfile"), ProfileFilePath(name)))
        return QString();
    m_profileList.append(name);
    if (!saveProfileFileList()) {
        m_profileList.removeLast();
        QFile::remove(ProfileFilePath(name));
        return QString();
    }
    return name;
}

void VarnelWidget::addProfile()
{
    const QString name = createProfileFile();
    if (name.isEmpty()) {
        showWriteFailure();
        return;
    }
    const int slot = CurrentSlot();
    m_profileNameEdit->setText(name);
    g_deviceConfig.profileFiles[slot] = name;
    rebuildProfileMenu();
    ReadSlotProfile(g_deviceConfig.profiles[slot], name, slot);
    g_deviceConfig.profiles[slot].ProfileName = name;
    refreshPages();
}

void VarnelWidget::copyProfile()
{
    const int slot = CurrentSlot();
    const QString source = g_deviceConfig.profileFiles[slot];
    QString target = source + " copy";
    for (int n = 2; !isNameFree(target, m_profileList); ++n)
        target = source + " copy " + QString::number(n);
    if (!CheckProfileName(target) || !EnsureSlotProfileFile(slot)
        || !copyProfileFile(ProfileFilePath(source), ProfileFilePath(target))) {
        showWriteFailure();
        return;
    }
    m_profileList.append(target);
    if (!saveProfileFileList()) {
        m_profileList.removeLast();
        QFile::remove(ProfileFilePath(target));
        showWriteFailure();
        return;
    }
    g_deviceConfig.profileFiles[slot] = target;
    m_profileNameEdit->setText(target);
    rebuildProfileMenu();
}

bool VarnelWidget::deleteProfileFile(const QString &name)
{
    const int pos = m_profileList.indexOf(name);
    // An unlisted name counts as one after the last entry.
    const QString replacement = replacementProfileName(pos >= 0 ? pos : m_profileList.size());
    if (pos >= 0)
        m_profileList.removeAt(pos);
    // The file goes only once the list no longer names it.
    if (!saveProfileFileList()) {
        if (pos >= 0)
            m_profileList.insert(pos, name);
        return false;
    }
    QFile::remove(ProfileFilePath(name));
    m_profileNameEdit->setText(replacement);
    g_deviceConfig.profileFiles[CurrentSlot()] = replacement;
    return true;
}

void VarnelWidget::deleteProfile()
{
    if (m_profileList.size() <= 1) {
        showMessage(2, QObject::tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    // The slot's own profile, whatever the name field holds.
    const int slot = CurrentSlot();
    const QString name = g_deviceConfig.profileFiles[slot];
    if (isDefaultProfileName(name)) {
        showMessage(2, QObject::tr("The default Profile cannot be deleted or renamed."));
        return;
    }
    const int pos = m_profileList.indexOf(name);
    if (replacementProfileName(pos >= 0 ? pos : m_profileList.size()).isEmpty()) {
        // Every other profile is shown by another slot: nothing could take this one's place.
        showMessage(2, QObject::tr("Profile is Already Used!"));
        return;
    }
    if (showMessage(1, QObject::tr("Are you sure you want delete this profile?")) != 1)
        return;
    if (!deleteProfileFile(name)) {
        showWriteFailure();
        return;
    }
    rebuildProfileMenu();
    const QString replacement = g_deviceConfig.profileFiles[slot];
    ReadSlotProfile(g_deviceConfig.profiles[slot], replacement, slot);
    g_deviceConfig.profiles[slot].ProfileName = replacement;
    refreshPages();
}

bool VarnelWidget::renameCurrentProfile(const QString &newName)
{
    if (!checkProfileName(newName))
        return false;
    if (!isNameFree(newName, m_profileList)) {
        showMessage(2, QObject::tr("Profile Exist!"));
        return false;
    }
    const int slot = CurrentSlot();
    const QString oldName = g_deviceConfig.profileFiles[slot];
    if (FileExists(ProfileFilePath(oldName)) && !QFile::rename(ProfileFilePath(oldName), ProfileFilePath(newName))) {
        showWriteFailure();
        return false;
    }
    const int pos = m_profileList.indexOf(oldName);
    if (pos >= 0)
        m_profileList[pos] = newName;
    if (!saveProfileFileList()) {
        if (pos >= 0)
            m_profileList[pos] = oldName;
        if (FileExists(ProfileFilePath(newName)))
            QFile::rename(ProfileFilePath(newName), ProfileFilePath(oldName));
        showWriteFailure();
        return false;
    }
    g_deviceConfig.profileFiles[slot] = newName;
    g_deviceConfig.profiles[slot].ProfileName = newName;
    rebuildProfileMenu();
    return true;
}

void VarnelWidget::slotProfileNameChange()
{
    const int slot = CurrentSlot();
    const QString oldName = g_deviceConfig.profileFiles[slot];
    if (isDefaultProfileName(oldName)) {
        showMessage(2, QObject::tr("The default Profile cannot be deleted or renamed."));
        m_profileNameEdit->setText(oldName);
        return;
    }
    if (renameCurrentProfile(m_profileNameEdit->text())) {
        const DeviceConfig copy = g_deviceConfig;
        // Config.ini still names the old file: the rename goes back, so that no slot names a
        // file that is gone.
        if (!SaveProfileList(copy)) {
            renameCurrentProfile(oldName);
            m_profileNameEdit->setText(oldName);
            showWriteFailure();
        }
    }
}

void VarnelWidget::onProfileMenuAction()
{
    for (KestAction *action : qAsConst(m_pProfileActions)) {
        if (sender() == action) {
            chooseListedProfile(action->text());
            return;
        }
    }
}

void VarnelWidget::chooseListedProfile(const QString &name)
{
    if (isProfileNameUsed(name)) {
        showMessage(2, QObject::tr("Profile is Already Used!"));
        return;
    }
    const int slot = CurrentSlot();
    m_profileNameEdit->setText(name);
    g_deviceConfig.profileFiles[slot] = name;
    ReadSlotProfile(g_deviceConfig.profiles[slot], name, slot);
    g_deviceConfig.profiles[slot].ProfileName = name;
    refreshPages();
}
