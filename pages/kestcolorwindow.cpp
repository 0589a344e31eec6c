#include "kestcolorwindow.h"

#include "defaultcolorarea.h"
#include "devicedefaults.h"
#include "kestaction.h"
#include "kestcolorarea.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "lightingfiles.h"
#include "pageslogging.h"
#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QCheckBox>
#include <QMenu>
#include <QSignalBlocker>
#include <climits>

namespace {

constexpr quint8 kLightOffWhileMoving = 0;
constexpr quint8 kLightStaysOn = 0xFF;

const char *const kEffectNames[kLedModes] = {
    QT_TRANSLATE_NOOP("QObject", "OFF"),
    QT_TRANSLATE_NOOP("QObject", "FULL LIGHTED"),
    QT_TRANSLATE_NOOP("QObject", "BREATHING"),
    QT_TRANSLATE_NOOP("QObject", "7 COLOR BREATHING"),
    QT_TRANSLATE_NOOP("QObject", "RAINBOW"),
    QT_TRANSLATE_NOOP("QObject", "FLASH"),
    QT_TRANSLATE_NOOP("QObject", "Horizontal WAVE"),
    QT_TRANSLATE_NOOP("QObject", "Horizontal GO WITHOUT TRACE"),
    QT_TRANSLATE_NOOP("QObject", "Raindrop"),
    QT_TRANSLATE_NOOP("QObject", "WAVE"),
    QT_TRANSLATE_NOOP("QObject", "GO WITHOUT TRACE"),
    QT_TRANSLATE_NOOP("QObject", "REACTIVE"),
    QT_TRANSLATE_NOOP("QObject", "yo-yo"),
    QT_TRANSLATE_NOOP("QObject", "Marbles"),
};

// The sleep time and the light-off choice are one value for the whole mouse, kept in
// the first profile, which the write job sends them from.
ProfileRecord &SleepProfile() { return g_deviceConfig.profiles[0]; }

// Sets a slider without running its handler; the value the slider settled on (a stored
// value outside its range is clamped) is returned.
int ShowValue(KestSlider *slider, int value)
{
    const QSignalBlocker block(slider);
    slider->setValue(value);
    return slider->value();
}

KestSlider *MakeSlider(QWidget *parent, const char *name, int minimum, int maximum, const QString &sheet)
{
    auto *slider = new KestSlider(parent);
    slider->setObjectName(name);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setStyleSheet(sheet);
    return slider;
}

KestLabel *MakeLabel(QWidget *parent, const char *name, const QPalette &palette)
{
    auto *label = new KestLabel(parent);
    label->setObjectName(name);
    label->setPalette(palette);
    return label;
}

} // namespace

const char *EffectName(int effect) { return effect >= 0 && effect < kLedModes ? kEffectNames[effect] : ""; }

EffectControls EffectControlsOf(int effect)
{
    switch (effect) {
    case 0: return {false, false, false, false};
    case 1: return {true, false, true, false};
    case 2: return {false, true, true, true};
    case 3: return {false, true, false, true};
    case 11: return {true, false, false, false};
    default: return {true, true, false, false};
    }
}

KestColorWindow::KestColorWindow(QWidget *parent, double scale) : QWidget(parent), m_dScaleFactor(scale)
{
    const double s = scale;
    const QPalette white = TextPalette(palette(), Qt::white);
    const QColor theme = CurrentThemeColor();
    QColor menuPalette[kMenuPaletteSize];
    menuPalette[5] = theme;

    m_pEffectLabel = MakeLabel(this, "effectLabel", white);
    m_pBrightnessLabel = MakeLabel(this, "brightnessLabel", white);
    m_pSpeedLabel = MakeLabel(this, "speedLabel", white);
    m_pColorLabel = MakeLabel(this, "colorLabel", white);
    m_pSleepLabel = MakeLabel(this, "sleepTitleLabel", white);
    m_pMinuteLabel = MakeLabel(this, "minuteLabel", white);

    m_pColorSwatch = new DefaultColorArea(this, theme);
    m_pColorSwatch->setObjectName("colorSwatch");
    connect(m_pColorSwatch, &DefaultColorArea::ClickedSignal, this, &KestColorWindow::color_clicked);

    int sleepMin = 1;
    int sleepMax = 9;
    GetSleepRange(sleepMin, sleepMax);
    // The time is stored in a byte: a wider range from the description would wrap.
    sleepMin = qBound(0, sleepMin, 255);
    sleepMax = qBound(0, sleepMax, 255);
    const QString sheet = ThemeSliderStyleSheet(s, theme);
    m_pSleepSlider = MakeSlider(this, "sleepSlider", sleepMin, sleepMax, sheet);
    m_pBrightnessSlider = MakeSlider(this, "brightnessSlider", 1, 3, sheet);
    m_pSpeedSlider = MakeSlider(this, "speedSlider", 1, 5, sheet);
    for (KestSlider *slider : {m_pSleepSlider, m_pBrightnessSlider, m_pSpeedSlider}) {
        connect(slider, &QSlider::valueChanged, this, &KestColorWindow::onSliderValue);
        connect(slider, &KestSlider::MouseChange, this, &KestColorWindow::slotSliderMouseChange);
    }

    const QString rate = AppDir() + "/skin/rate.png";
    m_pEffectButton = new KestPushButton({rate, rate, rate}, this, QString());
    m_pEffectButton->setObjectName("effectButton");

    m_pEffectMenu = new QMenu(this);
    m_pEffectMenu->setObjectName("effectMenu");
    m_pEffectMenu->setFixedWidth(scaled(175, s));
    m_pEffectMenu->setStyleSheet(BuildMenuStyleSheet(menuPalette));

    m_pLightOffBox = new QCheckBox(this);
    m_pLightOffBox->setObjectName("lightOffBox");
    m_pLightOffBox->setPalette(white);
    m_pLightOffBox->setStyleSheet(SkinCheckBoxStyleSheet(s));
    m_pLightOffBox->setChecked(false);
    connect(m_pLightOffBox, &QCheckBox::clicked, this, &KestColorWindow::checkbtn_clicked);

    buildEffectMenu();

    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background:transparent;");

    // Where they stand until the window's first layout pass.
    placeControls();
    m_pEffectButton->setGeometry(ScaledRect(s, 30, 40, 152, 28));
    m_pSleepLabel->setGeometry(ScaledRect(s, 30, 196, 201, 18));
    m_pSleepSlider->setGeometry(ScaledRect(s, 30, 97, 228, 25));
}

KestColorWindow::~KestColorWindow() = default;

KestAction *KestColorWindow::effectAction(int effect) const
{
    return effect >= 0 && effect < kLedModes ? m_pActions[effect] : nullptr;
}

void KestColorWindow::buildEffectMenu()
{
    // The old actions are the menu's children: clearing alone would keep them all.
    for (KestAction *&action : m_pActions) {
        delete action;
        action = nullptr;
    }
    m_pEffectMenu->clear();
    for (int i = 0; i < kLedModes; ++i) {
        m_pActions[i] = new KestAction(m_pEffectMenu);
        connect(m_pActions[i], &QAction::triggered, this, &KestColorWindow::EffectMenuFunction);
    }
    for (int effect : kOfferedEffects)
        m_pEffectMenu->addAction(m_pActions[effect]);
    m_pEffectButton->setMenu(m_pEffectMenu);
}

void KestColorWindow::placeControls()
{
    const double s = m_dScaleFactor;
    m_pEffectLabel->setGeometry(ScaledRect(s, 30, 20, 201, 18));
    m_pEffectButton->setGeometry(ScaledRect(s, 30, 40, 210, 28));
    m_pBrightnessLabel->setGeometry(ScaledRect(s, 30, 78, 201, 18));
    m_pBrightnessSlider->setGeometry(ScaledRect(s, 30, 97, 228, 25));
    m_pSpeedLabel->setGeometry(ScaledRect(s, 30, 137, 201, 18));
    m_pSpeedSlider->setGeometry(ScaledRect(s, 30, 156, 228, 25));
    m_pColorLabel->setGeometry(ScaledRect(s, 30, 196, 201, 18));
    m_pColorSwatch->setGeometry(ScaledRect(s, 30, 215, 64, 64));
    m_pSleepLabel->setGeometry(ScaledRect(s, 30, 300, 201, 18));
    m_pSleepSlider->setGeometry(ScaledRect(s, 30, 320, 228, 25));
    m_pMinuteLabel->setGeometry(ScaledRect(s, 265, 323, 100, 18));
    m_pLightOffBox->setGeometry(GetShowSleep() != 0 ? ScaledRect(s, 30, 360, 200, 25) : QRect());
    FitCheckBoxText(m_pLightOffBox);
}

void KestColorWindow::showEffectControls(int effect)
{
    if (effect < 0 || effect >= kLedModes)
        return;
    const double s = m_dScaleFactor;
    m_pEffectButton->setButtonText(m_pActions[effect]->text());
    const EffectControls shown = EffectControlsOf(effect);
    const int brightnessY = shown.speedFirst ? 137 : 78;
    const int speedY = shown.speedFirst ? 78 : 137;
    m_pBrightnessLabel->setGeometry(ScaledRect(s, 30, brightnessY, 201, 18));
    m_pBrightnessSlider->setGeometry(ScaledRect(s, 30, brightnessY + 19, 228, 25));
    m_pSpeedLabel->setGeometry(ScaledRect(s, 30, speedY, 201, 18));
    m_pSpeedSlider->setGeometry(ScaledRect(s, 30, speedY + 19, 228, 25));
    m_pBrightnessLabel->setVisible(shown.brightness);
    m_pBrightnessSlider->setVisible(shown.brightness);
    m_pSpeedLabel->setVisible(shown.speed);
    m_pSpeedSlider->setVisible(shown.speed);
    m_pColorLabel->setVisible(shown.colour);
    m_pColorSwatch->setVisible(shown.colour);
}

LedModeInfo *KestColorWindow::currentEntry() const
{
    if (!m_pRecord || m_pRecord->LedMode >= kLedModes)
        return nullptr;
    return &m_pRecord->ledModes[m_pRecord->LedMode];
}

void KestColorWindow::showEntry(int effect)
{
    if (!m_pRecord || effect < 0 || effect >= kLedModes)
        return;
    LedModeInfo &entry = m_pRecord->ledModes[effect];
    // Showing is no edit; only a value the slider could not take is corrected.
    const int bright = ShowValue(m_pBrightnessSlider, int(qMin<quint32>(entry.bright, INT_MAX)));
    if (quint32(bright) != entry.bright)
        entry.bright = quint32(bright);
    const int breath = ShowValue(m_pSpeedSlider, int(qMin<quint32>(entry.breath, INT_MAX)));
    if (quint32(breath) != entry.breath)
        entry.breath = quint32(breath);
    m_pColorSwatch->setColor(entry.RGB);
}

void KestColorWindow::showMinutes(int minutes)
{
    m_pMinuteLabel->m_text = QString::number(minutes) + QObject::tr(" MINUTE");
    m_pMinuteLabel->update();
}

void KestColorWindow::setProfileData(ProfileRecord *record)
{
    m_pRecord = record;
    if (m_pRecord) {
        showEffectControls(m_pRecord->LedMode);
        showEntry(m_pRecord->LedMode);
    }
    ProfileRecord &sleep = SleepProfile();
    const int minutes = ShowValue(m_pSleepSlider, sleep.LedSleepTime);
    if (minutes != sleep.LedSleepTime)
        sleep.LedSleepTime = quint8(minutes);
    showMinutes(sleep.LedSleepTime);
    m_pLightOffBox->setChecked(sleep.LedMoveOFF == kLightOffWhileMoving);
    buildEffectMenu();
    updateTexts();
}

void KestColorWindow::setLightMode(quint8 effect)
{
    if (effect >= kLedModes) {
        qCDebug(lcPages, "setLightMode: no effect %d", effect);
        return;
    }
    showEffectControls(effect);
    g_deviceConfig.profiles[LightingProfileIndex(g_deviceConfig)].LedMode = effect;
}

void KestColorWindow::applyScale(double scale)
{
    m_dScaleFactor = scale;
    placeControls();
    m_pEffectMenu->setFixedWidth(scaled(175, scale));
    const QString sheet = ThemeSliderStyleSheet(scale, CurrentThemeColor());
    for (KestSlider *slider : {m_pSleepSlider, m_pBrightnessSlider, m_pSpeedSlider})
        slider->setStyleSheet(sheet);
    m_pLightOffBox->setStyleSheet(SkinCheckBoxStyleSheet(scale));
    FitMenuTexts(m_pEffectMenu);  // the entries' font too, at the new scale
    if (m_pRecord)
        showEffectControls(m_pRecord->LedMode);
}

void KestColorWindow::updateTexts()
{
    const std::pair<KestLabel *, const char *> captions[] = {
        {m_pEffectLabel, "EFFECT"}, {m_pBrightnessLabel, "BRIGHTNESS"}, {m_pSpeedLabel, "SPEED"},
        {m_pColorLabel, "COLOR"},   {m_pSleepLabel, "SLEEP TIME"},
    };
    for (const auto &caption : captions) {
        caption.first->m_text = QObject::tr(caption.second);
        caption.first->update();
    }
    m_pLightOffBox->setText(QObject::tr("MOVE TO LIGHT OFF"));
    FitCheckBoxText(m_pLightOffBox);
    showMinutes(SleepProfile().LedSleepTime);
    for (int i = 0; i < kLedModes; ++i)
        m_pActions[i]->setText(QObject::tr(kEffectNames[i]));
    FitMenuTexts(m_pEffectMenu);
    if (m_pRecord)
        showEffectControls(m_pRecord->LedMode);
}

void KestColorWindow::EffectMenuFunction()
{
    int effect = -1;
    for (int i = 0; i < kLedModes; ++i) {
        if (sender() == m_pActions[i])
            effect = i;
    }
    if (effect < 0 || !m_pRecord)
        return;
    showEffectControls(effect);
    m_pRecord->LedMode = quint8(effect);
    // The chosen effect's own values, its colour too.
    showEntry(effect);
    const QColor c = m_pRecord->ledModes[effect].RGB;
    qCDebug(lcPages, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", LightingProfileIndex(g_deviceConfig), effect,
            c.red(), c.green(), c.blue());
}

void KestColorWindow::onSliderValue(int value)
{
    if (sender() == m_pSleepSlider) {
        SleepProfile().LedSleepTime = quint8(value);
        showMinutes(value);
        return;
    }
    LedModeInfo *entry = currentEntry();
    if (!entry)
        return;
    if (sender() == m_pBrightnessSlider)
        entry->bright = quint32(value);
    else if (sender() == m_pSpeedSlider)
        entry->breath = quint32(value);
}

void KestColorWindow::checkbtn_clicked()
{
    if (sender() != m_pLightOffBox)
        return;
    SleepProfile().LedMoveOFF = m_pLightOffBox->isChecked() ? kLightOffWhileMoving : kLightStaysOn;
}

void KestColorWindow::color_clicked()
{
    if (sender() != m_pColorSwatch)
        return;
    LedModeInfo *entry = currentEntry();
    if (!entry)
        return;
    KestColorArea dialog(this, m_dScaleFactor);
    dialog.setColor(entry->RGB);
    if (dialog.exec() == QDialog::Accepted) {
        // The record may have been replaced while the dialog ran.
        if (LedModeInfo *target = currentEntry()) {
            target->RGB = dialog.chosenColor();
            m_pColorSwatch->setColor(target->RGB);
        }
    }
}

void KestColorWindow::slotSendLedState(QColor c)
{
    ProfileRecord &lighting = g_deviceConfig.profiles[LightingProfileIndex(g_deviceConfig)];
    if (lighting.LedMode >= kLedModes)
        return;
    lighting.ledModes[lighting.LedMode].RGB = c;
    qCDebug(lcPages, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", LightingProfileIndex(g_deviceConfig),
            lighting.LedMode, c.red(), c.green(), c.blue());
}

void KestColorWindow::slotSliderMouseChange() {}

void KestColorWindow::slotApplyColor() {}
