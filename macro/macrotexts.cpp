// Texts through the translator: buttons, captions, the command tree, the menus and the step
// table's header.
#include "macrodialog.h"

#include "kestaction.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "keycodes.h"
#include "macrodialogparts.h"

#include <QCheckBox>
#include <QStandardItemModel>

namespace {

const char *const kLoopTexts[3] = {QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN")};

} // namespace

void MacroDialog::UpdateLanguage()
{
    m_pGunSetButton->setVisible(g_langId == 1 || g_langId == 2);
    m_pNewButton->setButtonText(tr("NEW"));
    m_pDeleteMacroButton->setButtonText(tr("DELETE"));
    m_pDeleteStepButton->setButtonText(tr("DELETE"));
    m_pMoveUpButton->setButtonText(tr("MOVE UP"));
    m_pMoveDownButton->setButtonText(tr("MOVE DOWN"));
    m_pEditButton->setButtonText(tr("EDIT"));
    m_pTopButton->setButtonText(tr("TOP"));
    m_pBottomButton->setButtonText(tr("BOTTOM"));
    m_pClearButton->setButtonText(tr("CLEAR"));
    m_pCopyButton->setButtonText(tr("COPY"));
    m_pCutButton->setButtonText(tr("CUT"));
    m_pPasteButton->setButtonText(tr("PASTE"));
    m_pRecordAfterButton->setButtonText(tr("RECORD AFTER"));
    m_pMouseActionButton->setButtonText(tr("MOUSE ACTION"));
    m_pRenameButton->setButtonText(tr("CHANGE NAME"));
    m_pSaveButton->setButtonText(tr("SAVE"));
    m_pCancelButton->setButtonText(tr("CANCEL"));
    m_pInsertDelayButton->setButtonText(tr("INSERT DELAY"));
    m_pGunSetButton->setButtonText(tr("GUN SET"));
    m_pImportButton->setButtonText(tr("IMPORT"));
    m_pExportButton->setButtonText(tr("EXPORT"));
    m_pStartButton->setButtonText(tr("START"));
    m_pStopButton->setButtonText(tr("STOP"));
    m_pBatchCheck->setText(QString());
    m_pRecordDelayCheck->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_pDefaultDelayCheck->setText(tr("INSERT DEFAULT DELAY"));
    for (int i = 0; i < 3; ++i)
        m_pLoopLabels[i]->m_text = tr(kLoopTexts[i]);
    m_pListCaption->m_text = tr("MACRO NAME");
    m_pTreeCaption->m_text = tr("MOUSE ACTION");
    m_pNameCaption->m_text = tr("MACRO");
    m_pBatchCaption->m_text = tr("BATCH");
    m_pStepKeyCaption->m_text = tr("KEY");
    m_pStepDelayCaption->m_text = tr("DELAY");
    m_pStepMouseCaption->m_text = tr("KEY");
    m_pStepMoveCaption->m_text = tr("MOVEMENT");
    m_pStepDistanceCaption->m_text = tr("DISTANCE");
    m_pTree->setHeaderLabel(tr("MOUSE COMMAND"));
    m_pTree->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    for (int row = 0; row < KestTreeWidget::kTopRows; ++row)
        m_pTreeRows[row]->setText(0, row < kMouseButtonCount ? tr(kButtonTexts[row]) : tr(kMoveTexts[row - 5]));
    for (int i = 0; i < kMouseButtonCount; ++i) {
        m_pButtonActions[i]->setText(tr(kButtonTexts[i]));
        m_pTreeChildren[i][0]->setText(0, tr("PRESS DOWN"));
        m_pTreeChildren[i][1]->setText(0, tr("BOUNCE UP"));
    }
    for (int i = 0; i < 4; ++i) {
        m_pMoveActions[i]->setText(tr(kMoveTexts[i]));
        m_pMoveRows[i]->SetItemText(tr(kMoveTexts[i]));
    }
    m_pModel->setHorizontalHeaderLabels({tr("KEY"), tr("ACTION"), tr("DELAY(ms)")});
    for (QWidget *w : findChildren<KestLabel *>())
        w->update();
    restyleTable();
}
