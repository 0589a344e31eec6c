#pragma once
// The single-key dialog: the user presses one key, the dialog shows its name, and on OK the
// buttons page stores keyCode. Every key event is taken, presses and releases alike (the
// last one wins), and passed on, so Escape still closes the dialog as cancelled.

#include "keyhookdialog.h"

class KestSingleKeyWindow : public KestKeyHookDialog {
    Q_OBJECT
public:
    explicit KestSingleKeyWindow(QWidget *parent);
    ~KestSingleKeyWindow() override;

    // Shows a stored key; leaves the last event untouched.
    void SetKey(uchar code);
    void OnHookKey(unsigned code, unsigned flags) override;

    quint8 keyCode = 0;  // 0: none

signals:
    void SetSingleKeyValue(uchar code);

protected:
    bool hookProc(const CapturedKey *key) override;

private:
    void setupUi();
    void updateTexts();
    void buildLayout();

    KeyDialogParts m_parts;
};
