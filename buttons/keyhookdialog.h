#pragma once
// The key dialogs (single key, combo key, fire key) take keys from platform/keycapture, not
// from Qt key events: each turns every key event of its window into the program's key
// code (keycodes.h) and decides by its own gate whether to take it and whether to pass it
// on to its widgets. Capture starts in the constructor, once the widgets exist, and ends
// in the destructor.

#include "skinneddialog.h"

class KestLabel;
class KestPushButton;
class KeyCapture;
class QToolButton;
struct CapturedKey;

// Set-1 scan codes that two keys share become the program's own codes: keypad Enter, /,
// Num Lock, right Ctrl and right Alt by the extended flag, the keypad digits, * and . by
// its absence. Anything else, also under other flags (an injected 0x10), keeps its code.
quint32 RemapHookScanCode(quint32 scanCode, quint32 flags);

class KestKeyHookDialog : public KestSkinnedDialog {
    Q_OBJECT
public:
    // Called with the remapped code and the unchanged flags of each key event the dialog takes.
    virtual void OnHookKey(unsigned code, unsigned flags) = 0;
    // Starts capture on the dialog's own window, created here; without one there is no capture.
    void installKeyboardHook();
    void removeKeyboardHook();

    KeyCapture *hookHandle = nullptr;  // null: no capture
    quint32 lastScanCode = 0;          // code and flags of the last event taken
    quint32 lastFlags = 0;
    bool capturing = false;

protected:
    KestKeyHookDialog(QWidget *parent, int width, int height);
    ~KestKeyHookDialog() override;

    // The dialog's hook procedure: every key event of its window (null: one without a set-1
    // code, or an auto-repeat). True consumes the event.
    virtual bool hookProc(const CapturedKey *key) = 0;
    // With the gate open, remaps a key and hands it to OnHookKey, and the event is consumed
    // when consumeTaken says so; with it closed the event passes on untouched.
    bool runHook(bool gateOpen, bool consumeTaken, const CapturedKey *key);
};

// The widgets of the single-key and combo-key dialogs.
struct KeyDialogParts {
    KestLabel *title = nullptr;
    KestPushButton *keyDisplay = nullptr;
    QToolButton *ok = nullptr;
    QToolButton *cancel = nullptr;
};
// Builds them on the dialog; okText and cancelText are the first texts, buttonGap the
// blanks of the button style sheet (dialogbuttons.h).
KeyDialogParts BuildKeyDialogParts(QDialog *dialog, double scale, const QString &okText,
                                   const QString &cancelText, int buttonGap);
// Title row, key display row and button row.
void LayoutKeyDialogParts(QDialog *dialog, const KeyDialogParts &parts, double scale);
// The skin image of a key display, from the application directory.
QString KeyDisplayImagePath();
