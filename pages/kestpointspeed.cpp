#include "kestpointspeed.h"

#include "configuredfont.h"
#include "devicedefaults.h"
#include "hostmousesettings.h"
#include "kestlabel.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "pageslogging.h"
#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int kOn = 0;  // angle snapping, jitter and motion wake
constexpr int kOff = 1;

// The option rectangles were drawn for a narrower system font than Linux desktops have: the
// boxes take the configured font, made smaller until the text fits the box.
void FitCheckBoxText(QCheckBox *box, const QFont &font)
{
    QFont fitted = font;
    box->setFont(fitted);
    const int minimum = qMax(1, scaled(9, getScaleFactor()));
    while (box->width() > 0 && box->sizeHint().width() > box->width() && fitted.pixelSize() > minimum) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
        box->setFont(fitted);
    }
}

} // namespace

KestPointSpeed::KestPointSpeed(ProfileRecord *record, QWidget *parent) : QWidget(parent), m_pProfileData(record)
{
    ApplyPageBackground(this);
    const QPalette white = TextPalette(palette(), Qt::white);
    auto label = [&](const char *name) {
        auto *l = new KestLabel(this);
        l->setObjectName(name);
        l->setPalette(white);
        return l;
    };
    m_pKeyResponseLabel = label("keyResponseLabel");
    m_pKeyResponseLabel->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_pKeyResponseValue = label("keyResponseValue");
    m_pKeyResponseValue->m_alignment = Qt::AlignRight | Qt::AlignVCenter;
    m_pScrollSpeedLabel = label("scrollSpeedLabel");
    m_pSensorModeLabel = label("sensorModeLabel");
    m_pLiftLabel = label("liftLabel");

    m_pKeyResponseSlider = new KestSlider(this);
    m_pKeyResponseSlider->setObjectName("keyResponseSlider");
    m_pKeyResponseSlider->setOrientation(Qt::Horizontal);
    m_pKeyResponseSlider->setRange(1, 255);
    m_pKeyResponseSlider->setSingleStep(1);
    m_pKeyResponseSlider->setPageStep(1);
    m_pKeyResponseSlider->setTickPosition(QSlider::NoTicks);
    m_pKeyResponseSlider->setStyleSheet(ThemeSliderStyleSheet(getScaleFactor(), CurrentThemeColor()));
    connect(m_pKeyResponseSlider, &QSlider::valueChanged, this, &KestPointSpeed::onKeyResponse);

    m_pScrollSpeedBox = new QSpinBox(this);
    m_pScrollSpeedBox->setObjectName("scrollSpeedBox");
    m_pScrollSpeedBox->setRange(1, 20);
    m_pScrollSpeedBox->setStyleSheet("color: rgb(225,225,225)");
    connect(m_pScrollSpeedBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestPointSpeed::sValueChangedSlot);

    const QString dir = AppDir();
    m_pSettingsButton = new KestPushButton(
        {dir + "/skin/tabbutton-1.png", dir + "/skin/tabbutton-3.png", dir + "/skin/tabbutton-2.png"}, this, QString());
    m_pSettingsButton->setObjectName("mouseSettingButton");
    m_pSettingsButton->setThemeHighlight(true);
    connect(m_pSettingsButton, &QPushButton::clicked, this, &KestPointSpeed::btn_clicked);

    auto box = [&](const char *name) {
        auto *b = new QCheckBox(this);
        b->setObjectName(name);
        b->setPalette(white);
        b->setStyleSheet(SkinCheckBoxStyleSheet(getScaleFactor()));
        b->setChecked(false);
        connect(b, &QCheckBox::clicked, this, &KestPointSpeed::checkbtn_clicked);
        return b;
    };
    m_pEcoBox = box("ecoBox");
    m_pStandardBox = box("standardBox");
    m_pCompetitiveBox = box("competitiveBox");
    m_pAngleBox = box("angleBox");
    m_pJitterBox = box("jitterBox");
    m_pWakeBox = box("wakeBox");
    m_pSyncBox = box("syncBox");
    m_pLift1Box = box("lift1Box");
    m_pLift2Box = box("lift2Box");

    // Options the device's arrangement does not place stay out of sight.
    for (QWidget *w : std::initializer_list<QWidget *>{m_pSettingsButton, m_pSyncBox, m_pAngleBox, m_pJitterBox,
                                                       m_pWakeBox, m_pLiftLabel, m_pLift1Box, m_pLift2Box,
                                                       m_pSensorModeLabel, m_pEcoBox, m_pStandardBox,
                                                       m_pCompetitiveBox})
        w->setGeometry(QRect());

    updateTexts();
}

void KestPointSpeed::updateTexts()
{
    m_pKeyResponseLabel->m_text = QObject::tr("Key Response");
    m_pKeyResponseLabel->update();
    m_pScrollSpeedLabel->m_text = QObject::tr("");
    m_pScrollSpeedLabel->update();
    m_pSyncBox->setText(QObject::tr("Enable sync"));
    m_pLiftLabel->m_text = QObject::tr("Lift Distance");
    m_pLiftLabel->update();
    m_pLift1Box->setText(QObject::tr("1mm"));
    m_pLift2Box->setText(QObject::tr("2mm"));
    m_pSettingsButton->setButtonText(QObject::tr("Mouse Setting"));
    m_pAngleBox->setText(QObject::tr("Angle Snapping"));
    m_pJitterBox->setText(QObject::tr("Jitter"));
    m_pSensorModeLabel->m_text = QObject::tr("Sensor Mode");
    m_pSensorModeLabel->update();
    m_pEcoBox->setText(QObject::tr("Eco"));
    m_pStandardBox->setText(QObject::tr("Standard"));
    m_pCompetitiveBox->setText(QObject::tr("Competitive"));
    m_pWakeBox->setText(QObject::tr("Motion Wake"));
    fitTexts();
}

void KestPointSpeed::fitTexts()
{
    QFont font = ConfiguredFont();
    if (font.pixelSize() <= 0)
        font.setPixelSize(qMax(1, scaled(12, getScaleFactor())));
    for (QCheckBox *box : {m_pSyncBox, m_pAngleBox, m_pJitterBox, m_pWakeBox, m_pLift1Box, m_pLift2Box, m_pEcoBox,
                           m_pStandardBox, m_pCompetitiveBox})
        FitCheckBoxText(box, font);
}

void KestPointSpeed::setProfileData(ProfileRecord *record, quint8 sync, quint8 lift, quint8 angle, quint8 jitter,
                                    quint8 debounce, quint8 wake, quint8 sensorMode)
{
    const ConfiguredFontEntry configured = ReadConfiguredFont();
    QFont font(configured.family);
    if (configured.size > 0)
        font.setPixelSize(configured.size);
    m_pScrollSpeedBox->setFont(font);

    m_pProfileData = record;
    m_pKeyResponseValue->setNumber(debounce);
    {
        // Showing stored values is no edit: a clamped one must not be written back.
        const QSignalBlocker blockSlider(m_pKeyResponseSlider);
        const QSignalBlocker blockBox(m_pScrollSpeedBox);
        m_pKeyResponseSlider->setValue(debounce);
        if (record)
            m_pScrollSpeedBox->setValue(record->scrollspeed);
    }
    m_iSync = sync;
    m_iLift = lift;
    m_iAngle = angle;
    m_iJitter = jitter;
    m_iDebounce = debounce;
    m_iWake = wake;
    m_iSensorMode = sensorMode;

    m_pSyncBox->setChecked(sync != 0);
    m_pLift1Box->setChecked(lift == 1);
    m_pLift2Box->setChecked(lift != 1);
    m_pAngleBox->setChecked(angle == kOn);
    m_pJitterBox->setChecked(jitter == kOn);
    m_pWakeBox->setChecked(wake == kOn);
    if (sensorMode <= 2)
        showSensorMode(sensorMode);
}

void KestPointSpeed::showSensorMode(int mode)
{
    m_pEcoBox->setChecked(mode == 0);
    m_pStandardBox->setChecked(mode == 1);
    m_pCompetitiveBox->setChecked(mode == 2);
}

void KestPointSpeed::onKeyResponse(int value)
{
    if (sender() != m_pKeyResponseSlider)
        return;
    qCDebug(lcPages, "slider_clicked 1 = %d", value);
    m_iDebounce = value;
    m_pKeyResponseValue->m_text = QString("%1").arg(value);
    m_pKeyResponseValue->update();
}

void KestPointSpeed::sValueChangedSlot(int value)
{
    qCDebug(lcPages, "slider_clicked 1 = %d", value);
    if (m_pProfileData)
        m_pProfileData->scrollspeed = quint8(value);
}

void KestPointSpeed::checkbtn_clicked()
{
    QObject *box = sender();
    if (box == m_pSyncBox) {
        m_iSync = m_pSyncBox->isChecked() ? 1 : 0;
    } else if (box == m_pLift1Box || box == m_pLift2Box) {
        m_iLift = box == m_pLift1Box ? 1 : 2;
        m_pLift1Box->setChecked(m_iLift == 1);
        m_pLift2Box->setChecked(m_iLift == 2);
    } else if (box == m_pAngleBox) {
        m_iAngle = m_pAngleBox->isChecked() ? kOn : kOff;
    } else if (box == m_pJitterBox) {
        m_iJitter = m_pJitterBox->isChecked() ? kOn : kOff;
    } else if (box == m_pWakeBox) {
        m_iWake = m_pWakeBox->isChecked() ? kOn : kOff;
    } else if (box == m_pEcoBox || box == m_pStandardBox || box == m_pCompetitiveBox) {
        m_iSensorMode = box == m_pEcoBox ? 0 : (box == m_pStandardBox ? 1 : 2);
        showSensorMode(m_iSensorMode);
    }
}

void KestPointSpeed::btn_clicked()
{
    if (sender() != m_pSettingsButton || OpenHostMouseSettings())
        return;
    KestMessageBox box(2, QString(), QObject::tr("Warning"),
                       QObject::tr("No mouse settings program of the desktop could be started."), this, false,
                       Qt::FramelessWindowHint);
    box.exec();
}

void KestPointSpeed::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double s = getScaleFactor();
    auto place = [s](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(ScaledRect(s, x, y, width, height));
    };
    place(m_pKeyResponseValue, 141, 10, 80, 20);
    place(m_pKeyResponseLabel, 20, 10, 120, 20);
    place(m_pKeyResponseSlider, 20, 35, 200, 25);
    place(m_pScrollSpeedLabel, 20, 75, 170, 20);
    place(m_pScrollSpeedBox, 20, 100, 70, 20);

    const int mode = GetSyncMode();
    if (mode < 0 || mode > 2)
        return;
    const bool all = mode == 2;
    auto placeIf = [&](bool shown, QWidget *w, int x, int y, int width, int height) {
        if (shown)
            place(w, x, y, width, height);
        else
            w->setGeometry(QRect());
    };
    for (QWidget *w : std::initializer_list<QWidget *>{m_pKeyResponseLabel, m_pKeyResponseValue, m_pKeyResponseSlider})
        if (mode == 0)
            w->setGeometry(QRect());
    if (!all)
        place(m_pScrollSpeedLabel, 20, 10, 170, 20);
    m_pScrollSpeedBox->setGeometry(QRect());
    place(m_pSettingsButton, 20, 85, 128, 30);
    // Each caption at the page's font, inside the page less its margin of 20 on either side:
    // the three sensor modes do not fit in one row, so both groups stand as a caption with
    // its choices in a column beside it, the rows 25 apart to keep the page's height.
    placeIf(all, m_pSyncBox, 20, 125, 170, 20);
    placeIf(all, m_pAngleBox, 20, 150, 170, 20);
    placeIf(all, m_pJitterBox, 20, 175, 170, 20);
    if (all)
        place(m_pWakeBox, 20, 200, 170, 20);
    else
        placeIf(mode == 1, m_pWakeBox, 20, 125, 100, 20);
    placeIf(all, m_pLiftLabel, 20, 230, 98, 20);
    placeIf(all, m_pLift1Box, 121, 230, 88, 20);
    placeIf(all, m_pLift2Box, 121, 255, 88, 20);
    placeIf(all, m_pSensorModeLabel, 20, 285, 98, 20);
    placeIf(all, m_pEcoBox, 121, 285, 88, 20);
    placeIf(all, m_pStandardBox, 121, 310, 88, 20);
    placeIf(all, m_pCompetitiveBox, 121, 335, 88, 20);
    fitTexts();
}
