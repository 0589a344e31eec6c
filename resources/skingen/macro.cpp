// The macro editor: its tool buttons (four states each), the step-row icons and the rows
// of the mouse-command tree (150 × 25, the tree scales them).
#include "output.h"
#include "paint.h"

#include <QLinearGradient>
#include <functional>

namespace skin {

namespace {

constexpr Face kFaces[4] = {Face::Normal, Face::Hover, Face::Pressed, Face::Disabled};

QImage toolButton(Face face)
{
    QImage image = canvas(96, 26);
    QPainter p(&image);
    prepare(p);
    buttonFace(p, QRectF(0, 0, 96, 26), 3, face);
    return image;
}

// Tree row: a dark strip with a steel edge; hover lifts it, a press sinks it.
QImage treeRow(Face face)
{
    QImage image = canvas(150, 25);
    QPainter p(&image);
    prepare(p);
    buttonFace(p, QRectF(0, 0, 150, 25), 2, face);
    return image;
}

void mouseGlyph(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(glyphPen(c, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, r.width() / 2, r.width() / 2.2);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() * 0.38));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.38), QPointF(r.right(), r.top() + r.height() * 0.38));
}

// An arrow pointing by (dx, dy), centred on c.
void arrowGlyph(QPainter &p, QPointF c, qreal length, int dx, int dy, const QColor &colour)
{
    p.setPen(glyphPen(colour, 1.8));
    p.setBrush(Qt::NoBrush);
    const QPointF dir(dx, dy);
    const QPointF normal(-dy, dx);
    const QPointF tip = c + dir * (length / 2);
    p.drawLine(c - dir * (length / 2), tip);
    p.drawLine(tip, tip - dir * 4 + normal * 3.5);
    p.drawLine(tip, tip - dir * 4 - normal * 3.5);
}

QImage treeRowWithGlyph(Face face, int dx, int dy, bool mouse)
{
    QImage image = treeRow(face);
    QPainter p(&image);
    prepare(p);
    const QColor c = faceGlyph(face);
    if (mouse)
        mouseGlyph(p, QRectF(9, 5, 10, 15), c);
    else
        arrowGlyph(p, QPointF(14, 12.5), 12, dx, dy, c);
    return image;
}

QImage stepIcon(const std::function<void(QPainter &)> &draw, int width = 20)
{
    QImage image = canvas(width, 20);
    QPainter p(&image);
    prepare(p);
    draw(p);
    return image;
}

void keyCap(QPainter &p, const QRectF &r)
{
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x3a, 0x40, 0x47));
    fill.setColorAt(1, QColor(0x22, 0x26, 0x2b));
    p.setPen(QPen(QColor(0x6a, 0x74, 0x7f), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 2.5, 2.5);
}

}  // namespace

void drawMacro(const Output &out)
{
    const char *tools[] = {"add", "delete", "moveup", "movedown", "top", "bottom", "clear"};
    for (const char *name : tools)
        for (int state = 0; state < 4; ++state)
            out.skin(toolButton(kFaces[state]), QString("%1%2.png").arg(name).arg(state + 1));
    out.skin(toolButton(Face::Normal), "edit.png");

    for (int state = 0; state < 3; ++state) {
        const QString n = QString::number(state + 1);
        out.skin(treeRowWithGlyph(kFaces[state], 0, 0, true), "insert_mouse_key_" + n + ".png");
        out.skin(treeRowWithGlyph(kFaces[state], -1, 0, false), "left" + n + ".png");
        out.skin(treeRowWithGlyph(kFaces[state], 1, 0, false), "right" + n + ".png");
        out.skin(treeRowWithGlyph(kFaces[state], 0, -1, false), "up" + n + ".png");
        out.skin(treeRowWithGlyph(kFaces[state], 0, 1, false), "down" + n + ".png");
    }
    // The movement rows' own item widgets show one image in every state.
    out.skin(treeRowWithGlyph(Face::Normal, -1, 0, false), "left.png");
    out.skin(treeRowWithGlyph(Face::Normal, 1, 0, false), "right.png");
    out.skin(treeRowWithGlyph(Face::Normal, 0, -1, false), "up.png");
    out.skin(treeRowWithGlyph(Face::Normal, 0, 1, false), "down.png");

    const QColor c = colour::glyphBright;
    out.skin(stepIcon([&](QPainter &p) { mouseGlyph(p, QRectF(5, 2, 10, 16), c); }), "mouse_move.png");
    const auto clock = [&](QPainter &p) {
        p.setPen(glyphPen(c, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
        p.drawLine(QPointF(10, 10), QPointF(10, 5.5));
        p.drawLine(QPointF(10, 10), QPointF(13.5, 11.5));
    };
    out.skin(stepIcon(clock), "delay.png");
    out.skin(stepIcon([&](QPainter &p) {
                 clock(p);
                 p.setPen(Qt::NoPen);
                 p.setBrush(colour::amber);
                 p.drawEllipse(QPointF(16, 16), 2.6, 2.6);
             }),
             "icondelay.png");
    out.skin(stepIcon(
                 [&](QPainter &p) {
                     keyCap(p, QRectF(1.5, 3.5, 37, 13));
                     p.setPen(QPen(QColor(0xb5, 0xbd, 0xc5), 1));
                     for (int i = 0; i < 5; ++i)
                         p.drawPoint(QPointF(8 + i * 6, 8));
                     p.drawLine(QPointF(12, 12.5), QPointF(28, 12.5));
                 },
                 40),
             "keybo.png");
    out.skin(stepIcon([&](QPainter &p) {
                 keyCap(p, QRectF(3.5, 9.5, 13, 9));
                 arrowGlyph(p, QPointF(10, 5), 7, 0, 1, c);
             }),
             "keydown.png");
    out.skin(stepIcon([&](QPainter &p) {
                 keyCap(p, QRectF(3.5, 9.5, 13, 9));
                 arrowGlyph(p, QPointF(10, 5), 7, 0, -1, c);
             }),
             "keyup.png");
}

}  // namespace skin
