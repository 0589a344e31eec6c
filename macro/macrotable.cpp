// The step table: its rows as numbers, inserting and moving rows, and the command tree's
// clicks that insert steps.
#include "macrodialog.h"

#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "macrodialogparts.h"
#include "macrologging.h"
#include "myintvalidator.h"
#include "scale.h"

#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

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

void MacroDialog::ClearStepTable()
{
    m_pModel->clear();
    m_pModel->setColumnCount(3);
    m_pModel->setHorizontalHeaderLabels({tr("KEY"), tr("ACTION"), tr("DELAY(ms)")});
    const double s = getScaleFactor();
    for (int c = 0; c < 3; ++c)
        m_pTable->setColumnWidth(c, scaled(kColumnWidth, s));
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

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int column)
{
    qCDebug(lcMacro, "TreeitemClick = %d\n", column);
    if (m_pList->count() == 0 || !item)
        return;
    const int defaultDelay = defaultDelayMs();
    for (int b = 0; b < kMouseButtonCount; ++b) {
        ButtonClick click = kClickPressRelease;
        if (item == m_pTreeRows[b]) {
            if (!item->isExpanded()) {
                m_pTree->collapseAll();
                item->setExpanded(true);
                return;
            }
        } else if (item == m_pTreeChildren[b][0] || item == m_pTreeChildren[b][1]) {
            click = item == m_pTreeChildren[b][1] ? kClickRelease : kClickPress;
        } else {
            continue;
        }
        insertRows(currentRow() + 1, TreeButtonSteps(b, click, m_delayType, defaultDelay, m_minDelay));
        return;
    }
}

void MacroDialog::KestItemPressed()
{
    int direction = -1;
    for (int i = 0; i < 4; ++i)
        if (sender() == m_pMoveRows[i])
            direction = i;
    if (direction < 0 || m_pList->count() == 0)
        return;
    const int distance = FieldValue(m_pMoveRows[direction]->distanceEdit(), lcMacro);
    const QVector<MacroStep> steps = TreeMoveSteps(direction, distance, m_delayType, defaultDelayMs(), m_minDelay);
    if (steps.isEmpty())
        return;
    insertRows(currentRow() + 1, steps);
}

void MacroDialog::mousemove_test() { m_pTree->ClearHover(); }

void MacroDialog::SelectRow(int row) { qCDebug(lcMacro, "SelectRow %d", row); }
