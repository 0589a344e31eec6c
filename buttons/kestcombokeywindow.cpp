#include "kestcombokeywindow.h"

#include "buttonslogging.h"
#include "dialogbuttons.h"
#include "keycapture.h"
#include "keycodes.h"
#include "kestlabel.h"
#include "kestpushbutton.h"

#include <QToolButton>
#include <algorithm>
#include <iterator>

ComboGroup ClassifyComboKey(int code)
{
    for (int group = 0; group < kComboModifierGroups; ++group) {
        for (int hand = 0; hand < 2; ++hand) {
            if (kComboModifierCodes[group][hand] == code)
                return {group, quint8(hand + 1)};
        }
    }
    return {kComboKeyGroup, 0};
}

QString ComboText(const quint8 (&state)[kComboGroups], const quint8 (&codes)[kComboGroups][2])
{
    QString text;
    for (int group = 0; group < kComboGroups; ++group) {
        if (state[group] == 0)
            continue;
        const int code = group == kComboKeyGroup ? codes[group][0] : codes[group][state[group] > 2 ? 1 : 0];
        if (!text.isEmpty())
            text += " + ";
        text += KeyCodeToName(code);
    }
    return text;
}

KestComboKeyWindow::KestComboKeyWindow(QWidget *parent) : KestKeyHookDialog(parent, 400, 258)
{
    capturing = true;
    setupUi();
    installKeyboardHook();
    updateTexts();
    for (int group = 0; group < kComboModifierGroups; ++group) {
        comboCodes[group][0] = quint8(kComboModifierCodes[group][0]);
        comboCodes[group][1] = quint8(kComboModifierCodes[group][1]);
    }
}

KestComboKeyWindow::~KestComboKeyWindow() { removeKeyboardHook(); }

void KestComboKeyWindow::setupUi()
{
    m_parts = BuildKeyDialogParts(this, m_dScaleFactor, tr("Ok"), tr("No"), kDialogButtonNarrowGap);
}

void KestComboKeyWindow::updateTexts()
{
    m_parts.title->m_text = QObject::tr("Combo Key");
    m_parts.title->update();
    m_parts.ok->setText(QObject::tr("OK"));
    m_parts.cancel->setText(QObject::tr("Cancel"));
    buildLayout();
}

void KestComboKeyWindow::buildLayout() { LayoutKeyDialogParts(this, m_parts, m_dScaleFactor); }

// Every key event stays inside the dialog, also those it cannot name.
bool KestComboKeyWindow::hookProc(const CapturedKey *key) { return runHook(capturing, true, key); }

void KestComboKeyWindow::SetKeys(const KeyInfo *steps)
{
    std::fill(std::begin(liveState), std::end(liveState), 0);
    for (int i = 0; i < kComboKeyEntries; ++i) {
        if (steps[i].map == 0)
            continue;
        int code = 0;
        HidUsageToKeyCode(steps[i].map, code);
        const ComboGroup group = ClassifyComboKey(code);
        if (group.group == kComboKeyGroup) {
            comboCodes[kComboKeyGroup][0] = quint8(code);
            liveState[kComboKeyGroup] = 1;
        } else {
            // A stored combination holds a press and a release step per key.
            liveState[group.group] = quint8(liveState[group.group] + group.hand);
        }
    }
    rebuild();
}

void KestComboKeyWindow::OnHookKey(unsigned code, unsigned flags)
{
    if (code == lastScanCode && flags == lastFlags)
        return;
    qCDebug(lcButtons, "KestComboKeyWindow dwVCode = %x dwFlag = %x", code, flags);
    lastScanCode = code;
    lastFlags = flags;
    if (resetPending == -1) {
        std::fill(std::begin(comboState), std::end(comboState), 0);
        std::fill(std::begin(liveState), std::end(liveState), 0);
    }
    resetPending = 0;

    // Every event without the release bit is a press: also one under Alt on an extended key
    // (0x21), which includes the right Alt key's own press.
    const bool release = flags & kKeyFlagUp;
    const ComboGroup group = ClassifyComboKey(int(code));
    quint8 &value = liveState[group.group];
    if (group.group == kComboKeyGroup) {
        value = release ? 0 : 1;
        if (!release)
            comboCodes[kComboKeyGroup][0] = quint8(code);
    } else if (!release) {
        value = group.hand;
    } else {
        // A release never takes the group below none.
        value = value > group.hand ? quint8(value - group.hand) : 0;
    }
    if (!release)
        rebuild();
}

void KestComboKeyWindow::rebuild()
{
    comboText = ComboText(liveState, comboCodes);
    m_parts.keyDisplay->setButtonText(comboText);
    std::copy(std::begin(liveState), std::end(liveState), std::begin(comboState));
}
