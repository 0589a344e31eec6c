// The single-key dialog on real key events sent to its window.
#include "buttonsfixture.h"
#include "keycodes.h"
#include "kestpushbutton.h"
#include "kestsinglekeywindow.h"

#include <QTimer>
#include <QToolButton>
#include <QtTest>

class SingleKeyTest : public QObject
{
    Q_OBJECT
    QScopedPointer<ButtonsFixture> m_fixture;
    QScopedPointer<KestSingleKeyWindow> m_dialog;

    QString shown() { return m_dialog->findChild<KestPushButton *>("keyDisplay")->buttonText(); }

private slots:
    void init()
    {
        m_fixture.reset(new ButtonsFixture({{"Config/GColorID", 2}}));
        QVERIFY(m_fixture->isValid());
        m_dialog.reset(new KestSingleKeyWindow(nullptr));
        QVERIFY(m_dialog->hookHandle);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_fixture.reset();
    }

    // The last event wins, presses and releases alike; a held key's repeats change nothing.
    void keyOrders_data()
    {
        QTest::addColumn<QList<int>>("events");  // evdev code, negative for its release
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("A held") << QList<int>{30, 30, -30, 30, -30} << "A" << 30;
        QTest::newRow("A, B, release A") << QList<int>{30, 48, -30} << "A" << 30;
        QTest::newRow("A, B, release A, release B") << QList<int>{30, 48, -30, -48} << "B" << 48;
        QTest::newRow("A, B, release B, release A") << QList<int>{30, 48, -48, -30} << "A" << 30;
        QTest::newRow("keypad 8") << QList<int>{72} << KeyCodeToName(236) << 236;
        QTest::newRow("Up") << QList<int>{103} << KeyCodeToName(72) << 72;
        QTest::newRow("Num Lock") << QList<int>{69, -69} << "Num Lock" << 225;
        QTest::newRow("right Alt") << QList<int>{100} << "RAlt" << 239;
        QTest::newRow("Mute") << QList<int>{113, -113} << "" << 0;
    }

    void keyOrders()
    {
        QFETCH(QList<int>, events);
        QFETCH(QString, name);
        QFETCH(int, code);
        bool down[256] = {};
        for (int event : events) {
            const int evdev = qAbs(event);
            // A second press of a key still down is the toolkit's auto-repeat.
            const bool repeat = event > 0 && down[evdev];
            if (repeat)
                SendKey(m_dialog.data(), {evdev, Qt::Key_unknown}, true, true);
            SendKey(m_dialog.data(), {evdev, Qt::Key_unknown}, event < 0, repeat);
            down[evdev] = event > 0;
        }
        QCOMPARE(shown(), name);
        QCOMPARE(int(m_dialog->keyCode), code);
    }

    void okWithoutKeyGivesStoredOrNone()
    {
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
        QCOMPARE(shown(), QString());
        QTest::mouseClick(m_dialog->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(int(m_dialog->keyCode), 0);

        m_dialog.reset(new KestSingleKeyWindow(nullptr));
        m_dialog->SetKey(59);
        QCOMPARE(shown(), QString("F1"));
        QTimer::singleShot(0, m_dialog.data(), [this] {
            QTest::mouseClick(m_dialog->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(int(m_dialog->keyCode), 59);
    }

    // Escape is shown, then passed on, and the dialog closes as cancelled.
    void escapeCancels()
    {
        QTimer::singleShot(0, m_dialog.data(), [this] { PressKey(m_dialog.data(), Keys::Escape); });
        QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(shown(), QString("Esc"));
    }

    void texts()
    {
        QCOMPARE(m_dialog->findChild<QToolButton *>("msgBoxYesBtn")->text(), QString("OK"));
        QCOMPARE(m_dialog->findChild<QToolButton *>("msgBoxNoBtn")->text(), QString("Cancel"));
        QVERIFY(m_dialog->findChild<QToolButton *>("msgBoxNoBtn")->styleSheet().contains(
            "rgb(0, 0, 255);" + QString(23, ' ') + "border-style"));
    }
};

QTEST_MAIN(SingleKeyTest)
#include "tst_singlekey.moc"
