#include "defaultcolorarea.h"

#include "pageslogging.h"

#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget *parent, const QColor &colour) : QWidget(parent), m_color(colour) {}

void DefaultColorArea::setColor(const QColor &colour)
{
    m_color = colour;
    update();
}

void DefaultColorArea::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    qCDebug(lcPages, "DefaultColorArea mousePressEvent");
    emit ClickedSignal();
}

void DefaultColorArea::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(width() - 2, height() - 2)));
}

void DefaultColorArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}
