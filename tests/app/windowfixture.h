#pragma once
// A fresh installation for each test (description file, configuration folder) and the real
// main window on it, plus a watcher that answers the modal message boxes it opens.

#include "batterythread.h"
#include "configuredfont.h"
#include "kestlabel.h"
#include "kestmessagebox.h"
#include "mousesim.h"
#include "settings.h"
#include "varnelwidget.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

// Records the text of every message box that comes up and closes it with `answer`
// (1 Yes/Ok, 0 No); with closeBoxes false it only records.
class BoxWatcher : public QObject {
public:
    explicit BoxWatcher(int answer = 1, bool closeBoxes = true) : m_answer(answer), m_close(closeBoxes)
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
        m_timer.start(5);
    }
    QStringList texts;
    KestMessageBox *current = nullptr;

    static QString messageOf(KestMessageBox *box)
    {
        auto *label = box->findChild<KestLabel *>("msgBoxInfoLabel2");
        return label ? label->m_text : QString();
    }

private:
    void poll()
    {
        auto *box = qobject_cast<KestMessageBox *>(QApplication::activeModalWidget());
        if (box == current)
            return;
        current = box;
        if (!box)
            return;
        texts << messageOf(box);
        if (m_close)
            box->done(m_answer);
    }

    QTimer m_timer;
    int m_answer;
    bool m_close;
};

// A description file for the simulated mouse's IDs, in a fresh application folder.
class Installation {
public:
    static constexpr int kButtons = 7;
    static constexpr int kHiddenButton = 5;
    static constexpr int kButtonSlots[kButtons] = {0, 2, 1, 3, 5, 4, 6};
    static constexpr int kDefaultFunctions[kButtons] = {1, 2, 3, 4, 5, 4, 5};

    Installation()
    {
        SetAppDir(m_dir.path());
        QSettings description(m_dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
        description.setValue("PROFILE/ProductName", "Test Mouse");
        description.setValue("PROFILE/Version", "V1.0");
        for (int stage = 0; stage < 8; ++stage)
            description.setValue(QString("PROFILE/DPI_INFO_%1_xy").arg(stage), 32 * (stage + 1));
        // Seven buttons (the count is stored XOR MouseDpi, the DPI count XOR both), the sixth
        // not on the buttons page; kButtonSlots gives each button's slot in the mouse's table.
        description.setValue("PROFILE/MouseDpi", 8);
        description.setValue("PROFILE/ButtonCount", kButtons ^ 8);
        description.setValue("PROFILE/DPICount", kButtons ^ 8 ^ 8);
        for (int i = 0; i < kButtons; ++i) {
            const QString button = QString("PROFILE/BUTTON_INFO_%1_").arg(i);
            description.setValue(button + "Matrix", kButtonSlots[i]);
            description.setValue(button + "Matrix2", i == kHiddenButton ? 0xFF : 1);
            description.setValue(button + "Fun", kDefaultFunctions[i]);
        }
        QSettings config(m_dir.path() + "/Configs/Config.ini", QSettings::IniFormat);
        config.setValue("Mouse_List/0", "Test Mouse");
        config.setValue("MouseSenSor/1", 3325);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The installation and the window on it: plugged in (or not) before the window is built,
// so the start-up enumeration finds the receiver as the program would.
class WindowSession {
public:
    // prepare runs on the fresh installation before the window is built.
    explicit WindowSession(bool receiver = true, const std::function<void(const QString &appDir)> &prepare = {})
    {
        SubstituteMissingFonts();  // as main() does before the window
        if (prepare)
            prepare(install.path());
        BatteryThreadPauses quick;  // status reports reach the window within ~30 ms
        quick.afterQueryMs = 20;
        quick.afterReadMs = 20;
        quick.afterReadErrorMs = 20;
        SetBatteryThreadPauses(quick);
        if (receiver)
            SimPlugReceiver();
        // The plug's own announcement must not reach the window as a later hot-plug.
        QCoreApplication::sendPostedEvents();
        window = std::make_unique<VarnelWidget>();
        window->m_bQuitWhenHidden = false;  // the offscreen desktop has no tray
    }
    ~WindowSession()
    {
        window.reset();
        SimReset();
        QCoreApplication::sendPostedEvents();  // the unplug announcements, to nobody
    }
    VarnelWidget *operator->() const { return window.get(); }

    Installation install;  // first: the window reads it while it is built
    std::unique_ptr<VarnelWidget> window;
};
