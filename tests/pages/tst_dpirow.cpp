// One DPI stage row on real widgets: the sensor range table, user moves of its bars
// and boxes, and values set by the program that must not look like user edits.
#include "kestlabel.h"
#include "kestsingledpi.h"
#include "pagefixture.h"
#include "sensordpi.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

class DpiRowTest : public QObject
{
    Q_OBJECT

    static QSlider *bar(KestSingleDPI &row, const char *name) { return row.findChild<QSlider *>(name); }
    static QString text(KestSingleDPI &row, const char *name) { return row.findChild<KestLabel *>(name)->m_text; }

private slots:
    void sensorRanges_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("barMin");
        QTest::addColumn<int>("barMax");
        QTest::addColumn<int>("minText");
        QTest::addColumn<int>("maxText");
        QTest::addColumn<bool>("linkOffered");
        QTest::newRow("3325") << 3325 << 0 << "" << 1 << 50 << 100 << 5000 << false;
        QTest::newRow("3325 wide") << 3325 << 1 << "" << 1 << 90 << 100 << 16000 << false;
        QTest::newRow("33252") << 33252 << 0 << "" << 1 << 75 << 100 << 10000 << false;
        QTest::newRow("33252 wide") << 33252 << 1 << "" << 1 << 90 << 100 << 16000 << false;
        QTest::newRow("3311") << 3311 << 0 << "" << 1 << 120 << 100 << 12000 << false;
        QTest::newRow("33112") << 33112 << 0 << "" << 1 << 180 << 100 << 24000 << false;
        QTest::newRow("3370") << 3370 << 0 << "" << 1 << 290 << 50 << 19000 << false;
        QTest::newRow("3327 TORQEL") << 3327 << 0 << "TORQEL" << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 JESPARO") << 3327 << 0 << "JESPARO" << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 other") << 3327 << 0 << "torqel" << 1 << 106 << 200 << 16400 << false;
        QTest::newRow("3360") << 3360 << 0 << "" << 1 << 180 << 100 << 24000 << true;
        QTest::newRow("3389") << 3389 << 0 << "" << 2 << 480 << 100 << 32000 << true;
        QTest::newRow("3212") << 3212 << 0 << "" << 16 << 111 << 600 << 7200 << false;
        QTest::newRow("3104") << 3104 << 0 << "" << 14 << 105 << 500 << 4200 << true;
        QTest::newRow("31042") << 31042 << 0 << "" << 14 << 158 << 500 << 8400 << true;
        QTest::newRow("3335") << 3335 << 0 << "" << 1 << 160 << 100 << 16000 << false;
        QTest::newRow("33352") << 33352 << 0 << "" << 1 << 240 << 100 << 32000 << false;
        QTest::newRow("3333") << 3333 << 0 << "" << 2 << 120 << 200 << 16000 << false;
        QTest::newRow("33952") << 33952 << 0 << "" << 0 << 779 << 50 << 52000 << false;
        QTest::newRow("3395") << 3395 << 0 << "" << 0 << 519 << 50 << 26000 << false;
        QTest::newRow("3399") << 3399 << 0 << "" << 0 << 599 << 50 << 40000 << true;
    }

    void sensorRanges()
    {
        QFETCH(int, sensor);
        QFETCH(int, variant);
        QFETCH(QString, model);
        QFETCH(int, barMin);
        QFETCH(int, barMax);
        QFETCH(int, minText);
        QFETCH(int, maxText);
        QFETCH(bool, linkOffered);
        PageFixture fixture({{"PROFILE/33254", variant}}, {{"Config/CurrentProductName", model}});
        QVERIFY(fixture.isValid());
        KestSingleDPI row(nullptr, 0);
        row.setSensor(sensor);
        for (const char *name : {"xBar", "yBar", "linkedBar"}) {
            QCOMPARE(bar(row, name)->minimum(), barMin);
            QCOMPARE(bar(row, name)->maximum(), barMax);
        }
        QCOMPARE(text(row, "minLabel"), QString::number(minText));
        QCOMPARE(text(row, "maxLabel"), QString::number(maxText));
        QCOMPARE(!row.findChild<QCheckBox *>("linkBox")->isHidden(), linkOffered);
        // The range texts are the DPI of the bar's ends.
        QCOMPARE(SensorValueToDpi(barMin, sensor), minText);
        QCOMPARE(SensorValueToDpi(barMax, sensor), maxText);
    }

    void unknownSensorKeepsRange()
    {
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 0);
        row.setSensor(3360);
        row.setSensor(1234);
        QCOMPARE(row.sensor(), 1234);
        QCOMPARE(bar(row, "xBar")->maximum(), 180);
        QCOMPARE(text(row, "maxLabel"), QString("24000"));
        row.setValues(20, 30);
        QCOMPARE(text(row, "valueLabel"), QString("DPI : 0"));
    }

    void splitBarsReportBothValues()
    {
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 3);
        row.setSensor(3360);
        row.setLink(0);
        row.setValues(40, 60);
        QSignalSpy dpi(&row, &KestSingleDPI::DPISignal);
        bar(row, "xBar")->setValue(45);
        QTest::keyClick(bar(row, "yBar"), Qt::Key_Right);
        QCOMPARE(dpi.count(), 2);
        QCOMPARE(dpi.at(0), (QVariantList{45, 60, QVariant::fromValue(uchar(3))}));
        QCOMPARE(dpi.at(1), (QVariantList{45, 61, QVariant::fromValue(uchar(3))}));
        QCOMPARE(text(row, "valueLabel"), QString("DPI : 6100"));
        QCOMPARE(text(row, "xLabel"), QString("X:4500"));
    }

    // The row says "Link XY": a move of the linked bar must give the mouse X equal to Y.
    void linkedBarSetsBoth()
    {
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 1);
        row.setSensor(3360);
        row.setLink(1);
        row.setValues(40, 40);
        QVERIFY(!bar(row, "linkedBar")->isHidden());
        QVERIFY(bar(row, "xBar")->isHidden());
        QSignalSpy dpi(&row, &KestSingleDPI::DPISignal);
        bar(row, "linkedBar")->setValue(90);
        QCOMPARE(dpi.count(), 1);
        QCOMPARE(dpi.at(0), (QVariantList{90, 90, QVariant::fromValue(uchar(1))}));
        QCOMPARE(text(row, "valueLabel"), QString("DPI : 9000"));
        // Splitting again shows the linked value on both bars.
        row.findChild<QCheckBox *>("linkBox")->click();
        QCOMPARE(bar(row, "xBar")->value(), 90);
        QCOMPARE(bar(row, "yBar")->value(), 90);
    }

    void programSetValuesEmitNothing_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("enable");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("on") << 1 << 1 << true << true;
        QTest::newRow("off") << 0 << 0 << false << false;
        QTest::newRow("255 counts as off") << 255 << 255 << false << false;
    }

    void programSetValuesEmitNothing()
    {
        QFETCH(int, link);
        QFETCH(int, enable);
        QFETCH(bool, linked);
        QFETCH(bool, enabled);
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 0);
        // Start from the opposite state so every set changes a box.
        row.setLink(linked ? 0 : 1);
        row.setEnable(enabled ? 0 : 1);
        row.setValues(70, 70);
        QSignalSpy dpi(&row, &KestSingleDPI::DPISignal);
        QSignalSpy linkSpy(&row, &KestSingleDPI::LinkSignal);
        QSignalSpy enableSpy(&row, &KestSingleDPI::EnableSignal);
        row.setLink(quint8(link));
        row.setEnable(quint8(enable));
        row.setValues(30, 60);
        row.setSensor(3325);  // 1..50: clamps the bars; the next setValues reports it
        QCOMPARE(dpi.count(), 0);
        QCOMPARE(linkSpy.count(), 0);
        QCOMPARE(enableSpy.count(), 0);
        QCOMPARE(row.findChild<QCheckBox *>("linkBox")->isChecked(), linked);
        QCOMPARE(row.findChild<QCheckBox *>("enableBox")->isChecked(), enabled);
        QCOMPARE(!bar(row, "linkedBar")->isHidden(), linked);
        QCOMPARE(bar(row, "yBar")->value(), 50);
    }

    // What the bar shows is what the page keeps and the mouse gets, for a stored value the
    // bar cannot show as well.
    void storedValueOutsideRangeReportsClamp_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("shownX");
        QTest::addColumn<int>("shownY");
        QTest::newRow("in range") << 0 << 40 << 60 << 40 << 60;
        QTest::newRow("x above") << 0 << 500 << 60 << 180 << 60;
        QTest::newRow("y below") << 0 << 40 << 0 << 40 << 1;
        QTest::newRow("linked, both above") << 1 << 300 << 300 << 180 << 180;
    }

    void storedValueOutsideRangeReportsClamp()
    {
        QFETCH(int, link);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, shownX);
        QFETCH(int, shownY);
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 2);
        row.setSensor(3360);  // 1..180
        row.setLink(quint8(link));
        QSignalSpy dpi(&row, &KestSingleDPI::DPISignal);
        row.setValues(x, y);
        if (shownX == x && shownY == y) {
            QCOMPARE(dpi.count(), 0);
        } else {
            QCOMPARE(dpi.count(), 1);
            QCOMPARE(dpi.at(0), (QVariantList{shownX, shownY, QVariant::fromValue(uchar(2))}));
        }
        QCOMPARE(bar(row, "xBar")->value(), shownX);
        QCOMPARE(bar(row, "yBar")->value(), shownY);
        QCOMPARE(text(row, "valueLabel"), QString("DPI : %1").arg(SensorValueToDpi(shownY, 3360)));
        QCOMPARE(text(row, "xLabel"), QString("X:%1").arg(SensorValueToDpi(shownX, 3360)));
    }

    // "Link XY" ticked by the user: the linked bar shows X, so Y becomes X. A stage loaded
    // as linked keeps both values.
    void linkTickMakesYEqualX()
    {
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 4);
        row.setSensor(3360);
        row.setLink(1);
        QSignalSpy dpi(&row, &KestSingleDPI::DPISignal);
        row.setValues(30, 70);
        QCOMPARE(dpi.count(), 0);
        QCOMPARE(text(row, "valueLabel"), QString("DPI : 7000"));

        row.setLink(0);
        row.setValues(40, 60);
        QCheckBox *box = row.findChild<QCheckBox *>("linkBox");
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(dpi.count(), 1);
        QCOMPARE(dpi.at(0), (QVariantList{40, 40, QVariant::fromValue(uchar(4))}));
        QCOMPARE(bar(row, "linkedBar")->value(), 40);
        QCOMPARE(text(row, "valueLabel"), QString("DPI : 4000"));
        // Unticking changes no value; ticking again with X and Y equal sends nothing new.
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(dpi.count(), 1);
        QCOMPARE(bar(row, "yBar")->value(), 40);
    }

    void userBoxesReport()
    {
        PageFixture fixture({}, {});
        KestSingleDPI row(nullptr, 6);
        row.setSensor(3389);
        row.setLink(0);
        row.setEnable(0);
        QSignalSpy linkSpy(&row, &KestSingleDPI::LinkSignal);
        QSignalSpy enableSpy(&row, &KestSingleDPI::EnableSignal);
        QTest::mouseClick(row.findChild<QCheckBox *>("linkBox"), Qt::LeftButton);
        QTest::mouseClick(row.findChild<QCheckBox *>("enableBox"), Qt::LeftButton);
        QCOMPARE(linkSpy.count(), 1);
        QCOMPARE(linkSpy.at(0), (QVariantList{QVariant::fromValue(uchar(1)), QVariant::fromValue(uchar(6))}));
        QVERIFY(!bar(row, "linkedBar")->isHidden());
        QCOMPARE(enableSpy.count(), 1);
        QCOMPARE(enableSpy.at(0), (QVariantList{QVariant::fromValue(uchar(1)), QVariant::fromValue(uchar(6))}));
        QTest::mouseClick(row.findChild<QCheckBox *>("enableBox"), Qt::LeftButton);
        QCOMPARE(enableSpy.at(1).at(0).value<uchar>(), uchar(0));
    }
};

QTEST_MAIN(DpiRowTest)
#include "tst_dpirow.moc"
