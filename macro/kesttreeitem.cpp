#include "kesttreeitem.h"

#include "kestlabel.h"
#include "macrologging.h"
#include "myintvalidator.h"
#include "scale.h"
#include "skinimages.h"

#include <QDebug>
#include <QLineEdit>
#include <QPainter>

KestTreeItem::KestTreeItem(const QString &normalImage, const QString &hoverImage, const QString &pressedImage,
                           QWidget *parent)
    : QWidget(parent)
{
    for (const QString &image : {normalImage, hoverImage, pressedImage})
        if (!image.isEmpty())  // most rows have one picture for every state
            qCDebug(lcMacro) << image;
    m_source[0] = SkinPixmap(normalImage);
    m_source[1] = SkinPixmap(hoverImage);
    m_source[2] = SkinPixmap(pressedImage);
    if (m_source[1].isNull() || m_source[2].isNull()) {
        m_source[1] = m_source[0];
        m_source[2] = m_source[0];
    }
    scaleImages();
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setupUi();
}

void KestTreeItem::setupUi()
{
    const double s = getScaleFactor();
    setFixedSize(scaled(148, s), scaled(30, s));
    m_pLabel = new KestLabel(this);
    m_pLabel->setFixedSize(scaled(75, s), scaled(30, s));
    m_pLabel->move(scaled(31, s), 0);
    m_pLabel->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    setStyleSheet("color:white;");
    connect(m_pLabel, &KestLabel::EnterSignal, this, &KestTreeItem::slotLabelClick);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName("distanceEdit");
    m_pEdit->setGeometry(scaled(108, s), scaled(5, s), scaled(28, s), scaled(20, s));
    m_pEdit->setMaxLength(3);
    m_pEdit->setValidator(new MyIntValidator(1, 120, m_pEdit));
    m_pEdit->setStyleSheet("background-color:rgb(30,30,30)");
    m_pEdit->setText("1");
}

void KestTreeItem::scaleImages()
{
    const double s = getScaleFactor();
    for (int i = 0; i < 3; ++i)
        m_images[i] = StretchedSkinPixmap(m_source[i], QSize(scaled(148, s), scaled(24, s)));
}

void KestTreeItem::SetItemText(const QString &text)
{
    m_pLabel->m_text = text;
    m_pLabel->update();
}

void KestTreeItem::UpdateScale()
{
    const double s = getScaleFactor();
    scaleImages();
    setFixedSize(scaled(148, s), scaled(30, s));
    m_pLabel->setFixedSize(scaled(75, s), scaled(30, s));
    m_pLabel->move(scaled(31, s), 0);
    m_pEdit->setGeometry(scaled(108, s), scaled(5, s), scaled(28, s), scaled(20, s));
    update();
}

void KestTreeItem::slotLabelClick(KestLabel *)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = 2;
    update();
    emit KestMousePressed();
}

void KestTreeItem::mousePressEvent(QMouseEvent *event)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = 2;
    update();
    QWidget::mousePressEvent(event);
    emit KestMousePressed();
}

void KestTreeItem::mouseReleaseEvent(QMouseEvent *event)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = m_inside;
    update();
    QWidget::mouseReleaseEvent(event);
}

void KestTreeItem::mouseMoveEvent(QMouseEvent *event)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = 1;
    update();
    QWidget::mouseMoveEvent(event);
}

void KestTreeItem::enterEvent(QEvent *)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = 1;
    m_inside = 1;
    setMouseTracking(true);
    emit MouseInSignal();
}

void KestTreeItem::leaveEvent(QEvent *)
{
    m_pLabel->setStyleSheet("color:white;");
    m_state = 0;
    m_inside = 0;
    setMouseTracking(false);
    update();
}

void KestTreeItem::paintEvent(QPaintEvent *)
{
    const double s = getScaleFactor();
    QPainter painter(this);
    painter.drawPixmap(QRect(0, scaled(3, s), scaled(148, s), scaled(24, s)), m_images[m_state]);
}
