// The page's controls: creation, placement at the current scale, fonts and style sheets.
#include "macrodialog.h"

#include "configuredfont.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestmacroitemdelegate.h"
#include "kestpushbutton.h"
#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "lightingfiles.h"
#include "macrodialogparts.h"
#include "myintvalidator.h"
#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>

namespace {

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

} // namespace

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
    // A row is loaded as it is pressed, and a drag cannot move the current row away from it.
    connect(m_pList, &QListWidget::pressed, this, &MacroDialog::itemClicked);
    m_pList->viewport()->installEventFilter(this);

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
    // The number fields get a white frame: a dark fill alone hardly shows on the page's grey.
    const QString fieldStyle = "border:1px solid white;background:rgb(30,30,30);color:white";
    m_pStepDelayEdit = new QLineEdit(this);
    m_pStepDelayEdit->setObjectName("stepDelayEdit");
    m_pStepDelayEdit->setMaxLength(5);
    m_pStepDelayEdit->setValidator(new QIntValidator(10, 65535, m_pStepDelayEdit));
    m_pStepDelayEdit->setStyleSheet(fieldStyle);
    connect(m_pStepDelayEdit, &QLineEdit::textChanged, this, &MacroDialog::EditDelayChanged);
    m_pStepDistanceEdit = new QLineEdit(this);
    m_pStepDistanceEdit->setObjectName("stepDistanceEdit");
    m_pStepDistanceEdit->setMaxLength(5);
    // Clamping: a plain validator would let 121-999 through, and the byte would wrap.
    m_pStepDistanceEdit->setValidator(new MyIntValidator2(1, kMoveDistanceMax, m_pStepDistanceEdit));
    m_pStepDistanceEdit->setStyleSheet(fieldStyle);
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
    // Batch mode's boxes: the skin's indicator, which shows on the dark rows ticked or not.
    const QString boxStyle = SkinCheckBoxStyleSheet(s) + "QCheckBox{color:rgb(255,255,255)}";
    for (int row = 0; row < m_pList->count(); ++row) {
        if (QWidget *box = m_pList->itemWidget(m_pList->item(row)))
            box->setStyleSheet(boxStyle);
    }
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
