#include "varnelwidget.h"

#include <QTimer>

VarnelWidget::VarnelWidget(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    resize(999, 640);
    QTimer::singleShot(200, this, &VarnelWidget::slotWarning);
}

VarnelWidget::~VarnelWidget() = default;

void VarnelWidget::slotWarning()
{
    if (m_iConnectedCount == 0)
        show();
}
