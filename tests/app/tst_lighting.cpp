// End to end through the real window and the simulated mouse: lighting and mouse-settings
// edits on the pages' own widgets, then Apply, and what reaches the mouse.
#include "windowfixture.h"

#include "defaultcolorarea.h"
#include "kestaction.h"
#include "kestcolorarea.h"
#include "kestcolorwindow.h"
#include "kestlabel.h"
#include "kestpointspeed.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "pointerspeedhost.h"

#include <QCheckBox>
#include <QMenu>
#include <QResizeEvent>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

class LightingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowSession> m_session;
    VarnelWidget *m_window = nullptr;

    // The window on slot `slot`, which one Apply has written: the edit alone is then new.
    void startOnSlot(int slot)
    {
        QFETCH(QString, product);
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
        if (!product.isEmpty())
            SetCurrentProductName(product);
        m_window->show();
        if (slot != g_deviceConfig.ProfileID)
            m_window->m_pSlotActions[slot]->trigger();
        apply();
        SimClearLog();
    }

    void apply()
    {
        BoxWatcher watcher;
        QTest::mouseClick(m_window->m_pApplyButton, Qt::LeftButton);
        QVERIFY(!m_window->isJobRunning());
        QCOMPARE(watcher.texts, QStringList());
    }

    void chooseEffect(const QString &name)
    {
        for (QAction *action : m_window->m_pColorWindow->effectMenu()->actions()) {
            if (action->text() == name) {
                action->trigger();
                return;
            }
        }
        QFAIL("no such effect");
    }

    bool nothingSent() const
    {
        return !SimLogHasCommand(0x01) && !SimLogHasCommand(0x02) && !SimLogHasCommand(0x03)
            && !SimLogHasCommand(0x04);
    }

private slots:
    void cleanup() { m_session.reset(); }

    void slots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("product");
        QTest::newRow("slot 1") << 0 << QString();
        // These need the write job to take the lighting from the lighting profile.
        QTest::newRow("slot 3") << 2 << QString();
        QTest::newRow("4671, slot 3") << 2 << QString("4671");
    }

    void reactive_data() { slots_data(); }
    void reactive()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        chooseEffect("REACTIVE");
        apply();
        QCOMPARE(quint8(SimArea(0x01).at(18)), quint8(7));
    }

    void steadyCyan_data() { slots_data(); }
    void steadyCyan()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        KestColorWindow *page = m_window->m_pColorWindow;
        chooseEffect("FULL LIGHTED");
        page->m_pBrightnessSlider->setValue(2);
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<KestColorArea *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->m_pQuickColors[3], Qt::LeftButton);
            QTest::mouseClick(dialog->m_pOkButton, Qt::LeftButton);
        });
        QTest::mouseClick(page->m_pColorSwatch, Qt::LeftButton);
        apply();
        QCOMPARE(SimArea(0x04).mid(8, 8), QByteArray::fromHex("8000ffff01000202"));
    }

    void sleepTime_data() { slots_data(); }
    void sleepTime()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        KestColorWindow *page = m_window->m_pColorWindow;
        page->m_pSleepSlider->setValue(7);
        QCOMPARE(page->m_pMinuteLabel->labelText(), QString("7 MINUTE"));
        apply();
        QCOMPARE(quint8(SimArea(0x01).at(8)), quint8(7));
    }

    void lightOff_data() { slots_data(); }
    void lightOff()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        QCheckBox *box = m_window->m_pColorWindow->m_pLightOffBox;
        box->setChecked(false);
        box->click();
        apply();
        QCOMPARE(quint8(SimArea(0x01).at(7)), quint8(0));
        box->click();
        apply();
        QCOMPARE(quint8(SimArea(0x01).at(7)), quint8(255));
    }

    void cancelledDialogSendsNothing_data() { slots_data(); }
    void cancelledDialogSendsNothing()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        chooseEffect("FULL LIGHTED");
        apply();
        SimClearLog();
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<KestColorArea *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->m_pQuickColors[4], Qt::LeftButton);
            QTest::mouseClick(dialog->m_pCancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(m_window->m_pColorWindow->m_pColorSwatch, Qt::LeftButton);
        apply();
        QVERIFY(nothingSent());
    }

    // Showing another slot's lighting used to copy it into the first profile.
    void slotRoundTripSendsNothing_data() { slots_data(); }
    void slotRoundTripSendsNothing()
    {
        QFETCH(int, slot);
        startOnSlot(slot);
        const int other = slot == 1 ? 3 : 1;
        for (DeviceConfig *config : {&g_deviceConfig, &g_loadedDeviceConfig}) {
            ProfileRecord &record = config->profiles[other];
            record.LedMode = 4;
            record.LedSleepTime = 3;
            record.ledModes[4].bright = 1;
            record.ledModes[4].breath = 1;
        }
        m_window->m_pSlotActions[other]->trigger();
        m_window->m_pSlotActions[slot]->trigger();
        SimClearLog();
        apply();
        QVERIFY(nothingSent());
    }

    void effectTableThroughTheWindow_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("colour");
        QTest::newRow("breathing") << 2 << "BREATHING" << true;
        QTest::newRow("flash") << 5 << "FLASH" << false;
        QTest::newRow("raindrop") << 8 << "Raindrop" << false;
        QTest::newRow("marbles") << 13 << "Marbles" << false;
    }
    void effectTableThroughTheWindow()
    {
        QFETCH(int, effect);
        QFETCH(QString, name);
        QFETCH(bool, colour);
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
        m_window->slotRefreshLightMode(quint8(effect));
        KestColorWindow *page = m_window->m_pColorWindow;
        QCOMPARE(int(g_deviceConfig.profiles[0].LedMode), effect);
        QCOMPARE(page->m_pEffectButton->buttonText(), name);
        QCOMPARE(!page->m_pColorSwatch->isHidden(), colour);
        m_window->slotRefreshLightMode(20);
        QCOMPARE(int(g_deviceConfig.profiles[0].LedMode), effect);
    }

    void pagesFollowTheTabs()
    {
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
        m_window->show();
        QTest::mouseClick(m_window->m_pTabButtons[2], Qt::LeftButton);
        QVERIFY(m_window->m_pPointSpeed->isVisible());
        QVERIFY(!m_window->m_pColorWindow->isVisible());
        QCOMPARE(m_window->m_pPointSpeed->geometry(), QRect(746, 185, 229, 366));
        QTest::mouseClick(m_window->m_pTabButtons[0], Qt::LeftButton);
        QVERIFY(m_window->m_pColorWindow->isVisible());
        QVERIFY(!m_window->m_pPointSpeed->isVisible());
        QCOMPARE(m_window->m_pColorWindow->geometry(), QRect(285, 90, 351, 440));
    }

    void sensorOptions()
    {
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
        QSettings(m_session->install.path() + "/DefaultProfile.bin", QSettings::IniFormat)
            .setValue("PROFILE/SyncMode", 2);
        m_window->show();
        apply();
        KestPointSpeed *page = m_window->m_pPointSpeed;
        QResizeEvent relayout(page->size(), page->size());
        QApplication::sendEvent(page, &relayout);
        QTest::mouseClick(m_window->m_pTabButtons[2], Qt::LeftButton);
        for (QCheckBox *box : {page->m_pSyncBox, page->m_pAngleBox, page->m_pJitterBox, page->m_pWakeBox})
            box->setChecked(false);
        page->m_pSyncBox->click();
        page->m_pAngleBox->click();
        page->m_pJitterBox->click();
        page->m_pJitterBox->click();
        page->m_pWakeBox->click();
        page->m_pLift2Box->click();
        page->m_pCompetitiveBox->click();
        page->m_pKeyResponseSlider->setValue(12);
        apply();
        const QByteArray settings = SimArea(0x01);
        QCOMPARE(quint8(settings.at(5)), quint8(2 | 0x80 | 0x40));  // lift 2, sync, angle snapping, no jitter filter
        QCOMPARE(quint8(settings.at(9)), quint8(12));
        QCOMPARE(quint8(settings.at(10)), quint8(2));  // competitive, motion wake on
        QSettings config(ConfigIniPath(), QSettings::IniFormat);
        QCOMPARE(config.value("Config/Sync").toInt(), 1);
        QCOMPARE(config.value("Config/LiftHigh").toInt(), 2);
        QCOMPARE(config.value("Config/AngleValue").toInt(), 0);
        QCOMPARE(config.value("Config/Jitter").toInt(), 1);
        QCOMPARE(config.value("Config/Debounce").toInt(), 12);
        QCOMPARE(config.value("Config/Wake").toInt(), 0);
        QCOMPARE(config.value("Config/SensorMode").toInt(), 2);
    }

    // A slot change applies that slot's pointer speed; the desktop's speed at start is kept
    // with the current profile.
    void pointerSpeed()
    {
        SetHostPointerSpeed(13);
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
        QCOMPARE(int(g_deviceConfig.profiles[0].mousespeed), 13);
        apply();
        QCOMPARE(int(g_loadedDeviceConfig.profiles[0].mousespeed), 13);
        g_deviceConfig.profiles[2].mousespeed = 15;
        m_window->m_pSlotActions[2]->trigger();
        QCOMPARE(HostPointerSpeed(), 15);
        g_deviceConfig.profiles[1].mousespeed = 4;
        SimSendStatus(1, 0, g_deviceConfig.profiles[1].pollrate, 0);
        QTRY_COMPARE_WITH_TIMEOUT(HostPointerSpeed(), 4, 5000);
        SetHostPointerSpeed(kPointerSpeedNeutral);
    }
};

QTEST_MAIN(LightingTest)
#include "tst_lighting.moc"
