// Buttons of the main window and the pages: window controls, tabs, the profile tools,
// drop-down fields, the marks on the mouse picture, the battery and receiver pictures.
#include "output.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <functional>

namespace skin {

namespace {

using Glyph = std::function<void(QPainter &, const QRectF &, const QColor &)>;

// Window controls (19 × 19): a dark key with a glyph; hover lights it, the close key turns red.
QImage windowKey(Face face, bool close)
{
    QImage image = canvas(19, 19);
    QPainter p(&image);
    prepare(p);
    QColor fill = QColor(0x1f, 0x23, 0x27), border = colour::line;
    if (face == Face::Hover) {
        fill = close ? QColor(0xc6, 0x2b, 0x32) : QColor(0x38, 0x3e, 0x45);
        border = close ? QColor(0xe0, 0x4a, 0x50) : QColor(0x60, 0x69, 0x73);
    } else if (face == Face::Pressed) {
        fill = close ? QColor(0x8e, 0x1c, 0x22) : QColor(0x15, 0x17, 0x1a);
        border = close ? QColor(0xb0, 0x2a, 0x30) : QColor(0x4a, 0x52, 0x5b);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 18, 18), 4, 4);
    const QColor glyph = face == Face::Normal ? colour::glyph : colour::glyphBright;
    p.setPen(glyphPen(glyph, 1.6));
    if (close) {
        p.drawLine(QPointF(6, 6), QPointF(13, 13));
        p.drawLine(QPointF(13, 6), QPointF(6, 13));
    } else {
        p.drawLine(QPointF(5.5, 12.5), QPointF(13.5, 12.5));
    }
    return image;
}

// The tab face (154 × 29), also used by most dialog and page buttons.
QImage tab(Face face)
{
    QImage image = canvas(154, 29);
    QPainter p(&image);
    prepare(p);
    buttonFace(p, QRectF(0, 0, 154, 29), 3, face);
    return image;
}

// The square profile tools (24 × 24).
QImage tool(Face face, const Glyph &glyph)
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    prepare(p);
    buttonFace(p, QRectF(0, 0, 24, 24), 4, face);
    glyph(p, QRectF(5, 5, 14, 14), faceGlyph(face));
    return image;
}

void plusGlyph(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(glyphPen(c, 1.8));
    p.drawLine(QPointF(r.center().x(), r.top() + 1), QPointF(r.center().x(), r.bottom() - 1));
    p.drawLine(QPointF(r.left() + 1, r.center().y()), QPointF(r.right() - 1, r.center().y()));
}

void binGlyph(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(glyphPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.left() + 1, r.top() + 3), QPointF(r.right() - 1, r.top() + 3));
    p.drawLine(QPointF(r.center().x() - 2, r.top() + 1), QPointF(r.center().x() + 2, r.top() + 1));
    QPainterPath can;
    can.moveTo(r.left() + 3, r.top() + 5);
    can.lineTo(r.left() + 4, r.bottom());
    can.lineTo(r.right() - 4, r.bottom());
    can.lineTo(r.right() - 3, r.top() + 5);
    p.drawPath(can);
    p.drawLine(QPointF(r.center().x(), r.top() + 7), QPointF(r.center().x(), r.bottom() - 2));
}

void copyGlyph(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(glyphPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r.left() + 4, r.top() + 4, 9, 10), 1.5, 1.5);
    QPainterPath back;
    back.moveTo(r.left() + 1, r.top() + 10);
    back.lineTo(r.left() + 1, r.top() + 1.5);
    back.quadTo(r.left() + 1, r.top() + 0.5, r.left() + 2, r.top() + 0.5);
    back.lineTo(r.left() + 9, r.top() + 0.5);
    p.drawPath(back);
}

void resetGlyph(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(glyphPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = r.adjusted(1.5, 1.5, -1.5, -1.5);
    p.drawArc(ring, 100 * 16, 290 * 16);
    // Arrow head at the open end of the ring.
    QPainterPath head;
    const QPointF tip(ring.center().x() - 0.5, ring.top());
    head.moveTo(tip + QPointF(-3.5, -2.5));
    head.lineTo(tip);
    head.lineTo(tip + QPointF(-3, 3));
    p.drawPath(head);
}

void arrowIntoTray(QPainter &p, const QRectF &r, const QColor &c, bool up)
{
    p.setPen(glyphPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tray;
    tray.moveTo(r.left() + 1, r.bottom() - 5);
    tray.lineTo(r.left() + 1, r.bottom() - 1);
    tray.lineTo(r.right() - 1, r.bottom() - 1);
    tray.lineTo(r.right() - 1, r.bottom() - 5);
    p.drawPath(tray);
    const qreal x = r.center().x();
    p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 5));
    QPainterPath head;
    if (up) {
        head.moveTo(x - 3.5, r.top() + 4.5);
        head.lineTo(x, r.top() + 1);
        head.lineTo(x + 3.5, r.top() + 4.5);
    } else {
        head.moveTo(x - 3.5, r.bottom() - 8.5);
        head.lineTo(x, r.bottom() - 5);
        head.lineTo(x + 3.5, r.bottom() - 8.5);
    }
    p.drawPath(head);
}

// A drop-down field: recessed face, chevron at the right.
QImage dropDown(int width, int height, Face face, bool globe = false)
{
    QImage image = canvas(width, height);
    QPainter p(&image);
    prepare(p);
    fieldFace(p, QRectF(0, 0, width, height), 3, face);
    const qreal cy = height / 2.0;
    p.setPen(QPen(QColor(0x2e, 0x33, 0x39), 1));
    p.drawLine(QPointF(width - height - 0.5, 4), QPointF(width - height - 0.5, height - 4));
    chevronDown(p, QPointF(width - height / 2.0 - 0.5, cy + 0.5), height > 22 ? 4 : 3,
                face == Face::Hover ? colour::glyphBright : colour::glyph);
    if (globe) {
        const qreal r = height * 0.28;
        const QPointF c(4 + r, cy);
        p.setPen(glyphPen(face == Face::Hover ? colour::glyphBright : colour::glyph, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        p.drawEllipse(c, r * 0.45, r);
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    }
    return image;
}

// The profile button beside the name field (16 × 22): a chevron key.
QImage chevronKey()
{
    QImage image = canvas(16, 22);
    QPainter p(&image);
    prepare(p);
    buttonFace(p, QRectF(0, 0, 16, 22), 3, Face::Normal);
    chevronDown(p, QPointF(8, 11.5), 3.5, colour::glyph);
    return image;
}

// Slot buttons (152 × 28): a name plate.
QImage namePlate(Face face)
{
    QImage image = canvas(152, 28);
    QPainter p(&image);
    prepare(p);
    fieldFace(p, QRectF(0, 0, 152, 28), 3, face);
    p.setPen(glyphPen(face == Face::Hover ? colour::glyphBright : colour::steel, 1.2));
    // A small pencil at the right end.
    p.drawLine(QPointF(136, 18), QPointF(143, 11));
    p.drawLine(QPointF(134.5, 19.5), QPointF(136, 18));
    return image;
}

// The round button marks on the mouse picture (22 × 22).
QImage mark(bool lit)
{
    QImage image = canvas(22, 22);
    QPainter p(&image);
    prepare(p);
    QRadialGradient fill(QPointF(11, 9), 11);
    fill.setColorAt(0, lit ? QColor(0x4a, 0x52, 0x5b) : QColor(0x2a, 0x2f, 0x35));
    fill.setColorAt(1, lit ? QColor(0x24, 0x28, 0x2d) : QColor(0x14, 0x16, 0x19));
    p.setPen(QPen(lit ? colour::glyphBright : colour::steel, 1.4));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
    return image;
}

// Wheel marks (22 × 22): an arrow in a ring. Family A (1 hover, 2 normal) is a plain
// chevron, family B (3 hover, 4 normal) a filled triangle.
QImage wheelMark(bool up, bool lit, bool filled)
{
    QImage image = mark(lit);
    QPainter p(&image);
    prepare(p);
    const QColor c = lit ? colour::glyphBright : colour::glyph;
    const qreal d = up ? -1 : 1;
    if (filled) {
        QPainterPath tri;
        tri.moveTo(11, 11 + 4 * d);
        tri.lineTo(6.5, 11 - 2.5 * d);
        tri.lineTo(15.5, 11 - 2.5 * d);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(tri);
    } else {
        p.setPen(glyphPen(c, 1.8));
        QPainterPath chevron;
        chevron.moveTo(6.5, 11 - 2 * d);
        chevron.lineTo(11, 11 + 2.5 * d);
        chevron.lineTo(15.5, 11 - 2 * d);
        p.drawPath(chevron);
    }
    return image;
}

// The lightning bolt used by the charge icon and the wired battery picture.
QPainterPath bolt(const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.62, r.top());
    path.lineTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.56);
    path.lineTo(r.left() + r.width() * 0.46, r.top() + r.height() * 0.56);
    path.lineTo(r.left() + r.width() * 0.34, r.bottom());
    path.lineTo(r.left() + r.width() * 0.92, r.top() + r.height() * 0.40);
    path.lineTo(r.left() + r.width() * 0.54, r.top() + r.height() * 0.40);
    path.closeSubpath();
    return path;
}

// Battery shell (86 × 47) drawn behind the battery bar, whose 71 × 34 sits at (6, 6).
void batteryShell(QPainter &p)
{
    p.setPen(QPen(QColor(0xa9, 0xb2, 0xbb), 2));
    p.setBrush(QColor(0x0b, 0x0c, 0x0e));
    p.drawRoundedRect(QRectF(3, 3, 77, 40), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa9, 0xb2, 0xbb));
    p.drawRoundedRect(QRectF(81, 15, 4.5, 17), 1.5, 1.5);
}

QImage battery(bool wired)
{
    QImage image = canvas(86, 47);
    QPainter p(&image);
    prepare(p);
    batteryShell(p);
    if (wired) {
        // On the cable the bar is hidden: the shell shows a bolt instead.
        QLinearGradient fill(0, 8, 0, 40);
        fill.setColorAt(0, colour::glyphBright);
        fill.setColorAt(1, QColor(0xa0, 0xa9, 0xb3));
        p.setBrush(fill);
        p.drawPath(bolt(QRectF(31, 8, 22, 31)));
    }
    return image;
}

QImage chargeIcon()
{
    QImage image = canvas(26, 40);
    QPainter p(&image);
    prepare(p);
    QLinearGradient fill(0, 0, 0, 40);
    fill.setColorAt(0, QColor(0xff, 0xd8, 0x4d));
    fill.setColorAt(1, colour::amber);
    p.setPen(QPen(QColor(0x5a, 0x3c, 0x00), 1));
    p.setBrush(fill);
    p.drawPath(bolt(QRectF(2, 2, 22, 36)));
    return image;
}

}  // namespace

// The USB receiver, also used by the message box (shared with dialogs.cpp).
QImage receiver(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    const qreal s = size / 48.0;
    p.scale(s, s);
    // Plug (metal) then the body.
    QLinearGradient metal(0, 0, 14, 0);
    metal.setColorAt(0, QColor(0x8d, 0x96, 0x9f));
    metal.setColorAt(0.5, QColor(0xe4, 0xe8, 0xec));
    metal.setColorAt(1, QColor(0x8d, 0x96, 0x9f));
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), 1));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(17, 4, 14, 14), 1.5, 1.5);
    p.setBrush(QColor(0x30, 0x35, 0x3b));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(20, 7, 3, 3));
    p.drawRect(QRectF(25, 7, 3, 3));
    QLinearGradient body(14, 0, 34, 0);
    body.setColorAt(0, QColor(0x1c, 0x1f, 0x23));
    body.setColorAt(0.5, QColor(0x3a, 0x40, 0x47));
    body.setColorAt(1, QColor(0x1c, 0x1f, 0x23));
    p.setPen(QPen(QColor(0x6a, 0x74, 0x7f), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(14.5, 17.5, 19, 26), 4, 4);
    // Signal arcs above the plug.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        p.setPen(glyphPen(QColor(0xc9, 0xd1, 0xd9, 200 - i * 70), 1.6));
        const qreal r = 7 + i * 5;
        p.drawArc(QRectF(37 - r, 14 - r, 2 * r, 2 * r), 20 * 16, 70 * 16);
    }
    // Status light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xd1, 0xd9));
    p.drawEllipse(QPointF(24, 37), 1.6, 1.6);
    return image;
}

void drawControls(const Output &out)
{
    out.skin(windowKey(Face::Normal, true), "close-1.png");
    out.skin(windowKey(Face::Hover, true), "close-2.png");
    out.skin(windowKey(Face::Pressed, true), "close-3.png");
    out.skin(windowKey(Face::Normal, false), "min-1.png");
    out.skin(windowKey(Face::Hover, false), "min-2.png");
    out.skin(windowKey(Face::Pressed, false), "min-3.png");

    // tabbutton-1 normal, -3 hover, -2 pressed (the order the windows pass them in).
    out.skin(tab(Face::Normal), "tabbutton-1.png");
    out.skin(tab(Face::Pressed), "tabbutton-2.png");
    out.skin(tab(Face::Hover), "tabbutton-3.png");

    const Glyph add = plusGlyph, del = binGlyph, copy = copyGlyph, reset = resetGlyph;
    const Glyph import = [](QPainter &p, const QRectF &r, const QColor &c) { arrowIntoTray(p, r, c, false); };
    const Glyph exportGlyph = [](QPainter &p, const QRectF &r, const QColor &c) { arrowIntoTray(p, r, c, true); };
    const struct {
        const char *name;
        Glyph glyph;
    } tools[] = {{"profile_add", add},      {"profile_del", del},     {"profile_copy", copy},
                 {"profile_reset", reset}, {"profile_import", import}, {"profile_export", exportGlyph}};
    for (const auto &t : tools) {
        const QString stem = t.name;
        out.skin(tool(Face::Normal, t.glyph), stem + "1.png");
        if (stem != "profile_export")  // the export tool shows its first image only
            out.skin(tool(Face::Hover, t.glyph), stem + "2.png");
    }
    out.skin(chevronKey(), "profile_apply1.png");
    out.skin(namePlate(Face::Normal), "profile_edit_name_1.png");
    out.skin(namePlate(Face::Hover), "profile_edit_name_2.png");

    out.skin(dropDown(105, 20, Face::Normal, true), "lang.png");
    out.skin(dropDown(150, 29, Face::Normal), "profilesel.png");
    out.skin(dropDown(152, 28, Face::Normal), "rate.png");
    out.skin(dropDown(70, 20, Face::Normal), "bulletsel.png");

    out.skin(mark(true), "btn_1.png");
    out.skin(mark(false), "btn_2.png");
    for (bool up : {true, false}) {
        const QString stem = up ? "btn_up" : "btn_down";
        out.skin(wheelMark(up, true, false), stem + "1.png");
        out.skin(wheelMark(up, false, false), stem + "2.png");
        out.skin(wheelMark(up, true, true), stem + "3.png");
        out.skin(wheelMark(up, false, true), stem + "4.png");
    }

    out.skin(battery(false), "bat1.png");
    out.skin(battery(true), "bat2.png");
    out.skin(chargeIcon(), "lightning.png");
    out.skin(receiver(48), "dongle.png");
}

}  // namespace skin
