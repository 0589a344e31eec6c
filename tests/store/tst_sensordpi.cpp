// Sensor register value to DPI, per sensor family, with the round-number fix-ups.
#include "sensordpi.h"

#include <QtTest>
#include <limits>

class SensorDpiTest : public QObject {
    Q_OBJECT

private slots:
    void sensorValueToDpi_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3325 v50") << 3325 << 50 << 5000;
        QTest::newRow("3325 v51") << 3325 << 51 << 5200;
        QTest::newRow("3325 v75") << 3325 << 75 << 10000;
        QTest::newRow("3325 v76") << 3325 << 76 << 10400;
        QTest::newRow("33252 v76") << 33252 << 76 << 10400;
        QTest::newRow("3327 v61") << 3327 << 61 << 6200;
        QTest::newRow("3327 v62") << 3327 << 62 << 6400;
        QTest::newRow("3327 v92") << 3327 << 92 << 12400;
        QTest::newRow("3327 v93") << 3327 << 93 << 12600;
        QTest::newRow("3327 v105") << 3327 << 105 << 16200;
        QTest::newRow("3327 v106 fix-up") << 3327 << 106 << 16400;
        QTest::newRow("3327 v107") << 3327 << 107 << 16800;
        QTest::newRow("3311 v120") << 3311 << 120 << 12000;
        QTest::newRow("3311 v121") << 3311 << 121 << 12200;
        QTest::newRow("3360 v121") << 3360 << 121 << 12200;
        QTest::newRow("33112 v1") << 33112 << 1 << 100;
        QTest::newRow("3333 v80") << 3333 << 80 << 8000;
        QTest::newRow("3333 v81") << 3333 << 81 << 8200;
        QTest::newRow("3335 v160") << 3335 << 160 << 16000;
        QTest::newRow("33352 v161") << 33352 << 161 << 16200;
        QTest::newRow("3370 v200") << 3370 << 200 << 10000;
        QTest::newRow("3370 v201") << 3370 << 201 << 10100;
        QTest::newRow("3389 v320") << 3389 << 320 << 16000;
        QTest::newRow("3389 v321") << 3389 << 321 << 16100;
        QTest::newRow("3395 v519") << 3395 << 519 << 26000;
        QTest::newRow("3395 v520") << 3395 << 520 << 26100;
        QTest::newRow("33952 v0") << 33952 << 0 << 50;
        QTest::newRow("3399 v399") << 3399 << 399 << 20000;
        QTest::newRow("3399 v400") << 3399 << 400 << 20100;
        QTest::newRow("3104 v13") << 3104 << 13 << 520;
        QTest::newRow("3104 v14 fix-up") << 3104 << 14 << 500;
        QTest::newRow("3104 v106") << 3104 << 106 << 4240;
        QTest::newRow("3104 v107") << 3104 << 107 << 4320;
        QTest::newRow("31042 v14") << 31042 << 14 << 500;
        QTest::newRow("3212 v1 cut") << 3212 << 1 << 30;
        QTest::newRow("3212 v21 fix-up") << 3212 << 21 << 800;
        QTest::newRow("3212 v32 fix-up") << 3212 << 32 << 1200;
        QTest::newRow("3212 v43 fix-up") << 3212 << 43 << 1600;
        QTest::newRow("3212 v62") << 3212 << 62 << 2350;
        QTest::newRow("3212 v63 fix-up") << 3212 << 63 << 2400;
        QTest::newRow("3212 v64") << 3212 << 64 << 2430;
        QTest::newRow("3212 v94") << 3212 << 94 << 4710;
        QTest::newRow("3212 v95") << 3212 << 95 << 4860;
        QTest::newRow("3212 v111 fix-up") << 3212 << 111 << 7200;
        QTest::newRow("3212 v112") << 3212 << 112 << 7440;
        QTest::newRow("sensor 0") << 0 << 50 << 0;
        QTest::newRow("sensor 0 v0") << 0 << 0 << 0;
        QTest::newRow("unknown sensor") << 3326 << 50 << 0;
        QTest::newRow("3325 huge value saturates") << 3325 << std::numeric_limits<int>::max()
                                                  << std::numeric_limits<int>::max();
    }

    void sensorValueToDpi()
    {
        QFETCH(int, sensor);
        QFETCH(int, value);
        QFETCH(int, dpi);
        QCOMPARE(SensorValueToDpi(value, sensor), dpi);
    }

    void isNear_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("near");
        QTest::newRow("100 109") << 100 << 109 << true;
        QTest::newRow("109 100") << 109 << 100 << true;
        QTest::newRow("100 110") << 100 << 110 << false;
        QTest::newRow("110 100") << 110 << 100 << false;
        QTest::newRow("equal") << 5 << 5 << true;
        QTest::newRow("max edge") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() - 9 << true;
        QTest::newRow("min edge") << std::numeric_limits<int>::min() << std::numeric_limits<int>::min() + 10 << false;
    }

    void isNear()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, near);
        QCOMPARE(IsNear(a, b), near);
    }
};

QTEST_APPLESS_MAIN(SensorDpiTest)
#include "tst_sensordpi.moc"
