// The busy dialog of a write job: closed by the job's end signal from a real worker thread,
// also when that arrives before the modal loop; never by Escape or a close while the job runs.
#include "kestprocessdialog.h"
#include "kitfixture.h"
#include "translucency.h"

#include <QMovie>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>

namespace {

// A worker like the write job: it signals its end, or (silent) just returns.
class Job : public QThread {
    Q_OBJECT
public:
    explicit Job(bool signalEnd) : m_signalEnd(signalEnd) {}
    std::atomic<bool> ran{false};

signals:
    void DoProcessDlg();

protected:
    void run() override
    {
        ran = true;
        if (m_signalEnd)
            emit DoProcessDlg();
    }

private:
    bool m_signalEnd;
};

int runDialog(KestProcessDialog &dialog, const std::function<void()> &action = {})
{
    if (action)
        QTimer::singleShot(0, &dialog, action);
    QTimer::singleShot(10000, &dialog, [&dialog] { dialog.done(-1); });  // a fault fails, never hangs
    return dialog.exec();
}

} // namespace

class TestKitProcessDialog : public QObject {
    Q_OBJECT
private:
    QScopedPointer<KitFixture> m_fixture;

private slots:
    void init() { m_fixture.reset(new KitFixture); }

    void closesWhenTheWorkerEnds()
    {
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        Job job(true);
        connect(&job, &Job::DoProcessDlg, &dialog, &KestProcessDialog::slotProcessDlg);
        job.start();
        QCOMPARE(runDialog(dialog), 1);
        job.wait();
        QVERIFY(job.ran);
    }

    void endSignalBeforeTheLoopStillCloses()
    {
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        dialog.slotProcessDlg();
        QCOMPARE(runDialog(dialog), 1);
    }

    void escapeAndCloseAreRefusedWhileTheJobRuns()
    {
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        bool upAfterEscape = false, upAfterClose = false;
        const int result = runDialog(dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            upAfterEscape = dialog.isVisible();
            dialog.close();  // what the window manager's close does
            upAfterClose = dialog.isVisible();
            dialog.slotProcessDlg();
        });
        QVERIFY(upAfterEscape);
        QVERIFY(upAfterClose);
        QCOMPARE(result, 1);
    }

    void watchedWorkerThatEndsSilentlyClosesTheDialog()
    {
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        Job job(false);
        dialog.watchJob(&job);
        job.start();
        QCOMPARE(runDialog(dialog), 1);
        job.wait();
    }

    void placedOnTheWindowCentre()
    {
        QWidget window;
        window.setGeometry(100, 100, 1000, 640);
        KestProcessDialog dialog(&window, nullptr, Qt::WindowFlags());
        QCOMPARE(dialog.pos(), QPoint(536, 356));
        QCOMPARE(dialog.size(), QSize(128, 128));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    }

    // Without a compositor a translucent window shows black where it is transparent: the
    // dialog then paints its background and takes the animation's round shape.
    void backgroundWhereTranslucencyIsMissing_data()
    {
        QTest::addColumn<bool>("translucent");
        QTest::newRow("compositor") << true;
        QTest::newRow("no compositor") << false;
    }

    void backgroundWhereTranslucencyIsMissing()
    {
        QFETCH(bool, translucent);
        SetTranslucentWindowsSupportedForTesting(translucent);
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        SetTranslucentWindowsSupportedForTesting(std::nullopt);
        QCOMPARE(dialog.testAttribute(Qt::WA_TranslucentBackground), translucent);
        if (translucent) {
            QVERIFY(dialog.mask().isEmpty());
            QCOMPARE(dialog.grab().toImage().pixelColor(0, 0).alpha(), 0);
            return;
        }
        QVERIFY(dialog.mask().contains(QPoint(64, 64)));
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        dialog.clearMask();  // what would show of the background without the shape
        QCOMPARE(dialog.grab().toImage().pixelColor(0, 0), KestProcessDialog::kOpaqueBackground);
    }

    void animationComesFromTheResources()
    {
        KestProcessDialog dialog(nullptr, nullptr, Qt::WindowFlags());
        QVERIFY(dialog.movie()->isValid());
        QCOMPARE(dialog.movie()->frameRect().size(), QSize(128, 128));
        QVERIFY(dialog.movie()->frameCount() > 1);
    }
};

QTEST_MAIN(TestKitProcessDialog)
#include "tst_kitprocessdialog.moc"
