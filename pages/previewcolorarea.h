#pragma once
// The colour dialog's preview: shows the colour being edited and turns the square's ring
// coordinates into 0..255 saturation and value levels.

#include <QColor>
#include <QWidget>

class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget *parent);

    void setColor(const QColor &c);
    QColor color() const { return m_color; }

signals:
    void svChangedSignal(int hue, int s, int v);

public slots:
    void svChangedSlot(int h, int x, int level);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_color = Qt::black;
};
