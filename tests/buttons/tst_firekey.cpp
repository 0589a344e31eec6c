// The fire-key dialog on real clicks and key events sent to its window.
#include "../debuglines.h"
#include "buttonsfixture.h"
#include "keycodes.h"
#include "kestfirekeywindow.h"
#include "kestpushbutton.h"
#include "scale.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class FireKeyTest : public QObject
{
    Q_OBJECT
    QScopedPointer<ButtonsFixture> m_fixture;
    QScopedPointer<KestFireKeyWindow> m_dialog;

    QString shown() { return keyDisplay()->buttonText(); }
    KestPushButton *keyDisplay() { return m_dialog->findChild<KestPushButton *>("keyDisplay"); }
    QCheckBox *box(const char *name) { return m_dialog->findChild<QCheckBox *>(name); }
    QList<bool> checkedBoxes()
    {
        QList<bool> checked;
        for (const char *name : {"leftBox", "rightBox", "middleBox", "keyboardBox"})
            checked << box(name)->isChecked();
        return checked;
    }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2)); }
    void showActive()
    {
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.data()));
    }

private slots:
    void init()
    {
        m_fixture.reset(new ButtonsFixture({{"Config/GColorID", 1}}));
        QVERIFY(m_fixture->isValid());
        m_dialog.reset(new KestFireKeyWindow(nullptr));
        QVERIFY(m_dialog->hookHandle);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_fixture.reset();
        setScaleFactor(1.0);
    }

    // The choice boxes' indicators grow with the window, as the pages' do.
    void indicatorsScaled_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void indicatorsScaled()
    {
        QFETCH(double, scale);
        m_dialog.reset();
        setScaleFactor(scale);
        m_dialog.reset(new KestFireKeyWindow(nullptr));
        for (const char *name : {"leftBox", "rightBox", "middleBox", "keyboardBox"}) {
            QCheckBox *b = box(name);
            b->ensurePolished();
            QStyleOptionButton option;
            option.initFrom(b);
            const QRect indicator = b->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, b);
            QCOMPARE(indicator.size(), QSize(scaled(16, scale), scaled(16, scale)));
        }
    }

    void presets_data()
    {
        QTest::addColumn<bool>("preset");
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("delayText");
        QTest::addColumn<int>("key");
        QTest::newRow("new") << false << 0 << 0 << 0 << 0 << "3" << "100" << 0;
        QTest::newRow("middle, zero numbers") << true << 0x84 << 0 << 0 << 2 << "3" << "10" << 0;
        QTest::newRow("right") << true << 0x82 << 5 << 40 << 1 << "5" << "40" << 0;
        QTest::newRow("key A") << true << 4 << 2 << 20 << 3 << "2" << "20" << 30;
        QTest::newRow("usage without a key") << true << 0x70 << 1 << 10 << 3 << "1" << "10" << 0;
    }

    void presets()
    {
        QFETCH(bool, preset);
        QFETCH(int, res1);
        QFETCH(int, loops);
        QFETCH(int, delay);
        QFETCH(int, choice);
        QFETCH(QString, times);
        QFETCH(QString, delayText);
        QFETCH(int, key);
        if (preset) {
            ButtonInfo entry;
            entry.Fun = 12;
            entry.Res1 = quint8(res1);
            entry.LoopNumber = loops;
            entry.KeyNumber = delay;
            m_dialog->SetFireKey(&entry);
        }
        QList<bool> expected{false, false, false, false};
        expected[choice] = true;
        QCOMPARE(checkedBoxes(), expected);
        QCOMPARE(int(m_dialog->fireChoice), choice);
        QCOMPARE(m_dialog->timesEdit->text(), times);
        QCOMPARE(m_dialog->delayEdit->text(), delayText);
        QCOMPARE(int(m_dialog->keyCode), key);
        QCOMPARE(shown(), KeyCodeToName(key));
        QCOMPARE(m_dialog->capturing, choice == 3);
    }

    // Keys count only under "Keyboard Key"; another choice clears the key.
    void choosingClearsAndCaptures()
    {
        showActive();
        QSignalSpy values(m_dialog.data(), &KestFireKeyWindow::SetFireKeyValue);
        TapKey(m_dialog.data(), Keys::A);
        QCOMPARE(shown(), QString());
        click(box("keyboardBox"));
        QCOMPARE(checkedBoxes(), (QList<bool>{false, false, false, true}));
        TapKey(m_dialog.data(), Keys::F5);
        QCOMPARE(shown(), QString("F5"));
        QCOMPARE(int(m_dialog->keyCode), 63);
        click(box("rightBox"));
        QCOMPARE(checkedBoxes(), (QList<bool>{false, true, false, false}));
        QCOMPARE(shown(), QString());
        QCOMPARE(int(m_dialog->keyCode), 0);
        click(box("keyboardBox"));
        QCOMPARE(shown(), QString());
        click(box("keyboardBox"));
        QCOMPARE(checkedBoxes(), (QList<bool>{false, false, false, true}));
        QCOMPARE(values.count(), 4);
        QCOMPARE(values.last(), (QVariantList{0, 3, 3, 100}));
    }

    // Digits go into the edit; its Return hands the focus back, and the Return's release
    // is not the key.
    void editingNumbersKeepsTheKey()
    {
        showActive();
        click(box("keyboardBox"));
        TapKey(m_dialog.data(), Keys::F5);
        click(m_dialog->timesEdit);
        QVERIFY(m_dialog->timesEdit->hasFocus());
        m_dialog->timesEdit->clear();
        SendKey(m_dialog.data(), Keys::Digit1, false, false, "1");
        SendKey(m_dialog.data(), Keys::Digit1, true, false, "1");
        QCOMPARE(m_dialog->timesEdit->text(), QString("1"));
        QCOMPARE(shown(), QString("F5"));
        TapKey(m_dialog.data(), Keys::Return);
        QVERIFY(keyDisplay()->hasFocus());
        QCOMPARE(shown(), QString("F5"));
        QVERIFY(!m_dialog->skipNextKey);
        PressKey(m_dialog.data(), Keys::A);
        QCOMPARE(shown(), QString("A"));
    }

    // A number is kept within 1-255 once it is handed on, not while it is typed: the text
    // stands as typed (empty on the way), one clamp line is logged, and the edit then shows
    // the number handed on.
    void typedNumberHandedOnOnce_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("times") << "timesEdit";
        QTest::newRow("delay") << "delayEdit";
    }
    void typedNumberHandedOnOnce()
    {
        QFETCH(QString, edit);
        showActive();
        auto *field = m_dialog->findChild<QLineEdit *>(edit);
        QVERIFY(field);
        click(field);
        QLoggingCategory::setFilterRules("veskaro.*.debug=true");
        DebugLines lines;
        field->selectAll();
        field->del();
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "300");
        QCOMPARE(field->text(), QString("300"));
        const int value = edit == "timesEdit" ? m_dialog->times() : m_dialog->delay();
        const QStringList printed = lines.take().filter("out of range");
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(value, 255);
        QCOMPARE(field->text(), QString("255"));
        QCOMPARE(printed, QStringList{"veskaro.buttons: " + edit + " 300 out of range, clamped to 255"});
    }

    // A Return under a mouse-button choice leaves the skip standing: the first key event
    // after choosing "Keyboard Key" is dropped and the key comes from its release.
    void returnUnderMouseChoiceSkipsOneEvent()
    {
        showActive();
        click(m_dialog->delayEdit);
        QVERIFY(m_dialog->delayEdit->hasFocus());
        TapKey(m_dialog.data(), Keys::Return);
        QVERIFY(m_dialog->skipNextKey);
        click(box("keyboardBox"));
        PressKey(m_dialog.data(), Keys::B);
        QCOMPARE(shown(), QString());
        ReleaseKey(m_dialog.data(), Keys::B);
        QCOMPARE(shown(), QString("B"));
        QCOMPARE(int(m_dialog->keyCode), 48);
        QCOMPARE(m_dialog->lastFlags, 0x80u);
    }

    // A press on the background takes the focus back from an edit.
    void backgroundPressEndsEditing()
    {
        showActive();
        click(m_dialog->timesEdit);
        QVERIFY(m_dialog->timesEdit->hasFocus());
        QTest::mouseClick(m_dialog.data(), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(keyDisplay()->hasFocus());
    }

    void escapeCancels()
    {
        ButtonInfo entry;
        entry.Res1 = 4;
        m_dialog->SetFireKey(&entry);
        QTimer::singleShot(0, m_dialog.data(), [this] { PressKey(m_dialog.data(), Keys::Escape); });
        QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
    }

    // The key display's image comes from the application directory, not the working one.
    void keyImageFromApplicationDirectory()
    {
        QVERIFY(QDir().mkpath(m_fixture->path() + "/skin"));
        QImage green(120, 20, QImage::Format_ARGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(m_fixture->path() + "/skin/tabbutton-1.png"));
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        m_dialog.reset(new KestFireKeyWindow(nullptr));
        QDir::setCurrent(previous);
        const QColor painted = keyDisplay()->grab().toImage().pixelColor(2, 2);
        QVERIFY2(painted.green() > 150 && painted.red() < 60, qPrintable(painted.name()));
    }
};

QTEST_MAIN(FireKeyTest)
#include "tst_firekey.moc"
