#include "kestmacroitemdelegate.h"

#include "devicedefaults.h"
#include "macrosteps.h"
#include "scale.h"
#include "settings.h"
#include "skinimages.h"

#include <QPainter>
#include <QPixmap>

KestMacroItemDelegate::KestMacroItemDelegate() : m_minDelay(EffectiveMinDelay(GetMinDelay())) {}

void KestMacroItemDelegate::setColors(const QColor &normal, const QColor &selected)
{
    m_normalColor = normal;
    m_selectedColor = selected;
}

void KestMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const QStyleOptionViewItem opt = setOptions(index, option);
    const QAbstractItemModel *model = index.model();
    const int row = index.row();
    const QString typeText = model->index(row, 0).data().toString();
    const int dataH = model->index(row, 1).data().toString().toInt();
    const int dataL = model->index(row, 2).data().toString().toInt();
    const StepCellPaint cell = StepCell(index.column(), typeText, index.data().toString(), dataH, dataL, m_minDelay);

    const double s = getScaleFactor();
    const QRect r = opt.rect;
    painter->save();
    painter->setPen((opt.state & QStyle::State_Selected) ? m_selectedColor : m_normalColor);
    drawBackground(painter, opt, index);
    if (!cell.icon.isEmpty()) {
        const int top = r.top() + int((r.height() - 20 * s) / 2);
        auto icon = m_icons.find(cell.icon);
        if (icon == m_icons.end())
            icon = m_icons.insert(cell.icon, SkinPixmap(AppDir() + cell.icon));
        painter->drawPixmap(QRect(r.left() + scaled(cell.iconX, s), top, scaled(cell.iconWidth, s), scaled(20, s)),
                            *icon);
    }
    if (!cell.text.isEmpty())
        painter->drawText(r, Qt::AlignCenter, cell.text);
    painter->restore();
}

KestItemModel::KestItemModel(QObject *parent) : QStandardItemModel(parent) {}

KestItemModel::KestItemModel(int rows, int columns, QObject *parent) : QStandardItemModel(rows, columns, parent) {}

QVariant KestItemModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QStandardItemModel::data(index, role);
}
