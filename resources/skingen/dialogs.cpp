// The dialogs' backgrounds and pictures, the check boxes, the pointer-speed groove and
// the Yes/No icons of the kit's resource file.
#include "output.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace skin {

namespace {

// An opaque dialog panel; the message box draws its theme-coloured border over it.
QImage dialogPanel(int width, int height, int headerHeight)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    prepare(p);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, QColor(0x1f, 0x22, 0x27));
    fill.setColorAt(1, QColor(0x10, 0x12, 0x14));
    p.fillRect(image.rect(), fill);
    QRadialGradient glow(QPointF(width * 0.3, 0), width * 0.8);
    glow.setColorAt(0, QColor(140, 155, 170, 26));
    glow.setColorAt(1, QColor(140, 155, 170, 0));
    p.fillRect(image.rect(), glow);
    // Header strip with its rule.
    p.fillRect(QRect(0, 0, width, headerHeight), QColor(0, 0, 0, 50));
    p.setPen(QPen(QColor(0x08, 0x09, 0x0a), 1));
    p.drawLine(QPointF(12, headerHeight - 0.5), QPointF(width - 12, headerHeight - 0.5));
    p.setPen(QPen(QColor(0x33, 0x38, 0x3f), 1));
    p.drawLine(QPointF(12, headerHeight + 0.5), QPointF(width - 12, headerHeight + 0.5));
    // Lower plinth behind the buttons.
    QLinearGradient plinth(0, height - 70, 0, height);
    plinth.setColorAt(0, QColor(0, 0, 0, 0));
    plinth.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRect(0, height - 70, width, 70), plinth);
    p.setPen(QPen(QColor(0x3a, 0x40, 0x47), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage warning(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    const qreal s = size / 48.0;
    p.scale(s, s);
    QPainterPath triangle;
    triangle.moveTo(24, 4);
    triangle.lineTo(45, 42);
    triangle.lineTo(3, 42);
    triangle.closeSubpath();
    QLinearGradient fill(0, 4, 0, 42);
    fill.setColorAt(0, QColor(0xff, 0xc6, 0x3d));
    fill.setColorAt(1, QColor(0xe0, 0x8e, 0x0b));
    p.setPen(QPen(QColor(0x6a, 0x42, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x14, 0x08));
    p.drawRoundedRect(QRectF(22, 15, 4, 16), 2, 2);
    p.drawEllipse(QPointF(24, 36), 2.3, 2.3);
    return image;
}

QImage bullet()
{
    QImage image = canvas(9, 39);
    QPainter p(&image);
    prepare(p);
    QLinearGradient brass(0, 0, 9, 0);
    brass.setColorAt(0, QColor(0x8a, 0x62, 0x1e));
    brass.setColorAt(0.45, QColor(0xf1, 0xc8, 0x6a));
    brass.setColorAt(1, QColor(0x7a, 0x55, 0x18));
    QLinearGradient copper(0, 0, 9, 0);
    copper.setColorAt(0, QColor(0x7a, 0x3b, 0x1c));
    copper.setColorAt(0.45, QColor(0xe0, 0x8c, 0x5a));
    copper.setColorAt(1, QColor(0x6a, 0x30, 0x16));
    QPainterPath tip;
    tip.moveTo(0.5, 14);
    tip.cubicTo(0.5, 5, 4.5, 0.5, 4.5, 0.5);
    tip.cubicTo(4.5, 0.5, 8.5, 5, 8.5, 14);
    tip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(copper);
    p.drawPath(tip);
    p.setBrush(brass);
    p.drawRect(QRectF(0.5, 14, 8, 22));
    p.drawRect(QRectF(0, 36, 9, 3));
    return image;
}

QImage checkBox(bool checked)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    prepare(p);
    fieldFace(p, QRectF(0, 0, 16, 16), 3, Face::Normal);
    if (checked) {
        p.setPen(glyphPen(colour::glyphBright, 2));
        QPainterPath tick;
        tick.moveTo(4, 8.5);
        tick.lineTo(7, 11.5);
        tick.lineTo(12.5, 4.5);
        p.drawPath(tick);
    }
    return image;
}

// A scroll bar's arrow, drawn stretched to the arrow box at every scale.
QImage scrollArrow(bool up)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    prepare(p);
    if (up) {
        p.translate(10, 10);
        p.rotate(180);
        p.translate(-10, -10);
    }
    chevronDown(p, QPointF(10, 10), 5, colour::glyph, 2);
    return image;
}

QImage radio(bool checked)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    prepare(p);
    QLinearGradient fill(0, 0, 0, 20);
    fill.setColorAt(0, QColor(0x10, 0x12, 0x14));
    fill.setColorAt(1, QColor(0x22, 0x26, 0x2b));
    p.setPen(QPen(checked ? colour::glyph : colour::lineLight, 1.2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    if (checked) {
        QRadialGradient dot(QPointF(9.5, 9), 5);
        dot.setColorAt(0, Qt::white);
        dot.setColorAt(1, QColor(0xb5, 0xbd, 0xc5));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(QPointF(10, 10), 4.5, 4.5);
    }
    return image;
}

// Groove of the pointer-speed slider: a recessed track with ten steps marked.
QImage speedGroove()
{
    QImage image = canvas(250, 30);
    QPainter p(&image);
    prepare(p);
    fieldFace(p, QRectF(0, 11, 250, 8), 4, Face::Normal);
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), 1));
    for (int i = 0; i < 10; ++i) {
        const qreal x = 8 + i * (234.0 / 9);
        p.drawLine(QPointF(x, 3), QPointF(x, 8));
        p.drawLine(QPointF(x, 22), QPointF(x, 27));
    }
    return image;
}

QImage answerIcon(bool yes)
{
    QImage image = canvas(30, 30);
    QPainter p(&image);
    prepare(p);
    p.setPen(glyphPen(yes ? QColor(0x7c, 0xd9, 0x8b) : QColor(0xf0, 0x6a, 0x6a), 3));
    if (yes) {
        QPainterPath tick;
        tick.moveTo(8, 15.5);
        tick.lineTo(13, 20.5);
        tick.lineTo(22.5, 9.5);
        p.drawPath(tick);
    } else {
        p.drawLine(QPointF(9.5, 9.5), QPointF(20.5, 20.5));
        p.drawLine(QPointF(20.5, 9.5), QPointF(9.5, 20.5));
    }
    return image;
}

}  // namespace

void drawDialogs(const Output &out)
{
    out.skin(dialogPanel(478, 309, 54), "dlg.png");
    out.skin(dialogPanel(619, 400, 66), "dlg_gun.png");
    out.skin(warning(96), "warn.png");
    out.skin(receiver(96), "dongle2.png");
    out.skin(bullet(), "gunset_bullet.png");
    out.skin(checkBox(false), "checkbox1-1.png");
    out.skin(checkBox(true), "checkbox1-2.png");
    out.skin(scrollArrow(true), "scroll_up.png");
    out.skin(scrollArrow(false), "scroll_down.png");
    out.skin(radio(false), "checkbox2-1.png");
    out.skin(radio(true), "checkbox2-2.png");
    out.skin(speedGroove(), "pspeed.png");
    out.icon(answerIcon(true), "yes_Btn.png");
    out.icon(answerIcon(false), "no_Btn.png");
}

}  // namespace skin
