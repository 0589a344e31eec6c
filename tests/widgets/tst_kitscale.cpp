// The scale factor's geometry helpers: every coordinate truncated on its own.
#include "scale.h"

#include <QWidget>
#include <QtTest>

class TestKitScale : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setScaleFactor(1.0); }

    void scaledGeometryTruncates_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QRect>("base");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1.0 unchanged") << 1.0 << QRect(75, 33, 19, 19) << QRect(75, 33, 19, 19);
        QTest::newRow("1.25 close button") << 1.25 << QRect(924, 33, 19, 19) << QRect(1155, 41, 23, 23);
        QTest::newRow("1.25 small") << 1.25 << QRect(75, 33, 19, 19) << QRect(93, 41, 23, 23);
        // 75 × 1.25 = 93.75: truncated, never rounded up.
        QTest::newRow("1.25 width 75") << 1.25 << QRect(1, 1, 75, 75) << QRect(1, 1, 93, 93);
        QTest::newRow("2.0 doubles") << 2.0 << QRect(69, 90, 154, 29) << QRect(138, 180, 308, 58);
        QTest::newRow("1.75 width 1") << 1.75 << QRect(3, 3, 1, 1) << QRect(5, 5, 1, 1);
    }
    void scaledGeometryTruncates()
    {
        QFETCH(double, factor);
        QFETCH(QRect, base);
        QFETCH(QRect, expected);
        QWidget widget;
        setScaledGeometry(&widget, factor, base.x(), base.y(), base.width(), base.height());
        QCOMPARE(widget.geometry(), expected);
        QCOMPARE(getScaleFactor(), factor);  // the call also stores its factor
    }

    // Each product is truncated separately: right = trunc(x·f) + trunc(w·f) - 1, not trunc((x+w)·f) - 1.
    void edgesAreTruncatedSeparately()
    {
        QWidget widget;
        setScaledGeometry(&widget, 1.25, 3, 3, 3, 3);  // 3.75 and 3.75
        QCOMPARE(widget.geometry(), QRect(3, 3, 3, 3));
    }

    void zeroSizeCollapsesOrKeepsFixedSize()
    {
        QWidget plain;
        setScaledGeometry(&plain, 1.75, 100, 100, 0, 0);
        QCOMPARE(plain.geometry(), QRect(175, 175, 0, 0));
        QWidget fixed;
        fixed.setFixedSize(40, 20);
        setScaledGeometry(&fixed, 1.5, 10, 20, 0, 0);
        QCOMPARE(fixed.geometry(), QRect(15, 30, 40, 20));
    }

    void scaleWidgetGeometryIsNotIdempotent()
    {
        setScaleFactor(1.0);
        QWidget widget;
        widget.setGeometry(10, 20, 30, 41);
        scaleWidgetGeometry(&widget, 1.25);
        QCOMPARE(widget.geometry(), QRect(12, 25, 37, 51));
        scaleWidgetGeometry(&widget, 1.25);
        QCOMPARE(widget.geometry(), QRect(15, 31, 46, 63));
        QCOMPARE(getScaleFactor(), 1.0);  // untouched
    }
};

QTEST_MAIN(TestKitScale)
#include "tst_kitscale.moc"
