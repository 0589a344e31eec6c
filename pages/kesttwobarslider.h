#pragma once
// The X/Y slider of one DPI stage: an X bar above a Y bar, or one linked bar between
// them when X and Y move together. Values are sensor register values, not DPI.

#include <QWidget>

class QSlider;

class KestTwoBarSlider : public QWidget
{
    Q_OBJECT
public:
    KestTwoBarSlider(QWidget *parent, int maximum, int minimum);

    // Linked: only the linked bar shows; split: only the X and Y bars.
    void setLinked(bool on);
    bool isLinked() const { return m_bLinked != 0; }
    // Program-set values and ranges move the bars without SliderChangedSignal, except that
    // a value outside the range is reported as the clamped value the bar shows.
    void setValues(int x, int y);
    void setRange(int maximum, int minimum);
    int maximum() const { return m_iMaximum; }
    int minimum() const { return m_iMinimum; }
    // Geometry and theme colour of the bars for the current scale factor.
    void restyle();

signals:
    // A user move (or the clamp of a set value): the X and Y register values now on the bars.
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onBarMoved(int value);

private:
    QSlider *makeBar();

    double m_dScaleFactor;
    int m_iMaximum;
    int m_iMinimum;
    quint8 m_bLinked = 0;
    QSlider *m_pXBar;
    QSlider *m_pYBar;
    QSlider *m_pLinkedBar;
};
