// The main window's background (999 × 640, opaque: the window's mask comes from it), the
// product logo and the frames of the application icon.
#include "output.h"
#include "paint.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

namespace skin {

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 640;
const QString kBrand = QStringLiteral("VESKARO");

// The brand emblem: three slanted claw strokes, drawn into a box of the given height.
QPainterPath emblem(QPointF origin, qreal height)
{
    QPainterPath path;
    const qreal w = height * 0.26;
    const qreal slant = height * 0.42;
    for (int i = 0; i < 3; ++i) {
        const qreal x = origin.x() + i * (w * 1.45);
        const qreal shorten = i == 1 ? 0.0 : height * 0.14;
        QPainterPath stroke;
        stroke.moveTo(x + slant, origin.y() + shorten);
        stroke.lineTo(x + slant + w, origin.y() + shorten);
        stroke.lineTo(x + w, origin.y() + height - shorten * 0.4);
        stroke.lineTo(x, origin.y() + height - shorten * 0.4);
        stroke.closeSubpath();
        path.addPath(stroke);
    }
    return path;
}

void drawLogo(QPainter &p, QPointF origin)
{
    // Emblem in the brand colour, then the word mark in brushed silver.
    QLinearGradient red(origin, origin + QPointF(0, 30));
    red.setColorAt(0, colour::brand.lighter(125));
    red.setColorAt(1, colour::brand.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(emblem(origin + QPointF(0, 10), 28));

    QFont word("Liberation Sans");
    word.setBold(true);
    word.setItalic(true);
    word.setPixelSize(25);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    QPainterPath text;
    text.addText(origin + QPointF(44, 32), word, kBrand);
    QLinearGradient silver(origin + QPointF(0, 12), origin + QPointF(0, 34));
    silver.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    silver.setColorAt(0.55, QColor(0xb9, 0xc1, 0xc9));
    silver.setColorAt(1, QColor(0x8a, 0x93, 0x9c));
    p.setBrush(silver);
    p.drawPath(text);

    QFont tag("Liberation Sans");
    tag.setBold(true);
    tag.setPixelSize(8);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 3.4);
    p.setPen(QColor(0x7d, 0x86, 0x90));
    p.setFont(tag);
    p.drawText(QPointF(origin.x() + 46, origin.y() + 44), QStringLiteral("PRECISION  WIRELESS"));
}

QImage logo()
{
    QImage image = canvas(200, 50);
    QPainter p(&image);
    prepare(p);
    drawLogo(p, QPointF(2, 0));
    return image;
}

// Fine diagonal weave over the whole surface.
void weave(QPainter &p, const QRect &area, int alpha)
{
    QImage tile = canvas(6, 6);
    {
        QPainter t(&tile);
        t.fillRect(0, 0, 3, 3, QColor(255, 255, 255, alpha));
        t.fillRect(3, 3, 3, 3, QColor(255, 255, 255, alpha));
        t.fillRect(3, 0, 3, 3, QColor(0, 0, 0, alpha));
        t.fillRect(0, 3, 3, 3, QColor(0, 0, 0, alpha));
    }
    p.save();
    p.setClipRect(area);
    p.fillRect(area, QBrush(tile));
    p.restore();
}

void panel(QPainter &p, const QRectF &rect, qreal radius)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(0x1e, 0x21, 0x26));
    fill.setColorAt(1, QColor(0x15, 0x17, 0x1a));
    p.setPen(QPen(QColor(0x2d, 0x32, 0x38), 1));
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
    // Inner top highlight and a darker inner edge below it.
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.drawLine(QPointF(rect.left() + radius, rect.top() + 1), QPointF(rect.right() - radius, rect.top() + 1));
    // Corner ticks, the machined look of the frame.
    p.setPen(QPen(QColor(0x4b, 0x53, 0x5c), 1.4));
    const qreal t = 9;
    const QPointF corners[4] = {rect.topLeft() + QPointF(4, 4), rect.topRight() + QPointF(-4, 4),
                                rect.bottomLeft() + QPointF(4, -4), rect.bottomRight() + QPointF(-4, -4)};
    const int sx[4] = {1, -1, 1, -1}, sy[4] = {1, 1, -1, -1};
    for (int i = 0; i < 4; ++i) {
        p.drawLine(corners[i], corners[i] + QPointF(sx[i] * t, 0));
        p.drawLine(corners[i], corners[i] + QPointF(0, sy[i] * t));
    }
}

QImage background()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    prepare(p);

    QLinearGradient base(0, 0, 0, kHeight);
    base.setColorAt(0, QColor(0x18, 0x1a, 0x1e));
    base.setColorAt(0.5, QColor(0x12, 0x14, 0x17));
    base.setColorAt(1, QColor(0x0d, 0x0e, 0x10));
    p.fillRect(image.rect(), base);
    weave(p, image.rect(), 5);

    // A soft light falling on the content area from above.
    QRadialGradient glow(QPointF(620, 40), 520);
    glow.setColorAt(0, QColor(120, 135, 150, 34));
    glow.setColorAt(1, QColor(120, 135, 150, 0));
    p.fillRect(image.rect(), glow);

    // Header band with its rule.
    QLinearGradient header(0, 0, 0, 80);
    header.setColorAt(0, QColor(0, 0, 0, 60));
    header.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 0, kWidth, 80), header);
    p.setPen(QPen(QColor(0x08, 0x09, 0x0a), 1));
    p.drawLine(QPointF(24, 76.5), QPointF(kWidth - 24, 76.5));
    p.setPen(QPen(QColor(0x2e, 0x33, 0x39), 1));
    p.drawLine(QPointF(24, 77.5), QPointF(kWidth - 24, 77.5));
    drawLogo(p, QPointF(71, 20));

    // Window-control cradle at the top right.
    p.setPen(QPen(QColor(0x2b, 0x30, 0x36), 1));
    p.setBrush(QColor(0x0e, 0x10, 0x12, 180));
    p.drawRoundedRect(QRectF(896.5, 28.5, 53, 29), 5, 5);

    // Sidebar and content panels.
    panel(p, QRectF(50.5, 84.5, 190, 474), 6);
    panel(p, QRectF(264.5, 84.5, 720, 474), 6);
    // A faint emblem watermark fills the sidebar's lower half.
    p.save();
    p.setClipRect(QRectF(52, 86, 187, 471));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 7));
    p.drawPath(emblem(QPointF(74, 380), 130));
    p.restore();
    // The sidebar's section rule under the tabs.
    QLinearGradient rule(60, 0, 230, 0);
    rule.setColorAt(0, QColor(0x3c, 0x43, 0x4b, 0));
    rule.setColorAt(0.5, QColor(0x3c, 0x43, 0x4b, 255));
    rule.setColorAt(1, QColor(0x3c, 0x43, 0x4b, 0));
    p.setPen(QPen(QBrush(rule), 1));
    p.drawLine(QPointF(62, 236.5), QPointF(228, 236.5));

    // Footer band.
    QLinearGradient footer(0, 566, 0, kHeight);
    footer.setColorAt(0, QColor(0x0f, 0x11, 0x13));
    footer.setColorAt(1, QColor(0x0a, 0x0b, 0x0c));
    p.fillRect(QRect(1, 568, kWidth - 2, kHeight - 569), footer);
    p.setPen(QPen(QColor(0x2e, 0x33, 0x39), 1));
    p.drawLine(QPointF(1, 567.5), QPointF(kWidth - 2, 567.5));
    // Recess behind the battery and the receiver icon.
    p.setPen(QPen(QColor(0x25, 0x29, 0x2e), 1));
    p.setBrush(QColor(0x08, 0x09, 0x0a, 160));
    p.drawRoundedRect(QRectF(60.5, 576.5, 176, 56), 6, 6);

    // Outer frame: a dark edge and a lit inner line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x05, 0x05, 0x06), 1));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    p.setPen(QPen(QColor(0x34, 0x39, 0x40), 1));
    p.drawRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);  // opaque: nothing of the window is masked away
}

QImage appIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    const qreal s = size / 64.0;
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, QColor(0x2a, 0x2f, 0x35));
    fill.setColorAt(1, QColor(0x0e, 0x10, 0x12));
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), qMax(1.0, s)));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5 * s, 1.5 * s, 61 * s, 61 * s), 13 * s, 13 * s);
    QLinearGradient red(0, 12 * s, 0, 52 * s);
    red.setColorAt(0, colour::brand.lighter(130));
    red.setColorAt(1, colour::brand.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(emblem(QPointF(9 * s, 14 * s), 36 * s));
    return image;
}

}  // namespace

void drawWindow(const Output &out)
{
    out.skin(background(), "cfgMainback.png");
    out.skin(logo(), "mouselogo.png");
    for (int size : {16, 24, 32, 48, 64, 256})
        out.frame(appIcon(size), QString("icon_%1.png").arg(size, 3, 10, QChar('0')));
}

}  // namespace skin
