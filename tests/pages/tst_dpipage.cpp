// The DPI page on real widgets over the working configuration: stage edits land in the
// page's copy, sleep time and light-off in profile 0, loading writes nothing back.
#include "kestdpiwindow.h"
#include "kestlabel.h"
#include "kestsingledpi.h"
#include "kestslider.h"
#include "pagefixture.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

namespace {

constexpr int kCurrent = 3;
const QColor kTheme(0, 0, 255);  // GColorID 2

ProfileRecord StagedProfile()
{
    ProfileRecord record;
    for (int i = 0; i < kDpiStages; ++i) {
        record.dpiInfo[i].used = 1;
        record.dpiInfo[i].link = 0;
        record.dpiInfo[i].xy = quint32(7 + i);
        record.dpiInfo[i].x = quint32(10 + 10 * i);
        record.dpiInfo[i].y = quint32(15 + 10 * i);
    }
    record.dpi = 1;
    record.LedSleepTime = 8;
    record.LedMoveOFF = 0;
    return record;
}

bool SameStages(const ProfileRecord &a, const ProfileRecord &b)
{
    for (int i = 0; i < kDpiStages; ++i) {
        const DpiInfo &p = a.dpiInfo[i];
        const DpiInfo &q = b.dpiInfo[i];
        if (p.used != q.used || p.link != q.link || p.xy != q.xy || p.x != q.x || p.y != q.y)
            return false;
    }
    return a.dpi == b.dpi;
}

}  // namespace

class DpiPageTest : public QObject
{
    Q_OBJECT
    QScopedPointer<PageFixture> m_fixture;
    QScopedPointer<KestDPIWindow> m_page;

    KestSingleDPI *row(int stage) { return m_page->findChild<KestSingleDPI *>(QString("dpiRow%1").arg(stage)); }
    QSlider *bar(int stage, const char *name) { return row(stage)->findChild<QSlider *>(name); }
    KestSlider *sleepSlider() { return m_page->findChild<KestSlider *>("sleepSlider"); }
    QCheckBox *lightOffBox() { return m_page->findChild<QCheckBox *>("lightOffBox"); }
    QColor valueTextColor(int stage)
    {
        return row(stage)->findChild<KestLabel *>("valueLabel")->palette().color(QPalette::WindowText);
    }

    // The page as the main window builds it: profile kCurrent current, sensor 3360.
    void buildPage(const QVariantMap &description = {{"PROFILE/ShowSleep", 1}, {"PROFILE/ledDisable", 1}})
    {
        m_fixture.reset(new PageFixture(description, {{"MouseSenSor/1", 3360}, {"Config/GColorID", 2}}));
        QVERIFY(m_fixture->isValid());
        g_deviceConfig = DeviceConfig();
        g_deviceConfig.ProfileID = kCurrent;
        g_deviceConfig.profiles[0].LedSleepTime = 4;
        g_deviceConfig.profiles[0].LedMoveOFF = 0xFF;
        g_deviceConfig.profiles[kCurrent] = StagedProfile();
        ProfileRecord *current = &g_deviceConfig.profiles[kCurrent];
        m_page.reset(new KestDPIWindow(current, nullptr));
        m_page->setGeometry(0, 0, 456, 460);
        m_page->applyScale(1.0);
        m_page->updateTexts();
        m_page->loadProfile(current, GetMouseSensor());
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.data()));
    }

private slots:
    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void loadShowsProfileAndWritesNothing()
    {
        buildPage();
        // Values the program shows but the user never touched: a 255 link and enable, a
        // linked stage whose X and Y differ.
        ProfileRecord odd = StagedProfile();
        odd.dpiInfo[2] = {255, 255, 9, 150, 2};
        odd.dpiInfo[5].link = 1;
        odd.dpi = 5;
        g_deviceConfig.profiles[kCurrent] = odd;
        g_deviceConfig.profiles[0].LedSleepTime = 0;  // below the slider's 1..9
                QList<QSignalSpy *> spies;
        for (int i = 0; i < kDpiStages; ++i) {
            spies << new QSignalSpy(row(i), &KestSingleDPI::DPISignal)
                  << new QSignalSpy(row(i), &KestSingleDPI::LinkSignal)
                  << new QSignalSpy(row(i), &KestSingleDPI::EnableSignal);
        }
        m_page->loadProfile(&g_deviceConfig.profiles[kCurrent], 3360);
        for (QSignalSpy *spy : spies)
            QCOMPARE(spy->count(), 0);
        qDeleteAll(spies);
        QVERIFY(SameStages(m_page->m_ProfileData, odd));
        QCOMPARE(g_deviceConfig.profiles[0].LedSleepTime, quint8(0));
        QCOMPARE(sleepSlider()->value(), 1);
        QVERIFY(!row(2)->findChild<QCheckBox *>("linkBox")->isChecked());
        QVERIFY(!row(2)->findChild<QCheckBox *>("enableBox")->isChecked());
        QVERIFY(bar(5, "linkedBar")->isVisible());
        QCOMPARE(valueTextColor(5), kTheme);
        QCOMPARE(valueTextColor(1), QColor(Qt::white));
    }

    // A stored value outside the bar's range (1..180) goes into the copy as the bar shows it.
    void loadClampsOutOfRangeStage()
    {
        buildPage();
        ProfileRecord odd = StagedProfile();
        odd.dpiInfo[2] = {1, 0, 9, 500, 0};
        odd.dpiInfo[3] = {1, 1, 9, 200, 200};
        g_deviceConfig.profiles[kCurrent] = odd;
        m_page->loadProfile(&g_deviceConfig.profiles[kCurrent], 3360);
        ProfileRecord expected = odd;
        expected.dpiInfo[2].x = 180;
        expected.dpiInfo[2].y = 1;
        expected.dpiInfo[3].x = 180;
        expected.dpiInfo[3].y = 180;
        QVERIFY(SameStages(m_page->m_ProfileData, expected));
        QCOMPARE(row(2)->findChild<KestLabel *>("valueLabel")->m_text, QString("DPI : 100"));
    }

    void splitBarsWriteCopy()
    {
        buildPage();
        bar(2, "xBar")->setValue(100);
        QTest::keyClick(bar(2, "yBar"), Qt::Key_Left);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[2].x, 100u);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[2].y, 34u);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[2].xy, 9u);  // not the page's to change
        QCOMPARE(m_page->m_ProfileData.dpiInfo[3].x, 40u);
        // The working configuration waits for the main window's collection.
        QCOMPARE(g_deviceConfig.profiles[kCurrent].dpiInfo[2].x, 30u);
    }

    void linkedBarWritesXAndY()
    {
        buildPage();
        QTest::mouseClick(row(4)->findChild<QCheckBox *>("linkBox"), Qt::LeftButton);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[4].link, quint8(1));
        QCOMPARE(m_page->m_ProfileData.dpiInfo[4].y, 50u);  // Y follows X (50) at the tick
        QVERIFY(bar(4, "linkedBar")->isVisible());
        bar(4, "linkedBar")->setValue(120);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[4].x, 120u);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[4].y, 120u);
        QTest::mouseClick(row(4)->findChild<QCheckBox *>("linkBox"), Qt::LeftButton);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[4].link, quint8(0));
    }

    void enableBoxWritesCopy()
    {
        buildPage();
        QCheckBox *box = row(6)->findChild<QCheckBox *>("enableBox");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[6].used, quint8(0));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(m_page->m_ProfileData.dpiInfo[6].used, quint8(1));
    }

    // The mouse takes the sleep time from profile 0, whatever profile is current.
    void sleepSliderShowsAndWritesProfile0()
    {
        buildPage();
        QCOMPARE(sleepSlider()->value(), 4);
        QCOMPARE(m_page->findChild<KestLabel *>("minuteLabel")->m_text, QString("4 MINUTE"));
        sleepSlider()->setValue(7);
        QCOMPARE(g_deviceConfig.profiles[0].LedSleepTime, quint8(7));
        QCOMPARE(g_deviceConfig.profiles[kCurrent].LedSleepTime, quint8(8));
        QCOMPARE(m_page->findChild<KestLabel *>("minuteLabel")->m_text, QString("7 MINUTE"));
    }

    void lightOffWritesProfile0()
    {
        buildPage();
        QVERIFY(!lightOffBox()->isChecked());  // profile 0 has 255, the current profile 0 (off while moving)
        QTest::mouseClick(lightOffBox(), Qt::LeftButton);
        QCOMPARE(g_deviceConfig.profiles[0].LedMoveOFF, quint8(0));
        QTest::mouseClick(lightOffBox(), Qt::LeftButton);
        QCOMPARE(g_deviceConfig.profiles[0].LedMoveOFF, quint8(0xFF));
        QCOMPARE(g_deviceConfig.profiles[kCurrent].LedMoveOFF, quint8(0));
    }

    void refreshStagesIgnoresBadStage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("8") << 8;
        QTest::newRow("255") << 255;
    }

    void refreshStagesIgnoresBadStage()
    {
        QFETCH(int, stage);
        buildPage();
        m_page->refreshStages(2);
        QCOMPARE(m_page->m_ProfileData.dpi, quint8(2));
        QCOMPARE(valueTextColor(2), kTheme);
        m_page->refreshStages(quint8(stage));
        QCOMPARE(m_page->m_ProfileData.dpi, quint8(2));
        QCOMPARE(valueTextColor(2), kTheme);
    }

    void pressMakesStageCurrent()
    {
        buildPage();
        QTest::mouseClick(row(5), Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(m_page->m_ProfileData.dpi, quint8(5));
        QCOMPARE(valueTextColor(5), kTheme);
        // A disabled stage can be made current too, by a press on its label.
        QTest::mouseClick(row(6)->findChild<QCheckBox *>("enableBox"), Qt::LeftButton);
        QTest::mouseClick(row(6)->findChild<KestLabel *>("valueLabel"), Qt::LeftButton);
        QCOMPARE(m_page->m_ProfileData.dpi, quint8(6));
        QCOMPARE(valueTextColor(5), QColor(Qt::white));
    }

    void layoutFollowsDescription_data()
    {
        QTest::addColumn<QVariantMap>("description");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("sleepShown");
        QTest::addColumn<int>("sleepMin");
        QTest::addColumn<int>("sleepMax");
        const QVariantMap sleep = {{"PROFILE/ShowSleep", 1}, {"PROFILE/ledDisable", 1}};
        QVariantMap four = sleep;
        four["PROFILE/DPICount"] = 4;
        QVariantMap noShow = sleep;
        noShow["PROFILE/ShowSleep"] = 0;
        QVariantMap noLed = sleep;
        noLed["PROFILE/ledDisable"] = 0;
        QVariantMap range = sleep;
        range["PROFILE/SleepMin"] = 2;
        range["PROFILE/SleepMax"] = 30;
        QVariantMap tooMany = sleep;
        tooMany["PROFILE/DPICount"] = 9;
        QTest::newRow("defaults") << sleep << 8 << true << 1 << 9;
        QTest::newRow("four stages") << four << 4 << true << 1 << 9;
        QTest::newRow("count 9 means 8") << tooMany << 8 << true << 1 << 9;
        QTest::newRow("ShowSleep 0") << noShow << 8 << false << 1 << 9;
        QTest::newRow("ledDisable 0") << noLed << 8 << false << 1 << 9;
        QVariantMap wide = sleep;
        wide["PROFILE/SleepMax"] = 300;
        QTest::newRow("sleep range") << range << 8 << true << 2 << 30;
        QTest::newRow("sleep range kept to a byte") << wide << 8 << true << 1 << 255;
    }

    void layoutFollowsDescription()
    {
        QFETCH(QVariantMap, description);
        QFETCH(int, rows);
        QFETCH(bool, sleepShown);
        QFETCH(int, sleepMin);
        QFETCH(int, sleepMax);
        buildPage(description);
        for (int i = 0; i < kDpiStages; ++i)
            QCOMPARE(row(i)->geometry().isEmpty(), i >= rows);
        if (rows < kDpiStages)
            QCOMPARE(row(rows - 1)->geometry(), QRect(15, 43 + 50 * (rows - 1), 440, 48));
        QCOMPARE(!sleepSlider()->geometry().isEmpty(), sleepShown);
        QCOMPARE(!lightOffBox()->geometry().isEmpty(), sleepShown);
        QCOMPARE(!m_page->findChild<KestLabel *>("minuteLabel")->geometry().isEmpty(), sleepShown);
        QCOMPARE(sleepSlider()->minimum(), sleepMin);
        QCOMPARE(sleepSlider()->maximum(), sleepMax);
    }
};

QTEST_MAIN(DpiPageTest)
#include "tst_dpipage.moc"
