#include "skinneddialog.h"

#include "scale.h"
#include "settings.h"
#include "skinimages.h"

#include <QPainter>

KestSkinnedDialog::KestSkinnedDialog(QWidget *parent, int width, int height)
    : QDialog(parent), m_dScaleFactor(getScaleFactor())
{
    setFixedSize(scaled(width, m_dScaleFactor), scaled(height, m_dScaleFactor));
    m_background = SkinPixmap(AppDir() + "/skin/dlg.png");
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlag(Qt::FramelessWindowHint);
}

void KestSkinnedDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
    painter.setPen(QPen(CurrentThemeColor(), 2));
    painter.drawRect(1, 1, width() - 2, height() - 2);
    painter.end();
    QDialog::paintEvent(event);
}

QFont DialogButtonFont(double scale)
{
    QFont font;
    font.setFamily("Consolas");
    font.setWeight(75);
    font.setPixelSize(scaled(14, scale));
    return font;
}

QPalette WhiteTextPalette(QPalette base)
{
    base.setBrush(QPalette::All, QPalette::WindowText, Qt::white);
    return base;
}
