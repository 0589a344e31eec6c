#pragma once
// The colour dialog's vertical hue bar: a 26-px gradient (red at both ends) with a 7-px
// margin above it and a white triangular marker on its right. Hues from the mouse run
// 0 at the bottom edge to 360 at the top edge.

#include <QPixmap>
#include <QWidget>

class HColorArea : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBarWidth = 26;  // not scaled
    static constexpr int kTopMargin = 7;  // not scaled

    explicit HColorArea(QWidget *parent);

    // Moves the marker to h / 360 of the bar (no clamping); emits nothing.
    void setHue(int h);
    // Bar height for the current UI scale factor; the gradient is drawn again.
    void rescale();

    int hue() const { return m_hue; }
    double markerFraction() const { return m_fraction; }
    int barHeight() const { return m_barHeight; }
    const QPixmap &barPixmap() const { return m_barPixmap; }

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildBarPixmap();
    void hueFromMouse(QMouseEvent *event);

    QPixmap m_barPixmap;
    double m_fraction = 0.0;
    int m_hue = 0;
    int m_barHeight;
};
