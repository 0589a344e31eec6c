#include "macrodialog.h"

#include "configuredfont.h"
#include "devicedefaults.h"
#include "filedialogs.h"
#include "filenames.h"
#include "keycapture.h"
#include "keycodes.h"
#include "kestaction.h"
#include "kestgunsetdialog.h"
#include "kestlabel.h"
#include "kestmacroitemdelegate.h"
#include "lightingfiles.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "macrologging.h"
#include "myintvalidator.h"
#include "pagestyle.h"
#include "profilefiles.h"
#include "profileio.h"
#include "scale.h"
#include "settings.h"
#include "stagedfile.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QWindow>

MacroDialog *g_macroDialog = nullptr;

namespace {

constexpr int kColumnWidth = 160;
constexpr int kEvdevRightAlt = 100;
constexpr const char *kMacroSuffix = ".MSMACRO";

const char *const kButtonTexts[kMouseButtonCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"),
    QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"),
    QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD")};
const char *const kMoveTexts[4] = {QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN")};
const char *const kLoopTexts[3] = {QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
                                   QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN")};
const char *const kMoveImages[4] = {"/skin/left.png", "/skin/right.png", "/skin/up.png", "/skin/down.png"};

QStringList skinImages(std::initializer_list<const char *> names)
{
    QStringList paths;
    for (const char *name : names)
        paths << AppDir() + "/skin/" + name;
    return paths;
}

QStringList tabImages()
{
    const QString skin = AppDir() + "/skin/";
    return {skin + "tabbutton-1.png", skin + "tabbutton-3.png", skin + "tabbutton-2.png", skin + "tabbutton-1.png"};
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

// Replaces `to` only by a complete copy: a failure keeps the old file.
bool copyReplacing(const QString &from, const QString &to)
{
    const QString source = QFileInfo(from).canonicalFilePath();
    if (!source.isEmpty() && source == QFileInfo(to).canonicalFilePath())
        return true;  // the file itself
    return CopyIntoPlace(from, to);
}

// The macro name of an imported file: its name less a final ".MSMACRO".
QString importedName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(kMacroSuffix, Qt::CaseInsensitive))
        name.chop(int(qstrlen(kMacroSuffix)));
    return name;
}

} // namespace

MacroDialog::MacroDialog(QWidget *parent) : QWidget(parent)
{
    g_macroDialog = this;
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background-color: rgba(33,35,35,0.5)");
    m_minDelay = EffectiveMinDelay(GetMinDelay());
    buildWidgets();
    FillMacroList();
    UpdateLanguage();
    LoadMacroFile();
    HideStepEditors(false);
    m_recording = false;
}

MacroDialog::~MacroDialog()
{
    m_capture.reset();
    if (g_macroDialog == this)
        g_macroDialog = nullptr;
}

KestPushButton *MacroDialog::makeButton(const QStringList &images, const char *objectName)
{
    auto *button = new KestPushButton(images, this, QString());
    button->setObjectName(objectName);
    connect(button, &QAbstractButton::clicked, this, &MacroDialog::OnButtonClicked);
    return button;
}

void MacroDialog::buildWidgets()
{
    const double s = getScaleFactor();
    const QString skin = AppDir() + "/skin/";

    // Holds the keyboard focus while keys are recorded, so no key types into an edit.
    m_pTopLabel = new KestLabel(this);
    m_pTopLabel->setObjectName("macroTopLabel");
    m_pTopLabel->setFocusPolicy(Qt::StrongFocus);

    m_pCloseButton = makeButton({skin + "close-1.png", skin + "close-2.png", skin + "close-3.png"}, "macroClose");

    m_pModel = new QStandardItemModel(0, 3, this);
    m_pTable = new QTableView(this);
    m_pTable->setObjectName("macroStepTable");
    m_pTable->setModel(m_pModel);
    m_pTable->setFocusPolicy(Qt::NoFocus);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    // The three fixed columns and the vertical scroll bar fill the width: nothing to scroll sideways.
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->horizontalHeader()->setStyleSheet("QHeaderView::section {color: white;background:rgb(30,30,30);}");
    m_pDelegate = new KestMacroItemDelegate();
    m_pDelegate->setParent(this);
    for (int c = 0; c < 3; ++c)
        m_pTable->setItemDelegateForColumn(c, m_pDelegate);
    m_pSelection = m_pTable->selectionModel();
    connect(m_pSelection, &QItemSelectionModel::currentRowChanged, this, &MacroDialog::CurrentChanged);

    m_pList = new QListWidget(this);
    m_pList->setObjectName("macroList");
    m_pList->setViewMode(QListView::ListMode);
    m_pList->setFocusPolicy(Qt::NoFocus);
    connect(m_pList, &QListWidget::clicked, this, &MacroDialog::itemClicked);

    m_pTree = new KestTreeWidget(this);
    m_pTree->setObjectName("macroCommandTree");
    m_pTree->setColumnCount(1);
    for (int row = 0; row < KestTreeWidget::kTopRows; ++row) {
        m_pTreeRows[row] = new QTreeWidgetItem(m_pTree);
        m_pTreeRows[row]->setTextAlignment(0, Qt::AlignCenter);
        m_pTreeRows[row]->setForeground(0, Qt::white);
        if (row < kMouseButtonCount) {
            for (int c = 0; c < 2; ++c) {
                m_pTreeChildren[row][c] = new QTreeWidgetItem(m_pTreeRows[row]);
                m_pTreeChildren[row][c]->setTextAlignment(0, Qt::AlignCenter);
            }
        } else {
            auto *item = new KestTreeItem(AppDir() + kMoveImages[row - 5], QString(), QString(), nullptr);
            m_pMoveRows[row - 5] = item;
            m_pTree->setItemWidget(m_pTreeRows[row], 0, item);
            connect(item, &KestTreeItem::MouseInSignal, this, &MacroDialog::mousemove_test);
            connect(item, &KestTreeItem::KestMousePressed, this, &MacroDialog::KestItemPressed);
        }
    }
    connect(m_pTree, &QTreeWidget::itemPressed, this, &MacroDialog::TreeitemClick);
    m_pTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pNewButton = makeButton(skinImages({"add1.png", "add2.png", "add3.png", "add4.png"}), "macroNew");
    m_pDeleteMacroButton = makeButton(skinImages({"add1.png", "add2.png", "add3.png", "add4.png"}), "macroDelete");
    m_pDeleteStepButton = makeButton(skinImages({"delete1.png", "delete2.png", "delete3.png", "delete4.png"}), "stepDelete");
    m_pMoveUpButton = makeButton(skinImages({"moveup1.png", "moveup2.png", "moveup3.png", "moveup4.png"}), "stepMoveUp");
    m_pMoveDownButton = makeButton(skinImages({"movedown1.png", "movedown2.png", "movedown3.png", "movedown4.png"}), "stepMoveDown");
    const QString edit = skin + "edit.png";
    m_pEditButton = makeButton({edit, edit, edit, edit}, "stepEdit");
    m_pTopButton = makeButton(skinImages({"top1.png", "top2.png", "top3.png", "top4.png"}), "stepTop");
    m_pBottomButton = makeButton(skinImages({"bottom1.png", "bottom2.png", "bottom3.png", "bottom4.png"}), "stepBottom");
    m_pClearButton = makeButton(skinImages({"clear1.png", "clear2.png", "clear3.png", "clear4.png"}), "stepClear");
    m_pCopyButton = makeButton(skinImages({"clear1.png", "clear2.png", "clear3.png", "clear4.png"}), "stepCopy");
    m_pCutButton = makeButton(skinImages({"clear1.png", "clear2.png", "clear3.png", "clear4.png"}), "stepCut");
    m_pPasteButton = makeButton(skinImages({"clear1.png", "clear2.png", "clear3.png", "clear4.png"}), "stepPaste");
    m_pRecordAfterButton = makeButton(tabImages(), "recordAfter");
    m_pMouseActionButton = makeButton(tabImages(), "mouseAction");
    m_pMouseActionButton->setButtonCheckable(true);
    m_pRenameButton = makeButton(tabImages(), "macroRename");
    m_pSaveButton = makeButton(tabImages(), "macroSave");
    m_pCancelButton = makeButton(tabImages(), "macroCancel");
    m_pInsertDelayButton = makeButton(tabImages(), "insertDelay");
    m_pStepKeyButton = makeButton(tabImages(), "stepKeyField");
    m_pStepMouseButton = makeButton(tabImages(), "stepMouseField");
    m_pStepMoveButton = makeButton(tabImages(), "stepMoveField");
    m_pGunSetButton = makeButton(tabImages(), "gunSet");
    m_pImportButton = makeButton(tabImages(), "macroImport");
    m_pExportButton = makeButton(tabImages(), "macroExport");
    m_pStartButton = makeButton(tabImages(), "recordStart");
    m_pStopButton = makeButton(tabImages(), "recordStop");
    m_pStopButton->hide();

    m_pButtonMenu = new QMenu(this);
    for (int i = 0; i < kMouseButtonCount; ++i) {
        m_pButtonActions[i] = new KestAction(this);
        m_pButtonMenu->addAction(m_pButtonActions[i]);
        connect(m_pButtonActions[i], &QAction::triggered, this, &MacroDialog::onMenuAction);
    }
    m_pStepMouseButton->setMenu(m_pButtonMenu);
    m_pMoveMenu = new QMenu(this);
    for (int i = 0; i < 4; ++i) {
        m_pMoveActions[i] = new KestAction(this);
        m_pMoveMenu->addAction(m_pMoveActions[i]);
        connect(m_pMoveActions[i], &QAction::triggered, this, &MacroDialog::onMenuAction);
    }
    m_pStepMoveButton->setMenu(m_pMoveMenu);
    ApplyMenuStyle();

    const QString editStyle = "border:1px;background:rgb(30,30,30);color:white";
    const QString fieldStyle = "border:1px solid white;background:rgb(30,30,30);color:white";
    m_pStepDelayEdit = new QLineEdit(this);
    m_pStepDelayEdit->setObjectName("stepDelayEdit");
    m_pStepDelayEdit->setMaxLength(5);
    m_pStepDelayEdit->setValidator(new QIntValidator(10, 65535, m_pStepDelayEdit));
    m_pStepDelayEdit->setStyleSheet(editStyle);
    connect(m_pStepDelayEdit, &QLineEdit::textChanged, this, &MacroDialog::EditDelayChanged);
    m_pStepDistanceEdit = new QLineEdit(this);
    m_pStepDistanceEdit->setObjectName("stepDistanceEdit");
    m_pStepDistanceEdit->setMaxLength(5);
    // Clamping: a plain validator would let 121-999 through, and the byte would wrap.
    m_pStepDistanceEdit->setValidator(new MyIntValidator2(1, kMoveDistanceMax, m_pStepDistanceEdit));
    m_pStepDistanceEdit->setStyleSheet(editStyle);
    connect(m_pStepDistanceEdit, &QLineEdit::textChanged, this, &MacroDialog::EditMoveChanged);
    m_pDefaultDelayEdit = new QLineEdit(this);
    m_pDefaultDelayEdit->setObjectName("defaultDelayEdit");
    m_pDefaultDelayEdit->setMaxLength(5);
    m_pDefaultDelayEdit->setValidator(new QIntValidator(0, 65535, m_pDefaultDelayEdit));
    m_pDefaultDelayEdit->setStyleSheet(fieldStyle);
    connect(m_pDefaultDelayEdit, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    m_pLoopCountEdit = new QLineEdit(this);
    m_pLoopCountEdit->setObjectName("loopCountEdit");
    m_pLoopCountEdit->setMaxLength(3);
    m_pLoopCountEdit->setValidator(new QIntValidator(1, 255, m_pLoopCountEdit));
    m_pLoopCountEdit->setStyleSheet(fieldStyle);
    connect(m_pLoopCountEdit, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);

    const QString boxStyle = SkinCheckBoxStyleSheet(s) + "QCheckBox{color:white}";
    m_pBatchCheck = new QCheckBox(this);
    m_pBatchCheck->setObjectName("batchCheck");
    m_pBatchCheck->setStyleSheet(boxStyle + "QCheckBox{background-color:transparent}");
    m_pRecordDelayCheck = new QCheckBox(this);
    m_pRecordDelayCheck->setObjectName("recordDelayCheck");
    m_pRecordDelayCheck->setStyleSheet(boxStyle);
    m_pDefaultDelayCheck = new QCheckBox(this);
    m_pDefaultDelayCheck->setObjectName("defaultDelayCheck");
    m_pDefaultDelayCheck->setStyleSheet(boxStyle);
    for (QCheckBox *box : {m_pBatchCheck, m_pRecordDelayCheck, m_pDefaultDelayCheck})
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);

    for (int i = 0; i < 3; ++i) {
        m_pLoopButtons[i] = makeButton(tabImages(), "loopButton");
        m_pLoopButtons[i]->setButtonCheckable(true);
    }

    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    auto label = [&](const char *name) {
        auto *l = new KestLabel(this);
        l->setObjectName(name);
        l->setPalette(white);
        return l;
    };
    for (auto &l : m_pLoopLabels)
        l = label("loopLabel");
    m_pListCaption = label("listCaption");
    m_pTreeCaption = label("treeCaption");
    m_pNameCaption = label("nameCaption");
    m_pBatchCaption = label("batchCaption");
    m_pFurtherLabels[0] = label("furtherLabel");
    m_pFurtherLabels[1] = label("furtherLabel");
    m_pStepKeyCaption = label("stepKeyCaption");
    m_pStepDelayCaption = label("stepDelayCaption");
    m_pStepMouseCaption = label("stepMouseCaption");
    m_pStepMoveCaption = label("stepMoveCaption");
    m_pStepDistanceCaption = label("stepDistanceCaption");

    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setObjectName("macroNameEdit");
    m_pNameEdit->setMaxLength(20);
    m_pNameEdit->setAlignment(Qt::AlignCenter);
    m_pNameEdit->setStyleSheet(editStyle);

    ClearStepTable();
    layoutWidgets();
    ApplyListStyle();
    ShowCommandTree(m_mouseActionMode);
    (void)s;
}

// The design rectangles at scale 1.0. The close, copy, cut, paste and record-after buttons
// and the two spare labels do nothing here, but they are shown where the skin expects them.
void MacroDialog::layoutWidgets()
{
    const double s = getScaleFactor();
    auto place = [s](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(scaled(x, s), scaled(y, s), scaled(width, s), scaled(height, s));
    };
    place(m_pTopLabel, 160, 0, 475, 4);
    place(m_pFurtherLabels[0], 160, 5, 235, 22);
    place(m_pFurtherLabels[1], 400, 5, 235, 22);
    place(m_pCloseButton, 641, 5, 19, 19);
    place(m_pListCaption, 5, 5, 150, 25);
    place(m_pTreeCaption, 5, 5, 150, 25);
    place(m_pList, 5, 30, 150, 270);
    place(m_pTree, 5, 30, 150, 270);
    place(m_pNewButton, 5, 305, 72, 28);
    place(m_pDeleteMacroButton, 83, 305, 72, 28);
    place(m_pBatchCheck, 5, 338, 20, 24);
    place(m_pBatchCaption, 28, 338, 127, 24);
    place(m_pGunSetButton, 5, 365, 150, 28);

    place(m_pTable, 160, 30, 500, 228);
    // Step editing in a grid of 68 + 4 px columns under the table, recording beside it.
    KestPushButton *stepButtons[] = {m_pDeleteStepButton, m_pMoveUpButton, m_pMoveDownButton, m_pEditButton,
                                     m_pTopButton, m_pBottomButton, m_pClearButton};
    for (int i = 0; i < 7; ++i)
        place(stepButtons[i], 160 + 72 * i, 263, 68, 28);
    KestPushButton *clipboardButtons[] = {m_pCopyButton, m_pCutButton, m_pPasteButton};
    for (int i = 0; i < 3; ++i)
        place(clipboardButtons[i], 160 + 72 * i, 296, 68, 28);
    place(m_pStartButton, 376, 296, 140, 28);
    place(m_pStopButton, 376, 296, 140, 28);
    place(m_pRecordAfterButton, 520, 296, 140, 28);
    KestPushButton *macroButtons[] = {m_pSaveButton, m_pCancelButton, m_pMouseActionButton, m_pRenameButton};
    for (int i = 0; i < 4; ++i)
        place(macroButtons[i], 160 + 126 * i, 330, 122, 28);
    place(m_pNameCaption, 160, 365, 50, 28);
    place(m_pNameEdit, 210, 365, 150, 28);
    place(m_pInsertDelayButton, 365, 365, 95, 28);
    place(m_pImportButton, 465, 365, 95, 28);
    place(m_pExportButton, 565, 365, 95, 28);
    // The delay and loop settings span the page's width below.
    place(m_pRecordDelayCheck, 5, 398, 330, 24);
    place(m_pDefaultDelayCheck, 340, 398, 240, 24);
    place(m_pDefaultDelayEdit, 590, 398, 70, 24);
    const int loopX[3] = {5, 190, 405};
    const int loopWidth[3] = {115, 190, 235};
    for (int i = 0; i < 3; ++i) {
        place(m_pLoopButtons[i], loopX[i], 433, 18, 18);
        place(m_pLoopLabels[i], loopX[i] + 20, 430, loopWidth[i], 24);
    }
    place(m_pLoopCountEdit, 145, 430, 36, 24);

    place(m_pStepKeyCaption, 160, 400, 60, 24);
    place(m_pStepKeyButton, 220, 398, 150, 28);
    place(m_pStepMouseCaption, 160, 400, 60, 24);
    place(m_pStepMouseButton, 220, 398, 150, 28);
    place(m_pStepMoveCaption, 160, 400, 80, 24);
    place(m_pStepMoveButton, 240, 398, 150, 28);
    place(m_pStepDistanceCaption, 400, 400, 80, 24);
    place(m_pStepDistanceEdit, 480, 400, 60, 24);
    place(m_pStepDelayCaption, 160, 400, 60, 24);
    place(m_pStepDelayEdit, 220, 400, 80, 24);
}

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

// --------------------------------------------------------------- files and MACRO_LIST

bool MacroDialog::SaveMacroFile(QString &name)
{
    MacroFile macro;
    macro.defaultDelay = m_pDefaultDelayEdit->text().toInt();
    macro.delayType = m_delayType;
    macro.loopType = 0;
    for (int i = 0; i < 3; ++i) {
        if (m_pLoopButtons[i]->isButtonChecked()) {
            macro.loopType = i + 1;
            break;
        }
    }
    macro.loopTime = m_pLoopCountEdit->text().toInt();
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
        m_pNameEdit->setText(QString());
        return;
    }
    const QString name = currentListName();
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

void MacroDialog::AddMacroToList(const QString &name)
{
    if (AddToMacroList(name) >= 0)
        m_pList->addItem(name);
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(m_pList->count() - 1);
}

void MacroDialog::RemoveMacroFromList(const QString &name)
{
    if (!ReadMacroList().contains(name) || name.isEmpty())
        return;
    for (int row = 0; row < m_pList->count(); ++row) {
        QListWidgetItem *item = m_pList->item(row);
        if (rowName(item) == name) {
            m_pList->removeItemWidget(item);
            delete m_pList->takeItem(row);
            break;
        }
    }
    m_pList->update();
    RemoveFromMacroList(name);
}

void MacroDialog::FillMacroList()
{
    m_pList->clear();
    for (const QString &name : ReadMacroList()) {
        if (name.isEmpty())
            continue;
        if (!m_batchMode) {
            m_pList->addItem(name);
            continue;
        }
        auto *item = new QListWidgetItem(m_pList);
        item->setData(Qt::UserRole, name);
        auto *box = new QCheckBox(name);
        box->setStyleSheet("QCheckBox{color:rgb(255,255,255)}");
        m_pList->setItemWidget(item, box);
    }
    if (!m_pList->currentItem() && m_pList->count() > 0)
        m_pList->setCurrentRow(0);
}

void MacroDialog::ClearStepTable()
{
    m_pModel->clear();
    m_pModel->setColumnCount(3);
    m_pModel->setHorizontalHeaderLabels({tr("KEY"), tr("ACTION"), tr("DELAY(ms)")});
    const double s = getScaleFactor();
    for (int c = 0; c < 3; ++c)
        m_pTable->setColumnWidth(c, scaled(kColumnWidth, s));
}

QString MacroDialog::rowName(const QListWidgetItem *item) const
{
    if (!item)
        return QString();
    const QVariant batchName = item->data(Qt::UserRole);
    return batchName.isValid() ? batchName.toString() : item->text();
}

QString MacroDialog::currentListName() const { return rowName(m_pList->currentItem()); }

// --------------------------------------------------------------- recorder

void MacroDialog::installKeyboardHook()
{
    QWindow *handle = window()->windowHandle();
    if (!handle) {
        qCDebug(lcMacro, "MacroDialog: no window to capture keys from");
        return;
    }
    m_capture = std::make_unique<KeyCapture>(handle, [this](const CapturedKey *key) { return onCapturedKey(key); });
}

void MacroDialog::EnsureKeyboardHook()
{
    if (!m_capture)
        installKeyboardHook();
}

void MacroDialog::RemoveKeyboardHook() { m_capture.reset(); }

bool MacroDialog::onCapturedKey(const CapturedKey *key)
{
    if (!key)
        return false;  // auto-repeat, or a key without a code
    quint32 flags = key->flags;
    const quint32 code = RecorderKeyCode(key->scanCode, flags, key->evdevCode == kEvdevRightAlt);
    if (m_editMode)
        OnCaptureKey(code, flags);
    else
        OnHookKey(code, flags, qint64(key->timestampMs));
    return false;  // the key goes on: the focus is on the top label
}

void MacroDialog::OnHookKey(quint32 code, quint32 flags, qint64 timeMs)
{
    qCDebug(lcMacro, "OnHookKey ret %u %u %d\n", code, flags, int(m_recorder.pressedKeys().indexOf(code)));
    const QVector<MacroStep> steps = m_recorder.onKey(code, flags, timeMs, stepCount(), m_delayType, m_minDelay,
                                                      m_pDefaultDelayEdit->text().toInt());
    if (steps.isEmpty())
        return;
    m_lastScanCode = code;
    m_lastFlags = flags;
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
    const int first = stepCount();
    for (int i = 0; i < steps.size(); ++i)
        setRow(first + i, steps[i]);
    selectRow(stepCount() - 1);
}

void MacroDialog::OnCaptureKey(quint32 code, quint32 flags)
{
    if (code == m_lastScanCode && flags == m_lastFlags)
        return;
    int usage = 0;
    if (!KeyCodeToHidUsage(int(code), usage))
        return;  // a key the mouse has no usage for
    m_lastScanCode = code;
    m_lastFlags = flags;
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
    SetCurrentStep(-1, -1, usage);
    m_pStepKeyButton->setButtonText(KeyCodeToName(int(code)));
}

bool MacroDialog::CheckKeysReleased() const
{
    QVector<MacroStep> rows;
    for (int row = 0; row < stepCount(); ++row)
        rows << stepAt(row);
    return KeysReleased(rows);
}

void MacroDialog::startRecording()
{
    m_recording = true;
    m_recorder.start();
    m_pStartButton->hide();
    m_pStopButton->show();
    ClearStepTable();
    if (m_pList->count() == 0)
        return;
    SetEditingEnabled(false, false);
    EnsureKeyboardHook();
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
}

void MacroDialog::stopRecording()
{
    m_recording = false;
    m_recorder.start();
    m_pStartButton->show();
    m_pStopButton->hide();
    SetEditingEnabled(true, false);
    releaseKeyboard();
    RemoveKeyboardHook();
    if (!CheckKeysReleased())
        showBox(2, tr("Warning"), tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    SaveCurrentMacro();
}

// --------------------------------------------------------------- step table

int MacroDialog::stepCount() const { return m_pModel->rowCount(); }

MacroStep MacroDialog::stepAt(int row) const
{
    auto cell = [&](int c) { return m_pModel->index(row, c).data().toString().toInt(); };
    return {quint8(cell(0)), quint8(cell(1)), quint8(cell(2))};
}

int MacroDialog::currentRow() const
{
    const QModelIndex index = m_pSelection->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void MacroDialog::setRow(int row, const MacroStep &step)
{
    while (m_pModel->rowCount() <= row)
        m_pModel->appendRow({new QStandardItem(), new QStandardItem(), new QStandardItem()});
    m_pModel->setItem(row, 0, new QStandardItem(QString("%1").arg(step.type)));
    m_pModel->setItem(row, 1, new QStandardItem(QString("%1").arg(step.dataH)));
    m_pModel->setItem(row, 2, new QStandardItem(QString("%1").arg(step.dataL)));
}

void MacroDialog::selectRow(int row)
{
    if (row < 0 || row >= stepCount())
        return;
    const int column = std::max(0, m_pSelection->currentIndex().column());
    m_pSelection->setCurrentIndex(m_pModel->index(row, column), QItemSelectionModel::NoUpdate);
    m_pTable->selectRow(row);
}

// Inserts the steps at row (rows below move down) and selects the last one. A group that
// would take the table past 63 rows is not inserted at all: no half press-release pairs.
void MacroDialog::insertRows(int row, const QVector<MacroStep> &steps)
{
    if (stepCount() + steps.size() > kMaxRows)
        return;
    row = std::clamp(row, 0, stepCount());
    for (int i = 0; i < steps.size(); ++i) {
        const MacroStep &step = steps[i];
        m_pModel->insertRow(row + i, {new QStandardItem(QString("%1").arg(step.type)),
                                      new QStandardItem(QString("%1").arg(step.dataH)),
                                      new QStandardItem(QString("%1").arg(step.dataL))});
    }
    selectRow(row + steps.size() - 1);
}

void MacroDialog::SetCurrentStep(int type, int dataH, int dataL)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int values[3] = {type, dataH, dataL};
    for (int c = 0; c < 3; ++c) {
        if (values[c] != -1)
            m_pModel->setItem(row, c, new QStandardItem(QString("%1").arg(values[c])));
    }
    const double s = getScaleFactor();
    for (int c = 0; c < 3; ++c)
        m_pTable->setColumnWidth(c, scaled(kColumnWidth, s));
    m_pTable->selectRow(row);
}

void MacroDialog::InsertMouseButtonStep(int button, bool release, int row)
{
    insertRows(row == -1 ? currentRow() + 1 : row, {ButtonStep(button, release)});
}

void MacroDialog::InsertMoveStep(int direction, int distance, int row)
{
    insertRows(row == -1 ? currentRow() + 1 : row, {MoveStep(direction, distance)});
}

void MacroDialog::InsertDelayStep(int ms)
{
    insertRows(currentRow() + 1, {DelayStep(DelayCountFor(ms, m_minDelay))});
}

void MacroDialog::SetCurrentMoveStep(int direction, int distance)
{
    const MacroStep step = MoveStep(direction, distance);
    SetCurrentStep(step.type, step.dataH, step.dataL);
}

int MacroDialog::MacroListCount() const { return m_pList->count(); }

void MacroDialog::MoveStepRow(int from, int to)
{
    const int rows = stepCount();
    if (from == to || from < 0 || from >= rows || (from < to && from == rows - 1) || (from > to && from == 0))
        return;
    to = std::clamp(to, 0, rows - 1);
    const int column = std::max(0, m_pSelection->currentIndex().column());
    const QList<QStandardItem *> items = m_pModel->takeRow(from);
    m_pModel->insertRow(to, items);
    m_pSelection->setCurrentIndex(m_pModel->index(to, column), QItemSelectionModel::NoUpdate);
    m_pTable->selectRow(to);
}

void MacroDialog::OpenStepEditor(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const MacroStep step = stepAt(index.row());
    const int type = m_pModel->index(index.row(), 0).data().toString().toInt();
    const int dataH = m_pModel->index(index.row(), 1).data().toString().toInt();
    const int dataL = m_pModel->index(index.row(), 2).data().toString().toInt();
    (void)step;
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

void MacroDialog::ApplyListStyle()
{
    const double s = getScaleFactor();
    const QColor c = CurrentThemeColor();
    m_pList->setStyleSheet(QString::asprintf(
        "QListWidget{background-color:rgb(30,30,30);outline:0;}QListWidget{border:1px solid gray; color:white; }"
        "QListWidget::Item{height:%d;border:0.5px solid gray;}QListWidget::Item:hover{background:rgb(29,28,29);}"
        "QListWidget::item:selected{border-width:0px; background:rgb(%d,%d,%d); color:black;}"
        "QListWidget::item:selected:!active{border-width:0px; background:rgb(%d,%d,%d); color:black;}",
        scaled(26, s), c.red(), c.green(), c.blue(), c.red(), c.green(), c.blue()));
    // The tree takes the list's narrow bar: a wider one would cover the movement rows' distance fields.
    const QString narrowBar = ScrollBarStyleSheet(s, 10, c);
    m_pList->verticalScrollBar()->setStyleSheet(narrowBar);
    m_pTree->verticalScrollBar()->setStyleSheet(narrowBar);
    m_pTable->verticalScrollBar()->setStyleSheet(ScrollBarStyleSheet(s, 20, c));
}

void MacroDialog::ApplyMenuStyle()
{
    const double s = getScaleFactor();
    QColor colors[kMenuPaletteSize];
    colors[5] = CurrentThemeColor();
    for (QMenu *menu : {m_pButtonMenu, m_pMoveMenu}) {
        menu->setFixedWidth(scaled(kColumnWidth, s));
        menu->setStyleSheet(BuildMenuStyleSheet(colors));
    }
}

// --------------------------------------------------------------- slots

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int column)
{
    qCDebug(lcMacro, "TreeitemClick = %d\n", column);
    if (m_pList->count() == 0 || !item)
        return;
    const int defaultDelay = m_pDefaultDelayEdit->text().toInt();
    const int pairDelay = m_delayType == 1 ? 10 : defaultDelay;
    const MacroStep delay = DelayStep(DelayCountFor(pairDelay, m_minDelay));
    for (int b = 0; b < kMouseButtonCount; ++b) {
        QVector<MacroStep> steps;
        if (item == m_pTreeRows[b]) {
            if (!item->isExpanded()) {
                m_pTree->collapseAll();
                item->setExpanded(true);
                return;
            }
            steps << ButtonStep(b, false);
            if (m_delayType == 1 || m_delayType == 2)
                steps << delay;
            steps << ButtonStep(b, true);
            if (m_delayType == 1 || m_delayType == 2)
                steps << delay;
        } else if (item == m_pTreeChildren[b][0] || item == m_pTreeChildren[b][1]) {
            steps << ButtonStep(b, item == m_pTreeChildren[b][1]);
            if (m_delayType == 1 || m_delayType == 2)
                steps << delay;
        } else {
            continue;
        }
        insertRows(currentRow() + 1, steps);
        return;
    }
}

void MacroDialog::itemClicked(const QModelIndex &index)
{
    m_currentMacroName = rowName(m_pList->item(index.row()));
    LoadMacroFile();
}

void MacroDialog::EditMoveChanged(const QString &text)
{
    const int n = text.toInt();
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

void MacroDialog::EditDelayChanged(const QString &text)
{
    const int count = DelayCountFor(text.toInt(), m_minDelay);
    SetCurrentStep(-1, (count >> 8) & 0xFF, count & 0xFF);
}

void MacroDialog::DefDelayChanged(const QString &text) { qCDebug(lcMacro) << "DefDelayChanged" << text; }

void MacroDialog::LoopTimeChanged(const QString &text) { qCDebug(lcMacro) << "LoopTimeChanged" << text; }

void MacroDialog::CurrentChanged(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid() || current.row() < 0 || current.column() < 0 || !current.model() || !m_editMode)
        return;
    HideStepEditors(true);
    OpenStepEditor(current);
}

void MacroDialog::mousemove_test() { m_pTree->ClearHover(); }

void MacroDialog::KestItemPressed()
{
    int direction = -1;
    for (int i = 0; i < 4; ++i)
        if (sender() == m_pMoveRows[i])
            direction = i;
    if (direction < 0 || m_pList->count() == 0)
        return;
    const int distance = int(quint8(m_pMoveRows[direction]->distanceEdit()->text().toUInt()));
    QVector<MacroStep> steps{MoveStep(direction, distance)};
    if (m_delayType == 1)
        steps << DelayStep(DelayCountFor(10, m_minDelay));
    else if (m_delayType == 2)
        steps << DelayStep(DelayCountFor(m_pDefaultDelayEdit->text().toInt(), m_minDelay));
    else if (m_delayType != 0)
        return;
    insertRows(currentRow() + 1, steps);
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

void MacroDialog::SelectRow(int row) { qCDebug(lcMacro, "SelectRow %d", row); }

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
        const int n = m_pStepDistanceEdit->text().toInt();
        switch (d) {
        case kMoveLeft: SetCurrentStep(-1, 0, 256 - n); break;
        case kMoveRight: SetCurrentStep(-1, 0, n); break;
        case kMoveUp: SetCurrentStep(-1, 256 - n, 0); break;
        default: SetCurrentStep(-1, n, 0); break;
        }
        return;
    }
}

// --------------------------------------------------------------- the buttons

int MacroDialog::showBox(int kind, const QString &heading, const QString &message)
{
    KestMessageBox box(kind, QString(), heading, message, this, false, Qt::FramelessWindowHint);
    return box.exec();
}

void MacroDialog::showWriteFailure() { showBox(2, tr("Warning"), tr("The file could not be written.")); }

bool MacroDialog::refuseName(const QString &name)
{
    if (IsSafeFileName(name))
        return false;
    showBox(2, tr("Warning"), tr("Please input file name."));
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
    QString name = typed;
    for (int n = 2; FileExists(MacroFilePath(name)); ++n)
        name = typed + QString::asprintf("_%d", n);
    if (refuseName(name))  // a numbered name can outgrow the limit
        return;
    m_pRecordDelayCheck->setChecked(true);
    m_pDefaultDelayCheck->setChecked(false);
    for (KestPushButton *loop : m_pLoopButtons)
        loop->setButtonChecked(false);
    m_delayType = 1;
    ClearStepTable();
    m_pDefaultDelayEdit->setText("10");
    m_pLoopCountEdit->setText("1");
    m_pNameEdit->setText(name);
    if (!dialog.saveGunFile(name)) {
        showWriteFailure();  // nothing registered
        return;
    }
    AddMacroToList(name);
    m_currentMacroName = name;
    LoadMacroFile();
}

void MacroDialog::NewMacro()
{
    if (CountMacros() > kMacroListSize - 1) {
        showBox(1, tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
        return;
    }
    const QStringList listed = ReadMacroList();
    QString name;
    for (int n = 1;; ++n) {
        name = QString::asprintf("name_%d", n);
        if (!FileExists(MacroFilePath(name)) && !listed.contains(name))
            break;
    }
    m_pRecordDelayCheck->setChecked(false);
    m_pDefaultDelayCheck->setChecked(false);
    for (KestPushButton *loop : m_pLoopButtons)
        loop->setButtonChecked(false);
    m_delayType = 0;
    ClearStepTable();
    m_pDefaultDelayEdit->setText("10");
    m_pLoopCountEdit->setText("1");
    QString path = name;
    if (!SaveMacroFile(path)) {
        showWriteFailure();
        return;
    }
    AddMacroToList(name);
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
    QString newName = typed;
    for (int n = 2; FileExists(MacroFilePath(newName)) || listed.contains(newName); ++n)
        newName = typed + QString::asprintf("_%d", n);
    if (!IsSafeFileName(newName)) {
        refuseName(newName);
        return;
    }
    const QString oldPath = MacroFilePath(oldName);
    if (FileExists(oldPath) && !QFile::rename(oldPath, MacroFilePath(newName))) {
        showWriteFailure();
        return;
    }
    RenameInMacroList(oldName, newName);
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
    RemoveMacroFromList(name);
    if (IsSafeFileName(name) && FileExists(MacroFilePath(name)))
        QFile::remove(MacroFilePath(name));
    LoadMacroFile();
    if (onlyOne)
        ClearStepTable();
}

void MacroDialog::importMacros(const QStringList &paths)
{
    bool exists = false;
    bool refused = false;
    bool added = false;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;  // dialog cancelled
        const QString name = importedName(path);
        if (!IsSafeFileName(name)) {
            refused = true;
            continue;
        }
        if (FileExists(MacroFilePath(name)) || ReadMacroList().contains(name)) {
            exists = true;
            continue;
        }
        if (CountMacros() >= kMacroListSize) {
            showBox(1, tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
            break;
        }
        if (!copyReplacing(path, MacroFilePath(name))) {
            showWriteFailure();
            break;
        }
        AddMacroToList(name);
        added = true;
        if (!m_batchMode) {
            m_pNameEdit->setText(name);
            LoadMacroFile();
        }
    }
    if (refused)
        showBox(2, tr("Warning"), tr("Please input file name."));
    if (exists)
        showBox(2, tr("Warning"), tr("Macro Exist!"));
    if (added && m_batchMode)
        FillMacroList();
}

void MacroDialog::exportMacro(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString name = currentListName();
    if (!IsSafeFileName(name) || !copyReplacing(MacroFilePath(name), path))
        showWriteFailure();
}

// A file of the same name in the folder is kept; the macros not written are named once.
void MacroDialog::exportCheckedMacros(const QString &directory)
{
    if (directory.isEmpty())
        return;
    QStringList notWritten;
    for (int row = 0; row < m_pList->count(); ++row) {
        QListWidgetItem *item = m_pList->item(row);
        auto *box = qobject_cast<QCheckBox *>(m_pList->itemWidget(item));
        if (!box || !box->isChecked())
            continue;
        const QString name = rowName(item);
        const QString target = QDir(directory).filePath(name + kMacroSuffix);
        if (!IsSafeFileName(name) || QFileInfo::exists(target) || !CopyIntoPlace(MacroFilePath(name), target))
            notWritten << name;
    }
    if (!notWritten.isEmpty())
        showBox(2, tr("Warning"), tr("These macros were not written: %1").arg(notWritten.join(", ")));
}

// --------------------------------------------------------------- events

void MacroDialog::restyleTable()
{
    const double s = getScaleFactor();
    const ConfiguredFontEntry entry = ReadConfiguredFont();
    const QFont font = ScaledFont(entry.family, entry.size);
    layoutWidgets();
    for (int c = 0; c < 3; ++c)
        m_pTable->setColumnWidth(c, scaled(kColumnWidth, s));
    m_pTable->verticalHeader()->setDefaultSectionSize(scaled(26, s));
    m_pTable->horizontalHeader()->setFont(font);
    m_pTree->setFont(font);
    for (KestTreeItem *row : m_pMoveRows)
        row->UpdateScale();
    m_pTree->InitStyle();
    for (QWidget *w : std::initializer_list<QWidget *>{m_pFurtherLabels[0], m_pFurtherLabels[1], m_pNameEdit, m_pList,
                                                       m_pDefaultDelayEdit, m_pLoopCountEdit})
        w->setFont(font);
    ApplyListStyle();
    // Long translations narrow the font rather than run past the box.
    for (QCheckBox *box : {m_pRecordDelayCheck, m_pDefaultDelayCheck})
        FitCheckBoxText(box);
    // The rows take the new height from the view; the table itself is not reloaded, so
    // unsaved steps survive a scale or language change.
    m_pTable->viewport()->update();
}

void MacroDialog::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    restyleTable();
}

void MacroDialog::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_pixmaps[0].isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_pixmaps[0]);
    }
}

void MacroDialog::keyPressEvent(QKeyEvent *) {}

void MacroDialog::keyReleaseEvent(QKeyEvent *) {}
