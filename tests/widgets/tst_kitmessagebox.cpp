// The message box: buttons, texts and pictures of each type, the results of each way out
// (buttons and keys), the scaled size, and the box that closes itself when the device comes back.
#include "kestlabel.h"
#include "kestmessagebox.h"
#include "kitfixture.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// The box's picture label: its only plain QLabel.
QLabel *pictureLabel(const KestMessageBox &box)
{
    for (QLabel *label : box.findChildren<QLabel *>())
        if (!qobject_cast<KestLabel *>(label))
            return label;
    return nullptr;
}

// Runs the box modally; `action` runs once its loop is up. A watchdog ends a box that
// never closes, with -1, so a fault fails the test instead of hanging it.
int runBox(KestMessageBox &box, const std::function<void()> &action)
{
    QTimer::singleShot(0, &box, action);
    QTimer::singleShot(10000, &box, [&box] { box.done(-1); });
    return box.exec();
}

KestMessageBox *makeBox(int type, QWidget *owner, bool watch)
{
    return new KestMessageBox(type, QString(), "Warning", "Dongle Disconnect!", owner, watch, Qt::FramelessWindowHint);
}

} // namespace

class TestKitMessageBox : public QObject {
    Q_OBJECT
private:
    QScopedPointer<KitFixture> m_fixture;

private slots:
    void init() { m_fixture.reset(new KitFixture({{"Config/GColorID", 1}})); }

    void buttonsTextsAndPicturePerType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("yesText");
        QTest::addColumn<bool>("hasNo");
        QTest::addColumn<bool>("hasPicture");
        QTest::newRow("0 plain") << 0 << "Ok" << false << false;
        QTest::newRow("1 question") << 1 << "Yes" << true << true;
        QTest::newRow("2 notice") << 2 << "Ok" << false << true;
        QTest::newRow("3 notice") << 3 << "Ok" << false << true;
        QTest::newRow("4 receiver") << 4 << "Ok" << false << true;
        QTest::newRow("7 unknown") << 7 << "Ok" << false << false;
        QTest::newRow("-1 unknown") << -1 << "Ok" << false << false;
    }
    void buttonsTextsAndPicturePerType()
    {
        QFETCH(int, type);
        QFETCH(QString, yesText);
        QFETCH(bool, hasNo);
        QFETCH(bool, hasPicture);
        KestMessageBox box(type, "title", "Warning", "Send data failed, please try again.", nullptr, false,
                           Qt::FramelessWindowHint);
        auto *yes = box.findChild<QToolButton *>("msgBoxYesBtn");
        QVERIFY(yes);
        QCOMPARE(yes->text(), yesText);
        QCOMPARE(yes->focusPolicy(), Qt::NoFocus);
        QCOMPARE(box.findChild<QToolButton *>("msgBoxNoBtn") != nullptr, hasNo);
        QCOMPARE(box.findChild<KestLabel *>("msgBoxInfoLabel1")->labelText(), QString("Warning"));
        QCOMPARE(box.findChild<KestLabel *>("msgBoxInfoLabel2")->labelText(),
                 QString("Send data failed, please try again."));
        QCOMPARE(box.windowTitle(), QString("title"));
        QLabel *picture = pictureLabel(box);
        QVERIFY(picture);
        QCOMPARE(!picture->pixmap(Qt::ReturnByValue).isNull(), hasPicture);
        // The button border takes the theme colour of Config/GColorID (1: green).
        QVERIFY(yes->styleSheet().contains("border: 1px rgb(0, 255, 0)"));
    }

    void results_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << 1 << "msgBoxYesBtn" << 1;
        QTest::newRow("No") << 1 << "msgBoxNoBtn" << 0;
        QTest::newRow("Ok") << 2 << "msgBoxYesBtn" << 1;
        QTest::newRow("Ok of the receiver warning") << 4 << "msgBoxYesBtn" << 1;
        QTest::newRow("Escape") << 1 << "" << 0;
    }
    void results()
    {
        QFETCH(int, type);
        QFETCH(QString, button);
        QFETCH(int, result);
        KestMessageBox box(type, QString(), "Warning", "Do you want to upgrade the firmware?", nullptr, false,
                           Qt::FramelessWindowHint);
        const int got = runBox(box, [&box, button] {
            if (button.isEmpty())
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                QTest::mouseClick(box.findChild<QToolButton *>(button), Qt::LeftButton);
        });
        QCOMPARE(got, result);
    }

    // Keys reach the box through its window as a user's do; each presses one button.
    void keysPressTheButtons_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("result");
        const int none = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        const QString yes = "msgBoxYesBtn", no = "msgBoxNoBtn";
        QTest::newRow("Ok box, Return") << 2 << int(Qt::Key_Return) << none << yes << 1;
        QTest::newRow("Ok box, Enter") << 2 << int(Qt::Key_Enter) << keypad << yes << 1;
        QTest::newRow("Ok box, Escape") << 2 << int(Qt::Key_Escape) << none << yes << 1;
        QTest::newRow("Yes/No box, Return") << 1 << int(Qt::Key_Return) << none << yes << 1;
        QTest::newRow("Yes/No box, Enter") << 1 << int(Qt::Key_Enter) << keypad << yes << 1;
        QTest::newRow("Yes/No box, Escape") << 1 << int(Qt::Key_Escape) << none << no << 0;
        QTest::newRow("receiver warning, Return") << 4 << int(Qt::Key_Return) << none << yes << 1;
        QTest::newRow("receiver warning, Escape") << 4 << int(Qt::Key_Escape) << none << yes << 1;
        QTest::newRow("plain box, Enter") << 0 << int(Qt::Key_Enter) << keypad << yes << 1;
    }
    void keysPressTheButtons()
    {
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, pressed);
        QFETCH(int, result);
        KestMessageBox box(type, QString(), "Warning", "Mouse is sleeping or not connected.", nullptr, false,
                           Qt::FramelessWindowHint);
        auto *yes = box.findChild<QToolButton *>("msgBoxYesBtn");
        auto *no = box.findChild<QToolButton *>("msgBoxNoBtn");
        QSignalSpy yesReleased(yes, &QToolButton::released);
        QScopedPointer<QSignalSpy> noReleased(no ? new QSignalSpy(no, &QToolButton::released) : nullptr);
        const int got = runBox(box, [&box, key, modifiers] {
            QTest::keyClick(box.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
        QCOMPARE(got, result);
        QCOMPARE(yesReleased.count(), pressed == "msgBoxYesBtn" ? 1 : 0);
        if (noReleased)
            QCOMPARE(noReleased->count(), pressed == "msgBoxNoBtn" ? 1 : 0);
    }

    void scaledSizes()
    {
        setScaleFactor(1.25);
        KestMessageBox box(1, QString(), "Warning", "text", nullptr, false, Qt::FramelessWindowHint);
        QCOMPARE(box.size(), QSize(597, 386));
        QCOMPARE(box.findChild<QToolButton *>("msgBoxYesBtn")->size(), QSize(125, 37));
        QCOMPARE(box.findChild<QToolButton *>("msgBoxNoBtn")->iconSize(), QSize(37, 37));
        QCOMPARE(pictureLabel(box)->size(), QSize(56, 56));
        QCOMPARE(box.findChild<KestLabel *>("msgBoxInfoLabel1")->geometry(), QRect(25, 25, 375, 25));
    }

    void watchingBoxClosesWhenOwnerReportsDevice()
    {
        QWidget owner;
        owner.setProperty(KestMessageBox::kDevicePresentProperty, 0);
        QPointer<KestMessageBox> box(makeBox(4, &owner, true));
        QVERIFY(box->isWatching());
        // The device comes back once the box is up.
        const int got = runBox(*box, [&owner] { owner.setProperty(KestMessageBox::kDevicePresentProperty, 1); });
        QCOMPARE(got, 1);
    }

    void watchingBoxAlreadyPresentClosesAtOnce()
    {
        QWidget owner;
        owner.setProperty(KestMessageBox::kDevicePresentProperty, 1);
        QScopedPointer<KestMessageBox> box(makeBox(4, &owner, true));
        QCOMPARE(runBox(*box, [] {}), 1);
    }

    // A box built later by a page, whose own flag is set, must not make the main window's
    // watching box read the page instead of the main window.
    void laterBoxDoesNotTakeOverTheWatch()
    {
        QWidget mainWindow, page;
        mainWindow.setProperty(KestMessageBox::kDevicePresentProperty, 0);
        page.setProperty(KestMessageBox::kDevicePresentProperty, 1);
        QScopedPointer<KestMessageBox> warning(makeBox(4, &mainWindow, true));
        bool stillUp = false;
        const int got = runBox(*warning, [&] {
            QScopedPointer<KestMessageBox> pageBox(makeBox(2, &page, false));
            // Several watch intervals pass with the page's flag set.
            QTest::qWait(5 * KestMessageBox::kWatchIntervalMs);
            stillUp = warning->isVisible();
            mainWindow.setProperty(KestMessageBox::kDevicePresentProperty, 1);
        });
        QVERIFY(stillUp);
        QCOMPARE(got, 1);
    }

    void boxThatDoesNotWatchStaysUp()
    {
        QWidget owner;
        owner.setProperty(KestMessageBox::kDevicePresentProperty, 1);
        QScopedPointer<KestMessageBox> box(makeBox(2, &owner, false));
        QVERIFY(!box->isWatching());
        bool stillUp = false;
        const int got = runBox(*box, [&] {
            QTest::qWait(5 * KestMessageBox::kWatchIntervalMs);
            stillUp = box->isVisible();
            box->reject();
        });
        QVERIFY(stillUp);
        QCOMPARE(got, 0);
    }
};

QTEST_MAIN(TestKitMessageBox)
#include "tst_kitmessagebox.moc"
