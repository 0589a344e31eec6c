// The pages' sliders and skinned check boxes at the window's scales: round handles that grow
// with the window, and check-box indicators scaled with it.
#include "pagefixture.h"

#include "kestcolorwindow.h"
#include "kestsingledpi.h"
#include "kestslider.h"
#include "scale.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// The box around the pixels painted (nearly) in colour.
QRect PaintedBox(const QImage &image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(colour)) + qAbs(qGreen(p) - qGreen(colour)) + qAbs(qBlue(p) - qBlue(colour)) < 90)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

QSize indicatorSize(QCheckBox *box)
{
    box->ensurePolished();  // the style sheet's style from here on
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).size();
}

} // namespace

class PageLookTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageFixture> m_fixture;

private slots:
    void init()
    {
        g_deviceConfig = DeviceConfig();
        m_fixture = std::make_unique<PageFixture>(QVariantMap(), QVariantMap());
    }
    void cleanup()
    {
        m_fixture.reset();
        setScaleFactor(1.0);
    }

    void scales_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    // Each handle is as tall as wide, its scaled size, and drawn round: its corners stay clear
    // of the handle colour while its middle has it.
    void sliderHandlesRound_data() { scales_data(); }
    void sliderHandlesRound()
    {
        QFETCH(double, scale);
        setScaleFactor(scale);
        KestColorWindow page(nullptr, scale);
        g_deviceConfig.profiles[0].LedMode = 4;  // RAINBOW: brightness and speed shown
        page.setProfileData(&g_deviceConfig.profiles[0]);
        page.applyScale(scale);
        page.resize(scaled(456, scale), scaled(460, scale));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QRgb colour = CurrentThemeColor().rgb();
        const int size = scaled(12, scale);
        for (KestSlider *slider : {page.m_pBrightnessSlider, page.m_pSpeedSlider}) {
            QVERIFY(slider->isVisible());
            slider->setValue(slider->minimum());  // the handle alone in the colour, at the left
            const QImage image = slider->grab().toImage();
            const QRect handle = PaintedBox(image, colour);
            QVERIFY2(qAbs(handle.width() - size) <= 1 && qAbs(handle.height() - size) <= 1,
                     qPrintable(QString("%1x%2").arg(handle.width()).arg(handle.height())));
            QCOMPARE(image.pixel(handle.center()) & 0xFFFFFF, colour & 0xFFFFFF);
            for (const QPoint &corner : {handle.topLeft(), handle.topRight(), handle.bottomLeft(), handle.bottomRight()})
                QVERIFY2(PaintedBox(image.copy(QRect(corner, QSize(1, 1))), colour).isEmpty(),
                         qPrintable(QString("corner %1,%2 painted").arg(corner.x()).arg(corner.y())));
        }
    }

    void checkBoxIndicatorsScaled_data() { scales_data(); }
    void checkBoxIndicatorsScaled()
    {
        QFETCH(double, scale);
        setScaleFactor(scale);
        KestColorWindow lighting(nullptr, scale);
        KestSingleDPI row(nullptr, 0);
        row.applyScale(scale);
        const QSize expected(scaled(16, scale), scaled(16, scale));
        QCOMPARE(indicatorSize(lighting.m_pLightOffBox), expected);
        for (QCheckBox *box : row.findChildren<QCheckBox *>())
            QCOMPARE(indicatorSize(box), expected);
    }
};

QTEST_MAIN(PageLookTest)
#include "tst_pagelook.moc"
