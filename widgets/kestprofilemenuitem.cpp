#include "kestprofilemenuitem.h"

#include "kestlabel.h"

KestProfileMenuItem::KestProfileMenuItem(QWidget *parent, const QString &text)
    : QWidget(parent), m_pLabel(new KestLabel(text, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_pLabel->setFixedSize(143, 20);
    m_pLabel->m_alignment = Qt::AlignCenter;
    setStyleSheet("color:white;");
}

void KestProfileMenuItem::setText(const QString &text)
{
    m_pLabel->m_text = text;
    m_pLabel->update();
}

QString KestProfileMenuItem::text() const { return m_pLabel->text(); }
