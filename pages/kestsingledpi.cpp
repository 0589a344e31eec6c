#include "kestsingledpi.h"

#include "configuredfont.h"
#include "devicedefaults.h"
#include "kestlabel.h"
#include "kesttwobarslider.h"
#include "pageslogging.h"
#include "pagestyle.h"
#include "scale.h"
#include "sensordpi.h"
#include "settings.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QStringList>

namespace {

enum class RangeCondition { Always, Variant33254, NotVariant33254, ListedModel, OtherModel };

struct SensorRange {
    int sensor;
    RangeCondition condition;
    int minimumText;
    int maximumText;
    int barMinimum;
    int barMaximum;
    bool linkOffered;
};

// The first row whose sensor and condition match gives the range.
constexpr SensorRange kSensorRanges[] = {
    {3325, RangeCondition::Variant33254, 100, 16000, 1, 90, false},
    {3325, RangeCondition::NotVariant33254, 100, 5000, 1, 50, false},
    {33252, RangeCondition::Variant33254, 100, 16000, 1, 90, false},
    {33252, RangeCondition::NotVariant33254, 100, 10000, 1, 75, false},
    {3311, RangeCondition::Always, 100, 12000, 1, 120, false},
    {33112, RangeCondition::Always, 100, 24000, 1, 180, false},
    {3370, RangeCondition::Always, 50, 19000, 1, 290, false},
    {3327, RangeCondition::ListedModel, 200, 12400, 1, 92, false},
    {3327, RangeCondition::OtherModel, 200, 16400, 1, 106, false},
    {3360, RangeCondition::Always, 100, 24000, 1, 180, true},
    {3389, RangeCondition::Always, 100, 32000, 2, 480, true},
    {3212, RangeCondition::Always, 600, 7200, 16, 111, false},
    {3104, RangeCondition::Always, 500, 4200, 14, 105, true},
    {31042, RangeCondition::Always, 500, 8400, 14, 158, true},
    {3335, RangeCondition::Always, 100, 16000, 1, 160, false},
    {33352, RangeCondition::Always, 100, 32000, 1, 240, false},
    {3333, RangeCondition::Always, 200, 16000, 2, 120, false},
    {33952, RangeCondition::Always, 50, 52000, 0, 779, false},
    {3395, RangeCondition::Always, 50, 26000, 0, 519, false},
    {3399, RangeCondition::Always, 50, 40000, 0, 599, true},
};

// Models whose 3327 sensor stops at 12400 DPI; compared exactly.
const QStringList &ShortRange3327Models()
{
    static const QStringList models = {"K314-RGB", "FAXORN", "4679",     "SALVEN3", "TORQEL",
                                       "K418-RGB", "QUINTEL2", "HALVORN2", "JESPARO"};
    return models;
}

bool ConditionHolds(RangeCondition condition)
{
    switch (condition) {
    case RangeCondition::Always:
        return true;
    case RangeCondition::Variant33254:
        return GetSensorVariant33254() == 1;
    case RangeCondition::NotVariant33254:
        return GetSensorVariant33254() != 1;
    case RangeCondition::ListedModel:
        return ShortRange3327Models().contains(GetCurrentProductName());
    case RangeCondition::OtherModel:
        return !ShortRange3327Models().contains(GetCurrentProductName());
    }
    return false;
}

const SensorRange *FindSensorRange(int sensor)
{
    for (const SensorRange &range : kSensorRanges) {
        if (range.sensor == sensor && ConditionHolds(range.condition))
            return &range;
    }
    return nullptr;
}

constexpr int kFirstBarMaximum = 75;
constexpr int kFirstBarMinimum = 1;

}  // namespace

KestSingleDPI::KestSingleDPI(QWidget *parent, quint8 stage)
    : QWidget(parent), m_dScaleFactor(getScaleFactor()), m_iStage(stage)
{
    ApplyPageBackground(this);
    const double s = m_dScaleFactor;
    const QPalette white = TextPalette(palette(), Qt::white);
    const QString checkBoxStyle = SkinCheckBoxStyleSheet(s);

    auto makeLabel = [this, &white](const char *name) {
        auto *label = new KestLabel(this);
        label->setObjectName(name);
        label->setPalette(white);
        label->setFontReduction(1);
        connect(label, &KestLabel::EnterSignal, this, &KestSingleDPI::slotLabelClick);
        return label;
    };

    m_pMinLabel = makeLabel("minLabel");
    m_pMinLabel->setNumber(100);
    m_pMinLabel->m_alignment = Qt::AlignCenter;
    m_pMaxLabel = makeLabel("maxLabel");
    m_pMaxLabel->setNumber(10000);
    m_pMaxLabel->m_alignment = Qt::AlignCenter;

    m_pLinkBox = new QCheckBox(QObject::tr("Link XY"), this);
    m_pLinkBox->setObjectName("linkBox");
    m_pLinkBox->setPalette(white);
    m_pLinkBox->setFixedSize(scaled(100, s), scaled(24, s));
    m_pLinkBox->setFocusPolicy(Qt::NoFocus);
    m_pLinkBox->setStyleSheet(checkBoxStyle);
    // The language's own font, as on the labels, not whatever the desktop's font is.
    m_pLinkBox->setFont(ConfiguredFont());
    connect(m_pLinkBox, &QCheckBox::stateChanged, this, &KestSingleDPI::onStateChanged);

    m_pSlider = new KestTwoBarSlider(this, kFirstBarMaximum, kFirstBarMinimum);
    m_pSlider->setObjectName("twoBarSlider");
    m_pSlider->setFixedSize(scaled(331, s), scaled(30, s));
    connect(m_pSlider, &KestTwoBarSlider::SliderChangedSignal, this, &KestSingleDPI::onSliderChanged);

    m_pXLabel = makeLabel("xLabel");
    m_pYLabel = makeLabel("yLabel");
    m_pValueLabel = makeLabel("valueLabel");
    m_pValueLabel->m_text = QObject::tr("DPI") + " " + QString::number(stage + 1) + ":";

    m_pEnableBox = new QCheckBox(this);
    m_pEnableBox->setObjectName("enableBox");
    m_pEnableBox->setFixedSize(scaled(24, s), scaled(24, s));
    m_pEnableBox->setFocusPolicy(Qt::NoFocus);
    m_pEnableBox->setStyleSheet(checkBoxStyle);
    connect(m_pEnableBox, &QCheckBox::stateChanged, this, &KestSingleDPI::onStateChanged);
}

void KestSingleDPI::setSensor(int sensor)
{
    m_iSensor = sensor;
    const SensorRange *range = FindSensorRange(sensor);
    if (!range)
        return;
    m_pSlider->setRange(range->barMaximum, range->barMinimum);
    m_pMinLabel->setNumber(range->minimumText);
    m_pMaxLabel->setNumber(range->maximumText);
    m_pLinkBox->setVisible(range->linkOffered);
}

void KestSingleDPI::setValues(int x, int y)
{
    m_iX = x;
    m_iY = y;
    m_pSlider->setValues(x, y);  // a clamp comes back through onSliderChanged
    showValues(m_iX, m_iY);
}

void KestSingleDPI::showValues(int x, int y)
{
    const int yDpi = SensorValueToDpi(y, m_iSensor);
    m_pXLabel->m_text = QString("X:%1").arg(SensorValueToDpi(x, m_iSensor));
    m_pXLabel->update();
    m_pYLabel->m_text = QString("Y:%1").arg(yDpi);
    m_pYLabel->update();
    m_pValueLabel->m_text = QString("DPI : %1").arg(yDpi);
    m_pValueLabel->update();
}

void KestSingleDPI::setLink(quint8 link)
{
    m_iLink = link;
    const bool linked = link == 1;
    m_pSlider->setLinked(linked);
    const QSignalBlocker block(m_pLinkBox);
    m_pLinkBox->setChecked(linked);
}

void KestSingleDPI::setEnable(quint8 enable)
{
    m_iEnable = enable;
    const QSignalBlocker block(m_pEnableBox);
    m_pEnableBox->setChecked(enable == 1);
}

void KestSingleDPI::setRowPalette(const QPalette &palette)
{
    for (QWidget *child : std::initializer_list<QWidget *>{m_pMinLabel, m_pMaxLabel, m_pXLabel, m_pYLabel,
                                                           m_pValueLabel, m_pLinkBox})
        child->setPalette(palette);
}

void KestSingleDPI::applyScale(double scale)
{
    m_dScaleFactor = scale;
    const double s = scale;
    // The fixed sizes follow the scale too, or they would keep the first factor's size.
    m_pEnableBox->setFixedSize(scaled(24, s), scaled(24, s));
    m_pLinkBox->setFixedSize(scaled(100, s), scaled(24, s));
    m_pSlider->setFixedSize(scaled(331, s), scaled(30, s));
    for (QCheckBox *box : {m_pEnableBox, m_pLinkBox})
        box->setStyleSheet(SkinCheckBoxStyleSheet(s));
    m_pLinkBox->setFont(ConfiguredFont());
    m_pEnableBox->setGeometry(ScaledRect(s, 0, 0, 24, 24));
    m_pValueLabel->setGeometry(ScaledRect(s, 25, 0, 80, 17));
    m_pXLabel->setGeometry(ScaledRect(s, 130, 0, 0, 0));
    m_pYLabel->setGeometry(ScaledRect(s, 220, 0, 0, 0));
    m_pLinkBox->setGeometry(ScaledRect(s, 350, 0, 80, 17));
    m_pSlider->setGeometry(ScaledRect(s, 51, 20, 331, 30));
    m_pMinLabel->setGeometry(ScaledRect(s, 0, 25, 50, 17));
    m_pMaxLabel->setGeometry(ScaledRect(s, 386, 25, 50, 17));
    m_pSlider->restyle();
}

void KestSingleDPI::onStateChanged(int state)
{
    const uchar on = state == Qt::Checked ? 1 : 0;
    if (sender() == m_pLinkBox) {
        m_iLink = on;
        m_pSlider->setLinked(on == 1);
        emit LinkSignal(on, m_iStage);
        // The linked bar shows X: a user's tick makes Y follow, so what is sent is what shows.
        if (on == 1 && m_iY != m_iX) {
            m_iY = m_iX;
            m_pSlider->setValues(m_iX, m_iY);
            showValues(m_iX, m_iY);
            emit DPISignal(m_iX, m_iY, m_iStage);
        }
    } else if (sender() == m_pEnableBox) {
        m_iEnable = on;
        emit EnableSignal(on, m_iStage);
    }
}

void KestSingleDPI::onSliderChanged(int x, int y)
{
    if (sender() != m_pSlider)
        return;
    m_iX = x;
    m_iY = y;
    qCDebug(lcPages, "ix = %d", x);
    showValues(x, y);
    emit DPISignal(x, y, m_iStage);
}

void KestSingleDPI::slotLabelClick(KestLabel *)
{
    emit MouseinSignal(m_iStage);
}

void KestSingleDPI::mousePressEvent(QMouseEvent *event)
{
    emit MouseinSignal(m_iStage);
    QWidget::mousePressEvent(event);
}
