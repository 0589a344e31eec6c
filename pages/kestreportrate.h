#pragma once
// The report-rate page: a drop-down of the four report rates on a skinned button. The
// rate is edited in the page's own copy of the profile; the main window collects
// `m_ProfileData.pollrate` before a write job. The lift-off choice (1 mm / 2 mm) is
// kept here too, though the layout gives its controls no size.

#include "records.h"

#include <QWidget>

class KestAction;
class KestLabel;
class KestPushButton;
class QButtonGroup;
class QMenu;
class QRadioButton;

constexpr int kReportRateCount = 4;
// True for the report intervals the page offers (8, 4, 2, 1 ms).
bool IsOfferedReportRate(quint8 pollrate);

class KestReportRate : public QWidget
{
    Q_OBJECT
public:
    KestReportRate(ProfileRecord *profile, QWidget *parent);

    // Copies the record, shows its rate (an unknown rate keeps the text) and checks the
    // lift-off button (1 or 2; anything else means 2). Emits nothing.
    void setReportRate(ProfileRecord *record, quint8 lift);
    void updateTexts();

    quint8 m_iLift = 2;  // 1 = 1 mm, 2 = 2 mm
    // Only `pollrate` is used: the report interval in ms (8, 4, 2 or 1).
    ProfileRecord m_ProfileData;

signals:
    void RefreshLift(uchar lift);

public slots:
    void onRadioChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void slotRateTriggered();

private:
    void showRate(quint8 pollrate);
    void checkLift(quint8 lift);

    // Lift-off radio buttons: id 0 = 1 mm, id 1 = 2 mm.
    QRadioButton *m_pLiftButtons[2];
    QButtonGroup *m_pLiftGroup;
    KestLabel *m_pLiftTitleLabel;
    KestLabel *m_pTitleLabel;
    KestPushButton *m_pRateButton;
    QMenu *m_pRateMenu;
    KestAction *m_pRateActions[kReportRateCount];
};
