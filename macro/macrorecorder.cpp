// The key recorder: START and STOP, recorded keys as rows, and the key typed into a key step
// in EDIT mode.
#include "macrodialog.h"

#include "keycodes.h"
#include "kestlabel.h"
#include "kestpushbutton.h"

#include <QLineEdit>
#include <QListWidget>

void MacroDialog::OnHookKey(quint32 code, quint32 flags, qint64 timeMs)
{
    const QVector<MacroStep> steps =
        m_recorder.onKey(code, flags, timeMs, stepCount(), m_delayType, m_minDelay, defaultDelayMs());
    if (steps.isEmpty())
        return;
    m_lastScanCode = code;
    m_lastFlags = flags;
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
    const int first = stepCount();
    for (int i = 0; i < steps.size(); ++i)
        setRow(first + i, steps[i]);
    selectRow(stepCount() - 1);
}

void MacroDialog::OnCaptureKey(quint32 code, quint32 flags)
{
    if (code == m_lastScanCode && flags == m_lastFlags)
        return;
    int usage = 0;
    if (!KeyCodeToHidUsage(int(code), usage))
        return;  // a key the mouse has no usage for
    m_lastScanCode = code;
    m_lastFlags = flags;
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
    SetCurrentStep(-1, -1, usage);
    m_pStepKeyButton->setButtonText(KeyCodeToName(int(code)));
}

bool MacroDialog::CheckKeysReleased() const
{
    QVector<MacroStep> rows;
    for (int row = 0; row < stepCount(); ++row)
        rows << stepAt(row);
    return KeysReleased(rows);
}

void MacroDialog::startRecording()
{
    m_recording = true;
    m_recorder.start();
    m_pStartButton->hide();
    m_pStopButton->show();
    ClearStepTable();
    if (m_pList->count() == 0)
        return;
    SetEditingEnabled(false, false);
    EnsureKeyboardHook();
    m_pTopLabel->setFocus(Qt::OtherFocusReason);
}

void MacroDialog::stopRecording()
{
    m_recording = false;
    m_recorder.start();
    m_pStartButton->show();
    m_pStopButton->hide();
    SetEditingEnabled(true, false);
    releaseKeyboard();
    RemoveKeyboardHook();
    if (!CheckKeysReleased())
        showBox(2, tr("Warning"), tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    SaveCurrentMacro();
}
