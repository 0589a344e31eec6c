#pragma once
// The combo-key dialog: up to four modifier groups (Shift, Ctrl, Windows, Alt) and one key.
// It consumes every key event while open, so Escape, Enter and the Windows keys become part
// of the combination; OK and Cancel take the mouse. On OK the buttons page adds
// comboCodes[i][0] for every group i whose comboState[i] is not 0.

#include "keyhookdialog.h"
#include "records.h"

#include <QString>

constexpr int kComboGroups = 5;  // Shift, Ctrl, Windows, Alt, the key
constexpr int kComboKeyGroup = 4;

// The group of a key code and its hand: 1 left, 2 right, 0 for the key group.
struct ComboGroup {
    int group;
    quint8 hand;
};
ComboGroup ClassifyComboKey(int code);
// The names of the groups present, in group order, joined by " + ". A modifier value above
// 2 names the right-hand key, 1 and 2 the left-hand one.
QString ComboText(const quint8 (&state)[kComboGroups], const quint8 (&codes)[kComboGroups][2]);

class KestComboKeyWindow : public KestKeyHookDialog {
    Q_OBJECT
public:
    explicit KestComboKeyWindow(QWidget *parent);
    ~KestComboKeyWindow() override;

    // Loads a stored combination from the first five key steps (map = HID usage, 0 empty).
    // The first key event afterwards starts a new combination.
    void SetKeys(const KeyInfo *steps);
    void OnHookKey(unsigned code, unsigned flags) override;

    qint32 resetPending = -1;  // -1 until the first key event
    quint8 comboState[kComboGroups] = {};  // the combination shown
    quint8 liveState[kComboGroups] = {};   // the groups as the keys stand
    quint8 comboCodes[kComboGroups][2] = {};
    QString comboText;

signals:
    // comboState and comboCodes, row by row.
    void SetComboKeyValue(const quint8 *state, const quint8 *codes);

protected:
    bool hookProc(const CapturedKey *key) override;

private:
    void setupUi();
    void updateTexts();
    void buildLayout();
    void rebuild();

    KeyDialogParts m_parts;
};
