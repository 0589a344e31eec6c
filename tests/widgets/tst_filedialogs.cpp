// The file dialogs' size: grown with the scale, kept within the screen, as each dialog opens.
#include "filedialogs.h"
#include "kitfixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs look on the file dialog once it is up, then cancels it.
void WhenFileDialogOpens(const std::function<void(QFileDialog *)> &look)
{
    QTimer::singleShot(20, [look] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenFileDialogOpens(look);
            return;
        }
        look(dialog);
        dialog->reject();
    });
}

} // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
    QScopedPointer<KitFixture> m_fixture;

private slots:
    void init() { m_fixture.reset(new KitFixture); }
    void cleanup() { m_fixture.reset(); }

    void sizeForScaleAndScreen_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1, small screen") << 1.0 << QRect(0, 0, 800, 600) << QSize(760, 480);
        QTest::newRow("1, smaller screen") << 1.0 << QRect(0, 0, 780, 500) << QSize(740, 460);
        QTest::newRow("1, large screen") << 1.0 << QRect(0, 0, 1280, 1024) << QSize(760, 480);
        QTest::newRow("1.25") << 1.25 << QRect(0, 0, 1920, 1040) << QSize(950, 600);
        QTest::newRow("1.5") << 1.5 << QRect(0, 0, 1920, 1040) << QSize(1140, 720);
        QTest::newRow("2") << 2.0 << QRect(0, 0, 2560, 1560) << QSize(1520, 960);
        QTest::newRow("2, short screen") << 2.0 << QRect(0, 27, 2560, 900) << QSize(1520, 820);
        QTest::newRow("2, narrow screen") << 2.0 << QRect(1280, 0, 1280, 1024) << QSize(1200, 944);
        QTest::newRow("screen unknown") << 2.0 << QRect() << QSize(1520, 960);
    }
    void sizeForScaleAndScreen()
    {
        QFETCH(double, scale);
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QCOMPARE(FileDialogSize(scale, available), size);
    }

    // Each dialog as it opens over a window (offscreen: one screen of 800 × 600).
    void dialogsOpenAtThatSize_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        const char *const names[] = {"open", "open several", "folder", "save"};
        for (int which = 0; which < 4; ++which) {
            QTest::addRow("%s, scale 1", names[which]) << which << 1.0 << QSize(760, 480);
            QTest::addRow("%s, scale 2", names[which]) << which << 2.0 << QSize(720, 520);
        }
    }
    void dialogsOpenAtThatSize()
    {
        QFETCH(int, which);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 600));
        setScaleFactor(scale);
        QWidget window;
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSize opened;
        QRect frame;
        bool seen = false;
        WhenFileDialogOpens([&](QFileDialog *dialog) {
            seen = true;
            opened = dialog->size();
            frame = dialog->frameGeometry();
        });
        switch (which) {
        case 0: AskOpenFileName(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 1: AskOpenFileNames(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 2: AskExistingDirectory(&window, "EXPORT", m_fixture->path()); break;
        default: AskSaveFileName(&window, "EXPORT", "Copy Paste.MSMACRO", "Macro (*.MSMACRO)", "MSMACRO");
        }
        QVERIFY(seen);
        QCOMPARE(opened, size);
        QVERIFY2(QRect(0, 0, 800, 600).contains(frame), qPrintable(QString("%1,%2 %3x%4").arg(frame.x())
                                                                        .arg(frame.y()).arg(frame.width())
                                                                        .arg(frame.height())));
    }
};

QTEST_MAIN(FileDialogsTest)
#include "tst_filedialogs.moc"
