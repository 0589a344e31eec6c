#include "kestslider.h"

#include "kestlabel.h"

KestSlider::KestSlider(QWidget *parent) : QSlider(parent), m_pValueTip(new KestLabel(this))
{
    m_pValueTip->setFixedSize(20, 20);
    QPalette tipPalette = m_pValueTip->palette();
    tipPalette.setBrush(QPalette::Window, Qt::white);
    m_pValueTip->setPalette(tipPalette);
    m_pValueTip->setAutoFillBackground(true);
    m_pValueTip->m_alignment = Qt::AlignCenter;
    m_pValueTip->move(1, 4);
    m_pValueTip->hide();

    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background-color: rgba(0,0,0,0)");
    QPalette transparent = palette();
    transparent.setBrush(QPalette::Window, QColor(0, 0, 0, 0));
    setPalette(transparent);
}

void KestSlider::setShowValueTip(bool on)
{
    m_bShowValueTip = on;
    if (!on)
        m_pValueTip->hide();
}

void KestSlider::mousePressEvent(QMouseEvent *event)
{
    if (m_bShowValueTip && !m_pValueTip->isVisible()) {
        m_pValueTip->setNumber(value());
        m_pValueTip->show();
    }
    QSlider::mousePressEvent(event);
}

void KestSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_bShowValueTip) {
        m_pValueTip->setNumber(value());
        const int span = maximum() - minimum();
        // An empty range keeps the tip at the left instead of dividing by zero.
        const int x = span == 0 ? 0 : (value() - minimum()) * (width() - m_pValueTip->width()) / span;
        m_pValueTip->move(x, 0);
    }
    QSlider::mouseMoveEvent(event);
}

void KestSlider::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseChange();
    if (m_bShowValueTip && m_pValueTip->isVisible())
        m_pValueTip->hide();
    QSlider::mouseReleaseEvent(event);
}

void KestSlider::resizeEvent(QResizeEvent *) {}
