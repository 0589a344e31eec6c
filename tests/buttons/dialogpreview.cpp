// dialog-preview: the button-assignment dialogs on the program's own folder (skin and
// sample device beside the executable), for looking at them and trying them by hand.
//   dialog-preview shots DIR   writes dialog-<name>.png of each dialog into DIR (the gun-set
//                              dialog also at scales 1.5 and 2)
//   dialog-preview single-key  runs the single-key dialog and prints every key it shows
#include "kestcombokeywindow.h"
#include "kestfirekeywindow.h"
#include "kestgunsetdialog.h"
#include "kestmacroselect.h"
#include "kestpushbutton.h"
#include "kestsinglekeywindow.h"
#include "kestsniperwindow.h"
#include "macrofiles.h"
#include "scale.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// A key press and release as the capture sees them, by Linux key code.
void tap(QWidget *dialog, int evdev)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, quint32(evdev + 8), 0, 0);
        QCoreApplication::sendEvent(dialog->windowHandle(), &event);
    }
}

bool shoot(QDialog *dialog, const QString &dir, const char *name)
{
    dialog->show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const QString path = QDir(dir).filePath(QString("dialog-%1.png").arg(name));
    const bool saved = dialog->grab().save(path);
    std::printf("%s %s\n", qPrintable(path), saved ? "written" : "FAILED");
    dialog->hide();
    return saved;
}

int shots(const QString &dir)
{
    bool ok = true;
    {
        KestSingleKeyWindow dialog(nullptr);
        tap(&dialog, 72);  // keypad 8
        ok &= shoot(&dialog, dir, "single-key");
    }
    {
        KestComboKeyWindow dialog(nullptr);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 29 + 8, 0, 0);
        QCoreApplication::sendEvent(dialog.windowHandle(), &press);
        tap(&dialog, 30);  // A under left Ctrl
        ok &= shoot(&dialog, dir, "combo-key");
    }
    {
        KestFireKeyWindow dialog(nullptr);
        ButtonInfo entry;
        entry.Res1 = 62;  // F5's HID usage
        entry.LoopNumber = 5;
        entry.KeyNumber = 30;
        dialog.SetFireKey(&entry);
        ok &= shoot(&dialog, dir, "fire-key");
    }
    {
        const QString first = ReadMacroList().value(0);
        KestMacroSelect dialog(QString(), QObject::tr("MACRO SELECT"), first, 1, 0, nullptr, Qt::FramelessWindowHint);
        ok &= shoot(&dialog, dir, "macro-select");
    }
    {
        KestSniperWindow dialog(nullptr);
        ok &= shoot(&dialog, dir, "sniper");
    }
    {
        KestGunsetDialog dialog(nullptr, 1.0, Qt::FramelessWindowHint);
        dialog.fileNameEdit->setText("Recoil");
        ok &= shoot(&dialog, dir, "gun-set");
    }
    // At the larger scales, with the name field empty as it opens.
    for (const double scale : {1.5, 2.0}) {
        setScaleFactor(scale);
        KestGunsetDialog dialog(nullptr, scale, Qt::FramelessWindowHint);
        ok &= shoot(&dialog, dir, qPrintable(QString("gun-set-%1").arg(scale)));
        setScaleFactor(1.0);
    }
    return ok ? 0 : 1;
}

int singleKey()
{
    KestSingleKeyWindow dialog(nullptr);
    auto *display = dialog.findChild<KestPushButton *>("keyDisplay");
    QString last;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (display->buttonText() != last) {
            last = display->buttonText();
            std::printf("%s\n", qPrintable(last));
            std::fflush(stdout);
        }
    });
    poll.start(20);
    std::printf("ready\n");
    std::fflush(stdout);
    return dialog.exec() == QDialog::Accepted ? 0 : 2;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == "shots")
        return shots(args.at(2));
    if (args.size() == 2 && args.at(1) == "single-key")
        return singleKey();
    std::fprintf(stderr, "usage: dialog-preview shots DIR | single-key\n");
    return 64;
}
