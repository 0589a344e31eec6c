#pragma once
// Small drawing helpers shared by the skin's pictures: the palette, canvases and the
// recurring shapes (bevelled panels, glyph strokes).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace skin {

// The dark product palette; the user's theme colour is added by the program at run time.
namespace colour {
const QColor base(0x12, 0x14, 0x17);
const QColor baseLight(0x1b, 0x1e, 0x22);
const QColor panel(0x18, 0x1b, 0x1f);
const QColor panelLight(0x22, 0x26, 0x2b);
const QColor line(0x2b, 0x30, 0x36);
const QColor lineLight(0x3c, 0x43, 0x4b);
const QColor steel(0x5d, 0x66, 0x70);
const QColor glyph(0x9a, 0xa4, 0xae);
const QColor glyphBright(0xe6, 0xea, 0xee);
const QColor brand(0xd6, 0x2a, 0x3c);  // logo and icon only
const QColor amber(0xf2, 0xa9, 0x1d);
}  // namespace colour

// A transparent ARGB canvas.
QImage canvas(int width, int height);
// A painter with antialiasing on.
void prepare(QPainter &painter);

enum class Face { Normal, Hover, Pressed, Disabled };

// A bevelled button face filling the rectangle: gradient, 1 px border, top highlight.
void buttonFace(QPainter &painter, const QRectF &rect, qreal radius, Face face);
// A recessed field (drop-downs, name fields).
void fieldFace(QPainter &painter, const QRectF &rect, qreal radius, Face face);
// A small down-pointing chevron centred on (x, y).
void chevronDown(QPainter &painter, QPointF centre, qreal size, const QColor &colour, qreal width = 1.6);
// Glyph stroke pen: round caps and joins.
QPen glyphPen(const QColor &colour, qreal width);
QColor faceGlyph(Face face);

// The USB receiver picture, size × size (the status icon and the message box's picture).
QImage receiver(int size);

}  // namespace skin
