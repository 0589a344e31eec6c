#include "kestsniperwindow.h"

#include "dialogbuttons.h"
#include "kestlabel.h"
#include "kestslider.h"
#include "scale.h"
#include "sensordpi.h"
#include "settings.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct SensorSniper {
    int sensor;
    SniperRange range;
};
constexpr SensorSniper kSniperRanges[] = {
    {3325, {1, 10, 3, 1, 10}}, {3327, {1, 10, 3, 1, 10}},  {3360, {1, 10, 3, 1, 10}},
    {3333, {1, 10, 3, 2, 10}}, {3335, {1, 10, 3, 1, 10}},  {3389, {2, 20, 6, 2, 20}},
    {3212, {17, 32, 16, 16, 32}}, {3104, {15, 26, 14, 14, 26}},
};
constexpr int kSliderMin = 1;
constexpr int kSliderMax = 10;

} // namespace

bool SniperRangeFor(int sensor, SniperRange &range)
{
    for (const SensorSniper &entry : kSniperRanges) {
        if (entry.sensor == sensor) {
            range = entry.range;
            return true;
        }
    }
    return false;
}

quint8 SniperLevelFor(int sensor, quint8 level)
{
    SniperRange range;
    if (!SniperRangeFor(sensor, range) || (level >= range.validMin && level <= range.validMax))
        return level;
    return quint8(range.defaultLevel);
}

KestSniperWindow::KestSniperWindow(QWidget *parent) : KestSkinnedDialog(parent, 400, 258)
{
    const double s = m_dScaleFactor;
    m_pTitleLabel = new KestLabel(this);
    m_pTitleLabel->setObjectName("titleLabel");
    m_pTitleLabel->setFixedSize(scaled(200, s), scaled(30, s));
    m_pValueLabel = new KestLabel(this);
    m_pValueLabel->setObjectName("valueLabel");
    m_pValueLabel->setFixedSize(scaled(60, s), scaled(30, s));
    // White like the other dialogs' texts: the default text colour is lost on the dark skin.
    for (KestLabel *label : {m_pTitleLabel, m_pValueLabel})
        label->setPalette(WhiteTextPalette(palette()));

    // The handle in two thirds of the theme colour.
    const QColor theme = CurrentThemeColor();
    m_pSlider = new KestSlider(this);
    m_pSlider->setObjectName("levelSlider");
    m_pSlider->setOrientation(Qt::Horizontal);
    m_pSlider->setFixedSize(scaled(250, s), scaled(30, s));
    m_pSlider->setRange(kSliderMin, kSliderMax);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pSlider->setTickPosition(QSlider::NoTicks);
    m_pSlider->setStyleSheet(QString::asprintf(
        "QSlider{background: qrgb(0,0,0,0%%);}QSlider::groove:horizontal{border-image: url(%s/skin/pspeed.png);}"
        "QSlider::handle:horizontal{background: rgba(%d,%d,%d,255);width: 16px;}"
        "QSlider::handle:horizontal:hover{background: rgba(200,200,200,255);}",
        AppDir().toUtf8().constData(), theme.red() * 2 / 3, theme.green() * 2 / 3, theme.blue() * 2 / 3));
    connect(m_pSlider, &QSlider::valueChanged, this, &KestSniperWindow::onSliderChanged);

    const QFont font = DialogButtonFont(s);
    const QString style = DialogButtonStyleSheet(theme, kDialogButtonNarrowGap);
    m_pOkButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", QObject::tr("OK"),
                                   font, style, s);
    connect(m_pOkButton, &QToolButton::released, this, &QDialog::accept);
    m_pCancelButton = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextOnly, "msgBoxNoBtn",
                                       QObject::tr("Cancel"), font, style, s);
    connect(m_pCancelButton, &QToolButton::released, this, &QDialog::reject);
    m_pTitleLabel->m_text = QObject::tr("Sniper Setting");

    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(scaled(20, s));
    titleRow->addWidget(m_pTitleLabel);
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(scaled(30, s));
    sliderRow->addWidget(m_pSlider);
    sliderRow->addWidget(m_pValueLabel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(titleRow);
    column->addSpacing(scaled(50, s));
    column->addLayout(sliderRow);
    column->addStretch();
    column->addLayout(DialogButtonRow(m_pOkButton, m_pCancelButton));

    sensor = GetMouseSensor();
    setSniperLevel(0);
}

void KestSniperWindow::setSniperLevel(uchar newLevel)
{
    // Kept apart from the member: narrowing the slider's range below may move the handle,
    // and the handler then overwrites the member.
    const quint8 checked = SniperLevelFor(sensor, newLevel);
    level = checked;
    m_pValueLabel->setNumber(SensorValueToDpi(checked, sensor));
    sensor = GetMouseSensor();
    SniperRange range;
    if (SniperRangeFor(sensor, range))
        m_pSlider->setRange(range.sliderMin, range.sliderMax);
    m_pSlider->setValue(checked);
    // A level below the slider's range ends on its minimum, also when the slider already
    // stood there and so reported no change.
    if (m_pSlider->value() != level)
        onSliderChanged(m_pSlider->value());
    emit SetSniperValue(level);
}

void KestSniperWindow::onSliderChanged(int value)
{
    level = quint8(value);
    m_pValueLabel->setNumber(SensorValueToDpi(value, sensor));
}
