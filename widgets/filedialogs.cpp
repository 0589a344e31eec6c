#include "filedialogs.h"

#include "scale.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <memory>

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

// Qt restores the side bar's width Qt saved when its last dialog closed, perhaps at another
// scale: the side bar gets its texts' width at this one.
void fitSidebar(QFileDialog &dialog)
{
    auto *splitter = dialog.findChild<QSplitter *>("splitter");
    auto *sidebar = dialog.findChild<QListView *>("sidebar");
    if (!splitter || !sidebar || splitter->count() != 2 || splitter->widget(0) != sidebar)
        return;
    const QList<int> sizes = splitter->sizes();
    const int width = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth()
                      + sidebar->verticalScrollBar()->sizeHint().width();
    splitter->setSizes({width, sizes.at(0) + sizes.at(1) - width});
}

// The same for the saved column widths: each column gets its title's and its texts' width,
// the name column at least the rest of the list.
void fitColumns(QFileDialog &dialog)
{
    auto *tree = dialog.findChild<QTreeView *>("treeView");
    if (!tree)
        return;
    QHeaderView *header = tree->header();
    const QAbstractItemView *view = tree;  // QTreeView hides its texts' width
    const auto fitted = [&](int column) {
        return std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
    };
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        header->resizeSection(column, fitted(column));
        others += header->sectionSize(column);
    }
    header->resizeSection(0, std::max(fitted(0), tree->viewport()->width() - others));
}

// At the first turn of the dialog's event loop, when it is laid out, and again when its
// folder is read (its texts are read on a thread of Qt's own); a desktop's own dialog has
// neither part.
void fitWhenShown(QFileDialog &dialog)
{
    QTimer::singleShot(0, &dialog, [&dialog] {
        fitSidebar(dialog);
        fitColumns(dialog);
    });
    auto *model = dialog.findChild<QFileSystemModel *>("qt_filesystem_model");
    if (!model)
        return;
    const QString opened = dialog.directory().absolutePath();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog,
                                   [&dialog, opened, connection](const QString &path) {
                                       if (QDir(path) != QDir(opened))
                                           return;
                                       QObject::disconnect(*connection);
                                       fitColumns(dialog);
                                   });
}

QStringList run(QFileDialog &dialog, QWidget *asker)
{
    const QWidget *window = host(asker);
    const QScreen *screen = window ? window->screen() : QGuiApplication::primaryScreen();
    dialog.resize(FileDialogSize(getScaleFactor(), screen ? screen->availableGeometry() : QRect()));
    fitWhenShown(dialog);
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
