#include "kestsinglekeywindow.h"

#include "dialogbuttons.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "keycodes.h"

#include <QToolButton>

KestSingleKeyWindow::KestSingleKeyWindow(QWidget *parent) : KestKeyHookDialog(parent, 400, 258)
{
    capturing = true;
    setupUi();
    installKeyboardHook();
    updateTexts();
}

KestSingleKeyWindow::~KestSingleKeyWindow() { removeKeyboardHook(); }

void KestSingleKeyWindow::setupUi()
{
    m_parts = BuildKeyDialogParts(this, m_dScaleFactor, tr("Ok"), tr("No"), kDialogButtonWideGap);
}

void KestSingleKeyWindow::updateTexts()
{
    m_parts.title->m_text = QObject::tr("Single Key");
    m_parts.title->update();
    m_parts.ok->setText(QObject::tr("OK"));
    m_parts.cancel->setText(QObject::tr("Cancel"));
    buildLayout();
}

void KestSingleKeyWindow::buildLayout() { LayoutKeyDialogParts(this, m_parts, m_dScaleFactor); }

void KestSingleKeyWindow::SetKey(uchar code)
{
    m_parts.keyDisplay->setButtonText(KeyCodeToName(code));
    keyCode = code;
}

bool KestSingleKeyWindow::hookProc(const CapturedKey *key) { return runHook(capturing, false, key); }

void KestSingleKeyWindow::OnHookKey(unsigned code, unsigned flags)
{
    // A held key repeats its press with the same code and flags.
    if (code == lastScanCode && flags == lastFlags)
        return;
    lastScanCode = code;
    lastFlags = flags;
    m_parts.keyDisplay->setButtonText(KeyCodeToName(int(code)));
    keyCode = quint8(code);
}
