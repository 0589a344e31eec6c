#include "keyhookdialog.h"

#include "dialogbuttons.h"
#include "keycapture.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "scale.h"
#include "settings.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Codes taken from keys with the extended flag (press or release).
struct Remap {
    quint32 scanCode;
    quint32 keyCode;
};
constexpr Remap kExtendedRemaps[] = {
    {28, 229},  // keypad Enter
    {29, 238},  // right Ctrl
    {53, 226},  // keypad /
    {69, 225},  // Num Lock
};
// Codes taken from keys without it: the keypad, whose keys share their scan codes with the
// grey navigation keys and Print Screen.
constexpr Remap kKeypadRemaps[] = {
    {55, 227}, {71, 235}, {72, 236}, {73, 228}, {75, 233}, {77, 234},
    {79, 230}, {80, 231}, {81, 232}, {82, 237}, {83, 224},
};
constexpr quint32 kScanAlt = 56;
constexpr quint32 kKeyRightAlt = 239;

} // namespace

quint32 RemapHookScanCode(quint32 scanCode, quint32 flags)
{
    const quint32 withoutUp = flags & ~kKeyFlagUp;
    if (scanCode == kScanAlt) {
        const bool rightAlt = (flags & ~kKeyFlagAltDown) == kKeyFlagExtended || flags == (kKeyFlagUp | kKeyFlagExtended);
        return rightAlt ? kKeyRightAlt : scanCode;
    }
    for (const Remap &remap : kExtendedRemaps) {
        if (remap.scanCode == scanCode)
            return withoutUp == kKeyFlagExtended ? remap.keyCode : scanCode;
    }
    for (const Remap &remap : kKeypadRemaps) {
        if (remap.scanCode == scanCode)
            return withoutUp == 0 ? remap.keyCode : scanCode;
    }
    return scanCode;
}

KestKeyHookDialog::KestKeyHookDialog(QWidget *parent, int width, int height)
    : KestSkinnedDialog(parent, width, height)
{
}

KestKeyHookDialog::~KestKeyHookDialog() { removeKeyboardHook(); }

void KestKeyHookDialog::installKeyboardHook()
{
    if (hookHandle)
        return;
    // The native window must exist before the filter goes on it, and nothing may change
    // the window flags afterwards: that would replace the window and drop the filter.
    winId();
    if (QWindow *window = windowHandle())
        hookHandle = new KeyCapture(window, [this](const CapturedKey *key) { return hookProc(key); }, this);
}

void KestKeyHookDialog::removeKeyboardHook()
{
    delete hookHandle;
    hookHandle = nullptr;
}

bool KestKeyHookDialog::runHook(bool gateOpen, bool consumeTaken, const CapturedKey *key)
{
    if (!gateOpen)
        return false;
    if (key)
        OnHookKey(RemapHookScanCode(key->scanCode, key->flags), key->flags);
    return consumeTaken;
}

KeyDialogParts BuildKeyDialogParts(QDialog *dialog, double scale, const QString &okText,
                                   const QString &cancelText, int buttonGap)
{
    KeyDialogParts parts;
    parts.title = new KestLabel(dialog);
    parts.title->setObjectName("titleLabel");
    parts.title->setPalette(WhiteTextPalette(dialog->palette()));

    const QString image = KeyDisplayImagePath();
    parts.keyDisplay = new KestPushButton({image, image, image}, dialog, QString());
    parts.keyDisplay->setObjectName("keyDisplay");
    parts.keyDisplay->setFixedSize(scaled(300, scale), scaled(30, scale));

    const QFont font = DialogButtonFont(scale);
    const QString style = DialogButtonStyleSheet(CurrentThemeColor(), buttonGap);
    parts.ok = MakeDialogButton(dialog, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", okText, font, style,
                                scale);
    QObject::connect(parts.ok, &QToolButton::released, dialog, &QDialog::accept);
    parts.cancel = MakeDialogButton(dialog, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", cancelText,
                                    font, style, scale);
    QObject::connect(parts.cancel, &QToolButton::released, dialog, &QDialog::reject);
    return parts;
}

void LayoutKeyDialogParts(QDialog *dialog, const KeyDialogParts &parts, double scale)
{
    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(scaled(30, scale));
    titleRow->addWidget(parts.title);
    titleRow->addStretch();

    auto *keyRow = new QHBoxLayout;
    keyRow->addStretch();
    keyRow->addWidget(parts.keyDisplay);
    keyRow->addStretch();

    auto *column = new QVBoxLayout(dialog);
    column->addLayout(titleRow);
    column->addStretch();
    column->addLayout(keyRow);
    column->addStretch();
    column->addLayout(DialogButtonRow(parts.ok, parts.cancel));
    column->addSpacing(scaled(20, scale));
}

QString KeyDisplayImagePath() { return AppDir() + "/skin/tabbutton-1.png"; }
