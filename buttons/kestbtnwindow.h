#pragma once
// The buttons page: the mouse's buttons as rows, each opening a menu of functions. The page
// writes the chosen function straight into the current profile record it points to; the main
// window's next write job takes it to the mouse. Panel 0 holds entries 0-19 (the rows laid
// out from the device description), panel 1 entries 20-39, panel 2 the wheel (40 and 41).
// The function codes are those of buttonfunctions.h; the dialogs are this library's.

#include "records.h"

#include <QString>
#include <QWidget>

class KestAction;
class KestPushButton;
class QMenu;

class KestBtnWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPanelButtons = 20;
    static constexpr int kWheelButtons = 2;
    static constexpr quint8 kNone = 0xFF;

    // The 55 function actions, in their fixed order.
    enum ActionId {
        ActLeft, ActRight, ActMiddle, ActForward, ActBack, ActButtonOff, ActMacro, ActGunFile, ActLedSwitch,
        ActCut, ActCopy, ActPaste, ActAll, ActFind, ActNew, ActPrint, ActSave,
        ActSwitchWindow, ActCloseWindow, ActMyComputer, ActRun, ActShowDesktop, ActLockPc, ActBrowserHome,
        ActBrowserBackward, ActBrowserForward, ActBrowserStop, ActBrowserRefresh, ActBrowserSearch,
        ActBrowserFavorite, ActMail, ActBossKey,
        ActSingleKey, ActComboKey, ActFireKey, ActSniper,
        ActPlayPause, ActStop, ActPreviousTrack, ActNextTrack, ActVolumeUp, ActVolumeDown, ActMute, ActMediaPlayer,
        ActDpiSwitch, ActDpiUp, ActDpiDown,
        ActProfileSwitch, ActProfileUp, ActProfileDown,
        ActRateSwitch, ActRateUp, ActRateDown,
        ActScrollUp, ActScrollDown,
        kActionCount
    };
    enum SubMenuId { MenuBasic, MenuWindows, MenuAdvance, MenuMedia, MenuDpi, MenuProfile, MenuRate, kSubMenuCount };

    // The function code an action writes, and its untranslated text.
    static qint32 ActionCode(int action);
    static const char *ActionSourceText(int action);

    KestBtnWindow(ProfileRecord *record, QWidget *parent, double scale);
    ~KestBtnWindow() override;

    void SetProfileData(ProfileRecord *record);
    void SelectButton(int index, int panel);
    // panel kNone keeps the stored panel.
    void ShowPanel(int index, int panel);
    void UpdateLanguage();
    void UpdateFonts(double scale);
    void UpdateModelLayout();
    void RefreshButtonTexts();
    void ApplyMenuStyle();
    // Writes one key of a combo as a press and a release step at position n of the edited entry.
    void InsertKeyPair(int position, int keyCode);

    // The caption of an entry (0-41) holding a code: the action's text, the macro name for the
    // macro codes, nothing for an unknown code or a scroll code off the wheel.
    QString CaptionFor(int entry, const ButtonInfo &info) const;
    // The edited button and its entry; null and -1 when none or out of its panel.
    KestPushButton *EditedButton() const;
    int EditedEntry() const;

    KestPushButton *m_pFrontButtons[kPanelButtons] = {};
    KestPushButton *m_pSideButtons[kPanelButtons] = {};
    KestPushButton *m_pWheelButtons[kWheelButtons] = {};
    KestAction *m_pActions[kActionCount] = {};
    QMenu *m_pMainMenu = nullptr;
    QMenu *m_pSubMenus[kSubMenuCount] = {};
    QMenu *m_pWheelMenu = nullptr;
    ProfileRecord *m_pProfile = nullptr;
    double m_dScaleFactor = 1.0;
    quint8 m_editedPanel = 0;
    quint8 m_editedIndex = 0;

signals:
    void SelBtnControl(KestPushButton *button, bool on);
    void GotoMacroTab(uchar page);
    void PopOneClickBox();

public slots:
    void OnMouseEnterSlot(KestPushButton *button);
    void slotMouseOver(KestPushButton *button, bool on);
    void slotMouseEnter(KestPushButton *button);
    void onFunctionChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupUi();
    void RebuildMenus();
    KestAction *makeAction(int id);
    void replaceAction(int id);
    // Panel and index of one of the page's buttons; false for another widget.
    bool locate(const KestPushButton *button, int &panel, int &index) const;
    KestPushButton *buttonAt(int panel, int index) const;
    void runDialogFunction(int action, int entry, KestPushButton *button);
    // True when the function was assigned or the dialog was left so that the assignment ends.
    bool runMacroFunction(int action, int entry, KestPushButton *button);
    void endAssignment(KestPushButton *button);
    static void insertKeyPair(ButtonInfo &info, int position, int keyCode);
    void showCaption(const ProfileRecord *record, KestPushButton *button, const QString &caption);
};
