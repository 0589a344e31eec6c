#include "previewcolorarea.h"

#include "scale.h"
#include "svcolorarea.h"

#include <QStylePainter>

PreviewColorArea::PreviewColorArea(QWidget *parent) : QWidget(parent) {}

void PreviewColorArea::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void PreviewColorArea::svChangedSlot(int h, int x, int level)
{
    if (h >= 360)
        h = 0;
    const double g = getScaleFactor();
    const int s = RingToLevel(x, g);
    const int v = RingToLevel(level, g);
    m_color.setHsv(h, s, v, 255);
    update();
    emit svChangedSignal(h, s, v);
}

void PreviewColorArea::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QStylePainter painter(this);
    const int half = width() / 2;
    painter.fillRect(0, 0, half, height(), m_color);
    painter.fillRect(half, 0, half, height(), m_color);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void PreviewColorArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}
