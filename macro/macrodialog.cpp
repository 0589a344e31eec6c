// Construction and teardown of the macro page, its painting, and its key capture: the one
// file that reaches into platform/keycapture, installed while recording or editing a key step.
#include "macrodialog.h"

#include "devicedefaults.h"
#include "keycapture.h"
#include "macrologging.h"

#include <QPainter>
#include <QWindow>

MacroDialog *g_macroDialog = nullptr;

namespace {

constexpr int kEvdevRightAlt = 100;

} // namespace

MacroDialog::MacroDialog(QWidget *parent) : QWidget(parent)
{
    g_macroDialog = this;
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background-color: rgba(33,35,35,0.5)");
    m_minDelay = EffectiveMinDelay(GetMinDelay());
    buildWidgets();
    FillMacroList();  // and the first macro into the editor
    UpdateLanguage();
    HideStepEditors(false);
    m_recording = false;
}

MacroDialog::~MacroDialog()
{
    m_capture.reset();
    if (g_macroDialog == this)
        g_macroDialog = nullptr;
}

void MacroDialog::installKeyboardHook()
{
    QWindow *handle = window()->windowHandle();
    if (!handle) {
        qCDebug(lcMacro, "MacroDialog: no window to capture keys from");
        return;
    }
    m_capture = std::make_unique<KeyCapture>(handle, [this](const CapturedKey *key) { return onCapturedKey(key); });
}

void MacroDialog::EnsureKeyboardHook()
{
    if (!m_capture)
        installKeyboardHook();
}

void MacroDialog::RemoveKeyboardHook() { m_capture.reset(); }

bool MacroDialog::onCapturedKey(const CapturedKey *key)
{
    if (!key)
        return false;  // auto-repeat, or a key without a code
    quint32 flags = key->flags;
    const quint32 code = RecorderKeyCode(key->scanCode, flags, key->evdevCode == kEvdevRightAlt);
    if (m_editMode)
        OnCaptureKey(code, flags);
    else
        OnHookKey(code, flags, qint64(key->timestampMs));
    return false;  // the key goes on: the focus is on the top label
}

void MacroDialog::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_pixmaps[0].isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_pixmaps[0]);
    }
}

void MacroDialog::keyPressEvent(QKeyEvent *) {}

void MacroDialog::keyReleaseEvent(QKeyEvent *) {}
