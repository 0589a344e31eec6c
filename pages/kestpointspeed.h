#pragma once
// The "Mouse Setting" page: the device-wide sensor options (key response, sync, lift-off
// distance, angle snapping, jitter, motion wake, sensor mode) as the description's SyncMode
// offers them, and a button that opens the desktop's mouse settings. The seven values are
// kept here; the window collects them into g_deviceConfig before a write job.

#include "records.h"

#include <QWidget>

class KestLabel;
class KestPushButton;
class KestSlider;
class QCheckBox;
class QSpinBox;

class KestPointSpeed : public QWidget
{
    Q_OBJECT
public:
    KestPointSpeed(ProfileRecord *record, QWidget *parent);

    void setProfileData(ProfileRecord *record, quint8 sync, quint8 lift, quint8 angle, quint8 jitter,
                        quint8 debounce, quint8 wake, quint8 sensorMode);
    void updateTexts();

    // The current profile's record; its scrollspeed is the spin box's.
    ProfileRecord *m_pProfileData;
    // As the Config bytes: angle, jitter and wake are 0 when on.
    int m_iSync = 0;
    int m_iLift = 1;
    int m_iAngle = 0;
    int m_iJitter = 0;
    int m_iDebounce = 0;
    int m_iWake = 0;
    int m_iSensorMode = 0;

    KestLabel *m_pKeyResponseLabel;
    KestLabel *m_pKeyResponseValue;
    KestLabel *m_pScrollSpeedLabel;
    KestSlider *m_pKeyResponseSlider;
    KestLabel *m_pSensorModeLabel;
    QCheckBox *m_pEcoBox;
    QCheckBox *m_pStandardBox;
    QCheckBox *m_pCompetitiveBox;
    QCheckBox *m_pAngleBox;
    QCheckBox *m_pJitterBox;
    QCheckBox *m_pWakeBox;
    KestPushButton *m_pSettingsButton;
    QSpinBox *m_pScrollSpeedBox;
    QCheckBox *m_pSyncBox;
    KestLabel *m_pLiftLabel;
    QCheckBox *m_pLift1Box;
    QCheckBox *m_pLift2Box;

public slots:
    void sValueChangedSlot(int value);
    void checkbtn_clicked();
    void btn_clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void onKeyResponse(int value);
    void showSensorMode(int mode);
};
