#pragma once
// The fire-key dialog: what a button fires (left, right or middle mouse button, or a
// keyboard key), how many times and with which delay. Keys are taken only while "Keyboard
// Key" is chosen and no number is being edited; they are passed on, so Escape still
// cancels. On OK the buttons page reads fireChoice, keyCode, times() and delay().

#include "keyhookdialog.h"
#include "records.h"

class QCheckBox;
class QLineEdit;

class KestFireKeyWindow : public KestKeyHookDialog {
    Q_OBJECT
public:
    enum FireChoice : quint8 { kFireLeft = 0, kFireRight = 1, kFireMiddle = 2, kFireKeyboard = 3 };
    static constexpr int kChoices = 4;

    explicit KestFireKeyWindow(QWidget *parent);
    ~KestFireKeyWindow() override;

    // Presets from a fire-key entry: Res1 gives the choice (a key's HID usage for a key),
    // LoopNumber the times and KeyNumber the delay (0 gives 3 and 10).
    void SetFireKey(const ButtonInfo *entry);
    void OnHookKey(unsigned code, unsigned flags) override;
    // Shows fireChoice on the boxes; a mouse-button choice clears the key.
    void UpdateValue();
    // The Times and Delay edits as numbers within their range 1-255 (an empty text gives 1),
    // handed on: the edit then shows the number.
    int times();
    int delay();

    quint8 fireChoice = kFireLeft;
    quint8 keyCode = 0;  // 0: none; meaningful for kFireKeyboard only
    QLineEdit *timesEdit = nullptr;
    QLineEdit *delayEdit = nullptr;
    bool skipNextKey = false;  // drops the next key event (the Return that ended an edit)

signals:
    // keyCode, fireChoice and the Times and Delay edits as they are typed. No receivers.
    void SetFireKeyValue(uchar key, uchar choice, uchar times, uchar delay);

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged(const QString &text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    bool hookProc(const CapturedKey *key) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setupUi();
    void updateTexts();
    void buildLayout();
    void emitValue();

    KestLabel *m_pTitleLabel = nullptr;
    KestLabel *m_pTimesLabel = nullptr;
    KestLabel *m_pDelayLabel = nullptr;
    KestPushButton *m_pKeyDisplay = nullptr;
    QToolButton *m_pOkButton = nullptr;
    QToolButton *m_pCancelButton = nullptr;
    QCheckBox *m_pChoiceBoxes[kChoices] = {};
};
