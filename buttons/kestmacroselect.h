#pragma once
// The macro-select dialog: a macro (or recoil file) from the 50 MACRO_LIST slots and how it
// runs: a number of loops, repeated while the button is held, or until it is pressed again.
// Always a top-level window of its own. On Yes the buttons page reads macroName,
// selectedMode() and repeatCount().

#include "skinneddialog.h"

#include "macrofiles.h"

#include <QString>

class KestAction;
class KestLabel;
class KestPushButton;
class QLineEdit;
class QMenu;
class QToolButton;

class KestMacroSelect : public KestSkinnedDialog {
    Q_OBJECT
public:
    static constexpr int kModes = 3;

    // parent and flags are not used: the dialog has no parent window.
    KestMacroSelect(const QString &title, const QString &caption, const QString &name, int loops, int mode,
                    QWidget *parent, Qt::WindowFlags flags);
    ~KestMacroSelect() override;

    // The checked run mode (MacroRunMode); 0 when none is checked.
    int selectedMode() const;
    // The loop-count edit as a number within 1-255 (an empty text gives 1), handed on: the
    // edit then shows the number.
    int repeatCount();

    QString macroName;  // the name given, until a macro is chosen

private:
    void setupUi(const QString &caption, const QString &name, int loops, int mode);
    void buildLayout();
    void onMacroChosen();
    void onModeButtonClicked();
    // Checks button mode alone; a mode without a button checks mode 0.
    void selectMode(int mode);

    KestLabel *m_pCaptionLabel = nullptr;
    KestLabel *m_pInfoLabel = nullptr;
    QToolButton *m_pYesButton = nullptr;
    QToolButton *m_pNoButton = nullptr;
    KestPushButton *m_pChooser = nullptr;
    QMenu *m_pMacroMenu = nullptr;
    KestAction *m_pActions[kMacroListSize] = {};
    KestPushButton *m_pModeButtons[kModes] = {};
    KestLabel *m_pModeLabels[kModes] = {};
    QLineEdit *m_pLoopEdit = nullptr;
};
