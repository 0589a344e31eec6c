// The profile's pointer speed applied to the desktop: without a display, and on a real
// X server (a private Xvfb) where the speed becomes the server's pointer acceleration.
#include "pointerspeed.h"
#include "records.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class PointerSpeedTest : public QObject {
    Q_OBJECT
    QProcess m_xvfb;
    QByteArray m_display;

    void useDisplay(bool on)
    {
        if (on)
            qputenv("DISPLAY", m_display);
        else
            qunsetenv("DISPLAY");
    }

    static void setCurrentSpeed(int speed)
    {
        g_deviceConfig.ProfileID = 3;
        g_deviceConfig.profiles[3].mousespeed = quint8(speed);
    }

private slots:
    void initTestCase()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            return;
        // -displayfd: the server picks a free display and prints its number when ready;
        // -noreset: it would drop the pointer settings when our connection closes.
        m_xvfb.start(xvfb, {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
        if (!m_xvfb.waitForStarted(5000))
            return;
        QElapsedTimer timer;
        timer.start();
        while (!m_xvfb.canReadLine() && timer.elapsed() < 10000)
            m_xvfb.waitForReadyRead(200);
        const QByteArray number = m_xvfb.readLine().trimmed();
        if (!number.isEmpty())
            m_display = ":" + number;
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(5000);
        }
    }

    void applyAndRead_data()
    {
        QTest::addColumn<bool>("display");
        QTest::newRow("no display") << false;
        QTest::newRow("X server") << true;
    }
    void applyAndRead()
    {
        QFETCH(bool, display);
        if (display && m_display.isEmpty())
            QSKIP("no Xvfb to run an X server");
        useDisplay(display);
        for (int speed : {15, 1, 20, 10, 7}) {
            setCurrentSpeed(speed);
            ApplyPointerSpeed();
            QCOMPARE(GetPointerSpeed(), speed);
        }
    }

    // A stored speed outside 1-20 is refused and logged; the desktop keeps its speed.
    void outOfRangeIsRefused_data() { applyAndRead_data(); }
    void outOfRangeIsRefused()
    {
        QFETCH(bool, display);
        if (display && m_display.isEmpty())
            QSKIP("no Xvfb to run an X server");
        useDisplay(display);
        setCurrentSpeed(12);
        ApplyPointerSpeed();
        for (int speed : {0, 21, 255}) {
            setCurrentSpeed(speed);
            QTest::ignoreMessage(QtDebugMsg, "Error in SystemParametersInfo :22");
            ApplyPointerSpeed();
            QCOMPARE(GetPointerSpeed(), 12);
        }
    }

    // An index read from a file must not pick a record outside the five profiles.
    void currentProfileOutOfRange()
    {
        useDisplay(false);
        g_deviceConfig.ProfileID = 9;
        g_deviceConfig.profiles[4].mousespeed = 6;
        ApplyPointerSpeed();
        QCOMPARE(GetPointerSpeed(), 6);
    }

    void speedOfAFreshServerIsOnTheScale()
    {
        if (m_display.isEmpty())
            QSKIP("no Xvfb to run an X server");
        useDisplay(true);
        const int speed = GetPointerSpeed();
        QVERIFY(speed >= 1 && speed <= 20);
    }
};

QTEST_GUILESS_MAIN(PointerSpeedTest)
#include "tst_pointerspeed.moc"
