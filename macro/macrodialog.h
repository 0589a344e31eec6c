#pragma once
// The macro editor page of the main window: the list of stored macros (MACRO_LIST), the step
// table of the current macro, the key recorder, step editing, the mouse-command tree and the
// file operations (new, delete, rename, save, import, export). It never talks to the mouse:
// it writes .MSMACRO files and MACRO_LIST (store/macrofiles), which the buttons page and the
// download read. The step rules themselves are in macrosteps.h. The class lives over files by
// concern (macrodialog, macrolayout, macrotexts, macrolist, macrorecorder, macrotable,
// macrostepeditor, macroactions, macroimportexport), each opening with what it holds.
//
// Keys are recorded from the program's own window (platform/keycapture): the capture is on
// from START to STOP, and in edit mode while a key step is selected.

#include "macrosteps.h"

#include <QModelIndex>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

class KestAction;
class KestLabel;
class KestMacroItemDelegate;
class KestPushButton;
class KestTreeItem;
class KestTreeWidget;
class KeyCapture;
class QCheckBox;
class QItemSelectionModel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QStandardItemModel;
class QTableView;
class QTreeWidgetItem;
struct CapturedKey;

class MacroDialog;
extern MacroDialog *g_macroDialog;

class MacroDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxRows = kMaxMacroSteps;

    explicit MacroDialog(QWidget *parent);
    ~MacroDialog() override;

    void UpdateLanguage();

    // --- macro files and MACRO_LIST
    // Writes the table and the delay and loop settings to the named macro's file; name becomes
    // the file's path. False (name untouched) when the name is refused or the write failed.
    bool SaveMacroFile(QString &name);
    bool SaveCurrentMacro();
    void LoadMacroFile();
    // Each shows the write failure and returns false when Config.ini was not written.
    bool AddMacroToList(const QString &name);
    bool RemoveMacroFromList(const QString &name);
    void FillMacroList();
    void ClearStepTable();

    // --- recorder
    void installKeyboardHook();
    void EnsureKeyboardHook();
    void RemoveKeyboardHook();
    bool hasKeyboardHook() const { return m_capture != nullptr; }
    void OnHookKey(quint32 code, quint32 flags, qint64 timeMs);
    void OnCaptureKey(quint32 code, quint32 flags);
    bool CheckKeysReleased() const;

    // --- step table editing
    void SetCurrentStep(int type, int dataH, int dataL);
    void InsertMouseButtonStep(int button, bool release, int row);
    void InsertMoveStep(int direction, int distance, int row);
    void InsertDelayStep(int ms);
    void MoveStepRow(int from, int to);
    void OpenStepEditor(const QModelIndex &index);
    void HideStepEditors(bool hide);
    void SetEditingEnabled(bool enable, bool stepEdit);
    void SetBatchControlsEnabled(bool enable);
    void ShowCommandTree(bool show);
    // The macro list with its batch check boxes, and the page's scroll bars, at the current scale.
    void ApplyListStyle();
    void ApplyMenuStyle();
    // Not used by the editor.
    void SetCurrentMoveStep(int direction, int distance);
    int MacroListCount() const;

    // --- window operations; the file operations take the paths the file dialogs chose
    void NewMacro();
    // GUN SET: a recoil pattern from the gun-set dialog, saved and listed as a macro.
    void GunSet();
    void RenameMacro();
    void DeleteMacro();
    void importMacros(const QStringList &paths);
    void exportMacro(const QString &path);
    void exportCheckedMacros(const QString &directory);

    // --- state
    int stepCount() const;
    MacroStep stepAt(int row) const;  // the row's cells as numbers
    int currentRow() const;
    QString currentListName() const;
    bool isRecording() const { return m_recording; }
    bool isEditMode() const { return m_editMode; }
    bool isBatchMode() const { return m_batchMode; }
    int delayType() const { return m_delayType; }
    int minDelay() const { return m_minDelay; }
    // The default-delay field as a number of ms within 0-65535 (an empty text gives 0), handed
    // on: the field then shows the number.
    int defaultDelayMs();

    // Controls, public for the main window's tests as its own are.
    KestLabel *m_pTopLabel = nullptr;
    KestPushButton *m_pCloseButton = nullptr;
    KestPushButton *m_pNewButton = nullptr;
    KestPushButton *m_pDeleteMacroButton = nullptr;
    KestPushButton *m_pDeleteStepButton = nullptr;
    KestPushButton *m_pMoveUpButton = nullptr;
    KestPushButton *m_pMoveDownButton = nullptr;
    KestPushButton *m_pEditButton = nullptr;
    KestPushButton *m_pTopButton = nullptr;
    KestPushButton *m_pBottomButton = nullptr;
    KestPushButton *m_pClearButton = nullptr;
    KestPushButton *m_pCopyButton = nullptr;
    KestPushButton *m_pCutButton = nullptr;
    KestPushButton *m_pPasteButton = nullptr;
    KestPushButton *m_pRecordAfterButton = nullptr;
    KestPushButton *m_pMouseActionButton = nullptr;
    KestPushButton *m_pRenameButton = nullptr;
    KestPushButton *m_pSaveButton = nullptr;
    KestPushButton *m_pCancelButton = nullptr;
    KestPushButton *m_pInsertDelayButton = nullptr;
    KestPushButton *m_pStepKeyButton = nullptr;
    KestPushButton *m_pStepMouseButton = nullptr;
    KestPushButton *m_pStepMoveButton = nullptr;
    KestPushButton *m_pGunSetButton = nullptr;
    KestPushButton *m_pImportButton = nullptr;
    KestPushButton *m_pExportButton = nullptr;
    KestPushButton *m_pStartButton = nullptr;
    KestPushButton *m_pStopButton = nullptr;
    KestPushButton *m_pLoopButtons[3] = {};
    QCheckBox *m_pBatchCheck = nullptr;
    QCheckBox *m_pRecordDelayCheck = nullptr;
    QCheckBox *m_pDefaultDelayCheck = nullptr;
    KestLabel *m_pLoopLabels[3] = {};
    KestLabel *m_pListCaption = nullptr;
    KestLabel *m_pTreeCaption = nullptr;
    KestLabel *m_pNameCaption = nullptr;
    KestLabel *m_pBatchCaption = nullptr;
    KestLabel *m_pFurtherLabels[2] = {};
    KestLabel *m_pStepKeyCaption = nullptr;
    KestLabel *m_pStepDelayCaption = nullptr;
    KestLabel *m_pStepMouseCaption = nullptr;
    KestLabel *m_pStepMoveCaption = nullptr;
    KestLabel *m_pStepDistanceCaption = nullptr;
    QLineEdit *m_pNameEdit = nullptr;
    QLineEdit *m_pStepDelayEdit = nullptr;
    QLineEdit *m_pStepDistanceEdit = nullptr;
    QLineEdit *m_pDefaultDelayEdit = nullptr;
    QLineEdit *m_pLoopCountEdit = nullptr;
    KestTreeWidget *m_pTree = nullptr;
    QTreeWidgetItem *m_pTreeRows[9] = {};
    QTreeWidgetItem *m_pTreeChildren[kMouseButtonCount][2] = {};
    KestTreeItem *m_pMoveRows[4] = {};
    QMenu *m_pButtonMenu = nullptr;
    QMenu *m_pMoveMenu = nullptr;
    KestAction *m_pButtonActions[kMouseButtonCount] = {};
    KestAction *m_pMoveActions[4] = {};
    QTableView *m_pTable = nullptr;
    QStandardItemModel *m_pModel = nullptr;
    QItemSelectionModel *m_pSelection = nullptr;
    KestMacroItemDelegate *m_pDelegate = nullptr;
    QListWidget *m_pList = nullptr;

signals:
    void EnableButtonsSignal(bool enable);

public slots:
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void itemClicked(const QModelIndex &index);
    void EditMoveChanged(const QString &text);
    void EditDelayChanged(const QString &text);
    void DefDelayChanged(const QString &text);
    void LoopTimeChanged(const QString &text);
    void CurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void mousemove_test();
    void KestItemPressed();
    void checkbtn_clicked();
    void SelectRow(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OnButtonClicked();
    void onMenuAction();
    bool onCapturedKey(const CapturedKey *key);
    void buildWidgets();
    KestPushButton *makeButton(const QStringList &images, const char *objectName);
    void layoutWidgets();
    void restyleTable();
    void startRecording();
    void stopRecording();
    void insertRows(int row, const QVector<MacroStep> &steps);
    void setRow(int row, const MacroStep &step);
    void selectRow(int row);
    QString rowName(const QListWidgetItem *item) const;
    int showBox(int kind, const QString &heading, const QString &message);
    void showWriteFailure();
    void showStoredDistance(int distance);
    // The step editor's typed numbers: a clamp logged and the value kept shown.
    void handOnStepFields();
    void resetEditorFields(int delayType);
    bool refuseName(const QString &name);
    void applyLoadedSettings(const MacroFile &macro);

    MacroRecorder m_recorder;
    std::unique_ptr<KeyCapture> m_capture;
    quint32 m_lastScanCode = 0;
    quint32 m_lastFlags = 0;
    int m_delayType = 0;
    int m_minDelay = kFallbackMinDelay;
    bool m_editMode = false;
    bool m_recording = false;
    bool m_batchMode = false;
    bool m_mouseActionMode = false;
    QPixmap m_pixmaps[2];
    QString m_currentMacroName;  // the macro the editor shows: loaded, new or renamed
};
