// Frames of the busy dialog's animation (128 × 128): a dark badge with a ring of twelve
// segments whose bright head turns. GIF keeps one bit of transparency, so every frame is
// flattened onto the window's dark colour at its edges and cut hard outside them.
#include "output.h"
#include "paint.h"

#include <QRadialGradient>
#include <QtMath>

namespace skin {

namespace {

constexpr int kSize = 128;
constexpr int kFrames = 12;
const QColor kMatte(0x14, 0x16, 0x19);

QImage frame(int step)
{
    QImage image = canvas(kSize, kSize);
    QPainter p(&image);
    prepare(p);
    const QPointF c(kSize / 2.0, kSize / 2.0);
    QRadialGradient badge(c, 52);
    badge.setColorAt(0, QColor(0x22, 0x26, 0x2b));
    badge.setColorAt(1, QColor(0x12, 0x14, 0x17));
    p.setPen(QPen(QColor(0x3c, 0x43, 0x4b), 2));
    p.setBrush(badge);
    p.drawEllipse(c, 50, 50);
    for (int i = 0; i < kFrames; ++i) {
        // Segment i trails the head by (step - i) places.
        const int age = (step - i + kFrames) % kFrames;
        const int level = qMax(60, 255 - age * 26);
        const qreal angle = qDegreesToRadians(i * 360.0 / kFrames - 90);
        const QPointF dir(qCos(angle), qSin(angle));
        p.setPen(glyphPen(QColor(level, level, qMin(255, level + 8)), age == 0 ? 6.5 : 5.5));
        p.drawLine(c + dir * 24, c + dir * 37);
    }
    p.end();

    // Edges onto the matte, then one bit of alpha.
    QImage flat(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const QColor src = QColor::fromRgba(image.pixel(x, y));
            const int a = src.alpha();
            if (a < 40) {
                flat.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const auto mix = [a](int s, int m) { return (s * a + m * (255 - a)) / 255; };
            flat.setPixel(x, y, qRgb(mix(src.red(), kMatte.red()), mix(src.green(), kMatte.green()),
                                     mix(src.blue(), kMatte.blue())));
        }
    }
    return flat;
}

}  // namespace

void drawSpinner(const Output &out)
{
    for (int step = 0; step < kFrames; ++step)
        out.frame(frame(step), QString("loading_%1.png").arg(step, 2, 10, QChar('0')));
}

}  // namespace skin
