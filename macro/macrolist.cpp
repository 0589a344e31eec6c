// The macro files and MACRO_LIST: the list's rows, and the table with its delay and loop
// settings saved to the current macro's file and loaded back.
#include "macrodialog.h"

#include "kestpushbutton.h"
#include "macrologging.h"
#include "myintvalidator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>

bool MacroDialog::SaveMacroFile(QString &name)
{
    MacroFile macro;
    macro.defaultDelay = defaultDelayMs();
    macro.delayType = m_delayType;
    macro.loopType = 0;
    for (int i = 0; i < 3; ++i) {
        if (m_pLoopButtons[i]->isButtonChecked()) {
            macro.loopType = i + 1;
            break;
        }
    }
    macro.loopTime = FieldValue(m_pLoopCountEdit, lcMacro);
    for (int row = 0; row < stepCount(); ++row) {
        MacroStep step = stepAt(row);
        step.type = quint8(SwapButtonStepType(step.type));
        macro.steps << step;
    }
    const QString path = WriteMacroFile(name, macro);
    if (path.isEmpty())
        return false;
    name = path;
    return true;
}

bool MacroDialog::SaveCurrentMacro()
{
    if (m_pList->count() == 0)
        return true;
    QString name = currentListName();
    if (SaveMacroFile(name))
        return true;
    showWriteFailure();
    return false;
}

void MacroDialog::applyLoadedSettings(const MacroFile &macro)
{
    m_delayType = macro.delayType;
    if (macro.delayType == 0) {
        m_pRecordDelayCheck->setChecked(false);
        m_pDefaultDelayCheck->setChecked(false);
    } else if (macro.delayType == 1 || macro.delayType == 2) {
        m_pRecordDelayCheck->setChecked(macro.delayType == 1);
        m_pDefaultDelayCheck->setChecked(macro.delayType == 2);
    }
    m_pDefaultDelayEdit->setText(QString::number(macro.defaultDelay));
    m_pLoopCountEdit->setText(QString::number(macro.loopTime));
    if (macro.loopType >= 0 && macro.loopType <= 3) {
        for (int i = 0; i < 3; ++i)
            m_pLoopButtons[i]->setButtonChecked(macro.loopType == i + 1);
    }
}

void MacroDialog::LoadMacroFile()
{
    if (m_pList->count() == 0) {
        m_currentMacroName.clear();
        m_pNameEdit->setText(QString());
        return;
    }
    const QString name = currentListName();
    m_currentMacroName = name;
    m_pNameEdit->setText(name);
    const MacroFile macro = ReadMacroFile(name);
    applyLoadedSettings(macro);
    ClearStepTable();
    for (int i = 0; i < macro.steps.size(); ++i) {
        MacroStep row;
        if (!TableRowFromFileStep(macro.steps[i], row))
            continue;
        // Skipped steps before this one stay as empty rows.
        while (m_pModel->rowCount() < i)
            m_pModel->appendRow({new QStandardItem(), new QStandardItem(), new QStandardItem()});
        setRow(i, row);
    }
    if (stepCount() > 0) {
        selectRow(stepCount() - 1);
        m_pTable->scrollTo(m_pModel->index(stepCount() - 1, 0));
    }
}

bool MacroDialog::AddMacroToList(const QString &name)
{
    const bool added = AddToMacroList(name) >= 0;
    if (added)
        m_pList->addItem(name);
    else
        showWriteFailure();
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(m_pList->count() - 1);
    return added;
}

bool MacroDialog::RemoveMacroFromList(const QString &name)
{
    if (!ReadMacroList().contains(name) || name.isEmpty())
        return true;
    // The row goes once Config.ini no longer lists the macro.
    if (RemoveFromMacroList(name) < 0) {
        showWriteFailure();
        return false;
    }
    for (int row = 0; row < m_pList->count(); ++row) {
        QListWidgetItem *item = m_pList->item(row);
        if (rowName(item) == name) {
            m_pList->removeItemWidget(item);
            delete m_pList->takeItem(row);
            break;
        }
    }
    m_pList->update();
    return true;
}

void MacroDialog::FillMacroList()
{
    m_pList->clear();
    int shownRow = -1;
    for (const QString &name : ReadMacroList()) {
        if (name.isEmpty())
            continue;
        if (shownRow < 0 && name == m_currentMacroName)
            shownRow = m_pList->count();
        if (!m_batchMode) {
            m_pList->addItem(name);
            continue;
        }
        auto *item = new QListWidgetItem(m_pList);
        item->setData(Qt::UserRole, name);
        auto *box = new QCheckBox(name);
        // A box taking the focus would make its row current, away from the macro shown.
        box->setFocusPolicy(Qt::NoFocus);
        m_pList->setItemWidget(item, box);
    }
    if (m_batchMode)
        ApplyListStyle();  // the boxes' look
    // DELETE, SAVE and the rest take the current row: it stays the macro the editor shows,
    // and when that one is no longer listed the editor shows the first row instead.
    if (shownRow >= 0) {
        m_pList->setCurrentRow(shownRow);
        return;
    }
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    LoadMacroFile();
}

QString MacroDialog::rowName(const QListWidgetItem *item) const
{
    if (!item)
        return QString();
    const QVariant batchName = item->data(Qt::UserRole);
    return batchName.isValid() ? batchName.toString() : item->text();
}

QString MacroDialog::currentListName() const { return rowName(m_pList->currentItem()); }

int MacroDialog::MacroListCount() const { return m_pList->count(); }

void MacroDialog::itemClicked(const QModelIndex &) { LoadMacroFile(); }

// Mouse moves with a button held would make the row under the pointer current without
// loading it; the list has nothing to drag.
bool MacroDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pList->viewport() && event->type() == QEvent::MouseMove
        && static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton)
        return true;
    return QWidget::eventFilter(watched, event);
}
