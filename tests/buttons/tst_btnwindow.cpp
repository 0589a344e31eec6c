// The buttons page on its own: layout from a real description file, menus, captions, and
// assignments through the real dialogs into a profile record.
#include "buttonfunctions.h"
#include "buttonsfixture.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestfirekeywindow.h"
#include "kestmacroselect.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "macrofiles.h"
#include "popupdriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

using B = KestBtnWindow;

QToolButton *yesButton(QWidget *dialog) { return dialog->findChild<QToolButton *>("msgBoxYesBtn"); }
QToolButton *noButton(QWidget *dialog) { return dialog->findChild<QToolButton *>("msgBoxNoBtn"); }
void clickYes(QWidget *dialog) { QTest::mouseClick(yesButton(dialog), Qt::LeftButton); }
void clickNo(QWidget *dialog) { QTest::mouseClick(noButton(dialog), Qt::LeftButton); }

QStringList texts(const QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions())
        result << action->text();
    return result;
}

} // namespace

class BtnWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ButtonsFixture> m_fixture;
    std::unique_ptr<KestBtnWindow> m_page;
    ProfileRecord m_record;

    // A description with the layout bytes and any further PROFILE keys; then the page.
    void open(const QVariantList &matrix2 = {1, 1, 1, 1, 1, 1, 1}, const QVariantMap &profileKeys = {},
              const QVariantMap &config = {})
    {
        m_page.reset();
        m_fixture = std::make_unique<ButtonsFixture>(config);
        {
            QSettings description(m_fixture->path() + "/DefaultProfile.bin", QSettings::IniFormat);
            description.setValue("PROFILE/ButtonCount", matrix2.size() ^ 8);
            description.setValue("PROFILE/MouseDpi", 8);
            for (int i = 0; i < matrix2.size(); ++i)
                description.setValue(QString("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), matrix2.at(i));
            const int funs[] = {kFunLeft, kFunRight, kFunMiddle, kFunForward, kFunBack, kFunForward, kFunBack};
            for (int i = 0; i < 7; ++i)
                description.setValue(QString("PROFILE/BUTTON_INFO_%1_Fun").arg(i), funs[i]);
            for (auto it = profileKeys.cbegin(); it != profileKeys.cend(); ++it)
                description.setValue("PROFILE/" + it.key(), it.value());
        }
        m_record = ProfileRecord();
        InitProfileDefaults(m_record);
        m_page = std::make_unique<KestBtnWindow>(&m_record, nullptr, 1.0);
        m_page->setFixedSize(332, 440);
        m_page->UpdateFonts(1.0);
    }

    // Chooses an action for a row as the main window's selection would, with the dialogs
    // it opens handled by onModal.
    QStringList choose(int index, int panel, int action, PopupDriver::ModalHandler onModal = {})
    {
        PopupDriver driver({}, onModal);
        m_page->SelectButton(index, panel);
        m_page->m_pActions[action]->trigger();
        return driver.modals;
    }
    ButtonInfo &entry(int i) { return m_record.buttonInfo[i]; }

private slots:
    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void layoutFromDescription_data()
    {
        QTest::addColumn<QVariantList>("matrix2");
        QTest::addColumn<QList<int>>("ys");  // per row: y of a shown row, -1 hidden
        QTest::addColumn<QList<int>>("marks");
        QTest::newRow("fourth hidden, fifth numbered 4")
            << QVariantList{1, 2, 3, 0xFF, 5} << QList<int>{64, 158, 252, -1, 346} << QList<int>{1, 2, 3, 4, 4};
        QTest::newRow("three rows in 440: margin and gap 87")
            << QVariantList{0, 0, 0} << QList<int>{87, 204, 321} << QList<int>{1, 2, 3};
        QList<int> ten, marks;
        for (int c = 0; c < 10; ++c) {
            ten << 30 + 50 * c;
            marks << c + 1;
        }
        QTest::newRow("ten rows: top 30, 50 apart") << QVariantList{1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << ten << marks;
    }
    void layoutFromDescription()
    {
        QFETCH(QVariantList, matrix2);
        QFETCH(QList<int>, ys);
        QFETCH(QList<int>, marks);
        open(matrix2);
        for (int i = 0; i < ys.size(); ++i) {
            const QRect expected = ys[i] < 0 ? QRect(0, 0, 0, 0) : QRect(56, ys[i], 220, 30);
            QCOMPARE(m_page->m_pFrontButtons[i]->geometry(), expected);
            if (ys[i] >= 0)
                QCOMPARE(int(m_page->m_pFrontButtons[i]->textMark()), marks[i]);
        }
        QCOMPARE(m_page->m_pFrontButtons[ys.size()]->geometry().size(), QSize(0, 0));
        QCOMPARE(m_page->m_pSideButtons[0]->geometry().size(), QSize(0, 0));
    }

    void noDescriptionLaysOutNothing()
    {
        open();
        QFile::remove(m_fixture->path() + "/DefaultProfile.bin");
        m_page->UpdateFonts(1.0);
        for (KestPushButton *row : m_page->m_pFrontButtons)
            QCOMPARE(row->geometry().size(), QSize(0, 0));
    }

    void menus_data()
    {
        QTest::addColumn<QVariantMap>("keys");
        QTest::addColumn<QStringList>("tail");  // the main menu after "Polling Rate"
        QTest::newRow("all") << QVariantMap{} << QStringList{"Macro Manager", "Led Switch", "Button Off"};
        QTest::newRow("DisableMacro") << QVariantMap{{"DisableMacro", 1}} << QStringList{"Led Switch", "Button Off"};
        QTest::newRow("ledDisable") << QVariantMap{{"ledDisable", 1}} << QStringList{"Macro Manager", "Button Off"};
    }
    void menus()
    {
        QFETCH(QVariantMap, keys);
        QFETCH(QStringList, tail);
        open({1}, keys);
        const QStringList head{"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows",
                               "Advance", "Media", "DPI", "Polling Rate"};
        for (int pass = 0; pass < 2; ++pass) {  // construction, then a language change
            QCOMPARE(texts(m_page->m_pMainMenu), head + tail);
            QCOMPARE(texts(m_page->m_pSubMenus[B::MenuAdvance]), (QStringList{"SINGLE KEY", "COMBO KEY", "FIRE KEY"}));
            QCOMPARE(texts(m_page->m_pSubMenus[B::MenuRate]), (QStringList{"Rate +", "Rate -"}));
            QCOMPARE(texts(m_page->m_pSubMenus[B::MenuWindows]).size(), 6);
            QCOMPARE(texts(m_page->m_pWheelMenu),
                     (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                                  "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
            QCOMPARE(m_page->m_pActions[B::ActMacro]->text(), QString("Macro Manager"));
            QCOMPARE(m_page->m_pActions[B::ActLedSwitch]->text(), QString("Led Switch"));
            m_page->UpdateLanguage();
        }
    }

    // A rebuild makes new entries: the replaced ones go, the new ones assign.
    void languageChangeKeepsActionsWorking()
    {
        open();
        QPointer<QAction> oldMiddle = m_page->m_pActions[B::ActMiddle];
        m_page->UpdateLanguage();
        QVERIFY(oldMiddle.isNull());
        QVERIFY(!texts(m_page->m_pMainMenu).contains("GunFile Manager"));
        choose(4, 0, B::ActMiddle);
        QCOMPARE(entry(4).Fun, kFunMiddle);
        QCOMPARE(m_page->m_pFrontButtons[4]->buttonText(), QString("Middle"));
        choose(4, 0, B::ActMail);  // in no menu, still connected
        QCOMPARE(entry(4).Fun, kFunMail);
    }

    void captions()
    {
        open();
        entry(5).Fun = kFunMacro;
        entry(5).macroname = "Burst";
        entry(6).Fun = kFunScrollUp;
        entry(7).Fun = 999;
        m_page->SetProfileData(&m_record);
        QCOMPARE(m_page->m_pFrontButtons[5]->buttonText(), QString("Burst"));
        QCOMPARE(m_page->m_pFrontButtons[6]->buttonText(), QString());
        QCOMPARE(m_page->m_pFrontButtons[7]->buttonText(), QString());
        QCOMPARE(m_page->m_pWheelButtons[0]->buttonText(), QString("Scroll Up"));
        QCOMPARE(m_page->m_pFrontButtons[1]->buttonText(), QString("Right"));
    }

    void showPanel()
    {
        open();
        m_page->show();
        m_page->ShowPanel(3, 1);
        QVERIFY(m_page->m_pSideButtons[0]->isVisible());
        QVERIFY(!m_page->m_pFrontButtons[0]->isVisible());
        QCOMPARE(m_page->EditedEntry(), 23);
        m_page->ShowPanel(7, B::kNone);
        QCOMPARE(m_page->EditedEntry(), 27);
        m_page->ShowPanel(1, 2);
        QVERIFY(m_page->m_pWheelButtons[1]->isVisible());
        QCOMPARE(m_page->EditedEntry(), 41);
    }

    // The left click stays on at least one button; choosing Left is always allowed.
    void leftClickRule()
    {
        open();
        QSignalSpy refused(m_page.get(), &KestBtnWindow::PopOneClickBox);
        choose(0, 0, B::ActRight);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(entry(0).Fun, kFunLeft);
        QCOMPARE(m_page->EditedEntry(), 0);  // still selected
        choose(0, 0, B::ActLeft);
        QCOMPARE(refused.count(), 1);
        entry(33).Fun = kFunLeft;  // on the hidden side panel
        choose(0, 0, B::ActRight);
        QCOMPARE(entry(0).Fun, kFunRight);
        QCOMPARE(m_page->EditedEntry(), -1);
    }

    // No edited button (after a normal end, or an index past the wheel's two): nothing happens.
    void noEditedButton()
    {
        open();
        choose(1, 0, B::ActMiddle);
        const ProfileRecord before = m_record;
        m_page->m_pActions[B::ActBack]->trigger();
        m_page->ShowPanel(5, 2);
        m_page->m_pActions[B::ActBack]->trigger();
        QCOMPARE(m_record.buttonInfo[1].Fun, before.buttonInfo[1].Fun);
        QCOMPARE(m_record.buttonInfo[5].Fun, before.buttonInfo[5].Fun);
    }

    // A cancelled dialog leaves the entry and shows its own caption again.
    void cancelledDialogs_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("single key") << int(B::ActSingleKey);
        QTest::newRow("combo key") << int(B::ActComboKey);
        QTest::newRow("fire key") << int(B::ActFireKey);
        QTest::newRow("sniper") << int(B::ActSniper);
    }
    void cancelledDialogs()
    {
        QFETCH(int, action);
        open();
        const QStringList modals = choose(1, 0, action, clickNo);
        QCOMPARE(modals.size(), 1);
        QCOMPARE(entry(1).Fun, kFunRight);
        QCOMPARE(m_page->m_pFrontButtons[1]->buttonText(), QString("Right"));
    }

    void comboStepsNest()
    {
        open();
        choose(2, 0, B::ActComboKey, [](QWidget *dialog) {
            PressKey(dialog, Keys::LeftCtrl);
            PressKey(dialog, Keys::LeftShift);
            PressKey(dialog, Keys::A);
            clickYes(dialog);
        });
        QCOMPARE(entry(2).Fun, kFunComboKey);
        const KeyInfo *s = entry(2).keyInfo;
        const int order[] = {0xE1, 0xE0, 0x04, 0x04, 0xE0, 0xE1};  // Shift, Ctrl, A by group
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(int(s[i].map), order[i]);
            QCOMPARE(int(s[i].key), 5);
            QCOMPARE(int(s[i].H), i < 3 ? 0x80 : 0);
        }
        QCOMPARE(int(s[6].map), 0);
    }

    // Times reaches the mouse as one byte: it is kept within 1-255. A keyboard choice with
    // no key would make a left-button fire key: it changes nothing.
    void fireKey_data()
    {
        QTest::addColumn<QString>("times");
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loops");
        QTest::newRow("middle, 300 times") << "300" << false << kFunFireKey << 0x84 << 255;
        QTest::newRow("middle, empty times") << "" << false << kFunFireKey << 0x84 << 1;
        QTest::newRow("keyboard without key") << "5" << true << kFunRight << 0 << 0;
    }
    void fireKey()
    {
        QFETCH(QString, times);
        QFETCH(bool, keyboard);
        QFETCH(int, fun);
        QFETCH(int, res1);
        QFETCH(int, loops);
        open();
        choose(1, 0, B::ActFireKey, [&](QWidget *widget) {
            auto *dialog = static_cast<KestFireKeyWindow *>(widget);
            QCheckBox *box = dialog->findChild<QCheckBox *>(keyboard ? "keyboardBox" : "middleBox");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            dialog->timesEdit->setText(times);
            dialog->delayEdit->setText("100");
            clickYes(dialog);
        });
        QCOMPARE(entry(1).Fun, fun);
        QCOMPARE(int(entry(1).Res1), res1);
        QCOMPARE(entry(1).LoopNumber, loops);
        QCOMPARE(m_page->m_pFrontButtons[1]->buttonText(), QString(fun == kFunFireKey ? "FIRE KEY" : "Right"));
    }

    void macroRefusals()
    {
        open();
        QSignalSpy gotoMacro(m_page.get(), &KestBtnWindow::GotoMacroTab);
        entry(10).Fun = kFunLeft;  // else the left-click rule refuses first
        QStringList modals = choose(0, 0, B::ActGunFile, clickYes);
        QCOMPARE(modals, QStringList{"KestMessageBox"});
        QCOMPARE(entry(0).Fun, kFunLeft);
        modals = choose(3, 0, B::ActMacro, clickYes);
        QCOMPARE(modals, QStringList());
        QCOMPARE(gotoMacro.count(), 1);
        QCOMPARE(gotoMacro.at(0).at(0).toInt(), 3);
        QCOMPARE(entry(3).Fun, kFunForward);
    }

    // An accepted macro copies its steps; Yes with none chosen, or No, changes nothing.
    void macroChoice()
    {
        open();
        MacroFile macro;
        for (int i = 0; i < 10; ++i)
            macro.steps << MacroStep{kStepKeyPress, 0, quint8(4 + i)};
        QVERIFY(!WriteMacroFile("Ten", macro).isEmpty());
        AddToMacroList("Ten");
        entry(3).keyInfo[10] = {9, 9, 9};

        choose(3, 0, B::ActMacro, clickYes);  // nothing chosen
        QCOMPARE(entry(3).Fun, kFunForward);
        QCOMPARE(m_page->EditedEntry(), -1);

        choose(3, 0, B::ActMacro, [](QWidget *dialog) {
            static_cast<KestMacroSelect *>(dialog)->macroName = "Ten";
            clickYes(dialog);
        });
        QCOMPARE(entry(3).Fun, kFunMacro);
        QCOMPARE(entry(3).macroname, QString("Ten"));
        QCOMPARE(entry(3).KeyNumber, 10);
        QCOMPARE(int(entry(3).keyInfo[9].key), 13);
        QCOMPARE(int(entry(3).keyInfo[10].map), 9);  // later steps keep their bytes
        QCOMPARE(m_page->m_pFrontButtons[3]->buttonText(), QString("Ten"));

        entry(3).macroname = "Kept";
        choose(3, 0, B::ActMacro, clickNo);
        QCOMPARE(entry(3).macroname, QString("Kept"));
        QCOMPARE(m_page->m_pFrontButtons[3]->buttonText(), QString("Kept"));
        QCOMPARE(m_page->EditedEntry(), 3);  // a cancel on a macro button keeps the selection
    }
};

QTEST_MAIN(BtnWindowTest)
#include "tst_btnwindow.moc"
