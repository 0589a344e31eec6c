#pragma once
// The lighting page: effect, brightness, speed and colour of the lighting profile's
// effect, and the mouse-wide sleep time and light-off-on-move choice. It edits
// g_deviceConfig in place (the record the window hands it, and profile 0 for the sleep
// settings) and sends nothing: the window's next write job does.

#include "records.h"

#include <QColor>
#include <QWidget>

class DefaultColorArea;
class KestAction;
class KestLabel;
class KestPushButton;
class KestSlider;
class QCheckBox;
class QMenu;

// Index order of the effects in the menu; 5 to 8 are named but never offered.
constexpr int kOfferedEffects[] = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
// The translation source of an effect's name; empty beyond the table.
const char *EffectName(int effect);
// Which pairs an effect shows, and whether speed takes the first row.
struct EffectControls {
    bool brightness;
    bool speed;
    bool colour;
    bool speedFirst;
};
EffectControls EffectControlsOf(int effect);

class KestColorWindow : public QWidget
{
    Q_OBJECT
public:
    KestColorWindow(QWidget *parent, double scale);
    ~KestColorWindow() override;

    // The lighting profile's record; shows it and sets the texts.
    void setProfileData(ProfileRecord *record);
    // Shows an effect and stores it in the lighting profile; beyond the table: ignored.
    void setLightMode(quint8 effect);
    void applyScale(double scale);
    void updateTexts();

    ProfileRecord *profileData() const { return m_pRecord; }
    QMenu *effectMenu() const { return m_pEffectMenu; }
    KestAction *effectAction(int effect) const;

    KestLabel *m_pEffectLabel;
    KestLabel *m_pBrightnessLabel;
    KestLabel *m_pSpeedLabel;
    KestLabel *m_pColorLabel;
    KestSlider *m_pBrightnessSlider;
    KestSlider *m_pSpeedSlider;
    DefaultColorArea *m_pColorSwatch;
    KestPushButton *m_pEffectButton;
    KestLabel *m_pSleepLabel;
    KestLabel *m_pMinuteLabel;
    KestSlider *m_pSleepSlider;
    QCheckBox *m_pLightOffBox;

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(QColor c);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

private:
    void EffectMenuFunction();
    void onSliderValue(int value);
    void buildEffectMenu();
    void showEffectControls(int effect);
    // The entry of the shown effect in the page record, or null.
    LedModeInfo *currentEntry() const;
    // Shows an effect's brightness, speed and colour; a clamped value is written back.
    void showEntry(int effect);
    void showMinutes(int minutes);
    void placeControls();

    ProfileRecord *m_pRecord = nullptr;
    double m_dScaleFactor;
    QMenu *m_pEffectMenu;
    KestAction *m_pActions[kLedModes] = {};
};
