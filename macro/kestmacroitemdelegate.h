#pragma once
// Paints the macro editor's step rows: the cells hold only numbers (type, DataH, DataL);
// the texts and icons come from StepCell (macrosteps.h).

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QItemDelegate>
#include <QStandardItemModel>

class KestMacroItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    KestMacroItemDelegate();

    // Not used by the editor: rows paint white, the selected one black.
    void setColors(const QColor &normal, const QColor &selected);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QColor m_normalColor{255, 255, 255};
    QColor m_selectedColor{0, 0, 0};
    int m_minDelay;
    mutable QHash<QString, QPixmap> m_icons;  // loaded at first use
};

// Not used by the editor (its table has the plain model): every cell centred.
class KestItemModel : public QStandardItemModel {
    Q_OBJECT
public:
    explicit KestItemModel(QObject *parent = nullptr);
    KestItemModel(int rows, int columns, QObject *parent = nullptr);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
