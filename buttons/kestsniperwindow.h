#pragma once
// The sniper dialog: the DPI a button switches to while held, chosen as a register value of
// the mouse's sensor on a slider, with the DPI shown beside it. On OK the buttons page
// reads level.

#include "skinneddialog.h"

class KestLabel;
class KestSlider;
class QToolButton;

// A sensor's sniper levels: the valid range, the level that replaces one outside it, and
// the slider's range (which need not agree with the valid one).
struct SniperRange {
    int validMin;
    int validMax;
    int defaultLevel;
    int sliderMin;
    int sliderMax;
};
// False for a sensor without rules: any level stands, the slider keeps its range.
bool SniperRangeFor(int sensor, SniperRange &range);
// The level kept for a sensor: level itself, or the default when outside the valid range.
quint8 SniperLevelFor(int sensor, quint8 level);

class KestSniperWindow : public KestSkinnedDialog {
    Q_OBJECT
public:
    explicit KestSniperWindow(QWidget *parent);

    // Checks the level against the sensor, shows it and puts the slider on it.
    void setSniperLevel(uchar level);

    int sensor = 0;
    quint8 level = 0;

signals:
    void SetSniperValue(uchar level);

private:
    void onSliderChanged(int value);

    KestLabel *m_pTitleLabel = nullptr;
    KestLabel *m_pValueLabel = nullptr;
    KestSlider *m_pSlider = nullptr;
    QToolButton *m_pOkButton = nullptr;
    QToolButton *m_pCancelButton = nullptr;
};
