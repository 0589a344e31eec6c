#include "kestmenu.h"

#include "configuredfont.h"

#include <QPainter>

KestMenu::KestMenu(QWidget *parent) : QMenu(parent) {}

void KestMenu::setText(const QString &text)
{
    m_text = text;
    update();
}

void KestMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(ConfiguredFont());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
