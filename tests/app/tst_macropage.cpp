// End to end through the real main window and the simulated mouse: a macro recorded or
// built on the MACRO tab reaches the mouse on the next Apply.
#include "windowfixture.h"

#include "kestpushbutton.h"
#include "kesttreewidget.h"
#include "macrodialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QWindow>
#include <QtTest>

namespace {

constexpr quint8 kCmdMacroMemory = 0x05;

// The main window on a description with buttons, profile 0 button 0 running "name_1".
struct MacroSession {
    MacroSession()
    {
        QSettings(install.path() + "/DefaultProfile.bin", QSettings::IniFormat).setValue("PROFILE/ButtonCount", 6);
        SimPlugReceiver();
        QCoreApplication::sendPostedEvents();
        window = std::make_unique<VarnelWidget>();
        window->m_bQuitWhenHidden = false;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~MacroSession()
    {
        window.reset();
        SimReset();
        QCoreApplication::sendPostedEvents();
    }
    Installation install;
    std::unique_ptr<VarnelWidget> window;
};

void click(KestPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

void sendKey(VarnelWidget *window, bool press, quint32 evdev, ulong timeMs)
{
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, 0, Qt::NoModifier, evdev + 8, 0, 0);
    event.setTimestamp(timeMs);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

QByteArray steps(std::initializer_list<int> bytes)
{
    QByteArray out;
    for (int b : bytes)
        out.append(char(b));
    return out;
}

} // namespace

class MacroPageTest : public QObject {
    Q_OBJECT

    void applyWithButtonOnMacro(VarnelWidget *window)
    {
        ButtonInfo &button = g_deviceConfig.profiles[g_deviceConfig.ProfileID].buttonInfo[0];
        button.Fun = 200;
        button.macroname = "name_1";
        BoxWatcher boxes;
        click(window->m_pApplyButton);
        QCOMPARE(boxes.texts, QStringList());
    }

    void applyAndExpect(VarnelWidget *window, const QByteArray &block)
    {
        SimClearLog();
        click(window->m_pApplyButton);
        QVERIFY(SimLogHasCommand(kCmdMacroMemory));
        QCOMPARE(SimArea(kCmdMacroMemory).left(block.size()), block);
        SimClearLog();
        click(window->m_pApplyButton);
        QVERIFY(!SimLogHasCommand(kCmdMacroMemory));
    }

private slots:
    void recordedMacroReachesTheMouse()
    {
        MacroSession session;
        VarnelWidget *window = session.window.get();
        applyWithButtonOnMacro(window);
        // On the offscreen platform a busy machine can leave no window active once the Apply's
        // dialog has come and gone; the user's click in the window makes it active again.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        click(window->m_pTabButtons[3]);
        MacroDialog *page = window->m_pMacroDialog;
        QVERIFY(page->isVisible());
        click(page->m_pNewButton);
        QCOMPARE(page->currentListName(), QString("name_1"));
        page->m_pRecordDelayCheck->click();
        click(page->m_pStartButton);
        QVERIFY(!window->m_pApplyButton->isButtonEnabled());  // the window is locked meanwhile
        sendKey(window, true, 30, 1000);   // A
        sendKey(window, true, 30, 1100);   // auto-repeat as X sends it: dropped
        sendKey(window, false, 30, 1250);
        sendKey(window, true, 71, 1300);   // keypad 7
        sendKey(window, false, 71, 1310);
        QCOMPARE(page->stepCount(), 7);
        QTRY_VERIFY(page->m_pTopLabel->hasFocus());  // the focus moves once the window is active
        click(page->m_pStopButton);
        QVERIFY(window->m_pApplyButton->isButtonEnabled());
        QVERIFY(!page->hasKeyboardHook());
        // Type, DataL, DataH of each step.
        applyAndExpect(window, steps({0x84, 4, 0, 6, 25, 0, 4, 4, 0, 6, 5, 0, 0x84, 0x5F, 0, 6, 1, 0, 4, 0x5F, 0}));
    }

    void builtMacroReachesTheMouse()
    {
        MacroSession session;
        VarnelWidget *window = session.window.get();
        applyWithButtonOnMacro(window);
        window->slotGotoMacro(3);
        MacroDialog *page = window->m_pMacroDialog;
        click(page->m_pNewButton);
        click(page->m_pMouseActionButton);
        QVERIFY(page->m_pTree->isVisible());
        page->TreeitemClick(page->m_pTreeRows[0], 0);
        page->TreeitemClick(page->m_pTreeRows[0], 0);
        click(page->m_pSaveButton);
        // Without delay steps the download adds one unit and a closing zero step.
        applyAndExpect(window, steps({0x01, 1, 0, 0x81, 1, 0, 6, 1, 0, 0, 0, 0}));
    }

    // A device change while recording keeps the page (and STOP) in reach.
    void replugWhileRecording()
    {
        MacroSession session;
        VarnelWidget *window = session.window.get();
        click(window->m_pTabButtons[3]);
        MacroDialog *page = window->m_pMacroDialog;
        click(page->m_pNewButton);
        click(page->m_pStartButton);
        window->slotWarnClose();
        QVERIFY(page->isVisible());
        QVERIFY(page->m_pStopButton->isVisible());
        QVERIFY(!window->m_pTabButtons[0]->isButtonEnabled());
        click(page->m_pStopButton);
        QVERIFY(window->m_pTabButtons[0]->isButtonEnabled());
        click(window->m_pTabButtons[0]);
        QVERIFY(!page->isVisible());
    }
};

QTEST_MAIN(MacroPageTest)
#include "tst_macropage.moc"
