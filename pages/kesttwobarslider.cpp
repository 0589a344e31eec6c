#include "kesttwobarslider.h"

#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kBarWidth = 331;
constexpr int kOuterBarHeight = 9;
constexpr int kLinkedBarTop = 9;
constexpr int kLinkedBarHeight = 12;
constexpr int kYBarTop = 21;

QString OuterBarStyleSheet(double scale, const QColor &color)
{
    return QString::asprintf("QSlider{background: qrgb(0,0,0,0%%);}"
                             "QSlider::groove:horizontal{background: rgba(0,0,0,0);height: %dpx;}"
                             "QSlider::handle:horizontal{background: rgba(%d,%d,%d,255);width: 16px;}",
                             scaled(kOuterBarHeight, scale), color.red(), color.green(), color.blue());
}

}  // namespace

KestTwoBarSlider::KestTwoBarSlider(QWidget *parent, int maximum, int minimum)
    : QWidget(parent), m_dScaleFactor(getScaleFactor()), m_iMaximum(maximum), m_iMinimum(minimum)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet("background-color: rgba(33,35,35,0.5)");
    m_pXBar = makeBar();
    m_pXBar->setObjectName("xBar");
    m_pYBar = makeBar();
    m_pYBar->setObjectName("yBar");
    m_pLinkedBar = makeBar();
    m_pLinkedBar->setObjectName("linkedBar");
    const double s = m_dScaleFactor;
    m_pXBar->setGeometry(0, 0, scaled(kBarWidth, s), scaled(kOuterBarHeight, s));
    m_pLinkedBar->setGeometry(0, kLinkedBarTop, scaled(kBarWidth, s), scaled(kLinkedBarHeight, s));
    m_pYBar->setGeometry(0, kYBarTop, scaled(kBarWidth, s), scaled(kOuterBarHeight, s));
    setLinked(false);
}

QSlider *KestTwoBarSlider::makeBar()
{
    auto *bar = new QSlider(Qt::Horizontal, this);
    bar->setRange(m_iMinimum, m_iMaximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::NoTicks);
    connect(bar, &QSlider::valueChanged, this, &KestTwoBarSlider::onBarMoved);
    return bar;
}

void KestTwoBarSlider::setLinked(bool on)
{
    m_bLinked = on ? 1 : 0;
    m_pLinkedBar->setVisible(on);
    m_pXBar->setVisible(!on);
    m_pYBar->setVisible(!on);
}

void KestTwoBarSlider::setValues(int x, int y)
{
    {
        const QSignalBlocker blockLinked(m_pLinkedBar);
        const QSignalBlocker blockX(m_pXBar);
        const QSignalBlocker blockY(m_pYBar);
        // The hidden linked bar follows X too, so switching to linked mode shows a sensible value.
        m_pLinkedBar->setValue(x);
        m_pXBar->setValue(x);
        m_pYBar->setValue(y);
    }
    // A stored value the bar cannot show is sent as the value it shows, as after a drag;
    // otherwise the mouse would get a value the user never sees.
    const int shownX = m_pXBar->value();
    const int shownY = m_pYBar->value();
    if (shownX != x || shownY != y)
        emit SliderChangedSignal(shownX, shownY);
}

void KestTwoBarSlider::setRange(int maximum, int minimum)
{
    m_iMaximum = maximum;
    m_iMinimum = minimum;
    // A clamp to the new range is not a user edit: the stored stage values stay as they are.
    for (QSlider *bar : {m_pXBar, m_pYBar, m_pLinkedBar}) {
        const QSignalBlocker block(bar);
        bar->setRange(minimum, maximum);
    }
}

void KestTwoBarSlider::onBarMoved(int value)
{
    if (sender() == m_pLinkedBar) {
        // Linked means one value for both axes: the bars below follow silently.
        const QSignalBlocker blockX(m_pXBar);
        const QSignalBlocker blockY(m_pYBar);
        m_pXBar->setValue(value);
        m_pYBar->setValue(value);
        emit SliderChangedSignal(value, value);
    } else if (sender() == m_pXBar || sender() == m_pYBar) {
        if (sender() == m_pXBar) {
            const QSignalBlocker blockLinked(m_pLinkedBar);
            m_pLinkedBar->setValue(value);
        }
        emit SliderChangedSignal(m_pXBar->value(), m_pYBar->value());
    }
}

void KestTwoBarSlider::restyle()
{
    m_dScaleFactor = getScaleFactor();
    const double s = m_dScaleFactor;
    m_pXBar->setGeometry(0, 0, scaled(kBarWidth, s), scaled(kOuterBarHeight, s));
    m_pLinkedBar->setGeometry(0, scaled(kLinkedBarTop, s), scaled(kBarWidth, s), scaled(kLinkedBarHeight, s));
    m_pYBar->setGeometry(0, scaled(kYBarTop, s), scaled(kBarWidth, s), scaled(kOuterBarHeight, s));
    const QColor color = CurrentThemeColor();
    const QString outer = OuterBarStyleSheet(s, color);
    m_pXBar->setStyleSheet(outer);
    m_pYBar->setStyleSheet(outer);
    m_pLinkedBar->setStyleSheet(ThemeSliderStyleSheet(s, color));
}

void KestTwoBarSlider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    restyle();
}
