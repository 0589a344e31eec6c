// The buttons page in the real main window on the simulated mouse: a row pressed, an entry
// of its pop-up chosen, the dialog answered, Apply, and the bytes the mouse got.
#include "windowfixture.h"

#include "buttonfunctions.h"
#include "buttonsfixture.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestfirekeywindow.h"
#include "kestpushbutton.h"
#include "macrofiles.h"
#include "popupdriver.h"
#include "profilefiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

QToolButton *yesButton(QWidget *dialog) { return dialog->findChild<QToolButton *>("msgBoxYesBtn"); }

// The dialog answers of the table, by name.
void answer(const QString &input, QWidget *dialog)
{
    if (input == "keypad 8") {
        TapKey(dialog, Keys::Keypad8);
    } else if (input == "LCtrl+C") {
        PressKey(dialog, Keys::LeftCtrl);
        PressKey(dialog, {46, Qt::Key_C});
    } else if (input == "fire middle 5x100") {
        auto *fire = static_cast<KestFireKeyWindow *>(dialog);
        QCheckBox *box = fire->findChild<QCheckBox *>("middleBox");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        fire->timesEdit->setText("5");
        fire->delayEdit->setText("100");
    } else if (input.startsWith("macro mode")) {
        const int mode = input.right(1).toInt();
        QTest::mouseClick(dialog->findChild<KestPushButton *>("macroChooser"), Qt::LeftButton);  // the driver picks
        auto *modeButton = dialog->findChild<KestPushButton *>(QString("modeButton%1").arg(mode));
        QTest::mouseClick(modeButton, Qt::LeftButton);
        dialog->findChild<QLineEdit *>("loopEdit")->setText("3");
    }
    QTest::mouseClick(yesButton(dialog), Qt::LeftButton);
}

// A macro "Keys" without steps, listed: what the macro-select dialog's chooser offers.
void addEmptyMacro(const QString &)
{
    WriteMacroFile("Keys", MacroFile());
    AddToMacroList("Keys");
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

} // namespace

class ButtonsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> m_session;
    VarnelWidget *m_window = nullptr;
    KestBtnWindow *page() const { return m_window->m_pBtnWindow; }

    void startWindow(const std::function<void(const QString &)> &prepare = {})
    {
        m_session = std::make_unique<WindowSession>(true, prepare);
        m_window = m_session->window.get();
        // The fixture's installation has no profile files: every slot starts as a new profile.
        for (int slot = 0; slot < kProfileCount; ++slot)
            InitProfileDefaults(g_deviceConfig.profiles[slot], slot);
        g_loadedDeviceConfig = g_deviceConfig;
        m_window->refreshPages();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTest::mouseClick(m_window->m_pTabButtons[1], Qt::LeftButton);
    }

    // Presses the row of an entry (the wheel through its mark) and walks its pop-up.
    QStringList pressRow(int entry, const QStringList &path, PopupDriver::ModalHandler onModal = {})
    {
        PopupDriver driver(path, onModal);
        if (entry >= 40) {
            (entry == 40 ? m_window->m_pWheelUpMark : m_window->m_pWheelDownMark)->click();
            page()->m_pWheelButtons[entry - 40]->showMenu();
        } else {
            KestPushButton *row = page()->m_pFrontButtons[entry];
            QTest::mouseClick(row, Qt::LeftButton, {}, row->rect().center());
        }
        [&] { QVERIFY(driver.pathDone()); }();
        return driver.modals;
    }

    void apply()
    {
        BoxWatcher watcher;
        QTest::mouseClick(m_window->m_pApplyButton, Qt::LeftButton);
        QCOMPARE(watcher.texts, QStringList());
    }

    static QByteArray slotBytes(int entry)
    {
        const int m = entry == 40 ? 22 : entry == 41 ? 23 : Installation::kButtonSlots[entry];
        return SimArea(0x03).mid(2 + 4 * m, 4);
    }

private slots:
    void cleanup() { m_session.reset(); }

    void assignAndApply_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("slot");  // current profile slot; 0 when not given
        QTest::newRow("Middle") << 1 << QStringList{"Middle"} << "" << bytes({0x83, 0, 0, 0}) << 0;
        QTest::newRow("Basic: Copy") << 2 << QStringList{"Basic", "Copy"} << "" << bytes({0x8F, 0x01, 0x06, 0}) << 0;
        QTest::newRow("Media: Mute") << 3 << QStringList{"Media", "Mute"} << "" << bytes({0x8E, 0x01, 0xE2, 0}) << 0;
        QTest::newRow("Button Off") << 4 << QStringList{"Button Off"} << "" << bytes({0, 0, 0, 0}) << 0;
        QTest::newRow("single key: keypad 8")
            << 6 << QStringList{"Advance", "SINGLE KEY"} << "keypad 8" << bytes({0x90, 0, 0x60, 0}) << 0;
        QTest::newRow("combo: LCtrl+C") << 1 << QStringList{"Advance", "COMBO KEY"} << "LCtrl+C"
                                        << bytes({0x8F, 0x01, 0x06, 0}) << 0;
        QTest::newRow("fire key: middle, 5 times, 100 ms")
            << 2 << QStringList{"Advance", "FIRE KEY"} << "fire middle 5x100" << bytes({0x99, 0x84, 5, 10}) << 0;
        QTest::newRow("wheel up: Volume Up") << 40 << QStringList{"Volume Up"} << "" << bytes({0x8E, 0x01, 0xE9, 0}) << 0;
        QTest::newRow("wheel down: Middle") << 41 << QStringList{"Middle"} << "" << bytes({0x83, 0, 0, 0}) << 0;
        QTest::newRow("macro, 3 loops") << 3 << QStringList{"Macro Manager", "Keys"} << "macro mode 0"
                                        << bytes({0x91, 0, 3, 0}) << 0;
        QTest::newRow("macro while held") << 3 << QStringList{"Macro Manager", "Keys"} << "macro mode 1"
                                          << bytes({0x91, 0x80, 0xFF, 0xFF}) << 0;
        QTest::newRow("macro until pressed again") << 4 << QStringList{"Macro Manager", "Keys"} << "macro mode 2"
                                                   << bytes({0x91, 0x40, 0xFF, 0xFF}) << 0;
        QTest::newRow("slot 2: Basic: Cut") << 1 << QStringList{"Basic", "Cut"} << "" << bytes({0x8F, 0x01, 0x1B, 0})
                                            << 2;
        QTest::newRow("slot 2: macro while held") << 4 << QStringList{"Macro Manager", "Keys"} << "macro mode 1"
                                                  << bytes({0x91, 0x80, 0xFF, 0xFF}) << 2;
    }
    void assignAndApply()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, path);
        QFETCH(QString, input);
        QFETCH(QByteArray, expected);
        QFETCH(int, slot);
        startWindow([](const QString &) {
            MacroFile macro;
            macro.steps = {{kStepKeyPress, 0, 4}, {kStepDelay, 0, 5}, {kStepKeyRelease, 0, 4}};
            WriteMacroFile("Keys", macro);
            AddToMacroList("Keys");
        });
        if (slot != 0)
            m_window->m_pSlotActions[slot]->trigger();
        const QStringList modals = pressRow(entry, path, [input](QWidget *dialog) { answer(input, dialog); });
        QCOMPARE(modals.size(), input.isEmpty() ? 0 : 1);
        apply();
        QCOMPARE(slotBytes(entry), expected);
        if (input.startsWith("macro"))
            QCOMPARE(SimArea(0x05).left(9), bytes({0x84, 4, 0, 0x06, 5, 0, 0x04, 4, 0}));
    }

    // A number typed into a dialog's count reaches the profile and the mouse within the
    // field's range, 1-255, whatever text its validator let stand.
    void typedCountsKeptInRange_data()
    {
        QTest::addColumn<QString>("field");  // the macro's LOOPS TIME, the fire key's Times or Delay
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("key");  // what the profile file stores it as
        QTest::addColumn<int>("stored");
        const struct {
            const char *typed;
            int value;
        } counts[] = {{"0", 1}, {"1", 1}, {"255", 255}, {"256", 255}, {"300", 255}, {"", 1}};
        for (const auto &count : counts) {
            const int v = count.value;
            QTest::addRow("macro loops '%s'", count.typed)
                << "loops" << count.typed << bytes({0x91, 0, v, 0}) << "LoopNumber" << v;
            QTest::addRow("fire times '%s'", count.typed)
                << "times" << count.typed << bytes({0x99, 0x84, v, 10}) << "LoopNumber" << v;
            QTest::addRow("fire delay '%s'", count.typed)
                << "delay" << count.typed << bytes({0x99, 0x84, 5, v / 10}) << "KeyNumber" << v;
        }
    }
    void typedCountsKeptInRange()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        QFETCH(QString, key);
        QFETCH(int, stored);
        startWindow(addEmptyMacro);
        const bool macro = field == "loops";
        const QStringList path = macro ? QStringList{"Macro Manager", "Keys"} : QStringList{"Advance", "FIRE KEY"};
        const QStringList modals = pressRow(2, path, [&](QWidget *dialog) {
            QLineEdit *edit = nullptr;
            if (macro) {
                QTest::mouseClick(dialog->findChild<KestPushButton *>("macroChooser"), Qt::LeftButton);
                edit = dialog->findChild<QLineEdit *>("loopEdit");
            } else {
                auto *fire = static_cast<KestFireKeyWindow *>(dialog);
                QCheckBox *box = fire->findChild<QCheckBox *>("middleBox");
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
                fire->timesEdit->setText("5");
                fire->delayEdit->setText("100");
                edit = field == "times" ? fire->timesEdit : fire->delayEdit;
            }
            edit->selectAll();
            edit->del();
            QTest::keyClicks(edit, typed);
            QTest::mouseClick(yesButton(dialog), Qt::LeftButton);
        });
        QCOMPARE(modals.size(), 1);
        apply();
        QCOMPARE(slotBytes(2), expected);
        const QSettings file(ProfileFilePath(g_deviceConfig.profileFiles[0]), QSettings::IniFormat);
        QCOMPARE(file.value("PROFILE/BUTTON_INFO_2_" + key).toInt(), stored);
    }

    // The sniper is in no menu: its action, on the selected row.
    void sniperByItsAction()
    {
        startWindow();
        page()->SelectButton(3, 0);
        {
            PopupDriver driver({}, [](QWidget *dialog) { QTest::mouseClick(yesButton(dialog), Qt::LeftButton); });
            page()->m_pActions[KestBtnWindow::ActSniper]->trigger();
            QCOMPARE(driver.modals, QStringList{"KestSniperWindow"});
        }
        apply();
        const QByteArray sent = slotBytes(3);
        QCOMPARE(sent.left(2), bytes({0x9A, 0x01}));
        QCOMPARE(g_deviceConfig.profiles[0].buttonInfo[3].Fun, kFunSniper);
    }

    void lastLeftClickRefused()
    {
        startWindow();
        BoxWatcher watcher;
        pressRow(0, {"Right"});
        QCOMPARE(watcher.texts, QStringList{"AT LEAST ONE CLICK FUNCTION TO BE RETAINED."});
        QCOMPARE(g_deviceConfig.profiles[0].buttonInfo[0].Fun, kFunLeft);
    }

    void noMacroGoesToTheMacroTab()
    {
        startWindow();
        QStringList modals = pressRow(2, {"Macro Manager"});
        QCOMPARE(modals, QStringList());
        QVERIFY(m_window->m_pTabButtons[3]->isButtonChecked());
        QVERIFY(!page()->isVisible());
    }

    // The captions follow the current slot, Cancel's reread and a slot the mouse reports.
    void captionsFollowTheSlot()
    {
        startWindow();
        g_deviceConfig.profiles[2].buttonInfo[1].Fun = kFunMute;
        m_window->m_pSlotActions[2]->trigger();
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Mute"));
        pressRow(1, {"Middle"});
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Middle"));
        m_window->m_pCancelButton->click();  // rereads the slot's file: the edit is gone
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Right"));
        m_window->slotRefreshProfile(0);
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Right"));
        g_deviceConfig.profiles[0].buttonInfo[1].Fun = kFunCopy;
        m_window->slotRefreshProfile(0);
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Copy"));
    }

    // The mouse switches profile while a dialog runs: the answer goes to the record the dialog
    // was opened for, and the page keeps the captions of the record it now shows.
    void profileSwitchedDuringADialog_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("caption");
        QTest::newRow("single key") << QStringList{"Advance", "SINGLE KEY"} << "keypad 8" << int(kFunSingleKey)
                                    << "SINGLE KEY";
        QTest::newRow("combo key") << QStringList{"Advance", "COMBO KEY"} << "LCtrl+C" << int(kFunComboKey)
                                   << "COMBO KEY";
        QTest::newRow("macro") << QStringList{"Macro Manager", "Keys"} << "macro mode 0" << int(kFunMacro)
                               << "Keys";
    }
    void profileSwitchedDuringADialog()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, input);
        QFETCH(int, function);
        QFETCH(QString, caption);
        startWindow(addEmptyMacro);
        const ProfileRecord &opened = g_deviceConfig.profiles[0];
        const ProfileRecord &other = g_deviceConfig.profiles[1];
        const QStringList modals = pressRow(1, path, [this, input, &other](QWidget *dialog) {
            m_window->slotRefreshStatus(1, other.dpi, other.pollrate, 0);
            answer(input, dialog);
        });
        QCOMPARE(modals.size(), 1);
        QCOMPARE(g_deviceConfig.ProfileID, quint8(1));
        QCOMPARE(opened.buttonInfo[1].Fun, function);
        QCOMPARE(other.buttonInfo[1].Fun, kFunRight);
        QCOMPARE(other.buttonInfo[1].keyInfo[0].map, quint8(0));  // no combo step in the other record
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), QString("Right"));
        m_window->slotRefreshStatus(0, opened.dpi, opened.pollrate, 0);
        QCOMPARE(page()->m_pFrontButtons[1]->buttonText(), caption);
    }

    // Twelve buttons need more than the scroll area's height.
    void manyButtonsScroll()
    {
        startWindow([](const QString &dir) {
            QSettings description(dir + "/DefaultProfile.bin", QSettings::IniFormat);
            description.setValue("PROFILE/ButtonCount", 12 ^ 8);
            description.setValue("PROFILE/DPICount", 12 ^ 8 ^ 8);
            for (int i = 0; i < 12; ++i)
                description.setValue(QString("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), 1);
        });
        QCOMPARE(page()->size(), QSize(332, 620));
        QCOMPARE(m_window->m_pBtnScrollArea->geometry(), QRect(285, 90, 332, 442));
        QVERIFY(m_window->m_pBtnScrollArea->verticalScrollBar()->isVisible());
        QCOMPARE(page()->m_pFrontButtons[11]->geometry(), QRect(56, 30 + 50 * 11, 220, 30));
    }

    // Entering panel-0 row 2 shows its hover picture and unchecks its mark; leaving undoes both.
    void hover()
    {
        QImage hoverPicture(40, 40, QImage::Format_RGB32), frontPicture(40, 40, QImage::Format_RGB32);
        hoverPicture.fill(Qt::red);
        frontPicture.fill(Qt::blue);
        startWindow([&](const QString &dir) {
            const QString folder = dir + "/skin/mouse/Test Mouse";
            QDir().mkpath(folder);
            hoverPicture.save(folder + "/mouse_3.png");
            frontPicture.save(folder + "/Mouse.png");
            QSettings config(dir + "/Configs/Config.ini", QSettings::IniFormat);
            config.setValue("Config/CurrentProductName", "Test Mouse");
        });
        auto colour = [this] { return m_window->m_pFrontImage->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5); };
        QCOMPARE(colour(), QColor(Qt::blue));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(page()->m_pFrontButtons[2], &enter);
        QCOMPARE(colour(), QColor(Qt::red));
        QVERIFY(!m_window->m_pFrontMarks[2]->isButtonChecked());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(page()->m_pFrontButtons[2], &leave);
        QCOMPARE(colour(), QColor(Qt::blue));
        QVERIFY(m_window->m_pFrontMarks[2]->isButtonChecked());
    }
};

QTEST_MAIN(ButtonsPageTest)
#include "tst_buttonspage.moc"
