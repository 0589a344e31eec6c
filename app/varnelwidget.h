#pragma once
// The main window: frameless and skinned, with the page tabs, the profile list, the
// status display, hot-plug handling, the write job's dialog and the tray icon.
// Its controls are public: the pages and the end-to-end tests reach them by name.

#include "settings.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

class KestAction;
class KestBtnWindow;
class KestColorWindow;
class KestDPIWindow;
class KestGetBatteryThread;
class KestLabel;
class KestMessageBox;
class KestPointSpeed;
class KestProcessbar;
class KestPushButton;
class KestReportRate;
class MacroDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTranslator;

constexpr int kScaleSteps = 17;
constexpr int kPageTabs = 4;
constexpr int kMarkCount = 20;
constexpr int kProfileMenuMax = 200;

// Index 0-16 of the UI scale step for a screen's logical DPI / 96; factor = 1 + 0.25 × index.
int ScaleIndexForRatio(double ratio);
inline double ScaleFactorForIndex(int index) { return 1.0 + 0.25 * index; }

// Set while the "Dongle Disconnect!" warning is up or scheduled; the tray then keeps the
// window shown.
extern quint8 g_warningShown;
// "Config/BatteryFull" as read at start.
extern int g_batteryFullValue;

class VarnelWidget : public QWidget {
    Q_OBJECT
    // Watched by the "Dongle Disconnect!" box, which closes itself once it is set.
    Q_PROPERTY(int m_iPlugIn MEMBER m_iPlugIn)
public:
    explicit VarnelWidget(QWidget *parent = nullptr);
    ~VarnelWidget() override;

    // --- construction and layout
    void setupUi();
    void applyScaledLayout();
    void updateConnectionIcons();

    // --- page and button selection
    void switchPage(int page);
    void showMouseView(bool front);
    void selectHotspot(quint8 index, quint8 group);
    void highlightHotspot(quint8 index, quint8 group);
    void switchProfile(int index, bool reload);
    void refreshPages();
    void rebuildProfileMenu();
    QString replacementProfileName(int pos) const;
    void collectPageSettings();
    void countConnectedDevices();

    // --- texts and pictures
    void updateTexts();
    void loadQtTranslation(int langIndex);
    void updateWheelMarkImages();
    void resetMouseImages();

    // --- profile list
    void loadProfileList();
    // The list into the product's profile list file; false when it was not written.
    bool saveProfileFileList();
    QString createProfileFile();
    bool deleteProfileFile(const QString &name);
    static bool isDefaultProfileName(const QString &name);
    bool isProfileNameUsed(const QString &name) const;
    void addProfile();
    void copyProfile();
    void deleteProfile();
    bool renameCurrentProfile(const QString &newName);

    // --- write job and files; runWriteJob returns the job's result code
    int runWriteJob(bool sendAll);
    void saveConfigFile();
    void loadConfigFile(const QString &path);
    void exportProfile(const QString &path);
    void importProfile(const QString &path);
    void resetProfile();
    void resetAllProfiles();

    // --- device presence
    void registerHidNotification();
    // collections: the arriving node's top-level collection numbers.
    void onHidDeviceChanged(const QString &path, int vendorId, int productId, bool arrived,
                            const QList<int> &collections = {});
    void RefreshMouseList(int unused = 1);
    void showMainWindow();
    int startBatteryThread();
    void stopBatteryThread();
    // The no-device warning currently up, or null.
    KestMessageBox *warningBox() const;
    // Ends the program through the same teardown as "&Quit".
    void quitProgram();

    // --- firmware and OSD
    void sendToOsd(const QString &text);
    // The updater program the firmware button would start (may not exist).
    static QString wiredUpdaterPath();

    bool isJobRunning() const { return m_bJobRunning; }

    // --- operations the program does not use
    int resumeBatteryThread();
    void pauseBatteryThread();
    void stopBatteryThreadAndHide();
    bool isNameUsedByOtherSlot(int slot, const QString &name) const;
    static char driveLetterFromMask(quint32 unitMask);
    bool isStoredProfileName(const QString &name) const;
    QString modelNameForIds(int vendorId, int productId) const;
    static void copySkinResource(const QString &name, const QString &target);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Without a system tray a hidden window could never come back: hiding quits instead.
    bool m_bQuitWhenHidden = false;

    // ------------------------------------------------------------------ state
    double m_dScaleFactor = 1.0;
    int m_iScaleIndex = 0;
    int m_iDpiVal = 0;
    int m_iWidth = 999;
    int m_iHeight = 640;
    QPixmap m_bgPixmaps[kScaleSteps];
    QPixmap m_paintedBackground;  // m_bgPixmaps[0] smoothly scaled to m_paintedBackgroundSize
    QSize m_paintedBackgroundSize;
    QPixmap m_bat1Pixmap;
    QPixmap m_bat2Pixmap;
    QTranslator *m_pTranslator = nullptr;
    QTranslator *m_pQtTranslator = nullptr;  // Qt's own texts: file dialogs, standard buttons

    int m_iConnectedCount = 0;
    QStringList m_modelNames;
    int m_iPlugIn = 0;
    bool m_hDevNotify = false;
    int m_iConnectionState = 3;
    quint8 m_charging = 0;
    int m_batteryLevel = -1;

    bool m_bDragging = false;
    QPoint m_dragStartPos;
    QPoint m_dragStartTopLeft;
    QSystemTrayIcon *m_pTrayIcon = nullptr;
    QMenu *m_pTrayMenu = nullptr;
    KestAction *m_pLoadConfigAction = nullptr;
    KestAction *m_pQuitAction = nullptr;

    bool m_bFrontView = true;
    int m_selectedGroup = 0;
    int m_selectedIndex[3] = {0, 0, 0};
    int m_savedGroup = 0;

    FontList m_fontList;
    int m_langCount = 0;
    QString m_langNames[kFontListSize];
    QString m_langFiles[kFontListSize];
    int m_langId = 0;
    KestAction *m_pLanguageActions[kFontListSize] = {};

    QStringList m_profileList;

    // --- controls (created by setupUi, placed by applyScaledLayout)
    KestPushButton *m_pMouseNameButton = nullptr;
    KestProcessbar *m_pBatteryBar = nullptr;
    KestLabel *m_pVersionLabel = nullptr;
    KestLabel *m_pModelLabel = nullptr;
    KestPushButton *m_pCloseButton = nullptr;
    KestPushButton *m_pMinimizeButton = nullptr;
    KestPushButton *m_pExportButton = nullptr;
    KestPushButton *m_pImportButton = nullptr;
    KestPushButton *m_pResetButton = nullptr;
    KestPushButton *m_pAddButton = nullptr;
    KestPushButton *m_pDeleteButton = nullptr;
    KestPushButton *m_pCopyButton = nullptr;
    KestPushButton *m_pResetAllButton = nullptr;
    KestPushButton *m_pOkButton = nullptr;
    KestPushButton *m_pCancelButton = nullptr;
    KestPushButton *m_pLoadButton = nullptr;
    KestPushButton *m_pSaveButton = nullptr;
    KestPushButton *m_pApplyButton = nullptr;
    QMenu *m_pLanguageMenu = nullptr;
    KestPushButton *m_pLanguageButton = nullptr;
    KestPushButton *m_pSlotButton = nullptr;
    KestPushButton *m_pProfileSlotButtons[kProfileCount] = {};
    KestPushButton *m_pTabButtons[kPageTabs] = {};
    KestPushButton *m_pFirmwareButton = nullptr;
    KestPushButton *m_pFrontViewButton = nullptr;
    KestPushButton *m_pSideViewButton = nullptr;
    QLabel *m_pFrontImage = nullptr;
    QLabel *m_pSideImage = nullptr;
    QLabel *m_pChargeIcon = nullptr;
    QLabel *m_pDongleIcon = nullptr;
    QLabel *m_pLogoLabel = nullptr;
    KestPushButton *m_pFrontMarks[kMarkCount] = {};
    KestPushButton *m_pSideMarks[kMarkCount] = {};
    KestPushButton *m_pWheelUpMark = nullptr;
    KestPushButton *m_pWheelDownMark = nullptr;
    QMenu *m_pSlotMenu = nullptr;
    KestAction *m_pSlotActions[kProfileCount] = {};
    QMenu *m_pProfileMenu = nullptr;
    QList<KestAction *> m_pProfileActions;
    QLabel *m_pBlankLabel = nullptr;
    QLineEdit *m_profileNameEdit = nullptr;
    KestPushButton *m_pProfileButton = nullptr;
    KestLabel *m_pNameLabel = nullptr;

    // --- pages
    KestBtnWindow *m_pBtnWindow = nullptr;
    QScrollArea *m_pBtnScrollArea = nullptr;
    KestDPIWindow *m_pDPIWindow = nullptr;
    KestPointSpeed *m_pPointSpeed = nullptr;
    KestReportRate *m_pReportRate = nullptr;
    KestColorWindow *m_pColorWindow = nullptr;
    MacroDialog *m_pMacroDialog = nullptr;
    // Set while the macro page records or edits a step: the page must stay in reach.
    bool m_bPagesLocked = false;

public slots:
    void onProfileButtonClicked();
    void onTabButtonClicked(KestPushButton *button);
    void onSlotMenuTriggered();
    void onProfileMenuAction();
    void slotProfileNameChange();
    void onLanguageChosen();
    void slotGotoMacro(quint8 page);
    void SelBtnChanged(quint8 index, quint8 group);
    void slot_show_profilename(QAction *action);
    void OnProfileMenuCheck(QWidget *widget);
    void slotEnableButtons(bool on);
    void slotLiftChange(quint8 lift);
    void slotPopOneClickBox();
    // A row of the buttons page entered (over) or left: its front mark and the hover picture.
    void slotMouseOver(KestPushButton *button, bool over);

    void slotRefreshBatteryStatus(quint8 charging, quint8 low, quint8 high);
    void slotRefreshWriteStatus(quint8 status);
    void slotRefreshStatus(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode);
    void slotRefreshProfile(quint8 profile);
    void slotRefreshDPIStage(quint8 stage);
    void slotRefreshRate(quint8 rate);
    // Nothing connects it: a light mode for the lighting page.
    void slotRefreshLightMode(quint8 mode);

    void slot_show_mousename(QAction *action);
    void slotWarnClose();
    void slotWarning();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void openVersionLink(KestLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectBatteryThreads();
    void createActions();
    void createTrayIcon();
    void ensureBackground(int index);
    void applyBackgroundMask(int index);
    void loadPictures();
    void applyConfiguredFontToMenus();
    void reloadAfterDeviceChange(bool layoutPass, bool selectFirstButton);
    void chooseListedProfile(const QString &name);
    int showMessage(int type, const QString &text);
    // The box of a file the user's action could not write.
    void showWriteFailure();
    bool checkProfileName(const QString &name);
    void handleDeferredEvents();
    void hideToTray();

    // Status reports and device events that came while a write job ran; handled after it.
    bool m_bJobRunning = false;
    bool m_bStatusPending = false;
    quint8 m_pendingStatus[4] = {};
    struct PendingHotplug {
        QString path;
        int vendorId;
        int productId;
        bool arrived;
        QList<int> collections;
    };
    QList<PendingHotplug> m_pendingHotplug;
    QPointer<KestMessageBox> m_pWarningBox;
    QMenu *m_pModelMenu = nullptr;
};
