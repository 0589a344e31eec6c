// The profile's pointer speed applied to the desktop: without a display, on a real X server
// (a private Xvfb) where the speed becomes the server's pointer acceleration, and on a GNOME
// Wayland session, where it becomes GNOME's setting (a private keyfile settings backend).
#include "pointerspeed.h"
#include "pointerspeedhost.h"
#include "records.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class PointerSpeedTest : public QObject {
    Q_OBJECT
    QProcess m_xvfb;
    QByteArray m_display;
    QTemporaryDir m_configHome;  // the keyfile backend's settings live here
    bool m_haveGnomeSchema = false;

    // "none", "X server", "GNOME Wayland" or "KDE Wayland"; false when it cannot be had here.
    bool useDesktop(const QString &desktop)
    {
        qunsetenv("DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
        qunsetenv("XDG_CURRENT_DESKTOP");
        if (desktop == "X server") {
            if (m_display.isEmpty())
                return false;
            qputenv("DISPLAY", m_display);
        } else if (desktop.endsWith("Wayland")) {
            qputenv("XDG_SESSION_TYPE", "wayland");
            qputenv("XDG_CURRENT_DESKTOP", desktop == "GNOME Wayland" ? "ubuntu:GNOME" : "KDE");
            return m_haveGnomeSchema;
        }
        return true;
    }

    static QByteArray gnomeSetting()
    {
        QProcess gsettings;
        gsettings.start("gsettings", {"get", "org.gnome.desktop.peripherals.mouse", "speed"});
        gsettings.waitForFinished();
        return gsettings.readAllStandardOutput().trimmed();
    }

    static void setCurrentSpeed(int speed)
    {
        g_deviceConfig.ProfileID = 3;
        g_deviceConfig.profiles[3].mousespeed = quint8(speed);
    }

private slots:
    void initTestCase()
    {
        // The failure line the X11 case waits for is a debug line of the device's category.
        QLoggingCategory::setFilterRules("veskaro.device.debug=true");
        // Never the desktop settings of whoever runs the tests.
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", m_configHome.path().toLocal8Bit());
        m_haveGnomeSchema = !QStandardPaths::findExecutable("gsettings").isEmpty() && !gnomeSetting().isEmpty();

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
        QTest::addColumn<QString>("desktop");
        QTest::newRow("no display") << "none";
        QTest::newRow("X server") << "X server";
        QTest::newRow("GNOME Wayland") << "GNOME Wayland";
    }
    void applyAndRead()
    {
        QFETCH(QString, desktop);
        if (!useDesktop(desktop))
            QSKIP("no Xvfb, or no gsettings with GNOME's schema (scripts/setup installs them)");
        for (int speed : {15, 1, 20, 10, 7}) {
            setCurrentSpeed(speed);
            ApplyPointerSpeed();
            QCOMPARE(GetPointerSpeed(), speed);
        }
        if (desktop == "GNOME Wayland")
            QCOMPARE(gnomeSetting().toDouble(), -1.0 / 3);
    }

    // A stored speed outside 1-20 is refused and logged; the desktop keeps its speed.
    void outOfRangeIsRefused_data() { applyAndRead_data(); }
    void outOfRangeIsRefused()
    {
        QFETCH(QString, desktop);
        if (!useDesktop(desktop))
            QSKIP("no Xvfb, or no gsettings with GNOME's schema (scripts/setup installs them)");
        setCurrentSpeed(12);
        ApplyPointerSpeed();
        for (int speed : {0, 21, 255}) {
            setCurrentSpeed(speed);
            QTest::ignoreMessage(QtDebugMsg, "Error in SystemParametersInfo :22");
            ApplyPointerSpeed();
            QCOMPARE(GetPointerSpeed(), 12);
        }
    }

    // GNOME's setting only on a GNOME Wayland session: another Wayland desktop leaves it alone.
    void otherWaylandDesktopKeepsGnomeSetting()
    {
        if (!useDesktop("GNOME Wayland"))
            QSKIP("no gsettings with GNOME's schema (scripts/setup installs it)");
        setCurrentSpeed(20);
        ApplyPointerSpeed();
        useDesktop("KDE Wayland");
        setCurrentSpeed(4);
        ApplyPointerSpeed();
        QCOMPARE(GetPointerSpeed(), 4);
        QCOMPARE(gnomeSetting(), QByteArray("1.0"));
    }

    void gnomeScale_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("speed");
        QTest::newRow("slowest") << -1.0 << 1;
        QTest::newRow("default") << 0.0 << 10;
        QTest::newRow("fastest") << 1.0 << 20;
        QTest::newRow("half a step, slow side") << -0.5 << 5;  // 4.5 steps below: away from the default
        QTest::newRow("between steps, fast side") << 0.26 << 13;
        QTest::newRow("beyond the range") << 3.0 << 20;
        QTest::newRow("not a number") << qQNaN() << 10;
    }
    void gnomeScale()
    {
        QFETCH(double, value);
        QFETCH(int, speed);
        QCOMPARE(PointerSpeedFromGnomeSpeed(value), speed);
        for (int s = kPointerSpeedMin; s <= kPointerSpeedMax; ++s)
            QCOMPARE(PointerSpeedFromGnomeSpeed(GnomeSpeedFromPointerSpeed(s)), s);
        QCOMPARE(GnomeSpeedFromPointerSpeed(15), 0.5);
        QCOMPARE(GnomeSpeedFromPointerSpeed(1), -1.0);
    }

    // An index read from a file must not pick a record outside the five profiles.
    void currentProfileOutOfRange()
    {
        useDesktop("none");
        g_deviceConfig.ProfileID = 9;
        g_deviceConfig.profiles[4].mousespeed = 6;
        ApplyPointerSpeed();
        QCOMPARE(GetPointerSpeed(), 6);
    }

    void speedOfAFreshServerIsOnTheScale()
    {
        if (!useDesktop("X server"))
            QSKIP("no Xvfb to run an X server");
        const int speed = GetPointerSpeed();
        QVERIFY(speed >= 1 && speed <= 20);
    }
};

QTEST_GUILESS_MAIN(PointerSpeedTest)
#include "tst_pointerspeed.moc"
