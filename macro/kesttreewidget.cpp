#include "kesttreewidget.h"

#include "configuredfont.h"
#include "macrologging.h"
#include "scale.h"
#include "settings.h"
#include "skinimages.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace {

QString rowImage(int state, int row)
{
    static const char *const kButtonImages[3] = {"/skin/insert_mouse_key_1.png", "/skin/insert_mouse_key_2.png",
                                                 "/skin/insert_mouse_key_3.png"};
    static const char *const kMoveImages[4][3] = {{"/skin/left1.png", "/skin/left2.png", "/skin/left3.png"},
                                                  {"/skin/right1.png", "/skin/right2.png", "/skin/right3.png"},
                                                  {"/skin/up1.png", "/skin/up2.png", "/skin/up3.png"},
                                                  {"/skin/down1.png", "/skin/down2.png", "/skin/down3.png"}};
    return row < 5 ? kButtonImages[state] : kMoveImages[row - 5][state];
}

} // namespace

KestTreeWidget::KestTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    for (int state = 0; state < kStates; ++state)
        for (int row = 0; row < kTopRows; ++row)
            m_source[state][row] = SkinPixmap(AppDir() + rowImage(state, row));
    headerItem()->setTextAlignment(0, Qt::AlignCenter);
    header()->setStyleSheet(
        "QHeaderView::section{background-color:rgb(50,50,50);color:white;}QHeaderView::section{border:0px}");
    InitStyle();
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
    m_fontFamily = ReadConfiguredFont().family;
}

void KestTreeWidget::InitStyle()
{
    const double s = getScaleFactor();
    for (int state = 0; state < kStates; ++state)
        for (int row = 0; row < kTopRows; ++row)
            m_scaled[state][row] = StretchedSkinPixmap(m_source[state][row], QSize(scaled(150, s), scaled(25, s)));
    setStyleSheet(QString::asprintf("QTreeWidget{background-color:rgb(30,30,30);font-size:%dpx;height:%d;}*{outline:"
                                    "0px;}QTreeWidget{border:0px white;}QTreeWidget::Item{height:%d;border:0px white;}",
                                    scaled(10, s), scaled(434, s), scaled(30, s)));
}

void KestTreeWidget::ClearHover()
{
    std::fill(std::begin(m_topStates), std::end(m_topStates), 0);
    std::fill(std::begin(m_childStates), std::end(m_childStates), 0);
    viewport()->update();
}

void KestTreeWidget::setStateAt(const QPoint &pos, int state)
{
    const QModelIndex index = indexAt(pos);
    std::fill(std::begin(m_topStates), std::end(m_topStates), 0);
    std::fill(std::begin(m_childStates), std::end(m_childStates), 0);
    if (index.parent().isValid()) {
        if (index.row() >= 0 && index.row() < 2)
            m_childStates[index.row()] = state;
    } else if (index.row() >= 0 && index.row() < kTopRows) {
        m_topStates[index.row()] = state;
    }
    viewport()->update();
}

void KestTreeWidget::mousePressEvent(QMouseEvent *event)
{
    setStateAt(event->pos(), 2);
    QTreeWidget::mousePressEvent(event);
}

void KestTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    setStateAt(event->pos(), 1);
    QTreeWidget::mouseReleaseEvent(event);
}

void KestTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    setStateAt(event->pos(), 1);
    qCDebug(lcMacro, "mouseMoveEvent 1 %d\n", indexAt(event->pos()).row());
}

void KestTreeWidget::enterEvent(QEvent *event)
{
    setAttribute(Qt::WA_MouseTracking, true);
    QTreeWidget::enterEvent(event);
}

void KestTreeWidget::leaveEvent(QEvent *event)
{
    setAttribute(Qt::WA_MouseTracking, false);
    ClearHover();
    QTreeWidget::leaveEvent(event);
}

void KestTreeWidget::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const double s = getScaleFactor();
    const QRect r = option.rect;
    painter->save();
    if (index.parent().isValid()) {
        const int parentRow = index.parent().row();
        const int state = index.row() < 2 ? m_childStates[index.row()] : 0;
        if (parentRow >= 0 && parentRow < kTopRows)
            painter->drawPixmap(QRect(r.left() + scaled(6, s), r.top() + scaled(3, s), r.width() - scaled(6, s),
                                      r.height() - scaled(6, s)),
                                m_scaled[state][parentRow]);
        painter->setPen(Qt::white);
    } else if (index.row() >= 0 && index.row() < 5) {
        painter->drawPixmap(QRect(r.left(), r.top() + scaled(3, s), r.width(), r.height() - scaled(6, s)),
                            m_scaled[m_topStates[index.row()]][index.row()]);
        painter->setPen(Qt::white);
    }
    QFont font(m_fontFamily);
    font.setPixelSize(std::max(1, scaled(13, s)));
    painter->setFont(font);
    painter->drawText(r, Qt::AlignCenter, index.data().toString());
    painter->restore();
}
