// The main window's layout, scale steps, connection icons, battery display and OSD record,
// on the real window with the simulated receiver present.
#include "windowfixture.h"

#include "devicetable.h"
#include "kestdpiwindow.h"
#include "kestprocessbar.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "osdlink.h"
#include "windowhelpers.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <QtTest>

// Stands in for the browser and every other handler of QDesktopServices::openUrl.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class WindowLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> m_session;
    VarnelWidget *m_window = nullptr;

private slots:
    void init()
    {
        m_session = std::make_unique<WindowSession>();
        m_window = m_session->window.get();
    }
    void cleanup() { m_session.reset(); }

    void scaleSteps_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("index");
        QTest::newRow("96") << 96.0 << 0;
        QTest::newRow("just below 1.1") << 105.5 << 0;
        QTest::newRow("1.25") << 120.0 << 1;
        QTest::newRow("144") << 144.0 << 2;
        QTest::newRow("192") << 192.0 << 4;
        QTest::newRow("4.8 and above") << 480.0 << 16;
    }
    void scaleSteps()
    {
        QFETCH(double, dpi);
        QFETCH(int, index);
        QCOMPARE(ScaleIndexForRatio(dpi / 96.0), index);
    }

    void windowSize()
    {
        QCOMPARE(m_window->size(), QSize(999, 640));
        QCOMPARE(m_window->minimumSize(), QSize(999, 640));
        QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    }

    void placedControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("close") << "close" << QRect(924, 33, 19, 19);
        QTest::newRow("apply") << "apply" << QRect(597, 588, 76, 30);
        QTest::newRow("reset all") << "resetAll" << QRect(308, 588, 128, 30);
        QTest::newRow("tab 3") << "tab3" << QRect(69, 192, 154, 29);
        QTest::newRow("battery bar") << "battery" << QRect(75, 587, 71, 34);
        QTest::newRow("dpi page") << "dpiPage" << QRect(285, 90, 456, 460);
        QTest::newRow("report-rate page") << "ratePage" << QRect(746, 90, 229, 90);
        QTest::newRow("version") << "version" << QRect(757, 594, 190, 20);
    }
    void placedControls()
    {
        QFETCH(QString, control);
        QFETCH(QRect, rect);
        const QMap<QString, QWidget *> controls = {
            {"close", m_window->m_pCloseButton},      {"apply", m_window->m_pApplyButton},
            {"resetAll", m_window->m_pResetAllButton}, {"tab3", m_window->m_pTabButtons[3]},
            {"battery", m_window->m_pBatteryBar},      {"dpiPage", m_window->m_pDPIWindow},
            {"ratePage", m_window->m_pReportRate}, {"version", m_window->m_pVersionLabel}};
        QCOMPARE(controls.value(control)->geometry(), rect);
    }

    // They exist and keep their texts, but take no room.
    void collapsedControls()
    {
        VarnelWidget &w = *m_window;
        const QList<QWidget *> collapsed = {w.m_pAddButton, w.m_pDeleteButton, w.m_pImportButton, w.m_pExportButton,
                                            w.m_pCopyButton, w.m_pResetButton, w.m_pOkButton, w.m_pCancelButton,
                                            w.m_pSlotButton, w.m_pFirmwareButton, w.m_profileNameEdit,
                                            w.m_pProfileButton, w.m_pNameLabel, w.m_pProfileSlotButtons[4],
                                            w.m_pFrontMarks[0], w.m_pWheelUpMark, w.m_pFrontViewButton};
        for (QWidget *widget : collapsed)
            QCOMPARE(widget->size(), QSize(0, 0));
        QCOMPARE(w.m_pOkButton->toolTip(), QString("OK"));
        QCOMPARE(w.m_pAddButton->pos(), QPoint(69, 504));
    }

    void pageTabsSwitchPages()
    {
        m_window->show();
        QTest::mouseClick(m_window->m_pTabButtons[2], Qt::LeftButton);
        QVERIFY(m_window->m_pDPIWindow->isVisible());
        QVERIFY(!m_window->m_pFrontImage->isVisible());
        QTest::mouseClick(m_window->m_pTabButtons[0], Qt::LeftButton);
        QVERIFY(!m_window->m_pDPIWindow->isVisible());
        QVERIFY(m_window->m_pFrontImage->isVisible());
    }

    void connectionIcons_data()
    {
        QTest::addColumn<int>("receiverCommand");  // found B
        QTest::addColumn<int>("cableCommand");     // found D
        QTest::addColumn<int>("charging");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("dongleIcon");
        QTest::addColumn<bool>("batteryBar");
        QTest::newRow("both") << 1 << 1 << 0 << 1 << true << false;
        QTest::newRow("cable only") << 0 << 1 << 0 << 0 << false << false;
        QTest::newRow("receiver, charging") << 1 << 0 << 1 << 1 << true << false;
        QTest::newRow("receiver") << 1 << 0 << 0 << 2 << true << true;
        QTest::newRow("none") << 0 << 0 << 0 << 3 << false << true;
    }
    void connectionIcons()
    {
        QFETCH(int, receiverCommand);
        QFETCH(int, cableCommand);
        QFETCH(int, charging);
        QFETCH(int, state);
        QFETCH(bool, dongleIcon);
        QFETCH(bool, batteryBar);
        g_deviceTable.entries[0].foundB = receiverCommand;
        g_deviceTable.entries[0].foundD = cableCommand;
        m_window->m_charging = quint8(charging);
        m_window->updateConnectionIcons();
        QCOMPARE(m_window->m_iConnectionState, state);
        QCOMPARE(!m_window->m_pDongleIcon->isHidden(), dongleIcon);
        QCOMPARE(!m_window->m_pBatteryBar->isHidden(), batteryBar);
        QVERIFY(m_window->m_pChargeIcon->isHidden());
    }

    void batteryLevels_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("level");
        QTest::newRow("4203 mV") << 1019 << 100;
        QTest::newRow("4199 mV") << 1018 << 90;
        QTest::newRow("4000 mV") << 970 << 80;
        QTest::newRow("3502 mV") << 849 << 40;
        QTest::newRow("3201 mV") << 776 << 20;
        QTest::newRow("below 3200 mV") << 775 << 10;
    }
    void batteryLevels()
    {
        QFETCH(int, raw);
        QFETCH(int, level);
        m_window->slotRefreshBatteryStatus(0, quint8(raw & 0xFF), quint8(raw >> 8));
        QCOMPARE(m_window->m_pBatteryBar->value(), level);
        QCOMPARE(GetBattery(), level);
        QCOMPARE(g_deviceAsleep, quint8(0));
    }

    void batteryFromSimulatedMouse()
    {
        SimSetBattery(849, false);  // 3502 mV
        SimSendBattery();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->m_pBatteryBar->value(), 40, 5000);
        SimSetBattery(1019, false);  // 4203 mV
        SimSendBattery();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->m_pBatteryBar->value(), 100, 5000);
    }

    void sleepingMouseGreysBar()
    {
        m_window->slotRefreshBatteryStatus(1, 0xFF, 0x03);
        QCOMPARE(g_deviceAsleep, quint8(0));
        m_window->slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(g_deviceAsleep, quint8(1));
        QVERIFY(m_window->m_pChargeIcon->isHidden());
        QVERIFY(!m_window->m_pBatteryBar->isTextVisible());
        QVERIFY(m_window->m_pBatteryBar->styleSheet().contains("rgb(100,100,100)"));
    }

    // The start-up style names the timeline; the battery reports' styles keep to their rules.
    void batteryBarStyles()
    {
        const QString timeline = "QProgressBar{border:none; background-color: #FFFFFF; border-radius:2px;"
                                 " -qproperty-timeline-duration: 20000}";
        QVERIFY(BatteryBarStyle(Qt::red, 16, false, true).startsWith(timeline));
        QVERIFY(!BatteryBarStyle(Qt::red, 14, false).contains("timeline"));
        QVERIFY(!BatteryBarStyle(Qt::red, 14, true).contains("timeline"));
        QVERIFY(BatteryBarStyle(Qt::red, 14, false).startsWith("QProgressBar{border:none; background-color: #FFFFFF;"
                                                              " border-radius:2px}"));
    }

    // A press on the version label opens its text only when that is a web address.
    void versionLabelOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opened");
        QTest::newRow("version") << "VESKARO M7  V1.0.3" << false;
        QTest::newRow("https") << "https://example.com/support" << true;
        QTest::newRow("http") << " http://example.com " << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("mail") << "mailto:someone@example.com" << false;
        QTest::newRow("ftp") << "ftp://example.com/" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("no host") << "https://" << false;
    }
    void versionLabelOpensOnlyWebAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, opened);
        UrlRecorder recorder;
        const QStringList schemes = {"", "http", "https", "file", "mailto", "ftp", "javascript"};
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        m_window->m_pVersionLabel->m_text = text;
        QTest::mouseClick(m_window->m_pVersionLabel, Qt::LeftButton);
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(recorder.opened.size(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(recorder.opened.at(0), QUrl(text.trimmed()));
    }

    void osdRecordLayout()
    {
        const QString longText(300, QChar('x'));
        const QByteArray record = BuildOsdTextRecord(longText, 0x11, 0x22, 0x33);
        QCOMPARE(record.size(), kOsdRecordSize);
        const uchar *bytes = reinterpret_cast<const uchar *>(record.constData());
        QCOMPARE(qFromLittleEndian<quint16>(bytes + 2 * 254), quint16('x'));
        QCOMPARE(qFromLittleEndian<quint16>(bytes + 2 * 255), quint16(0));  // cut to 255 characters
        QCOMPARE(qFromLittleEndian<quint32>(bytes + 516), 1500u);
        QCOMPARE(qFromLittleEndian<quint32>(bytes + 524), 0x332211u);
        QCOMPARE(qFromLittleEndian<quint32>(bytes + 528), 60u);
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(record.constData() + 532)), QString("Arial"));
    }

    // The OSD listens on a socket named after its window title; one record per text.
    void osdReceivesStatusText()
    {
        QLocalServer::removeServer(kOsdWindowTitle);
        QLocalServer server;
        QVERIFY(server.listen(kOsdWindowTitle));
        m_window->slotRefreshRate(2);
        QVERIFY(server.waitForNewConnection(2000));
        QLocalSocket *client = server.nextPendingConnection();
        while (client->bytesAvailable() < kOsdRecordSize && client->waitForReadyRead(2000)) {
        }
        const QByteArray record = client->readAll();
        QCOMPARE(record.size(), kOsdRecordSize);
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(record.constData())), QString("500 HZ"));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
