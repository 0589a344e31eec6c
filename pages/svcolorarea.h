#pragma once
// The colour dialog's saturation/value square: saturation grows to the right, value
// upwards, with a ring at the chosen point. It speaks in ring coordinates (pixels, the
// level counted up from the bottom edge); its setters take 0..255 levels.

#include <QPixmap>
#include <QWidget>

// trunc(trunc(level / 2) × scale): a 0..255 level as a ring coordinate.
int LevelToRing(int level, double scale);
// 255 beyond 127 × scale, else trunc(2 × ring / scale).
int RingToLevel(int ring, double scale);

class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit SVColorArea(QWidget *parent);

    void setHue(int h);
    void setSaturation(int level);
    void setValue(int level);
    void setHsv(int h, int s, int v);
    // Size for the current UI scale factor; the ring keeps its relative place.
    void rescale();

    int hue() const { return m_hue; }
    int ringX() const { return m_ringX; }
    int ringLevel() const { return m_ringLevel; }
    int squareSize() const { return m_size; }
    // The ring's pen: white on the lower (darker) half, black above it.
    QColor ringColor() const;

    // --- testing
    // How often the hue gradient was drawn.
    int colorPixmapBuilds() const { return m_colorBuilds; }

signals:
    void svChangedSignal(int hue, int x, int level);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int h);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ringFromMouse(QMouseEvent *event, bool press);
    // The hue gradient is drawn only when the hue differs from the one drawn.
    void changeHue(int h);
    void allocatePixmaps();
    void buildColorPixmap();
    void buildValueOverlay();

    int m_hue = 0;
    int m_ringX = 0;
    int m_ringLevel = 0;
    int m_size;
    double m_scaleInUse;
    QPixmap m_colorPixmap;
    QPixmap m_valueOverlay;
    int m_drawnHue = 0;
    int m_colorBuilds = 0;
};
