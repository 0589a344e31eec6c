#pragma once
// The black Yes/Ok and No tool buttons of the skinned dialogs, bordered in a given colour.

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

class QHBoxLayout;
class QToolButton;
class QWidget;

// The blanks before "border-style" differ between dialogs of the program: most have
// kDialogButtonWideGap, some kDialogButtonNarrowGap. Kept as they are.
constexpr int kDialogButtonWideGap = 23;
constexpr int kDialogButtonNarrowGap = 4;
QString DialogButtonStyleSheet(const QColor &border, int gapBeforeBorderStyle = kDialogButtonWideGap);
// A tool button with the resource icon (":/yes_Btn" or ":/no_Btn"), icon 30 × 30 and size
// 100 × 30 (each times scale, truncated), no keyboard focus.
QToolButton *MakeDialogButton(QWidget *parent, const QString &iconResource, Qt::ToolButtonStyle style,
                              const QString &objectName, const QString &text, const QFont &font,
                              const QString &styleSheet, double scale);
// A stretch, the Yes/Ok button, for a No button a stretch and that button, a closing stretch.
QHBoxLayout *DialogButtonRow(QToolButton *yes, QToolButton *no);
// Registers the kit's resource file (":/skin/loading.gif", ":/yes_Btn", ":/no_Btn") once;
// needed because it lives in a static library.
void EnsureKitResources();
