// The report-rate page on real widgets: the rate picked from its drop-down lands in the
// page's copy, the lift-off choice is reported, and program-set values emit nothing.
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "pagefixture.h"

#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class ReportRateTest : public QObject
{
    Q_OBJECT
    QScopedPointer<PageFixture> m_fixture;
    QScopedPointer<KestReportRate> m_page;
    ProfileRecord m_record;

    KestPushButton *rateButton() { return m_page->findChild<KestPushButton *>("rateButton"); }
    QRadioButton *liftButton(const char *name) { return m_page->findChild<QRadioButton *>(name); }

    // Opens the button's drop-down as a user does and clicks the entry of that name.
    void pickFromMenu(const QString &actionName)
    {
        QMenu *menu = rateButton()->menu();
        QVERIFY(menu);
        QAction *action = m_page->findChild<QAction *>(actionName);
        QVERIFY(action);
        QVERIFY(menu->actions().contains(action));
        QTimer::singleShot(0, menu, [menu, action] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        });
        QTest::mouseClick(rateButton(), Qt::LeftButton);
        QVERIFY(!menu->isVisible());
    }

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture({}, {{"Config/GColorID", 1}}));
        QVERIFY(m_fixture->isValid());
        m_record = ProfileRecord();
        m_record.pollrate = 1;
        m_page.reset(new KestReportRate(&m_record, nullptr));
        m_page->resize(149, 200);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.data()));
    }

    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void constructionShowsRate()
    {
        QCOMPARE(rateButton()->buttonText(), QString("1000 HZ"));
        QCOMPARE(m_page->m_iLift, quint8(2));
        QVERIFY(liftButton("lift2mmButton")->isChecked());
        // The lift-off controls exist but have no size once the page is laid out.
        QVERIFY(liftButton("lift1mmButton")->geometry().isEmpty());
    }

    void pickRate_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("pollrate");
        QTest::addColumn<QString>("text");
        QTest::newRow("125") << "rate125Action" << 8 << "125 HZ";
        QTest::newRow("250") << "rate250Action" << 4 << "250 HZ";
        QTest::newRow("500") << "rate500Action" << 2 << "500 HZ";
        QTest::newRow("1000") << "rate1000Action" << 1 << "1000 HZ";
    }

    void pickRate()
    {
        QFETCH(QString, action);
        QFETCH(int, pollrate);
        QFETCH(QString, text);
        m_page->m_ProfileData.pollrate = 0;
        pickFromMenu(action);
        QCOMPARE(int(m_page->m_ProfileData.pollrate), pollrate);
        QCOMPARE(rateButton()->buttonText(), text);
        QCOMPARE(m_record.pollrate, quint8(1));  // the main window collects it before a write
    }

    void setReportRate_data()
    {
        QTest::addColumn<int>("lift");
        QTest::addColumn<int>("expectedLift");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("3") << 3 << 2;
    }

    void setReportRate()
    {
        QFETCH(int, lift);
        QFETCH(int, expectedLift);
        QSignalSpy refresh(m_page.data(), &KestReportRate::RefreshLift);
        ProfileRecord record;
        record.pollrate = 4;
        m_page->setReportRate(&record, quint8(lift == 2 ? 1 : 2));
        m_page->setReportRate(&record, quint8(lift));
        QCOMPARE(m_page->m_iLift, quint8(expectedLift));
        QVERIFY(liftButton(expectedLift == 1 ? "lift1mmButton" : "lift2mmButton")->isChecked());
        QCOMPARE(m_page->m_ProfileData.pollrate, quint8(4));
        QCOMPARE(rateButton()->buttonText(), QString("250 HZ"));
        QCOMPARE(refresh.count(), 0);
    }

    void unknownRateKeepsText()
    {
        ProfileRecord record;
        record.pollrate = 3;
        m_page->setReportRate(&record, 2);
        QCOMPARE(m_page->m_ProfileData.pollrate, quint8(3));
        QCOMPARE(rateButton()->buttonText(), QString("1000 HZ"));
    }

    void liftClickReported()
    {
        QSignalSpy refresh(m_page.data(), &KestReportRate::RefreshLift);
        liftButton("lift1mmButton")->click();
        QCOMPARE(m_page->m_iLift, quint8(1));
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(refresh.at(0).at(0).value<uchar>(), uchar(1));
    }
};

QTEST_MAIN(ReportRateTest)
#include "tst_reportrate.moc"
