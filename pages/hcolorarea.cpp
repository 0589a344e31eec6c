#include "hcolorarea.h"

#include "scale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The bar's pixmap at scale 2 and below; larger factors need a taller one.
constexpr int kPixmapWidth = 34;
constexpr int kPixmapHeight = 270;

} // namespace

HColorArea::HColorArea(QWidget *parent) : QWidget(parent), m_barHeight(scaled(128, getScaleFactor()))
{
    buildBarPixmap();
}

void HColorArea::setHue(int h)
{
    m_hue = h;
    m_fraction = h / 360.0;
    update();
}

void HColorArea::rescale()
{
    m_barHeight = scaled(128, getScaleFactor());
    buildBarPixmap();
    update();
}

void HColorArea::buildBarPixmap()
{
    // Tall enough for the margin and the whole gradient at any scale.
    m_barPixmap = QPixmap(kPixmapWidth, qMax(kPixmapHeight, kTopMargin + m_barHeight));
    m_barPixmap.fill(Qt::transparent);
    QPainter painter(&m_barPixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, m_barHeight, 0, 0);
    for (int k = 0; k < 16; ++k) {
        const double t = k / 16.0;
        gradient.setColorAt(t, QColor::fromHsvF(t, 1, 1, 1));
    }
    gradient.setColorAt(1.0, QColor::fromHsvF(0, 1, 1, 1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(QRect(QPoint(0, kTopMargin), QPoint(kBarWidth - 1, kTopMargin + m_barHeight - 1)));
}

void HColorArea::hueFromMouse(QMouseEvent *event)
{
    const int y = qRound(event->localPos().y());
    double f = 1.0 - double(y - kTopMargin) / m_barHeight;
    if (f > 1.0)
        f = 1.0;
    else if (!(f > 0.0))
        f = 0.0;
    m_fraction = f;
    update();
    m_hue = int(360 * f);
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent *event) { hueFromMouse(event); }

void HColorArea::mouseMoveEvent(QMouseEvent *event) { hueFromMouse(event); }

void HColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit mouseReleaseSignal();
}

void HColorArea::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, m_barPixmap);
    const int y0 = int(m_barHeight - m_fraction * m_barHeight);
    const int w = width();
    QPainterPath marker;
    marker.setFillRule(Qt::OddEvenFill);
    marker.moveTo(kBarWidth, y0 + kTopMargin);
    marker.lineTo(w, y0);
    marker.lineTo(w, y0 + 2 * kTopMargin - 1);
    marker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(marker);
}
