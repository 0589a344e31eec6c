#pragma once
// The gun-set dialog: a recoil pattern of 1-5 bullets (delay, Y and X movement each) made
// into the steps of a macro file, a gun file, which the macro editor registers like any
// other macro. Each generated step is a row of a list that is never shown. The steps are
// in file codes (macrofiles.h); delays count 10 ms units whatever MinDelay says.
// Also the gun-edit dialog, which edits one movement step; nothing in the program opens it.

#include "macrofiles.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QWidget>

class KestAction;
class KestLabel;
class KestLineEdit;
class KestPushButton;
class QLineEdit;
class QListWidget;
class QMenu;
class QSpinBox;
class QToolButton;

// One step per row: a mouse button (0 left, 1 middle, 2 right, 3 forward, 4 back) pressed or
// released; a move in a direction (0 left, 1 right, 2 up, 3 down) by n, taken as one byte;
// a delay of t ms in 10 ms units.
MacroStep GunButtonStep(int button, bool release);
MacroStep GunMoveStep(int direction, int distance);
MacroStep GunDelayStep(int milliseconds);

// One generated step with its row text; a delay row can be edited in place.
class KestListItem : public QWidget {
    Q_OBJECT
public:
    explicit KestListItem(QWidget *parent);

    void SetText(const QString &text);
    QString text() const { return m_text; }
    // Delay rows only: shows the delay field (on) or the label (off).
    void SetEditing(bool on);

    quint8 type = 0;
    quint8 DataH = 0;
    quint8 DataL = 0;
    KestLabel *label = nullptr;
    KestLineEdit *delayEdit = nullptr;

public slots:
    void editPressSlot();
    void lostFocusSlot();

private:
    QString m_text;
};

class KestGunsetDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxBullets = 5;

    KestGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags);

    // Writes the rows as the macro file of that name; false when it could not be written.
    bool saveGunFile(QString name);
    // The rows' steps in list order.
    QVector<MacroStep> steps() const;

    QString m_FileName;
    int bulletCount = kMaxBullets;
    QLineEdit *fileNameEdit = nullptr;
    QSpinBox *delayBoxes[kMaxBullets] = {};
    QSpinBox *yBoxes[kMaxBullets] = {};
    QSpinBox *xBoxes[kMaxBullets] = {};
    KestPushButton *bulletsButton = nullptr;
    QMenu *bulletsMenu = nullptr;
    QListWidget *stepList = nullptr;

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();
    void ShowBulletColumns();
    void OnBulletCountChosen();
    void InsertMouseButtonRow(int button, bool release);
    void InsertMoveRow(int direction, int distance);
    void InsertDelayRow(int milliseconds);
    void insertRow(const MacroStep &step, const QString &text, const QString &icon);

    double m_dScaleFactor;
    QPixmap m_background;
    QPixmap m_bullet;
    KestAction *m_pBulletActions[kMaxBullets] = {};
};

class KestGunEditDialog : public QDialog {
    Q_OBJECT
public:
    KestGunEditDialog(int direction, int distance, QWidget *parent, double scale, Qt::WindowFlags flags);

    int m_iDirection;
    int m_iDistance;
    KestPushButton *directionButtons[4] = {};
    QSpinBox *distanceBox = nullptr;

public slots:
    void OnYesClick();
    void sValueChangedSlot(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();
    void ShowDirection();
    void OnDirectionClicked();

    double m_dScaleFactor;
    QPixmap m_background;
};
