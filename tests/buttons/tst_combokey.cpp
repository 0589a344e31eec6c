// The combo-key dialog on real key events sent to its window.
#include "buttonsfixture.h"
#include "keycodes.h"
#include "kestcombokeywindow.h"
#include "kestpushbutton.h"

#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QList<int> stateOf(const KestComboKeyWindow &dialog)
{
    return QList<int>(std::begin(dialog.comboState), std::end(dialog.comboState));
}

// HID usages of the keys the stored combinations below use.
constexpr quint8 kUsageA = 4;
constexpr quint8 kUsageLeftCtrl = 224;
constexpr quint8 kUsageRightCtrl = 228;

} // namespace

class ComboKeyTest : public QObject
{
    Q_OBJECT
    QScopedPointer<ButtonsFixture> m_fixture;
    QScopedPointer<KestComboKeyWindow> m_dialog;

    QString shown() { return m_dialog->findChild<KestPushButton *>("keyDisplay")->buttonText(); }

    // evdev codes, negative for a release; a press of a key already down comes as the
    // toolkit's auto-repeat pair.
    void play(const QList<int> &events)
    {
        bool down[256] = {};
        for (int event : events) {
            const int evdev = qAbs(event);
            const bool repeat = event > 0 && down[evdev];
            if (repeat)
                SendKey(m_dialog.data(), {evdev, Qt::Key_unknown}, true, true);
            SendKey(m_dialog.data(), {evdev, Qt::Key_unknown}, event < 0, repeat);
            down[evdev] = event > 0;
        }
    }

private slots:
    void init()
    {
        m_fixture.reset(new ButtonsFixture({{"Config/GColorID", 0}}));
        QVERIFY(m_fixture->isValid());
        m_dialog.reset(new KestComboKeyWindow(nullptr));
        QVERIFY(m_dialog->hookHandle);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_fixture.reset();
    }

    void sequences_data()
    {
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("state");
        QTest::addColumn<int>("key");
        const QString all = QStringList{KeyCodeToName(42), KeyCodeToName(29), KeyCodeToName(91),
                                        KeyCodeToName(56), "A"}.join(" + ");
        QTest::newRow("LCtrl") << QList<int>{29} << "LCtr" << QList<int>{0, 1, 0, 0, 0} << 0;
        QTest::newRow("LCtrl, A, release both")
            << QList<int>{29, 30, -30, -29} << "LCtr + A" << QList<int>{0, 1, 0, 0, 1} << 30;
        QTest::newRow("then B") << QList<int>{29, 30, -30, -29, 48, -48} << "B" << QList<int>{0, 0, 0, 0, 1} << 48;
        QTest::newRow("A held, then LShift")
            << QList<int>{30, 30, 42, 30} << "LShift + A" << QList<int>{1, 0, 0, 0, 1} << 30;
        QTest::newRow("right Ctrl names the left") << QList<int>{97} << "LCtr" << QList<int>{0, 2, 0, 0, 0} << 0;
        QTest::newRow("all four groups and a key")
            << QList<int>{42, 29, 125, 56, 30} << all << QList<int>{1, 1, 1, 1, 1} << 30;
        QTest::newRow("a further key replaces the key")
            << QList<int>{42, 29, 125, 56, 30, -30, 48} << QString(all).replace("+ A", "+ B")
            << QList<int>{1, 1, 1, 1, 1} << 48;
        QTest::newRow("right Alt, A, release both, then B")
            << QList<int>{100, 30, -30, -100, 48} << "B" << QList<int>{0, 0, 0, 0, 1} << 48;
        QTest::newRow("right Alt and Up") << QList<int>{100, 103} << "LAlt + Up" << QList<int>{0, 0, 0, 2, 1} << 72;
        QTest::newRow("Escape and Enter held")
            << QList<int>{1, 1, 1, -1, 28, 28, -28} << "Enter" << QList<int>{0, 0, 0, 0, 1} << 28;
        QTest::newRow("a media key is not taken") << QList<int>{29, 113} << "LCtr" << QList<int>{0, 1, 0, 0, 0} << 0;
    }

    void sequences()
    {
        QFETCH(QList<int>, events);
        QFETCH(QString, text);
        QFETCH(QList<int>, state);
        QFETCH(int, key);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
        play(events);
        QCOMPARE(shown(), text);
        QCOMPARE(stateOf(*m_dialog), state);
        QCOMPARE(int(m_dialog->comboCodes[4][0]), key);
        // Every key stayed inside the capture: Escape and Enter did not close the dialog.
        QVERIFY(m_dialog->isVisible());
    }

    // A stored combination shows until the first key event, which starts afresh.
    void loadedCombination()
    {
        const KeyInfo steps[kKeySteps] = {{kUsageLeftCtrl, 0, 0}, {kUsageA, 0, 0}, {kUsageA, 0, 0},
                                          {kUsageLeftCtrl, 0, 0}};
        m_dialog->SetKeys(steps);
        QCOMPARE(shown(), QString("LCtr + A"));
        QCOMPARE(stateOf(*m_dialog), (QList<int>{0, 2, 0, 0, 1}));
        ReleaseKey(m_dialog.data(), Keys::A);
        QCOMPARE(stateOf(*m_dialog), (QList<int>{0, 0, 0, 0, 0}));

        m_dialog.reset(new KestComboKeyWindow(nullptr));
        const KeyInfo right[kKeySteps] = {{kUsageRightCtrl, 0, 0}, {kUsageRightCtrl, 0, 0}};
        m_dialog->SetKeys(right);
        QCOMPARE(shown(), KeyCodeToName(238));
    }

    void okWithoutKeyLeavesNothing()
    {
        QCOMPARE(shown(), QString());
        QTimer::singleShot(0, m_dialog.data(), [this] {
            QTest::mouseClick(m_dialog->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(stateOf(*m_dialog), (QList<int>{0, 0, 0, 0, 0}));
        QVERIFY(m_dialog->findChild<QToolButton *>("msgBoxYesBtn")->styleSheet().contains(
            "rgb(255, 0, 0);    border-style"));
    }
};

QTEST_MAIN(ComboKeyTest)
#include "tst_combokey.moc"
