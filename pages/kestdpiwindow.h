#pragma once
// The DPI page: up to eight DPI stage rows of the current profile, the current stage
// marked in the theme colour, and (where the device offers them) the sleep time and
// the light-off-on-move choice. The stages are edited in the page's own copy of the
// profile; the main window collects `dpi` and the eight stages before a write job.

#include "records.h"

#include <QWidget>

class KestLabel;
class KestSingleDPI;
class KestSlider;
class QCheckBox;

class KestDPIWindow : public QWidget
{
    Q_OBJECT
public:
    KestDPIWindow(ProfileRecord *profile, QWidget *parent);

    // Copies the record and shows its stages with the sensor's ranges; emits nothing.
    void loadProfile(ProfileRecord *record, int sensor);
    // Marks `stage` as current; a stage outside 0..7 is ignored.
    void refreshStages(quint8 stage);
    void applyScale(double scale);
    void updateTexts();

    ProfileRecord m_ProfileData;

public slots:
    void onSliderChanged(int x, int y, uchar stage);
    void onLinkChanged(uchar link, uchar stage);
    void onEnableChanged(uchar enable, uchar stage);
    // A row was pressed: its stage becomes current.
    void MouseinSignal(uchar stage);
    void checkbtn_clicked();
    void slider_clicked(int value);
    void slotSliderMouseChange();

private:
    void showStages();
    void showSleepSettings();
    void showMinutes(int minutes);

    double m_dScaleFactor;
    int m_iStageCount;
    KestLabel *m_pSleepTitleLabel;
    KestLabel *m_pMinuteLabel;
    KestSlider *m_pSleepSlider;
    QCheckBox *m_pLightOffBox;
    KestSingleDPI *m_pRows[kDpiStages];
    KestLabel *m_pTitleLabel;
};
