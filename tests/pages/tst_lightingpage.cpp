// The lighting page on its own: which controls each effect shows, the effect menu, which
// record each control writes, and that showing values writes nothing.
#include "pagefixture.h"

#include "defaultcolorarea.h"
#include "kestaction.h"
#include "kestcolorarea.h"
#include "kestcolorwindow.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestslider.h"

#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

class LightingPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageFixture> m_fixture;

    static void fill(ProfileRecord &record, int mode, int bright, int breath, const QColor &colour)
    {
        record.LedMode = quint8(mode);
        for (LedModeInfo &entry : record.ledModes) {
            entry.bright = quint32(bright);
            entry.breath = quint32(breath);
            entry.RGB = colour;
        }
    }

private slots:
    void init()
    {
        g_deviceConfig = DeviceConfig();
        m_fixture = std::make_unique<PageFixture>(QVariantMap(), QVariantMap());
    }
    void cleanup() { m_fixture.reset(); }

    void effects_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("speedY");
        const char *names[] = {"OFF", "FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "FLASH",
                               "Horizontal WAVE", "Horizontal GO WITHOUT TRACE", "Raindrop", "WAVE",
                               "GO WITHOUT TRACE", "REACTIVE", "yo-yo", "Marbles"};
        const bool shown[kLedModes][3] = {{0, 0, 0}, {1, 0, 1}, {0, 1, 1}, {0, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0},
                                          {1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 0}};
        for (int i = 0; i < kLedModes; ++i)
            QTest::newRow(names[i]) << i << names[i] << shown[i][0] << shown[i][1] << shown[i][2]
                                    << (i == 2 || i == 3 ? 97 : 156);
    }
    // Loaded from the record and set as a light mode alike.
    void effects()
    {
        QFETCH(int, effect);
        QFETCH(QString, name);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        QFETCH(int, speedY);
        KestColorWindow page(nullptr, 1.0);
        page.applyScale(1.0);
        ProfileRecord &record = g_deviceConfig.profiles[0];
        for (int way = 0; way < 2; ++way) {
            fill(record, way == 0 ? effect : (effect + 1) % kLedModes, 2, 3, Qt::red);
            page.setProfileData(&record);
            if (way == 1)
                page.setLightMode(quint8(effect));
            QCOMPARE(int(record.LedMode), effect);
            QCOMPARE(page.m_pEffectButton->buttonText(), name);
            QCOMPARE(!page.m_pBrightnessSlider->isHidden(), brightness);
            QCOMPARE(!page.m_pBrightnessLabel->isHidden(), brightness);
            QCOMPARE(!page.m_pSpeedSlider->isHidden(), speed);
            QCOMPARE(!page.m_pSpeedLabel->isHidden(), speed);
            QCOMPARE(!page.m_pColorSwatch->isHidden(), colour);
            QCOMPARE(!page.m_pColorLabel->isHidden(), colour);
            QCOMPARE(page.m_pSpeedSlider->y(), speedY);
            QCOMPARE(page.m_pBrightnessSlider->y(), speedY == 97 ? 156 : 97);
        }
    }

    void menuOffersTenEffects()
    {
        KestColorWindow page(nullptr, 1.0);
        page.setProfileData(&g_deviceConfig.profiles[0]);
        QStringList offered;
        for (QAction *action : page.effectMenu()->actions())
            offered << action->text();
        QCOMPARE(offered, (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                       "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
        // Every refresh makes fresh actions; the old ones must not pile up.
        QPointer<KestAction> old = page.effectAction(1);
        page.setProfileData(&g_deviceConfig.profiles[0]);
        QVERIFY(old.isNull());
        QCOMPARE(page.effectMenu()->findChildren<KestAction *>().size(), kLedModes);
    }

    // The page edits the lighting profile's record; sleep time and light-off are the
    // mouse's, kept in profile 0. Showing a record writes nothing.
    void whichRecordIsWritten()
    {
        ProfileRecord &first = g_deviceConfig.profiles[0];
        ProfileRecord &third = g_deviceConfig.profiles[2];
        fill(first, 4, 3, 5, Qt::blue);
        first.LedSleepTime = 5;
        first.LedMoveOFF = 0xFF;
        fill(third, 1, 1, 2, Qt::green);
        third.LedSleepTime = 2;
        const DeviceConfig before = g_deviceConfig;
        KestColorWindow page(nullptr, 1.0);
        page.setProfileData(&third);
        QCOMPARE(first.ledModes[4].bright, before.profiles[0].ledModes[4].bright);
        QCOMPARE(first.ledModes[4].breath, before.profiles[0].ledModes[4].breath);
        QCOMPARE(first.LedSleepTime, quint8(5));
        QCOMPARE(page.m_pSleepSlider->value(), 5);
        QCOMPARE(page.m_pMinuteLabel->labelText(), QString("5 MINUTE"));
        QCOMPARE(page.m_pColorSwatch->color(), QColor(Qt::green));

        page.m_pBrightnessSlider->setValue(3);
        QCOMPARE(third.ledModes[1].bright, 3u);
        QCOMPARE(first.ledModes[1].bright, 3u);  // unchanged: filled with 3
        QCOMPARE(first.ledModes[4].bright, 3u);
        page.m_pSleepSlider->setValue(7);
        QCOMPARE(first.LedSleepTime, quint8(7));
        QCOMPARE(third.LedSleepTime, quint8(2));
        QCOMPARE(page.m_pMinuteLabel->labelText(), QString("7 MINUTE"));
        page.m_pLightOffBox->click();
        QCOMPARE(first.LedMoveOFF, quint8(0));
        page.m_pLightOffBox->click();
        QCOMPARE(first.LedMoveOFF, quint8(0xFF));
        QCOMPARE(third.LedMoveOFF, before.profiles[2].LedMoveOFF);

        // Choosing an effect shows its own values and colour.
        third.ledModes[2].breath = 4;
        third.ledModes[2].RGB = Qt::yellow;
        page.effectAction(2)->trigger();
        QCOMPARE(int(third.LedMode), 2);
        QCOMPARE(page.m_pSpeedSlider->value(), 4);
        QCOMPARE(page.m_pColorSwatch->color(), QColor(Qt::yellow));
        QCOMPARE(int(first.LedMode), 4);
    }

    // A stored value outside a slider's range is corrected where it belongs.
    void clampedValuesAreWrittenBack()
    {
        ProfileRecord &record = g_deviceConfig.profiles[1];
        fill(record, 4, 0, 9, Qt::red);
        g_deviceConfig.profiles[0].LedSleepTime = 30;
        KestColorWindow page(nullptr, 1.0);
        page.setProfileData(&record);
        QCOMPARE(record.ledModes[4].bright, 1u);
        QCOMPARE(record.ledModes[4].breath, 5u);
        QCOMPARE(record.ledModes[5].bright, 0u);
        QCOMPARE(g_deviceConfig.profiles[0].LedSleepTime, quint8(9));
    }

    void unusualValues()
    {
        KestColorWindow page(nullptr, 1.0);
        // No record yet: nothing to write into, and nothing breaks.
        page.m_pBrightnessSlider->setValue(2);
        QTest::mouseClick(page.m_pColorSwatch, Qt::LeftButton);
        page.applyScale(1.25);
        ProfileRecord &record = g_deviceConfig.profiles[0];
        fill(record, 1, 2, 2, Qt::red);
        page.setProfileData(&record);
        page.setLightMode(14);
        QCOMPARE(int(record.LedMode), 1);
        QCOMPARE(page.m_pEffectButton->buttonText(), QString("FULL LIGHTED"));
        record.LedMode = 200;
        page.setProfileData(&record);
        page.m_pSpeedSlider->setValue(4);
        QCOMPARE(page.m_pEffectButton->buttonText(), QString("FULL LIGHTED"));
    }

    void lightOffBoxNeedsShowSleep_data()
    {
        QTest::addColumn<int>("showSleep");
        QTest::newRow("shown") << 1;
        QTest::newRow("not offered") << 0;
    }
    void lightOffBoxNeedsShowSleep()
    {
        QFETCH(int, showSleep);
        PageFixture fixture({{"PROFILE/ShowSleep", showSleep}, {"PROFILE/SleepMin", 2}, {"PROFILE/SleepMax", 300}},
                            {});
        KestColorWindow page(nullptr, 1.0);
        page.applyScale(1.0);
        QCOMPARE(page.m_pLightOffBox->geometry().isEmpty(), showSleep == 0);
        QCOMPARE(page.m_pSleepSlider->geometry(), QRect(30, 320, 228, 25));
        QCOMPARE(page.m_pSleepSlider->minimum(), 2);
        QCOMPARE(page.m_pSleepSlider->maximum(), 255);
    }

    void colourDialog_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void colourDialog()
    {
        QFETCH(bool, ok);
        ProfileRecord &record = g_deviceConfig.profiles[0];
        fill(record, 1, 2, 2, Qt::red);
        KestColorWindow page(nullptr, 1.0);
        page.setProfileData(&record);
        QTimer::singleShot(0, this, [ok] {
            auto *dialog = qobject_cast<KestColorArea *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->m_pQuickColors[3], Qt::LeftButton);
            QTest::mouseClick(ok ? dialog->m_pOkButton : dialog->m_pCancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(page.m_pColorSwatch, Qt::LeftButton);
        const QColor expected = ok ? QColor(0, 255, 255) : QColor(Qt::red);
        QCOMPARE(record.ledModes[1].RGB, expected);
        QCOMPARE(page.m_pColorSwatch->color(), expected);
    }
};

QTEST_MAIN(LightingPageTest)
#include "tst_lightingpage.moc"
