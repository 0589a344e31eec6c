#include "kestprocessbar.h"

#include "configuredfont.h"

#include <QPainter>
#include <QTextOption>

KestProcessbar::KestProcessbar(QWidget *parent) : QProgressBar(parent) {}

void KestProcessbar::setBarText(const QString &text)
{
    m_text = text;
    update();
}

void KestProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(ConfiguredFont());
    painter.setPen(Qt::white);
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(0, 0, width(), height()), m_text, option);
}
