// End to end through the real main window and the simulated mouse: edits on the pages'
// own widgets, Apply and OK, the job's messages, status reports, and hot-plug with the
// "Dongle Disconnect!" warning.
#include "windowfixture.h"

#include "batterythread.h"
#include "buttonfunctions.h"
#include "commands.h"
#include "devicetable.h"
#include "kestaction.h"
#include "kestdpiwindow.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "kestsingledpi.h"
#include "unsentmark.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QtTest>

class WriteJobTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> m_session;
    VarnelWidget *m_window = nullptr;

    void startWindow(bool receiver = true)
    {
        m_session = std::make_unique<WindowSession>(receiver);
        m_window = m_session->window.get();
    }

    // Moves the X bar of a DPI stage row as a user would, by one page step.
    void moveStageBar(int stage)
    {
        auto rows = m_window->m_pDPIWindow->findChildren<KestSingleDPI *>();
        QVERIFY(stage < rows.size());
        KestSingleDPI *row = nullptr;
        for (KestSingleDPI *r : rows)
            if (r->stage() == stage)
                row = r;
        QVERIFY(row);
        const auto bars = row->findChildren<QSlider *>();
        QVERIFY(!bars.isEmpty());
        for (QSlider *bar : bars) {
            if (bar->isVisibleTo(row)) {
                bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                return;
            }
        }
        QFAIL("no visible bar");
    }

    void chooseReportRate(const QString &text)
    {
        auto *menu = m_window->m_pReportRate->findChild<QMenu *>();
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                return;
            }
        }
        QFAIL("no such rate");
    }

    // Returns when the job and its message (if any) are over.
    void apply()
    {
        QTest::mouseClick(m_window->m_pApplyButton, Qt::LeftButton);
        QVERIFY(!m_window->isJobRunning());
    }

private slots:
    void cleanup() { m_session.reset(); }

    void applySendsPageEdits()
    {
        startWindow();
        m_window->show();
        QTest::mouseClick(m_window->m_pTabButtons[2], Qt::LeftButton);
        const quint32 before = g_deviceConfig.profiles[0].dpiInfo[1].x;
        moveStageBar(1);
        chooseReportRate("500 HZ");
        BoxWatcher watcher;
        apply();
        QCOMPARE(watcher.texts, QStringList());
        QVERIFY(g_deviceConfig.profiles[0].dpiInfo[1].x != before);
        QCOMPARE(g_deviceConfig.profiles[0].pollrate, quint8(2));
        QCOMPARE(SimReportRate(0), quint8(2));
        // X one step above the bar's minimum, Y held at it: 2 and 1, codes 4 and 2 on sensor 3325.
        QCOMPARE(SimDpiStage(1).mid(1), QByteArray::fromHex("04000200"));
        QCOMPARE(GetDiff(), 0);
    }

    // A stored stage the bar cannot show (sensor 3325: 1..50) reaches the mouse as shown.
    void storedStageOutsideRangeSentClamped()
    {
        startWindow();
        g_deviceConfig.profiles[0].dpiInfo[1].x = 90;
        g_deviceConfig.profiles[0].dpiInfo[1].y = 0;
        m_window->refreshPages();
        BoxWatcher watcher;
        apply();
        QCOMPARE(watcher.texts, QStringList());
        const DpiInfo &stage = g_deviceConfig.profiles[0].dpiInfo[1];
        QCOMPARE(stage.x, 50u);
        QCOMPARE(stage.y, 1u);
        QCOMPARE(SimDpiStage(1).mid(1), QByteArray::fromHex("73000200"));  // codes 115 and 2
    }

    // OK used to start the job without the pages' values.
    void okSendsPageEdits()
    {
        startWindow();
        m_window->show();
        chooseReportRate("250 HZ");
        BoxWatcher watcher;
        m_window->m_pOkButton->click();  // collapsed in the layout: no pointer reaches it
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(SimReportRate(0), quint8(4));
        QVERIFY(m_window->isHidden());
    }

    // A job whose end signal goes missing still ends the busy dialog when its thread ends.
    void busyDialogEndsWithTheJobThread()
    {
        startWindow();
        moveStageBar(1);
        SimSetReplyDelay(30);  // keeps the job running while the dialog comes up
        bool sawDialog = false;
        bool jobWatched = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<KestProcessDialog *>(QApplication::activeModalWidget());
            if (!dialog || sawDialog)
                return;
            sawDialog = true;
            if (QThread *job = dialog->watchedJob()) {
                jobWatched = true;
                QObject::disconnect(job, SIGNAL(DoProcessDlg()), dialog, nullptr);
            }
        });
        poll.start(1);
        BoxWatcher watcher;
        m_window->m_pApplyButton->click();
        QVERIFY(sawDialog);
        QVERIFY(jobWatched);
        QVERIFY(!m_window->isJobRunning());
        QCOMPARE(watcher.texts, QStringList());
        QVERIFY(SimEndCount() > 0);
    }

    void asleepMouse()
    {
        startWindow();
        SimSetAsleep(true);
        QTRY_COMPARE_WITH_TIMEOUT(g_deviceAsleep, quint8(1), 5000);
        BoxWatcher watcher;
        apply();
        QCOMPARE(watcher.texts, QStringList{"Mouse is sleeping or not connected."});
    }

    void failingEchoSendsAllNextTime()
    {
        startWindow();
        SimFailEchoes(true);
        chooseReportRate("125 HZ");
        {
            BoxWatcher watcher;
            apply();
            QCOMPARE(watcher.texts, QStringList{"Send data failed, please try again."});
        }
        QCOMPARE(GetDiff(), 1);
        SimFailEchoes(false);
        SimClearLog();
        BoxWatcher watcher;
        apply();  // nothing changed since, yet every section goes
        QCOMPARE(watcher.texts, QStringList());
        QVERIFY(SimLogHasCommand(0x01) && SimLogHasCommand(0x02) && SimLogHasCommand(0x03) && SimLogHasCommand(0x04));
        QCOMPARE(GetDiff(), 0);
    }

    // A disk that refuses the files: the window says so, sends nothing and keeps the edit,
    // which the next Apply sends once the disk takes writes again.
    void failedSaveReportedEditKept()
    {
        startWindow();
        const quint8 rateBefore = SimReportRate(0);
        chooseReportRate("125 HZ");
        const QString config = ConfigIniPath();
        QVERIFY(QFile::rename(config, config + ".aside"));
        QVERIFY(QDir().mkdir(config));
        SimClearLog();
        {
            BoxWatcher watcher;
            apply();
            QCOMPARE(watcher.texts, QStringList{"The file could not be written."});
        }
        QVERIFY(!SimLogHasCommand(0x01));
        QCOMPARE(SimReportRate(0), rateBefore);
        QCOMPARE(g_deviceConfig.profiles[0].pollrate, quint8(8));
        QVERIFY(QDir().rmdir(config));
        QVERIFY(QFile::copy(config + ".aside", config));  // a new time stamp: QSettings reads it again
        BoxWatcher watcher;
        apply();
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(SimReportRate(0), quint8(8));
    }

    void slotMenuFailureReported()
    {
        startWindow();
        SimSetFault(SimFault::WriteFails);
        BoxWatcher watcher;
        m_window->m_pSlotActions[2]->trigger();
        QCOMPARE(watcher.texts, QStringList{"Send data failed, please try again."});
        QCOMPARE(int(g_deviceConfig.ProfileID), 2);
    }

    // A failed select used to pass unseen: only the commits were looked at.
    void slotMenuFailedSelectReported()
    {
        startWindow();
        StopBatteryThread();  // its queries must not take the fault
        const int commits = SimCommits().size();
        SimSetFault(SimFault::WriteFails, 0, 1);
        BoxWatcher watcher;
        m_window->m_pSlotActions[3]->trigger();
        QCOMPARE(watcher.texts, QStringList{"Send data failed, please try again."});
        QCOMPARE(SimSelectedProfile(), -1);
        QCOMPARE(SimCommits().size(), commits + 1 + 5);  // the rest still went
    }

    // With profile 2 current, its DPI stages and buttons are the ones the mouse gets.
    void currentProfileReachesTheMouse()
    {
        startWindow();
        m_window->show();
        BoxWatcher watcher;
        m_window->m_pSlotActions[2]->trigger();
        QTest::mouseClick(m_window->m_pTabButtons[2], Qt::LeftButton);
        moveStageBar(1);
        g_deviceConfig.profiles[2].buttonInfo[40].Fun = kFunBack;  // as the buttons page would
        apply();
        QCOMPARE(watcher.texts, QStringList());
        QVERIFY(g_deviceConfig.profiles[2].dpiInfo[1].x != g_deviceConfig.profiles[0].dpiInfo[1].x);
        QCOMPARE(SimDpiStage(1).mid(1), QByteArray::fromHex("04000200"));  // profile 2's moved stage: X 2, Y 1
        QCOMPARE(quint8(SimArea(kCmdButtonTable)[2 + 4 * kWheelUpSlot]), quint8(0x84));
        QCOMPARE(quint8(SimArea(kCmdSettingsBlock)[6]), quint8(2));
    }

    // The slot menu sends no tables; the next Apply, with nothing edited, sends the new slot's.
    void slotSwitchThenApplySendsItsTables()
    {
        startWindow();
        BoxWatcher watcher;
        apply();  // the mouse holds profile 0
        for (DeviceConfig *config : {&g_deviceConfig, &g_loadedDeviceConfig}) {  // stored earlier
            ProfileRecord &three = config->profiles[3];
            three.dpiInfo[0].x = three.dpiInfo[0].y = 40;
            three.buttonInfo[41].Fun = kFunForward;
            three.ledModes[1].RGB = QColor(1, 2, 3);
        }
        m_window->m_pSlotActions[3]->trigger();
        apply();
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(SimDpiStage(0).mid(1), QByteArray::fromHex("5c005c00"));  // 40 and 40: code 92 twice
        QCOMPARE(quint8(SimArea(kCmdButtonTable)[2 + 4 * kWheelDownSlot]), quint8(0x85));
        QCOMPARE(SimArea(kCmdLightingTable).mid(8, 5), QByteArray::fromHex("8001020301"));  // steady, in 1 2 3
    }

    // Sleep time is the mouse's own, kept in profile 0: it goes whichever profile is current.
    void sleepTimeWithOtherProfileCurrent()
    {
        startWindow();
        BoxWatcher watcher;
        m_window->m_pSlotActions[3]->trigger();
        apply();
        auto *slider = m_window->m_pDPIWindow->findChild<QSlider *>("sleepSlider");
        QVERIFY(slider);
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const quint8 minutes = g_deviceConfig.profiles[0].LedSleepTime;
        QCOMPARE(int(minutes), slider->value());
        QVERIFY(quint8(SimArea(kCmdSettingsBlock)[8]) != minutes);
        apply();
        QCOMPARE(watcher.texts, QStringList());
        QCOMPARE(quint8(SimArea(kCmdSettingsBlock)[8]), minutes);
    }

    void statusReports_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("rate");
        QTest::newRow("profile 3") << 2 << 0 << 1;
        QTest::newRow("stage 4") << 0 << 3 << 1;
        QTest::newRow("rate 250") << 0 << 0 << 4;
    }
    void statusReports()
    {
        QFETCH(int, profile);
        QFETCH(int, stage);
        QFETCH(int, rate);
        startWindow();
        SimSendStatus(quint8(profile), quint8(stage), quint8(rate), 0);
        QTRY_COMPARE_WITH_TIMEOUT(int(g_deviceConfig.ProfileID), profile, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(int(g_deviceConfig.profiles[profile].dpi), stage, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(int(g_deviceConfig.profiles[profile].pollrate), rate, 5000);
        QCOMPARE(m_window->m_pSlotButton->buttonText(), QString("Mode %1").arg(profile + 1));
        QVERIFY(m_window->m_pProfileSlotButtons[profile]->isButtonChecked());
        QCOMPARE(int(m_window->m_pReportRate->m_ProfileData.pollrate), rate);
    }

    // A status report or a removal that comes while the job runs waits for its end.
    void eventsDuringJobWait()
    {
        startWindow();
        const DeviceEntry &row = g_deviceTable.entries[0];
        bool sawDuringJob = false;
        bool untouchedDuringJob = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            if (!m_window->isJobRunning() || sawDuringJob)
                return;
            sawDuringJob = true;
            m_window->slotRefreshStatus(3, 0, g_deviceConfig.profiles[0].pollrate, 0);
            m_window->onHidDeviceChanged(SimCommandPath(SimLink::Receiver), row.dongleVid, row.donglePid, false);
            untouchedDuringJob = g_deviceConfig.ProfileID == 0 && row.foundB == 1;
        });
        probe.start(1);
        SimSetReplyDelay(50);  // a slow mouse keeps the job busy
        BoxWatcher watcher;
        m_window->runWriteJob(true);
        QVERIFY(sawDuringJob);
        QVERIFY(untouchedDuringJob);
        QCOMPARE(int(g_deviceConfig.ProfileID), 3);
        QCOMPARE(row.foundB, 0);
    }

    // A profile or stage beyond the tables would index past them; a rate nobody offers
    // would be stored and sent back.
    void garbledStatusIgnored()
    {
        startWindow();
        const quint8 rate = g_deviceConfig.profiles[0].pollrate;
        m_window->slotRefreshStatus(200, 9, 255, 0);
        QCOMPARE(int(g_deviceConfig.ProfileID), 0);
        QCOMPARE(int(g_deviceConfig.profiles[0].dpi), 0);
        QCOMPARE(g_deviceConfig.profiles[0].pollrate, rate);  // not a rate the page offers
        QCOMPARE(m_window->m_pReportRate->m_ProfileData.pollrate, rate);
    }

    // The warning runs its own modal loop: the checks run inside it, from timers.
    void startWithoutDeviceWarnsUntilPlugged()
    {
        startWindow(false);
        BoxWatcher watcher(1, false);
        bool warned = false;
        QTimer::singleShot(400, this, [&] {
            warned = m_window->warningBox() != nullptr && g_warningShown == 1 && m_window->isVisible();
            SimPlugReceiver();
        });
        QTRY_VERIFY_WITH_TIMEOUT(warned && m_window->warningBox() == nullptr, 5000);
        QCOMPARE(watcher.texts, QStringList{"Dongle Disconnect!"});
        QCOMPARE(m_window->m_iConnectedCount, 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(GetDiff(), 1);
        QCOMPARE(g_warningShown, quint8(0));
    }

    // Escape used to leave the flag set; repeated removals stacked boxes.
    void warningClosedByEscapeAndShownOnce()
    {
        startWindow();
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 3000);
        BoxWatcher watcher(1, false);
        int boxesWhileUp = -1;
        QTimer::singleShot(0, this, [] { SimUnplugAll(); });
        QTimer::singleShot(600, this, [&] {
            m_window->showMainWindow();  // a tray click or another removal meanwhile
            SimPlugReceiver();
            SimUnplugAll();
        });
        QTimer::singleShot(1200, this, [&] {
            boxesWhileUp = watcher.texts.size();
            if (m_window->warningBox())
                QTest::keyClick(m_window->warningBox(), Qt::Key_Escape);
        });
        QTRY_VERIFY_WITH_TIMEOUT(boxesWhileUp >= 0 && m_window->warningBox() == nullptr, 5000);
        QCOMPARE(boxesWhileUp, 1);
        QCOMPARE(g_warningShown, quint8(0));
    }

    // A cable plugged in while the window runs is taken up to the release maximum.
    void cableReleaseRangeOnHotplug_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("taken");
        QTest::newRow("release at the maximum") << 0x0100 << 0x0105 << true;
        QTest::newRow("release above the maximum") << 0x0100 << 0x0104 << false;
        QTest::newRow("release at the minimum") << 0x0105 << 0x0200 << true;
        QTest::newRow("release below the minimum") << 0x0106 << 0x0200 << false;
    }
    void cableReleaseRangeOnHotplug()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(bool, taken);
        startWindow();
        DeviceEntry &row = g_deviceTable.entries[0];
        row.wiredReleaseMin = minimum;
        row.wiredReleaseMax = maximum;
        SimSetReleaseNumber(SimLink::Cable, 0x0105);
        SimPlugCable();
        QCoreApplication::sendPostedEvents();  // the cable's announcements
        QCOMPARE(row.foundC, taken ? 1 : 0);
        QCOMPARE(row.foundD, taken ? 1 : 0);
        QCOMPARE(WiredCommandHandle != nullptr, taken);
        QVERIFY(DongleCommandHandle != nullptr);
    }

    // Two models, the receiver's and the cable's, both present: the current one leaving
    // switches to the other and opens it; the other one leaving leaves the current one open
    // as it was.
    void secondModelOnUnplug_data()
    {
        QTest::addColumn<int>("unplugged");
        QTest::addColumn<QString>("current");
        QTest::newRow("current one unplugged") << int(SimLink::Receiver) << "Other Mouse";
        QTest::newRow("other one unplugged") << int(SimLink::Cable) << "Test Mouse";
    }
    void secondModelOnUnplug()
    {
        QFETCH(int, unplugged);
        QFETCH(QString, current);
        startWindow();
        DeviceEntry &receiverModel = g_deviceTable.entries[0];
        DeviceEntry &cableModel = g_deviceTable.entries[1];
        cableModel = receiverModel;
        cableModel.modelName = "Other Mouse";
        cableModel.dongleVid = cableModel.donglePid = 0;
        cableModel.foundA = cableModel.foundB = 0;
        cableModel.pathA = cableModel.pathB = std::string();
        receiverModel.wiredVid = receiverModel.wiredPid = 0;
        g_deviceTable.count = 2;
        SimPlugCable();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_window->m_iConnectedCount, 2);
        QCOMPARE(GetCurrentProductName(), QString("Test Mouse"));

        const SimLink gone = SimLink(unplugged);
        const SimLink remaining = gone == SimLink::Receiver ? SimLink::Cable : SimLink::Receiver;
        SimClearLog();
        SimPlug(gone, false);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_window->m_iConnectedCount, 1);
        QCOMPARE(GetCurrentProductName(), current);
        QVERIFY((remaining == SimLink::Cable ? WiredCommandHandle : DongleCommandHandle).load() != nullptr);
        for (const SimLogEntry &entry : SimLog()) {
            const bool remainingPath = entry.path == SimMousePath(remaining) || entry.path == SimCommandPath(remaining);
            QVERIFY(entry.call != SimCall::Close || !remainingPath);
        }
    }
};

QTEST_MAIN(WriteJobTest)
#include "tst_writejob.moc"
