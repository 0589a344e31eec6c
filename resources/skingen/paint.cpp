#include "paint.h"

#include <QLinearGradient>

namespace skin {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen glyphPen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QColor faceGlyph(Face face)
{
    switch (face) {
    case Face::Hover:
        return colour::glyphBright;
    case Face::Pressed:
        return QColor(0xc4, 0xcb, 0xd2);
    case Face::Disabled:
        return QColor(0x4a, 0x50, 0x57);
    default:
        return colour::glyph;
    }
}

void buttonFace(QPainter &painter, const QRectF &rect, qreal radius, Face face)
{
    QColor top, bottom, border;
    switch (face) {
    case Face::Hover:
        top = QColor(0x35, 0x3b, 0x42);
        bottom = QColor(0x24, 0x28, 0x2d);
        border = QColor(0x6a, 0x74, 0x7f);
        break;
    case Face::Pressed:
        top = QColor(0x16, 0x18, 0x1b);
        bottom = QColor(0x20, 0x24, 0x28);
        border = QColor(0x55, 0x5e, 0x68);
        break;
    case Face::Disabled:
        top = QColor(0x1c, 0x1e, 0x21);
        bottom = QColor(0x18, 0x1a, 0x1d);
        border = QColor(0x2a, 0x2e, 0x33);
        break;
    default:
        top = QColor(0x2b, 0x30, 0x36);
        bottom = QColor(0x1c, 0x1f, 0x23);
        border = colour::lineLight;
        break;
    }
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);
    if (face != Face::Pressed && face != Face::Disabled) {
        // A thin light edge along the top gives the face its bevel.
        painter.setPen(QPen(QColor(255, 255, 255, face == Face::Hover ? 40 : 24), 1));
        painter.drawLine(QPointF(body.left() + radius, body.top() + 1.0),
                         QPointF(body.right() - radius, body.top() + 1.0));
    } else if (face == Face::Pressed) {
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
        painter.drawLine(QPointF(body.left() + radius, body.top() + 1.0),
                         QPointF(body.right() - radius, body.top() + 1.0));
    }
}

void fieldFace(QPainter &painter, const QRectF &rect, qreal radius, Face face)
{
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, face == Face::Pressed ? QColor(0x0c, 0x0d, 0x0f) : QColor(0x10, 0x12, 0x14));
    fill.setColorAt(1, face == Face::Hover ? QColor(0x22, 0x26, 0x2b) : QColor(0x1a, 0x1d, 0x21));
    const QColor border = face == Face::Hover ? QColor(0x6a, 0x74, 0x7f)
                          : face == Face::Disabled ? QColor(0x2a, 0x2e, 0x33)
                                                   : colour::lineLight;
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);
}

void chevronDown(QPainter &painter, QPointF centre, qreal size, const QColor &colour, qreal width)
{
    painter.setPen(glyphPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(centre.x() - size, centre.y() - size / 2);
    path.lineTo(centre.x(), centre.y() + size / 2);
    path.lineTo(centre.x() + size, centre.y() - size / 2);
    painter.drawPath(path);
}

}  // namespace skin
