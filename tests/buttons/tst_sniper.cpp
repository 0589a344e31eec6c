// The sniper dialog: the level checked against the sensor, shown as DPI, on real widgets.
#include "buttonsfixture.h"
#include "kestlabel.h"
#include "kestslider.h"
#include "kestsniperwindow.h"

#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class SniperTest : public QObject
{
    Q_OBJECT
    QScopedPointer<ButtonsFixture> m_fixture;
    QScopedPointer<KestSniperWindow> m_dialog;

    void open(int sensor)
    {
        m_fixture.reset(new ButtonsFixture({{"MouseSenSor/1", sensor}, {"Config/GColorID", 6}}));
        QVERIFY(m_fixture->isValid());
        m_dialog.reset(new KestSniperWindow(nullptr));
    }
    QString shown() { return m_dialog->findChild<KestLabel *>("valueLabel")->labelText(); }
    KestSlider *slider() { return m_dialog->findChild<KestSlider *>("levelSlider"); }

private slots:
    void cleanup()
    {
        m_dialog.reset();
        m_fixture.reset();
    }

    void levels_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("dpi");
        QTest::addColumn<int>("sliderMin");
        QTest::addColumn<int>("sliderMax");
        QTest::newRow("3325, 7") << 3325 << 7 << 7 << "700" << 1 << 10;
        QTest::newRow("3212, 16 is outside") << 3212 << 16 << 16 << "600" << 16 << 32;
        QTest::newRow("3104, new assignment") << 3104 << 0 << 14 << "500" << 14 << 26;
        QTest::newRow("3389, 21 is outside") << 3389 << 21 << 6 << "300" << 2 << 20;
        QTest::newRow("3333, 1 is below the slider") << 3333 << 1 << 2 << "200" << 2 << 10;
        QTest::newRow("unknown sensor") << 1234 << 5 << 5 << "0" << 1 << 10;
        // Each sensor's top level is kept, not replaced by the default.
        QTest::newRow("3325, top") << 3325 << 10 << 10 << "1000" << 1 << 10;
        QTest::newRow("3327, top") << 3327 << 10 << 10 << "1100" << 1 << 10;
        QTest::newRow("3360, top") << 3360 << 10 << 10 << "1000" << 1 << 10;
        QTest::newRow("3333, top") << 3333 << 10 << 10 << "1000" << 2 << 10;
        QTest::newRow("3335, top") << 3335 << 10 << 10 << "1000" << 1 << 10;
        QTest::newRow("3389, top") << 3389 << 20 << 20 << "1000" << 2 << 20;
        QTest::newRow("3212, top") << 3212 << 32 << 32 << "1200" << 16 << 32;
        QTest::newRow("3104, top") << 3104 << 26 << 26 << "1040" << 14 << 26;
        // Just outside, on either side, the default.
        QTest::newRow("3325, 11 is outside") << 3325 << 11 << 3 << "300" << 1 << 10;
        QTest::newRow("3389, 1 is outside") << 3389 << 1 << 6 << "300" << 2 << 20;
        QTest::newRow("3212, 17 is inside") << 3212 << 17 << 17 << "640" << 16 << 32;
        QTest::newRow("3212, 33 is outside") << 3212 << 33 << 16 << "600" << 16 << 32;
        QTest::newRow("3104, 15 is inside") << 3104 << 15 << 15 << "600" << 14 << 26;
        QTest::newRow("3104, 27 is outside") << 3104 << 27 << 14 << "500" << 14 << 26;
    }

    void levels()
    {
        QFETCH(int, sensor);
        QFETCH(int, given);
        QFETCH(int, level);
        QFETCH(QString, dpi);
        QFETCH(int, sliderMin);
        QFETCH(int, sliderMax);
        open(sensor);
        QSignalSpy emitted(m_dialog.data(), &KestSniperWindow::SetSniperValue);
        m_dialog->setSniperLevel(uchar(given));
        QCOMPARE(int(m_dialog->level), level);
        QCOMPARE(shown(), dpi);
        QCOMPARE(slider()->value(), level);
        QCOMPARE(slider()->minimum(), sliderMin);
        QCOMPARE(slider()->maximum(), sliderMax);
        QCOMPARE(emitted.count(), 1);
    }

    // A new dialog stands on the default, though the slider's narrower range moved it first;
    // level 1 below sensor 3333's slider ends on the minimum wherever the slider stood.
    void levelBelowSliderAtMinimum()
    {
        open(3333);
        QCOMPARE(int(m_dialog->level), 3);
        QCOMPARE(slider()->value(), 3);
        m_dialog->setSniperLevel(2);
        m_dialog->setSniperLevel(1);
        QCOMPARE(int(m_dialog->level), 2);
        QCOMPARE(shown(), QString("200"));
    }

    void sliderAndCancel()
    {
        open(3325);
        QCOMPARE(int(m_dialog->level), 3);
        QTimer::singleShot(0, m_dialog.data(), [this] {
            slider()->setValue(9);
            QTest::mouseClick(m_dialog->findChild<QToolButton *>("msgBoxNoBtn"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(int(m_dialog->level), 9);
        QCOMPARE(shown(), QString("900"));
        QCOMPARE(m_dialog->findChild<QToolButton *>("msgBoxYesBtn")->text(), QString("OK"));
        QVERIFY(m_dialog->findChild<QToolButton *>("msgBoxNoBtn")->styleSheet().contains(
            "rgb(255, 125, 0);    border-style"));
        QVERIFY(slider()->styleSheet().contains("rgba(170,83,0,255)"));
    }
};

QTEST_MAIN(SniperTest)
#include "tst_sniper.moc"
