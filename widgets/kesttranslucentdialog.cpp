#include "kesttranslucentdialog.h"

#include "kestlabel.h"
#include "scale.h"

KestTranslucentDialog::KestTranslucentDialog(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background-color: rgb(33,35, 35)");
    QPalette white = palette();
    white.setBrush(QPalette::WindowText, Qt::white);
    setPalette(white);
    m_pCaption = new KestLabel(this);
    m_pCaption->setPalette(white);
    placeCaption();
    m_pCaption->m_text = QObject::tr("Mouse Sleep");
}

void KestTranslucentDialog::placeCaption()
{
    setScaledGeometry(m_pCaption, getScaleFactor(), 20, 10, 230, 20);
}

void KestTranslucentDialog::resizeEvent(QResizeEvent *) { placeCaption(); }
