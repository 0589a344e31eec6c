#include "svcolorarea.h"

#include "pageslogging.h"
#include "scale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

int LevelToRing(int level, double scale) { return int((level / 2) * scale); }

int RingToLevel(int ring, double scale) { return ring > 127 * scale ? 255 : int(2 * ring / scale); }

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent), m_size(scaled(128, getScaleFactor())), m_scaleInUse(getScaleFactor())
{
    allocatePixmaps();
    buildColorPixmap();
}

void SVColorArea::allocatePixmaps()
{
    m_colorPixmap = QPixmap(m_size, m_size);
    m_colorPixmap.fill(Qt::transparent);
    buildValueOverlay();
}

void SVColorArea::buildColorPixmap()
{
    ++m_colorBuilds;
    m_drawnHue = m_hue;
    QColor c;
    c.setHsv(m_hue, 255, 255, 255);
    QPainter painter(&m_colorPixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, m_size, 0);
    gradient.setColorAt(0, QColor("#ffffff"));
    gradient.setColorAt(1, c);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(m_size - 1, m_size - 1)));
}

void SVColorArea::buildValueOverlay()
{
    m_valueOverlay = QPixmap(m_size, m_size);
    m_valueOverlay.fill(Qt::transparent);
    QPainter painter(&m_valueOverlay);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QLinearGradient gradient(0, 0, 0, m_size);
    gradient.setColorAt(0, QColor(0, 0, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 0, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(m_valueOverlay.rect());
}

void SVColorArea::changeHue(int h)
{
    m_hue = h;
    if (h != m_drawnHue)
        buildColorPixmap();
}

void SVColorArea::setHue(int h)
{
    changeHue(h);
    update();
}

void SVColorArea::setSaturation(int level)
{
    m_ringX = LevelToRing(level, getScaleFactor());
    update();
}

void SVColorArea::setValue(int level)
{
    m_ringLevel = LevelToRing(level, getScaleFactor());
    update();
}

void SVColorArea::setHsv(int h, int s, int v)
{
    const double g = getScaleFactor();
    m_ringX = LevelToRing(s, g);
    m_ringLevel = LevelToRing(v, g);
    changeHue(h);
    update();
}

void SVColorArea::hueChangedSlot(int h)
{
    changeHue(h);
    emit svChangedSignal(h, m_ringX, m_ringLevel);
    update();
}

void SVColorArea::rescale()
{
    const double g = getScaleFactor();
    m_size = scaled(128, g);
    m_ringX = int(m_ringX * g / m_scaleInUse);
    m_ringLevel = int(m_ringLevel * g / m_scaleInUse);
    allocatePixmaps();
    buildColorPixmap();
    m_scaleInUse = g;
    update();
}

QColor SVColorArea::ringColor() const { return m_ringLevel <= m_size / 2 ? Qt::white : Qt::black; }

void SVColorArea::ringFromMouse(QMouseEvent *event, bool press)
{
    const int x = qRound(event->localPos().x());
    const int y = qRound(event->localPos().y());
    if (press)
        qCDebug(lcPages, "SVColorArea mousePressEvent %d %d\n", x, m_size - y);
    m_ringX = qBound(0, x, m_size);
    m_ringLevel = qBound(0, m_size - y, m_size);
    emit svChangedSignal(m_hue, m_ringX, m_ringLevel);
    if (press)
        qCDebug(lcPages, "SVColorArea mousePressEvent %d %d\n", m_ringX, m_ringLevel);
    update();
}

void SVColorArea::mousePressEvent(QMouseEvent *event) { ringFromMouse(event, true); }

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        ringFromMouse(event, false);
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit mouseReleaseSignal();
}

void SVColorArea::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, m_colorPixmap);
    painter.drawPixmap(0, 0, m_valueOverlay);
    painter.setPen(QPen(ringColor(), 2, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(m_ringX - 6, m_size - m_ringLevel - 6, 12, 12));
}
