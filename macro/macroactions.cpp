// The page's buttons and what each mode leaves open: the dispatcher with its message boxes,
// NEW, GUN SET, CHANGE NAME, DELETE, the delay and batch boxes and the default delay's value.
// The one file that opens the gun-set dialog of buttons/ and the file dialogs, and renames a
// macro in the profile files.
#include "macrodialog.h"

#include "filedialogs.h"
#include "filenames.h"
#include "kestgunsetdialog.h"
#include "kestlabel.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kesttreewidget.h"
#include "macrodialogparts.h"
#include "macrologging.h"
#include "myintvalidator.h"
#include "namerefusal.h"
#include "profilefiles.h"
#include "profileio.h"
#include "scale.h"
#include "settings.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

namespace {

bool hasMacroFile(const QString &name) { return FileExists(MacroFilePath(name)); }

// Names taken by a macro file or by an entry of listed, which outlives the test.
auto takenByFileOrList(const QStringList &listed)
{
    return [&listed](const QString &name) { return hasMacroFile(name) || listed.contains(name); };
}

// Buttons of profile records that run the macro take the new name.
void renameInRecord(ProfileRecord &record, const QString &oldName, const QString &newName, bool &changed)
{
    for (ButtonInfo &button : record.buttonInfo) {
        if (button.macroname == oldName) {
            button.macroname = newName;
            changed = true;
        }
    }
}

void renameMacroReferences(const QString &oldName, const QString &newName)
{
    bool unused = false;
    for (ProfileRecord &record : g_deviceConfig.profiles)
        renameInRecord(record, oldName, newName, unused);
    for (ProfileRecord &record : g_loadedDeviceConfig.profiles)
        renameInRecord(record, oldName, newName, unused);
    for (const QString &file : g_deviceConfig.profileFiles) {
        if (!FileExists(ProfileFilePath(file)))
            continue;
        ProfileRecord record;
        if (ReadProfileFile(record, file) != kStoreOk)
            continue;
        bool changed = false;
        renameInRecord(record, oldName, newName, changed);
        if (changed)
            WriteProfileFile(record, file);
    }
}

} // namespace

int MacroDialog::showBox(int kind, const QString &heading, const QString &message)
{
    KestMessageBox box(kind, QString(), heading, message, this, false, Qt::FramelessWindowHint);
    return box.exec();
}

void MacroDialog::showWriteFailure() { showBox(2, tr("Warning"), tr("The file could not be written.")); }

bool MacroDialog::refuseName(const QString &name)
{
    const QString refusal = FileNameRefusal(name);
    if (refusal.isEmpty())
        return false;
    showBox(2, tr("Warning"), refusal);
    return true;
}

void MacroDialog::OnButtonClicked()
{
    auto *button = qobject_cast<KestPushButton *>(sender());
    if (!button)
        return;
    const int rows = stepCount();
    const int current = currentRow();
    const bool haveMacros = m_pList->count() > 0;
    if (button == m_pStartButton) {
        startRecording();
    } else if (button == m_pStopButton) {
        stopRecording();
    } else if (button == m_pEditButton) {
        if (current < 0)
            return;
        m_editMode = true;
        HideStepEditors(true);
        OpenStepEditor(m_pModel->index(current, 0));
        m_pTable->selectRow(current);
        SetEditingEnabled(false, true);
    } else if (button == m_pTopButton) {
        if (rows > 0 && current != 0)
            MoveStepRow(current, 0);
    } else if (button == m_pBottomButton) {
        if (rows > 0 && current != rows - 1)
            MoveStepRow(current, rows - 1);
    } else if (button == m_pMoveUpButton) {
        if (rows > 0 && current != 0)
            MoveStepRow(current, current - 1);
    } else if (button == m_pMoveDownButton) {
        if (rows > 0 && current != rows - 1)
            MoveStepRow(current, current + 1);
    } else if (button == m_pDeleteStepButton) {
        if (rows == 0 || current < 0)
            return;
        m_pModel->removeRow(current);
        if (stepCount() > 0)
            selectRow(std::min(current, stepCount() - 1));
    } else if (button == m_pClearButton) {
        if (rows > 0)
            ClearStepTable();
    } else if (button == m_pSaveButton) {
        if (!haveMacros)
            return;
        handOnStepFields();
        QString name = currentListName();
        if (!SaveMacroFile(name))
            showWriteFailure();
        m_editMode = false;
        HideStepEditors(false);
        RemoveKeyboardHook();
        SetEditingEnabled(true, false);
    } else if (button == m_pCancelButton) {
        LoadMacroFile();
        HideStepEditors(false);
        m_editMode = false;
        RemoveKeyboardHook();
        SetEditingEnabled(true, false);
    } else if (button == m_pInsertDelayButton) {
        if (haveMacros)
            InsertDelayStep(10);
    } else if (button == m_pGunSetButton) {
        GunSet();
    } else if (button == m_pImportButton) {
        const QString caption = tr("Load Macro File");
        const QString filter = tr("Macro File(*.MSMACRO)");
        const QStringList paths = m_batchMode ? AskOpenFileNames(this, caption, filter)
                                              : QStringList{AskOpenFileName(this, caption, filter)};
        importMacros(paths);
    } else if (button == m_pExportButton) {
        if (!haveMacros)
            return;
        if (m_batchMode)
            exportCheckedMacros(AskExistingDirectory(this, tr("Save Macro File"), "./"));
        else
            exportMacro(AskSaveFileName(this, tr("Save Macro File"), currentListName() + kMacroSuffix,
                                        tr("Macro File(*.MSMACRO)"), QString()));
    } else if (button == m_pNewButton) {
        NewMacro();
    } else if (button == m_pRenameButton) {
        if (haveMacros)
            RenameMacro();
    } else if (button == m_pDeleteMacroButton) {
        if (haveMacros)
            DeleteMacro();
    } else if (button == m_pMouseActionButton) {
        m_mouseActionMode = m_pMouseActionButton->isButtonChecked();
        ShowCommandTree(m_mouseActionMode);
    } else {
        for (KestPushButton *loop : m_pLoopButtons) {
            if (button != loop)
                continue;
            if (loop->isButtonChecked())
                for (KestPushButton *other : m_pLoopButtons)
                    if (other != loop)
                        other->setButtonChecked(false);
            return;
        }
    }
}

void MacroDialog::GunSet()
{
    if (CountMacros() >= kMacroListSize) {
        showBox(1, tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
        return;
    }
    KestGunsetDialog dialog(this, getScaleFactor(), Qt::FramelessWindowHint | Qt::Dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString typed = dialog.m_FileName;  // checked by the dialog
    const QString name = NumberedName(typed, hasMacroFile);
    if (refuseName(name))  // a numbered name can outgrow the limit
        return;
    resetEditorFields(1);  // a gun file records its delays
    m_pNameEdit->setText(name);
    if (!dialog.saveGunFile(name)) {
        showWriteFailure();  // nothing registered
        return;
    }
    if (!AddMacroToList(name))
        return;
    LoadMacroFile();
}

// The editor as a new macro starts: no steps, no loop mode, the default delay and count.
void MacroDialog::resetEditorFields(int delayType)
{
    m_pRecordDelayCheck->setChecked(delayType == 1);
    m_pDefaultDelayCheck->setChecked(false);
    for (KestPushButton *loop : m_pLoopButtons)
        loop->setButtonChecked(false);
    m_delayType = delayType;
    ClearStepTable();
    m_pDefaultDelayEdit->setText("10");
    m_pLoopCountEdit->setText("1");
}

void MacroDialog::NewMacro()
{
    if (CountMacros() > kMacroListSize - 1) {
        showBox(1, tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
        return;
    }
    const QStringList listed = ReadMacroList();
    const QString name = NewMacroName(takenByFileOrList(listed));
    resetEditorFields(0);
    QString path = name;
    if (!SaveMacroFile(path)) {
        showWriteFailure();
        return;
    }
    if (!AddMacroToList(name))
        return;
    m_pNameEdit->setText(name);
    m_currentMacroName = name;
}

void MacroDialog::RenameMacro()
{
    const QString typed = m_pNameEdit->text();
    const QString oldName = currentListName();
    if (typed == oldName)
        return;
    if (refuseName(typed))
        return;
    const QStringList listed = ReadMacroList();
    const QString newName = NumberedName(typed, takenByFileOrList(listed));
    if (refuseName(newName))  // a numbered name can outgrow the limit
        return;
    const QString oldPath = MacroFilePath(oldName);
    if (FileExists(oldPath) && !QFile::rename(oldPath, MacroFilePath(newName))) {
        showWriteFailure();
        return;
    }
    if (listed.contains(oldName) && RenameInMacroList(oldName, newName) < 0) {
        if (FileExists(MacroFilePath(newName)))
            QFile::rename(MacroFilePath(newName), oldPath);
        showWriteFailure();
        return;
    }
    if (QListWidgetItem *item = m_pList->currentItem()) {
        if (item->data(Qt::UserRole).isValid())
            item->setData(Qt::UserRole, newName);
        else
            item->setText(newName);
    }
    renameMacroReferences(oldName, newName);
    m_pNameEdit->setText(newName);
    m_currentMacroName = newName;
}

void MacroDialog::DeleteMacro()
{
    const QString name = currentListName();
    if (name.isEmpty())
        return;
    const bool onlyOne = m_pList->count() == 1;
    if (!RemoveMacroFromList(name))
        return;  // the file stays while the list names it
    if (IsSafeFileName(name) && FileExists(MacroFilePath(name)))
        QFile::remove(MacroFilePath(name));
    LoadMacroFile();
    if (onlyOne)
        ClearStepTable();
}

void MacroDialog::checkbtn_clicked()
{
    QObject *box = sender();
    if (box == m_pRecordDelayCheck) {
        if (m_pRecordDelayCheck->isChecked()) {
            m_delayType = 1;
            m_pDefaultDelayCheck->setChecked(false);
        } else {
            m_delayType = 0;
        }
    } else if (box == m_pDefaultDelayCheck) {
        if (m_pDefaultDelayCheck->isChecked()) {
            m_delayType = 2;
            m_pRecordDelayCheck->setChecked(false);
        } else {
            m_delayType = 0;
        }
    } else if (box == m_pBatchCheck) {
        SetBatchControlsEnabled(m_batchMode);
        m_batchMode = !m_batchMode;
        FillMacroList();
    }
}

void MacroDialog::DefDelayChanged(const QString &text) { qCDebug(lcMacro) << "DefDelayChanged" << text; }

int MacroDialog::defaultDelayMs() { return FieldValue(m_pDefaultDelayEdit, lcMacro); }

void MacroDialog::LoopTimeChanged(const QString &text) { qCDebug(lcMacro) << "LoopTimeChanged" << text; }

void MacroDialog::SetEditingEnabled(bool enable, bool stepEdit)
{
    for (KestPushButton *b :
         {m_pCloseButton, m_pNewButton, m_pDeleteMacroButton, m_pLoopButtons[0], m_pLoopButtons[1], m_pLoopButtons[2],
          m_pRecordAfterButton, m_pDeleteStepButton, m_pMoveUpButton, m_pMoveDownButton, m_pCopyButton, m_pCutButton,
          m_pPasteButton, m_pMouseActionButton, m_pEditButton, m_pTopButton, m_pBottomButton, m_pClearButton,
          m_pRenameButton, m_pImportButton, m_pExportButton, m_pInsertDelayButton})
        b->setButtonEnabled(enable);
    for (QWidget *w : std::initializer_list<QWidget *>{m_pDefaultDelayEdit, m_pLoopCountEdit, m_pNameEdit, m_pList,
                                                       m_pTree})
        w->setEnabled(enable);
    if (!stepEdit) {
        m_pSaveButton->setButtonEnabled(enable);
        m_pCancelButton->setButtonEnabled(enable);
    }
    m_pStartButton->setButtonEnabled(!stepEdit);
    emit EnableButtonsSignal(enable);
}

void MacroDialog::SetBatchControlsEnabled(bool enable)
{
    for (KestPushButton *b :
         {m_pNewButton, m_pDeleteMacroButton, m_pLoopButtons[0], m_pLoopButtons[1], m_pLoopButtons[2],
          m_pRecordAfterButton, m_pDeleteStepButton, m_pMoveUpButton, m_pMoveDownButton, m_pCopyButton, m_pCutButton,
          m_pPasteButton, m_pMouseActionButton, m_pSaveButton, m_pCancelButton, m_pEditButton, m_pTopButton,
          m_pBottomButton, m_pClearButton, m_pRenameButton, m_pStartButton, m_pStopButton})
        b->setButtonEnabled(enable);
    for (QWidget *w : std::initializer_list<QWidget *>{m_pDefaultDelayEdit, m_pLoopCountEdit, m_pNameEdit})
        w->setEnabled(enable);
}

void MacroDialog::ShowCommandTree(bool show)
{
    m_pTreeCaption->setVisible(show);
    m_pTree->setVisible(show);
    m_pListCaption->setVisible(!show);
    m_pList->setVisible(!show);
}
