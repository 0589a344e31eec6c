#pragma once
// The program's file dialogs: Qt's own, opened over the asking widget's window rather than the
// page itself, so no page style sheet cascades into them and they keep the desktop's look.
// Each opens at FileDialogSize for the scale and the screen of that window, its side bar and
// columns fitted to their texts (not the widths Qt saved at another scale), and returns an
// empty result when the user cancels.

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// 760 × 480 times scale (each truncated), within the available screen area (when known) less
// 40 times scale across and down for the window's frame.
QSize FileDialogSize(double scale, const QRect &available);

QString AskOpenFileName(QWidget *asker, const QString &caption, const QString &filter);
QStringList AskOpenFileNames(QWidget *asker, const QString &caption, const QString &filter);
QString AskExistingDirectory(QWidget *asker, const QString &caption, const QString &directory);
// Proposes name; a typed name without a suffix gets `suffix` (none when empty), and the dialog
// asks before replacing the file that is then written.
QString AskSaveFileName(QWidget *asker, const QString &caption, const QString &name, const QString &filter,
                        const QString &suffix);
