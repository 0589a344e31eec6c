#include "kestdpiwindow.h"

#include "devicedefaults.h"
#include "kestlabel.h"
#include "kestsingledpi.h"
#include "kestslider.h"
#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {

constexpr quint8 kLightOffWhileMoving = 0;
constexpr quint8 kLightStaysOn = 0xFF;

// The mouse takes the sleep time and the light-off choice from the first profile only.
ProfileRecord &SleepProfile() { return g_deviceConfig.profiles[0]; }

QRect RowRect(double scale, int stage) { return ScaledRect(scale, 15, 43 + 50 * stage, 440, 48); }

}  // namespace

KestDPIWindow::KestDPIWindow(ProfileRecord *profile, QWidget *parent)
    : QWidget(parent), m_ProfileData(profile ? *profile : ProfileRecord()), m_dScaleFactor(getScaleFactor())
{
    m_iStageCount = GetDpiCount();
    if (m_iStageCount < 1 || m_iStageCount > kDpiStages)
        m_iStageCount = kDpiStages;
    ApplyPageBackground(this);
    const double s = m_dScaleFactor;
    const QPalette white = TextPalette(palette(), Qt::white);

    m_pTitleLabel = new KestLabel(QObject::tr("DPI"), this);
    m_pTitleLabel->setObjectName("dpiTitleLabel");
    m_pTitleLabel->setPalette(white);

    for (int i = 0; i < kDpiStages; ++i) {
        auto *row = new KestSingleDPI(this, quint8(i));
        row->setObjectName(QString("dpiRow%1").arg(i));
        row->setGeometry(RowRect(s, i));
        connect(row, &KestSingleDPI::DPISignal, this, &KestDPIWindow::onSliderChanged);
        connect(row, &KestSingleDPI::LinkSignal, this, &KestDPIWindow::onLinkChanged);
        connect(row, &KestSingleDPI::MouseinSignal, this, &KestDPIWindow::MouseinSignal);
        connect(row, &KestSingleDPI::EnableSignal, this, &KestDPIWindow::onEnableChanged);
        m_pRows[i] = row;
    }
    showStages();

    int sleepMin = 1;
    int sleepMax = 9;
    GetSleepRange(sleepMin, sleepMax);
    // The time is stored in a byte: a wider range from the description would wrap.
    sleepMin = qBound(0, sleepMin, 255);
    sleepMax = qBound(0, sleepMax, 255);
    m_pSleepSlider = new KestSlider(this);
    m_pSleepSlider->setObjectName("sleepSlider");
    m_pSleepSlider->setOrientation(Qt::Horizontal);
    m_pSleepSlider->setRange(sleepMin, sleepMax);
    m_pSleepSlider->setSingleStep(1);
    m_pSleepSlider->setPageStep(1);
    m_pSleepSlider->setTickPosition(QSlider::NoTicks);
    m_pSleepSlider->setStyleSheet(ThemeSliderStyleSheet(s, CurrentThemeColor()));
    connect(m_pSleepSlider, &QSlider::valueChanged, this, &KestDPIWindow::slider_clicked);
    connect(m_pSleepSlider, &KestSlider::MouseChange, this, &KestDPIWindow::slotSliderMouseChange);

    m_pLightOffBox = new QCheckBox(this);
    m_pLightOffBox->setObjectName("lightOffBox");
    m_pLightOffBox->setPalette(white);
    m_pLightOffBox->setStyleSheet(SkinCheckBoxStyleSheet(s));
    connect(m_pLightOffBox, &QCheckBox::clicked, this, &KestDPIWindow::checkbtn_clicked);

    m_pSleepTitleLabel = new KestLabel(this);
    m_pSleepTitleLabel->setObjectName("sleepTitleLabel");
    m_pSleepTitleLabel->setPalette(white);
    m_pMinuteLabel = new KestLabel(this);
    m_pMinuteLabel->setObjectName("minuteLabel");
    m_pMinuteLabel->setPalette(white);
    showSleepSettings();

    refreshStages(m_ProfileData.dpi);
}

void KestDPIWindow::showStages()
{
    for (int i = 0; i < kDpiStages; ++i) {
        const DpiInfo &stage = m_ProfileData.dpiInfo[i];
        m_pRows[i]->setLink(stage.link);
        m_pRows[i]->setValues(int(stage.x), int(stage.y));
        m_pRows[i]->setEnable(stage.used);
    }
}

void KestDPIWindow::showSleepSettings()
{
    const ProfileRecord &sleepProfile = SleepProfile();
    {
        // Showing the stored time is not a user edit: nothing is written back.
        const QSignalBlocker block(m_pSleepSlider);
        m_pSleepSlider->setValue(sleepProfile.LedSleepTime);
    }
    showMinutes(sleepProfile.LedSleepTime);
    m_pLightOffBox->setChecked(sleepProfile.LedMoveOFF == kLightOffWhileMoving);
}

void KestDPIWindow::showMinutes(int minutes)
{
    m_pMinuteLabel->m_text = QString::number(minutes) + QObject::tr(" MINUTE");
    m_pMinuteLabel->update();
}

void KestDPIWindow::applyScale(double scale)
{
    m_dScaleFactor = scale;
    const double s = scale;
    for (int i = 0; i < kDpiStages; ++i) {
        m_pRows[i]->setGeometry(i < m_iStageCount ? RowRect(s, i) : QRect());
        m_pRows[i]->applyScale(s);
    }
    m_pTitleLabel->setGeometry(ScaledRect(s, 3, 3, 80, 17));
    const bool sleepOffered = GetShowSleep() != 0 && GetLedDisable() != 0;
    m_pSleepTitleLabel->setGeometry(sleepOffered ? ScaledRect(s, 15, 350, 201, 18) : QRect());
    m_pSleepSlider->setGeometry(sleepOffered ? ScaledRect(s, 15, 370, 228, 25) : QRect());
    m_pMinuteLabel->setGeometry(sleepOffered ? ScaledRect(s, 250, 373, 100, 18) : QRect());
    m_pLightOffBox->setGeometry(sleepOffered ? ScaledRect(s, 15, 410, 200, 25) : QRect());
    m_pLightOffBox->setStyleSheet(SkinCheckBoxStyleSheet(s));
    FitCheckBoxText(m_pLightOffBox);
    m_pSleepSlider->setStyleSheet(ThemeSliderStyleSheet(s, CurrentThemeColor()));
}

void KestDPIWindow::loadProfile(ProfileRecord *record, int sensor)
{
    for (KestSingleDPI *row : m_pRows)
        row->setSensor(sensor);
    if (record)
        m_ProfileData = *record;
    showStages();
    refreshStages(m_ProfileData.dpi);
    showSleepSettings();
}

void KestDPIWindow::refreshStages(quint8 stage)
{
    if (stage >= kDpiStages)
        return;
    m_ProfileData.dpi = stage;
    const QPalette white = TextPalette(palette(), Qt::white);
    for (KestSingleDPI *row : m_pRows)
        row->setRowPalette(white);
    m_pRows[stage]->setRowPalette(TextPalette(palette(), CurrentThemeColor()));
}

void KestDPIWindow::updateTexts()
{
    m_pSleepTitleLabel->m_text = QObject::tr("SLEEP TIME");
    m_pSleepTitleLabel->update();
    m_pLightOffBox->setText(QObject::tr("MOVE TO LIGHT OFF"));
    FitCheckBoxText(m_pLightOffBox);
    showMinutes(SleepProfile().LedSleepTime);
}

void KestDPIWindow::onSliderChanged(int x, int y, uchar stage)
{
    if (stage >= kDpiStages)
        return;
    m_ProfileData.dpiInfo[stage].x = quint32(x);
    m_ProfileData.dpiInfo[stage].y = quint32(y);
}

void KestDPIWindow::onLinkChanged(uchar link, uchar stage)
{
    if (stage < kDpiStages)
        m_ProfileData.dpiInfo[stage].link = link;
}

void KestDPIWindow::onEnableChanged(uchar enable, uchar stage)
{
    if (stage < kDpiStages)
        m_ProfileData.dpiInfo[stage].used = enable;
}

void KestDPIWindow::MouseinSignal(uchar stage)
{
    if (stage >= kDpiStages)
        return;
    m_ProfileData.dpi = stage;
    refreshStages(stage);
}

void KestDPIWindow::checkbtn_clicked()
{
    const quint8 value = m_pLightOffBox->isChecked() ? kLightOffWhileMoving : kLightStaysOn;
    m_ProfileData.LedMoveOFF = value;
    // The write job sends the light-off choice from the first profile.
    SleepProfile().LedMoveOFF = value;
}

void KestDPIWindow::slider_clicked(int value)
{
    if (sender() != m_pSleepSlider)
        return;
    SleepProfile().LedSleepTime = quint8(value);
    showMinutes(value);
}

void KestDPIWindow::slotSliderMouseChange() {}
