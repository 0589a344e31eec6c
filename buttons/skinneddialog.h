#pragma once
// The button-assignment dialogs (single key, combo key, fire key, macro select, sniper).
// Each is modal: the buttons page builds it on its stack, runs exec() and, when that
// returned Accepted, reads the result from the dialog's public members. The result signals
// they declare have no receivers. The rules behind them (key remapping, combo groups,
// sniper levels) are free functions beside the dialogs; every text they show is in the
// translation context QObject.
//
// KestSkinnedDialog is the frame they share: the skin's dlg.png stretched over a frameless,
// translucent dialog, bordered two pixels wide in the theme colour.

#include <QDialog>
#include <QFont>
#include <QPalette>
#include <QPixmap>

class KestSkinnedDialog : public QDialog {
    Q_OBJECT
public:
    // Fixed size width × height at the UI scale factor.
    KestSkinnedDialog(QWidget *parent, int width, int height);

protected:
    void paintEvent(QPaintEvent *event) override;

    double m_dScaleFactor;
    QPixmap m_background;
};

// Consolas, bold, 14 pixels at the scale: the font of the OK and Cancel buttons.
QFont DialogButtonFont(double scale);
// base with white window text in every colour group.
QPalette WhiteTextPalette(QPalette base);
