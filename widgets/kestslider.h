#pragma once
// A transparent slider that reports the end of every mouse drag once (MouseChange), so a
// page acts once per drag rather than once per step. It carries a value tip that the
// program leaves switched off.

#include <QSlider>

class KestLabel;

class KestSlider : public QSlider {
    Q_OBJECT
public:
    explicit KestSlider(QWidget *parent = nullptr);

    void setShowValueTip(bool on);
    KestLabel *valueTip() const { return m_pValueTip; }

signals:
    // Every mouse release, before the slider's own release signals.
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    KestLabel *m_pValueTip;
    bool m_bShowValueTip = false;
};
