// The step editor under the table: the fields EDIT shows for the selected step, and what
// changing them writes into the row.
#include "macrodialog.h"

#include "keycodes.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "macrodialogparts.h"
#include "macrologging.h"
#include "myintvalidator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QValidator>

void MacroDialog::OpenStepEditor(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const int type = m_pModel->index(index.row(), 0).data().toString().toInt();
    const int dataH = m_pModel->index(index.row(), 1).data().toString().toInt();
    const int dataL = m_pModel->index(index.row(), 2).data().toString().toInt();
    if ((type & 0x7F) == kStepKeyRelease) {
        qCDebug(lcMacro, "CurrentChanged 1");
        m_pStepKeyCaption->show();
        m_pStepKeyButton->show();
        int code = 0;
        HidUsageToKeyCode(dataL, code);
        m_pStepKeyButton->setButtonText(KeyCodeToName(code));
        m_lastScanCode = 0;
        m_lastFlags = 0;
        EnsureKeyboardHook();
        m_pTopLabel->setFocus(Qt::OtherFocusReason);
    } else if ((type & 0x7F) == kTableButtonRelease) {
        qCDebug(lcMacro, "CurrentChanged 2");
        m_pStepMouseCaption->show();
        m_pStepMouseButton->show();
        RemoveKeyboardHook();
        int button = 0;
        for (int b = 0; b < kMouseButtonCount; ++b)
            if (ButtonMask(b) == dataL)
                button = b;
        m_pStepMouseButton->setButtonText(tr(kButtonTexts[button]));
    } else if (type == kStepMove) {
        qCDebug(lcMacro, "CurrentChanged 3");
        m_pStepMoveCaption->show();
        m_pStepMoveButton->show();
        m_pStepDistanceCaption->show();
        m_pStepDistanceEdit->show();
        RemoveKeyboardHook();
        const MoveView view = DecodeMove(dataH, dataL);
        m_pStepMoveButton->setButtonText(tr(kMoveTexts[view.direction]));
        showStoredDistance(view.distance);
    } else if (type == kStepDelay) {
        qCDebug(lcMacro, "CurrentChanged 4");
        m_pStepDelayCaption->show();
        m_pStepDelayEdit->show();
        RemoveKeyboardHook();
        const QSignalBlocker block(m_pStepDelayEdit);
        m_pStepDelayEdit->setText(QString::number(m_minDelay * (dataH * 256 + dataL)));
        m_pStepDelayEdit->setFocus(Qt::OtherFocusReason);
    } else {
        RemoveKeyboardHook();
    }
}

// A file's distance may exceed what typing allows (121 up is 135): shown as stored, with the
// validator bounding only what is typed.
void MacroDialog::showStoredDistance(int distance)
{
    const QSignalBlocker block(m_pStepDistanceEdit);  // showing is no edit
    const QValidator *validator = m_pStepDistanceEdit->validator();
    m_pStepDistanceEdit->setValidator(nullptr);
    m_pStepDistanceEdit->setText(QString::number(distance));
    m_pStepDistanceEdit->setValidator(validator);
}

void MacroDialog::HideStepEditors(bool hide)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_pImportButton, m_pExportButton, m_pBatchCheck,
                                                       m_pBatchCaption, m_pInsertDelayButton, m_pDefaultDelayEdit,
                                                       m_pLoopCountEdit, m_pRecordDelayCheck, m_pDefaultDelayCheck})
        w->setVisible(!hide);
    m_pGunSetButton->setVisible(!hide && (g_langId == 1 || g_langId == 2));
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_pStepKeyButton, m_pStepDelayEdit, m_pStepMouseButton, m_pStepMoveButton, m_pStepDistanceEdit,
             m_pStepKeyCaption, m_pStepDelayCaption, m_pStepMouseCaption, m_pStepMoveCaption, m_pStepDistanceCaption})
        w->hide();
}

// The typed numbers went into the row as they were typed. Only the field open for the row
// counts, and only when typed into: one that shows a stored value (a distance of 135 from a
// file) hands on nothing.
void MacroDialog::handOnStepFields()
{
    if (!m_editMode)
        return;
    for (QLineEdit *field : {m_pStepDelayEdit, m_pStepDistanceEdit}) {
        if (field->isHidden() || !field->isModified())
            continue;
        FieldValue(field, lcMacro);
        field->setModified(false);
    }
}

void MacroDialog::CurrentChanged(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid() || current.row() < 0 || current.column() < 0 || !current.model() || !m_editMode)
        return;
    handOnStepFields();
    HideStepEditors(true);
    OpenStepEditor(current);
}

// While a number is typed its row follows each keystroke, within the field's range; the clamp
// is logged, and the field shows the value kept, once the typing is done (handOnStepFields).
void MacroDialog::EditMoveChanged(const QString &)
{
    const int n = FieldNumber(m_pStepDistanceEdit);
    const QString direction = m_pStepMoveButton->buttonText();
    if (direction == tr("MOVE LEFT"))
        SetCurrentStep(-1, -1, 256 - n);
    else if (direction == tr("MOVE RIGHT"))
        SetCurrentStep(-1, -1, n);
    else if (direction == tr("MOVE UP"))
        SetCurrentStep(-1, 256 - n, -1);
    else if (direction == tr("MOVE DOWN"))
        SetCurrentStep(-1, n, -1);
}

void MacroDialog::EditDelayChanged(const QString &)
{
    const int count = DelayCountFor(FieldNumber(m_pStepDelayEdit), m_minDelay);
    SetCurrentStep(-1, (count >> 8) & 0xFF, count & 0xFF);
}

void MacroDialog::onMenuAction()
{
    QObject *action = sender();
    for (int b = 0; b < kMouseButtonCount; ++b) {
        if (action == m_pButtonActions[b]) {
            m_pStepMouseButton->setButtonText(m_pButtonActions[b]->text());
            SetCurrentStep(-1, -1, ButtonMask(b));
            return;
        }
    }
    for (int d = 0; d < 4; ++d) {
        if (action != m_pMoveActions[d])
            continue;
        m_pStepMoveButton->setButtonText(m_pMoveActions[d]->text());
        const int n = FieldValue(m_pStepDistanceEdit, lcMacro);
        switch (d) {
        case kMoveLeft: SetCurrentStep(-1, 0, 256 - n); break;
        case kMoveRight: SetCurrentStep(-1, 0, n); break;
        case kMoveUp: SetCurrentStep(-1, 256 - n, 0); break;
        default: SetCurrentStep(-1, n, 0); break;
        }
        return;
    }
}
