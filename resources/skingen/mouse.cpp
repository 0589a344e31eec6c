// The sample model's pictures: the front (top) view "Mouse.png", one hover picture per
// button ("mouse_1.png" ... "mouse_20.png", the button lit) and the side view
// "<model>_Side.png" beside the folder.
#include "output.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QVector>

namespace skin {

namespace {

constexpr int kFrontWidth = 300;
constexpr int kFrontHeight = 420;
constexpr int kSideSize = 300;
constexpr int kHoverPictures = 20;

QPainterPath frontBody()
{
    QPainterPath body;
    body.moveTo(150, 16);
    body.cubicTo(98, 16, 64, 36, 58, 104);
    body.cubicTo(54, 156, 46, 206, 43, 268);
    body.cubicTo(40, 344, 82, 406, 150, 407);
    body.cubicTo(218, 406, 260, 344, 257, 268);
    body.cubicTo(254, 206, 246, 156, 242, 104);
    body.cubicTo(236, 36, 202, 16, 150, 16);
    body.closeSubpath();
    return body;
}

// Where the main buttons end towards the palm.
QPainterPath buttonArea(bool left)
{
    QPainterPath area;
    if (left) {
        area.moveTo(0, 0);
        area.lineTo(147.5, 0);
        area.lineTo(147.5, 176);
        area.cubicTo(110, 170, 80, 176, 0, 190);
    } else {
        area.moveTo(152.5, 0);
        area.lineTo(300, 0);
        area.lineTo(300, 190);
        area.cubicTo(220, 176, 190, 170, 152.5, 176);
    }
    area.closeSubpath();
    // The wheel well and the DPI keys sit between the two buttons.
    QPainterPath middle;
    middle.addRoundedRect(QRectF(135, 53, 30, 104), 12, 12);
    return area.intersected(frontBody()).subtracted(middle);
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The seven buttons of the sample model, in the order of the buttons page's rows.
QVector<QPainterPath> frontButtons()
{
    return {
        buttonArea(true),
        buttonArea(false),
        roundedRect(QRectF(139, 58, 22, 54), 10),   // wheel
        roundedRect(QRectF(38, 168, 14, 42), 6),    // forward (left side)
        roundedRect(QRectF(36, 216, 14, 42), 6),    // back
        roundedRect(QRectF(141, 122, 18, 14), 4),   // DPI up
        roundedRect(QRectF(141, 140, 18, 14), 4),   // DPI down
    };
}

void gripTexture(QPainter &p, const QPainterPath &clip, const QRectF &area)
{
    p.save();
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    for (qreal y = area.top(); y < area.bottom(); y += 6)
        for (qreal x = area.left() + (int(y) / 6 % 2) * 3; x < area.right(); x += 6)
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    p.restore();
}

QImage frontPicture(int lit)
{
    QImage image = canvas(kFrontWidth, kFrontHeight);
    QPainter p(&image);
    prepare(p);
    const QPainterPath body = frontBody();

    // Soft shadow under the mouse.
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawPath(body.translated(0, i * 1.5));
    }

    QLinearGradient shell(40, 0, 260, 0);
    shell.setColorAt(0, QColor(0x14, 0x16, 0x19));
    shell.setColorAt(0.35, QColor(0x2c, 0x31, 0x37));
    shell.setColorAt(0.5, QColor(0x34, 0x3a, 0x41));
    shell.setColorAt(0.65, QColor(0x2c, 0x31, 0x37));
    shell.setColorAt(1, QColor(0x14, 0x16, 0x19));
    p.setBrush(shell);
    p.setPen(QPen(QColor(0x4d, 0x55, 0x5e), 1.5));
    p.drawPath(body);

    // Light from above on the palm rest.
    QRadialGradient sheen(QPointF(150, 270), 120);
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(body);

    // Side grips.
    gripTexture(p, body, QRectF(40, 200, 26, 150));
    gripTexture(p, body, QRectF(234, 200, 26, 150));

    // Buttons: slightly glossier plates with their seams.
    const QVector<QPainterPath> buttons = frontButtons();
    for (int side = 0; side < 2; ++side) {
        QLinearGradient plate(0, 16, 0, 190);
        plate.setColorAt(0, QColor(0x3a, 0x40, 0x48));
        plate.setColorAt(1, QColor(0x23, 0x27, 0x2c));
        p.setBrush(plate);
        p.setPen(QPen(QColor(0x0a, 0x0b, 0x0c), 1.4));
        p.drawPath(buttons[side]);
    }
    // Wheel well and wheel with its ribs.
    p.setBrush(QColor(0x08, 0x09, 0x0a));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(136, 54, 28, 62), 12, 12);
    QLinearGradient wheel(139, 0, 161, 0);
    wheel.setColorAt(0, QColor(0x2a, 0x2e, 0x33));
    wheel.setColorAt(0.5, QColor(0x6a, 0x73, 0x7c));
    wheel.setColorAt(1, QColor(0x2a, 0x2e, 0x33));
    p.setBrush(wheel);
    p.drawPath(buttons[2]);
    p.setPen(QPen(QColor(0x16, 0x18, 0x1b), 1.2));
    for (qreal y = 63; y < 110; y += 5)
        p.drawLine(QPointF(141, y), QPointF(159, y));
    // Side buttons.
    for (int i = 3; i <= 4; ++i) {
        QLinearGradient pill(36, 0, 52, 0);
        pill.setColorAt(0, QColor(0x50, 0x58, 0x61));
        pill.setColorAt(1, QColor(0x26, 0x2a, 0x2f));
        p.setBrush(pill);
        p.setPen(QPen(QColor(0x0a, 0x0b, 0x0c), 1.2));
        p.drawPath(buttons[i]);
    }
    // DPI keys.
    for (int i = 5; i <= 6; ++i) {
        p.setBrush(QColor(0x1c, 0x1f, 0x23));
        p.setPen(QPen(QColor(0x5d, 0x66, 0x70), 1.2));
        p.drawPath(buttons[i]);
    }
    p.setPen(glyphPen(colour::glyph, 1.3));
    p.drawLine(QPointF(146, 131), QPointF(150, 126.5));
    p.drawLine(QPointF(150, 126.5), QPointF(154, 131));
    p.drawLine(QPointF(146, 145), QPointF(150, 149.5));
    p.drawLine(QPointF(150, 149.5), QPointF(154, 145));

    // Light bar along the palm, then the emblem.
    p.setPen(Qt::NoPen);
    QLinearGradient glow(0, 300, 0, 380);
    glow.setColorAt(0, QColor(0xd6, 0x2a, 0x3c, 0));
    glow.setColorAt(1, QColor(0xd6, 0x2a, 0x3c, 55));
    p.setBrush(glow);
    p.drawPath(QPainterPath(body).intersected(roundedRect(QRectF(60, 330, 180, 80), 30)));
    p.setPen(QPen(QColor(0xff, 0x5a, 0x6a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath strip;
    strip.moveTo(84, 360);
    strip.cubicTo(110, 392, 190, 392, 216, 360);
    p.drawPath(strip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa4, 0xae, 160));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 132 + i * 11;
        QPainterPath claw;
        claw.moveTo(x + 8, 280 + (i == 1 ? 0 : 3));
        claw.lineTo(x + 14, 280 + (i == 1 ? 0 : 3));
        claw.lineTo(x + 6, 304);
        claw.lineTo(x, 304);
        claw.closeSubpath();
        p.drawPath(claw);
    }

    if (lit >= 0 && lit < buttons.size()) {
        // The hovered button glows white, theme-neutral.
        const QPainterPath &area = buttons[lit];
        for (int i = 4; i >= 1; --i) {
            p.setPen(QPen(QColor(255, 255, 255, 18), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(area);
        }
        p.setPen(QPen(QColor(255, 255, 255, 230), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawPath(area);
    }
    return image;
}

QImage sidePicture()
{
    QImage image = canvas(kSideSize, kSideSize);
    QPainter p(&image);
    prepare(p);
    // Left side view, front to the left.
    QPainterPath body;
    body.moveTo(26, 196);
    body.cubicTo(24, 168, 40, 140, 78, 128);
    body.cubicTo(120, 114, 160, 96, 196, 98);
    body.cubicTo(240, 100, 274, 136, 276, 180);
    body.cubicTo(277, 200, 272, 214, 262, 220);
    body.lineTo(40, 220);
    body.cubicTo(30, 218, 26, 208, 26, 196);
    body.closeSubpath();

    p.setPen(Qt::NoPen);
    QRadialGradient shadow(QPointF(150, 228), 140);
    shadow.setColorAt(0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(150, 228), 140, 12);

    QLinearGradient shell(0, 96, 0, 222);
    shell.setColorAt(0, QColor(0x3a, 0x40, 0x48));
    shell.setColorAt(0.5, QColor(0x24, 0x28, 0x2d));
    shell.setColorAt(1, QColor(0x12, 0x14, 0x16));
    p.setBrush(shell);
    p.setPen(QPen(QColor(0x4d, 0x55, 0x5e), 1.5));
    p.drawPath(body);
    // Base plate and skates.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0b, 0x0c, 0x0e));
    p.drawRoundedRect(QRectF(36, 212, 230, 9), 4, 4);
    p.setBrush(QColor(0xd8, 0xdc, 0xe0));
    p.drawRoundedRect(QRectF(50, 220, 40, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(210, 220, 40, 3), 1.5, 1.5);
    // Button seam running back from the front.
    p.setPen(QPen(QColor(0x0a, 0x0b, 0x0c), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath seam;
    seam.moveTo(40, 150);
    seam.cubicTo(90, 134, 130, 122, 150, 112);
    p.drawPath(seam);
    // Wheel peeking over the top.
    p.setPen(Qt::NoPen);
    QLinearGradient wheel(0, 108, 0, 124);
    wheel.setColorAt(0, QColor(0x6a, 0x73, 0x7c));
    wheel.setColorAt(1, QColor(0x2a, 0x2e, 0x33));
    p.setBrush(wheel);
    p.drawChord(QRectF(78, 104, 40, 40), 30 * 16, 120 * 16);
    // Thumb grip and the two side buttons.
    gripTexture(p, body, QRectF(150, 165, 100, 42));
    for (int i = 0; i < 2; ++i) {
        const QRectF pill(84 + i * 52, 146 - i * 4, 48, 15);
        QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
        fill.setColorAt(0, QColor(0x5a, 0x63, 0x6c));
        fill.setColorAt(1, QColor(0x26, 0x2a, 0x2f));
        p.setBrush(fill);
        p.setPen(QPen(QColor(0x0a, 0x0b, 0x0c), 1.2));
        p.drawRoundedRect(pill, 7, 7);
    }
    // Light strip at the back.
    p.setPen(QPen(QColor(0xff, 0x5a, 0x6a), 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath strip;
    strip.moveTo(206, 206);
    strip.cubicTo(240, 204, 262, 192, 268, 176);
    p.drawPath(strip);
    return image;
}

}  // namespace

void drawMouse(const Output &out)
{
    const QString folder = "mouse/" + out.modelName;
    out.skin(frontPicture(-1), folder + "/Mouse.png");
    for (int k = 1; k <= kHoverPictures; ++k)
        out.skin(frontPicture(k - 1), folder + QString("/mouse_%1.png").arg(k));
    out.skin(sidePicture(), folder + "_Side.png");
}

}  // namespace skin
