#include "filedialogs.h"

#include "scale.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Room at 96 dpi for the sidebar, the folder's columns and the filter; Qt's own default
// size is made for that and cuts them at a larger scale.
constexpr int kDialogWidth = 760;
constexpr int kDialogHeight = 480;
// Left free of the screen's available area for the window frame the desktop adds.
constexpr int kFrameRoom = 40;

// The top-level window carries no page's look (the window itself only drops focus outlines).
QWidget *host(QWidget *asker)
{
    return asker ? asker->window() : nullptr;
}

QStringList run(QFileDialog &dialog, QWidget *asker)
{
    const QWidget *window = host(asker);
    const QScreen *screen = window ? window->screen() : QGuiApplication::primaryScreen();
    dialog.resize(FileDialogSize(getScaleFactor(), screen ? screen->availableGeometry() : QRect()));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

QSize FileDialogSize(double scale, const QRect &available)
{
    const QSize size(scaled(kDialogWidth, scale), scaled(kDialogHeight, scale));
    if (available.isEmpty())
        return size;
    const int frame = scaled(kFrameRoom, scale);
    return size.boundedTo(available.size() - QSize(frame, frame));
}

QString AskOpenFileName(QWidget *asker, const QString &caption, const QString &filter)
{
    QFileDialog dialog(host(asker), caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, asker).value(0);
}

QStringList AskOpenFileNames(QWidget *asker, const QString &caption, const QString &filter)
{
    QFileDialog dialog(host(asker), caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return run(dialog, asker);
}

QString AskExistingDirectory(QWidget *asker, const QString &caption, const QString &directory)
{
    QFileDialog dialog(host(asker), caption, directory);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return run(dialog, asker).value(0);
}

QString AskSaveFileName(QWidget *asker, const QString &caption, const QString &name, const QString &filter,
                        const QString &suffix)
{
    QFileDialog dialog(host(asker), caption, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return run(dialog, asker).value(0);
}
