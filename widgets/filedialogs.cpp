#include "filedialogs.h"

#include <QFileDialog>

namespace {

// The top-level window carries no page's look (the window itself only drops focus outlines).
QWidget *host(QWidget *asker)
{
    return asker ? asker->window() : nullptr;
}

} // namespace

QString AskOpenFileName(QWidget *asker, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(host(asker), caption, QString(), filter);
}

QStringList AskOpenFileNames(QWidget *asker, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileNames(host(asker), caption, QString(), filter);
}

QString AskExistingDirectory(QWidget *asker, const QString &caption, const QString &directory)
{
    return QFileDialog::getExistingDirectory(host(asker), caption, directory, QFileDialog::ShowDirsOnly);
}

QString AskSaveFileName(QWidget *asker, const QString &caption, const QString &name, const QString &filter,
                        const QString &suffix)
{
    QFileDialog dialog(host(asker), caption, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
