#include "kestbtnwindow.h"

#include "buttonfunctions.h"
#include "buttonslogging.h"
#include "configuredfont.h"
#include "devicedefaults.h"
#include "kestaction.h"
#include "kestcombokeywindow.h"
#include "kestfirekeywindow.h"
#include "kestmacroselect.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kestsinglekeywindow.h"
#include "kestsniperwindow.h"
#include "keycodes.h"
#include "lightingfiles.h"
#include "macrofiles.h"
#include "scale.h"
#include "settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <cstring>

namespace {

struct ActionDef {
    const char *text;
    qint32 code;
};

// In the order of KestBtnWindow::ActionId.
const ActionDef kActions[KestBtnWindow::kActionCount] = {
    {QT_TRANSLATE_NOOP("QObject", "Left"), kFunLeft},
    {QT_TRANSLATE_NOOP("QObject", "Right"), kFunRight},
    {QT_TRANSLATE_NOOP("QObject", "Middle"), kFunMiddle},
    {QT_TRANSLATE_NOOP("QObject", "Forward"), kFunForward},
    {QT_TRANSLATE_NOOP("QObject", "Back"), kFunBack},
    {QT_TRANSLATE_NOOP("QObject", "Button Off"), kFunButtonOff},
    {QT_TRANSLATE_NOOP("QObject", "Macro Manager"), kFunMacro},
    {QT_TRANSLATE_NOOP("QObject", "GunFile Manager"), kFunGunFile},
    {QT_TRANSLATE_NOOP("QObject", "Led Switch"), kFunLedSwitch},
    {QT_TRANSLATE_NOOP("QObject", "Cut"), kFunCut},
    {QT_TRANSLATE_NOOP("QObject", "Copy"), kFunCopy},
    {QT_TRANSLATE_NOOP("QObject", "Paste"), kFunPaste},
    {QT_TRANSLATE_NOOP("QObject", "All"), kFunSelectAll},
    {QT_TRANSLATE_NOOP("QObject", "Find"), kFunFind},
    {QT_TRANSLATE_NOOP("QObject", "New"), kFunNew},
    {QT_TRANSLATE_NOOP("QObject", "Print"), kFunPrint},
    {QT_TRANSLATE_NOOP("QObject", "Save"), kFunSave},
    {QT_TRANSLATE_NOOP("QObject", "Switch Window"), kFunSwitchWindow},
    {QT_TRANSLATE_NOOP("QObject", "Close Window"), kFunCloseWindow},
    {QT_TRANSLATE_NOOP("QObject", "My Computer"), kFunMyComputer},
    {QT_TRANSLATE_NOOP("QObject", "Run"), kFunRun},
    {QT_TRANSLATE_NOOP("QObject", "Show Desktop"), kFunShowDesktop},
    {QT_TRANSLATE_NOOP("QObject", "Lock PC"), kFunLockPc},
    {QT_TRANSLATE_NOOP("QObject", "Browser Home"), kFunBrowserHome},
    {QT_TRANSLATE_NOOP("QObject", "Browser Backward"), kFunBrowserBackward},
    {QT_TRANSLATE_NOOP("QObject", "Browser Forward"), kFunBrowserForward},
    {QT_TRANSLATE_NOOP("QObject", "Browser Stop"), kFunBrowserStop},
    {QT_TRANSLATE_NOOP("QObject", "Browser Refresh"), kFunBrowserRefresh},
    {QT_TRANSLATE_NOOP("QObject", "Browser Search"), kFunBrowserSearch},
    {QT_TRANSLATE_NOOP("QObject", "Browser Favorite"), kFunBrowserFavorite},
    {QT_TRANSLATE_NOOP("QObject", "Mail"), kFunMail},
    {QT_TRANSLATE_NOOP("QObject", "Boss Key"), kFunBossKey},
    {QT_TRANSLATE_NOOP("QObject", "SINGLE KEY"), kFunSingleKey},
    {QT_TRANSLATE_NOOP("QObject", "COMBO KEY"), kFunComboKey},
    {QT_TRANSLATE_NOOP("QObject", "FIRE KEY"), kFunFireKey},
    {QT_TRANSLATE_NOOP("QObject", "SNIPER"), kFunSniper},
    {QT_TRANSLATE_NOOP("QObject", "Play/Pause"), kFunPlayPause},
    {QT_TRANSLATE_NOOP("QObject", "Stop"), kFunStop},
    {QT_TRANSLATE_NOOP("QObject", "Previous Track"), kFunPreviousTrack},
    {QT_TRANSLATE_NOOP("QObject", "Next Track"), kFunNextTrack},
    {QT_TRANSLATE_NOOP("QObject", "Volume Up"), kFunVolumeUp},
    {QT_TRANSLATE_NOOP("QObject", "Volume Down"), kFunVolumeDown},
    {QT_TRANSLATE_NOOP("QObject", "Mute"), kFunMute},
    {QT_TRANSLATE_NOOP("QObject", "Media Player"), kFunMediaPlayer},
    {QT_TRANSLATE_NOOP("QObject", "DPI Switch"), kFunDpiSwitch},
    {QT_TRANSLATE_NOOP("QObject", "DPI +"), kFunDpiUp},
    {QT_TRANSLATE_NOOP("QObject", "DPI -"), kFunDpiDown},
    {QT_TRANSLATE_NOOP("QObject", "Profile Switch"), kFunProfileSwitch},
    {QT_TRANSLATE_NOOP("QObject", "Profile +"), kFunProfileUp},
    {QT_TRANSLATE_NOOP("QObject", "Profile -"), kFunProfileDown},
    {QT_TRANSLATE_NOOP("QObject", "Rate Switch"), kFunRateSwitch},
    {QT_TRANSLATE_NOOP("QObject", "Rate +"), kFunRateUp},
    {QT_TRANSLATE_NOOP("QObject", "Rate -"), kFunRateDown},
    {QT_TRANSLATE_NOOP("QObject", "Scroll Up"), kFunScrollUp},
    {QT_TRANSLATE_NOOP("QObject", "Scroll Down"), kFunScrollDown},
};

const char *const kSubMenuTitles[KestBtnWindow::kSubMenuCount] = {
    QT_TRANSLATE_NOOP("QObject", "Basic"),  QT_TRANSLATE_NOOP("QObject", "Windows"),
    QT_TRANSLATE_NOOP("QObject", "Advance"), QT_TRANSLATE_NOOP("QObject", "Media"),
    QT_TRANSLATE_NOOP("QObject", "DPI"),    QT_TRANSLATE_NOOP("QObject", "Profile Menu"),
    QT_TRANSLATE_NOOP("QObject", "Polling Rate")};

// Each sub-menu's actions, the first `listed` of them in the menu.
struct SubMenuDef {
    int first;
    int count;
    int listed;
};
const SubMenuDef kSubMenus[KestBtnWindow::kSubMenuCount] = {
    {KestBtnWindow::ActCut, 8, 8},          {KestBtnWindow::ActSwitchWindow, 15, 6},
    {KestBtnWindow::ActSingleKey, 4, 3},    {KestBtnWindow::ActPlayPause, 8, 8},
    {KestBtnWindow::ActDpiSwitch, 3, 3},    {KestBtnWindow::ActProfileSwitch, 3, 3},
    {KestBtnWindow::ActRateSwitch, 3, 2}};
// "Polling Rate" lists "Rate +" and "Rate -", not "Rate Switch".
constexpr int kFirstListedRateAction = KestBtnWindow::ActRateUp;

const int kWheelMenuActions[] = {KestBtnWindow::ActScrollUp,  KestBtnWindow::ActScrollDown,
                                 KestBtnWindow::ActVolumeUp,  KestBtnWindow::ActVolumeDown,
                                 KestBtnWindow::ActLeft,      KestBtnWindow::ActRight,
                                 KestBtnWindow::ActMiddle,    KestBtnWindow::ActForward,
                                 KestBtnWindow::ActBack,      KestBtnWindow::ActSingleKey,
                                 KestBtnWindow::ActComboKey};

QString translated(const char *text) { return QCoreApplication::translate("QObject", text); }

QFont languageFont(double scale)
{
    const ConfiguredFontEntry entry = ReadConfiguredFont();
    QFont font;
    if (!entry.family.isEmpty())
        font.setFamily(entry.family);
    const int pixels = int(entry.size * scale);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

constexpr int kComboStepBytes = 5;
constexpr quint8 kComboPress = 0x80;

} // namespace

qint32 KestBtnWindow::ActionCode(int action)
{
    return action >= 0 && action < kActionCount ? kActions[action].code : 0;
}

const char *KestBtnWindow::ActionSourceText(int action)
{
    return action >= 0 && action < kActionCount ? kActions[action].text : "";
}

KestBtnWindow::KestBtnWindow(ProfileRecord *record, QWidget *parent, double scale)
    : QWidget(parent), m_pProfile(record), m_dScaleFactor(scale)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet("background:transparent;");
    setupUi();
    UpdateLanguage();
}

KestBtnWindow::~KestBtnWindow()
{
    // The buttons are children; the actions have no parent.
    for (KestAction *&action : m_pActions) {
        delete action;
        action = nullptr;
    }
}

KestAction *KestBtnWindow::makeAction(int id)
{
    auto *action = new KestAction(nullptr);
    action->setText(translated(kActions[id].text));
    connect(action, &QAction::triggered, this, &KestBtnWindow::onFunctionChosen);
    m_pActions[id] = action;
    return action;
}

// A rebuilt entry gets a new action; the old one is in no menu any more.
void KestBtnWindow::replaceAction(int id)
{
    KestAction *old = m_pActions[id];
    makeAction(id);
    delete old;
}

void KestBtnWindow::setupUi()
{
    const double s = m_dScaleFactor;
    m_pMainMenu = new QMenu(this);
    m_pMainMenu->installEventFilter(this);

    for (int id = ActLeft; id <= ActBack; ++id)
        m_pMainMenu->addAction(makeAction(id));
    for (int m = 0; m < kSubMenuCount; ++m) {
        m_pSubMenus[m] = new QMenu(translated(kSubMenuTitles[m]), this);
        const SubMenuDef &def = kSubMenus[m];
        for (int id = def.first; id < def.first + def.count; ++id) {
            makeAction(id);
            const bool listed = m == MenuRate ? id >= kFirstListedRateAction : id < def.first + def.listed;
            if (listed)
                m_pSubMenus[m]->addAction(m_pActions[id]);
        }
        if (m != MenuProfile)
            m_pMainMenu->addMenu(m_pSubMenus[m]);
    }
    m_pMainMenu->addAction(makeAction(ActMacro));
    m_pMainMenu->addAction(makeAction(ActGunFile));
    makeAction(ActLedSwitch);
    if (GetLedDisable() == 0)
        m_pMainMenu->addAction(m_pActions[ActLedSwitch]);
    m_pMainMenu->addAction(makeAction(ActButtonOff));

    makeAction(ActScrollUp);
    makeAction(ActScrollDown);
    m_pWheelMenu = new QMenu(this);
    for (int id : kWheelMenuActions)
        m_pWheelMenu->addAction(m_pActions[id]);

    ApplyMenuStyle();

    const QString d = AppDir();
    const QStringList skin{d + "/skin/tabbutton-1.png", d + "/skin/tabbutton-3.png", d + "/skin/tabbutton-2.png"};
    auto makeButton = [&](QMenu *menu) {
        auto *button = new KestPushButton(skin, this, QString());
        button->setMenu(menu);
        button->setButtonText(QObject::tr("1"));
        connect(button, &KestPushButton::OverSignal, this, &KestBtnWindow::slotMouseOver);
        connect(button, &KestPushButton::EnterSignal, this, &KestBtnWindow::slotMouseEnter);
        return button;
    };
    for (int i = 0; i < kPanelButtons; ++i) {
        m_pFrontButtons[i] = makeButton(m_pMainMenu);
        m_pFrontButtons[i]->setTextMark(quint8(i + 1));
        m_pFrontButtons[i]->setThemeHighlight(true);
    }
    for (int i = 0; i < kPanelButtons; ++i) {
        m_pSideButtons[i] = makeButton(m_pMainMenu);
        m_pSideButtons[i]->setTextMark(quint8(i + 1));
        m_pSideButtons[i]->setGeometry(scaled(29, s), scaled(62 + 25 * i, s), scaled(150, s), scaled(20, s));
    }
    for (int i = 0; i < kWheelButtons; ++i) {
        m_pWheelButtons[i] = makeButton(m_pWheelMenu);
        m_pWheelButtons[i]->setGeometry(scaled(29, s), scaled(62, s), scaled(150, s), scaled(20, s));
    }
    m_pWheelButtons[0]->setTextMark(KestPushButton::kMarkUpArrow);
    m_pWheelButtons[1]->setTextMark(KestPushButton::kMarkDownArrow);

    UpdateModelLayout();
    ShowPanel(m_editedIndex, kNone);
}

void KestBtnWindow::ApplyMenuStyle()
{
    QColor palette[kMenuPaletteSize];
    for (QColor &colour : palette)
        colour = QColor(80, 80, 80);
    palette[5] = CurrentThemeColor();
    const QString sheet = BuildMenuStyleSheet(palette);
    m_pMainMenu->setFixedWidth(int(160 * m_dScaleFactor));
    m_pMainMenu->setStyleSheet(sheet);
    m_pWheelMenu->setFixedWidth(int(160 * m_dScaleFactor));
    m_pWheelMenu->setStyleSheet(sheet);
    for (QMenu *menu : m_pSubMenus) {
        menu->setFixedWidth(int(147 * m_dScaleFactor));
        menu->setStyleSheet(sheet);
    }
}

void KestBtnWindow::RebuildMenus()
{
    m_pMainMenu->clear();
    for (int id = ActLeft; id <= ActBack; ++id) {
        replaceAction(id);
        m_pMainMenu->addAction(m_pActions[id]);
    }
    for (int m : {MenuBasic, MenuWindows, MenuAdvance, MenuMedia, MenuDpi, MenuRate})
        m_pMainMenu->addMenu(m_pSubMenus[m]);
    if (GetDisableMacro() == 0) {
        replaceAction(ActMacro);
        m_pMainMenu->addAction(m_pActions[ActMacro]);
    }
    replaceAction(ActLedSwitch);
    if (GetLedDisable() == 0)
        m_pMainMenu->addAction(m_pActions[ActLedSwitch]);
    replaceAction(ActButtonOff);
    m_pMainMenu->addAction(m_pActions[ActButtonOff]);

    m_pWheelMenu->clear();
    for (int id : kWheelMenuActions)
        m_pWheelMenu->addAction(m_pActions[id]);
}

void KestBtnWindow::UpdateLanguage()
{
    m_pMainMenu->setFont(languageFont(1.0));
    RebuildMenus();
    for (int m = 0; m < kSubMenuCount; ++m)
        m_pSubMenus[m]->setTitle(translated(kSubMenuTitles[m]));
    for (int id = 0; id < kActionCount; ++id)
        m_pActions[id]->setText(translated(kActions[id].text));
    RefreshButtonTexts();
}

void KestBtnWindow::UpdateFonts(double scale)
{
    m_dScaleFactor = scale;
    const QFont font = languageFont(scale);
    for (KestPushButton *b : m_pFrontButtons)
        b->setGeometry(0, 0, 0, 0);
    for (KestPushButton *b : m_pSideButtons)
        b->setGeometry(0, 0, 0, 0);
    for (KestPushButton *b : m_pWheelButtons)
        b->setGeometry(0, 0, 0, 0);
    UpdateModelLayout();
    for (QMenu *menu : {m_pWheelMenu, m_pMainMenu}) {
        menu->setFixedWidth(int(220 * scale));
        menu->setFont(font);
    }
    for (QMenu *menu : m_pSubMenus)
        menu->setFixedWidth(int(220 * scale));
    for (KestAction *action : m_pActions)
        applyConfiguredFont(action);
}

void KestBtnWindow::UpdateModelLayout()
{
    quint8 matrix[kButtonMatrixSize];
    std::fill(std::begin(matrix), std::end(matrix), quint8(0xFF));
    const int n = std::min(GetButtonMatrix2(matrix), kButtonMatrixSize);  // -1: no description
    if (n <= 0)
        return;
    const double s = m_dScaleFactor;
    int shown = 0;
    for (int i = 0; i < n; ++i)
        shown += matrix[i] != 0xFF;
    int top = 30, gap = 20;
    if (shown <= 9)
        top = gap = int((height() - 30 * s * shown) / (shown + 1));
    int c = 0;
    for (int i = 0; i < n; ++i) {
        KestPushButton *button = m_pFrontButtons[i];
        if (matrix[i] == 0xFF) {
            button->setGeometry(0, 0, 0, 0);
            continue;
        }
        button->setGeometry(int(56 * s), int(top + c * gap + 30 * s * c), int(220 * s), int(30 * s));
        button->setTextMark(quint8(c + 1));
        ++c;
    }
}

void KestBtnWindow::ShowPanel(int index, int panel)
{
    m_editedIndex = quint8(index);
    if (panel != kNone)
        m_editedPanel = quint8(panel);
    const int p = m_editedPanel;
    if (p != 0 && p != 1 && p != 2)
        return;
    const bool front = p != 1;
    for (KestPushButton *b : m_pFrontButtons)
        b->setVisible(front);
    for (KestPushButton *b : m_pWheelButtons)
        b->setVisible(front);
    for (KestPushButton *b : m_pSideButtons)
        b->setVisible(!front);
}

void KestBtnWindow::SelectButton(int index, int panel)
{
    m_editedIndex = quint8(index);
    m_editedPanel = quint8(panel);
    ShowPanel(index, panel);
    RefreshButtonTexts();
}

void KestBtnWindow::SetProfileData(ProfileRecord *record)
{
    m_pProfile = record;
    RefreshButtonTexts();
}

QString KestBtnWindow::CaptionFor(int entry, const ButtonInfo &info) const
{
    if (IsMacroFunction(info.Fun))
        return info.macroname;
    if ((info.Fun == kFunScrollUp || info.Fun == kFunScrollDown) && entry < 2 * kPanelButtons)
        return QString();
    for (int id = 0; id < kActionCount; ++id) {
        if (kActions[id].code == info.Fun)
            return m_pActions[id]->text();
    }
    return QString();
}

void KestBtnWindow::RefreshButtonTexts()
{
    if (!m_pProfile)
        return;
    for (int entry = 0; entry < kButtonCount; ++entry) {
        KestPushButton *button = entry < kPanelButtons ? m_pFrontButtons[entry]
                                 : entry < 2 * kPanelButtons ? m_pSideButtons[entry - kPanelButtons]
                                                             : m_pWheelButtons[entry - 2 * kPanelButtons];
        button->setButtonText(CaptionFor(entry, m_pProfile->buttonInfo[entry]));
    }
}

KestPushButton *KestBtnWindow::buttonAt(int panel, int index) const
{
    if (index < 0)
        return nullptr;
    if (panel == 0 && index < kPanelButtons)
        return m_pFrontButtons[index];
    if (panel == 1 && index < kPanelButtons)
        return m_pSideButtons[index];
    if (panel == 2 && index < kWheelButtons)
        return m_pWheelButtons[index];
    return nullptr;
}

KestPushButton *KestBtnWindow::EditedButton() const { return buttonAt(m_editedPanel, m_editedIndex); }

int KestBtnWindow::EditedEntry() const
{
    return EditedButton() ? m_editedPanel * kPanelButtons + m_editedIndex : -1;
}

bool KestBtnWindow::locate(const KestPushButton *button, int &panel, int &index) const
{
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < (p == 2 ? kWheelButtons : kPanelButtons); ++i) {
            if (buttonAt(p, i) == button) {
                panel = p;
                index = i;
                return true;
            }
        }
    }
    return false;
}

void KestBtnWindow::slotMouseOver(KestPushButton *button, bool on)
{
    int panel, index;
    if (locate(button, panel, index))
        emit SelBtnControl(button, on);
}

void KestBtnWindow::slotMouseEnter(KestPushButton *button)
{
    int panel, index;
    if (!locate(button, panel, index))
        return;
    m_editedPanel = quint8(panel);
    m_editedIndex = quint8(index);
}

void KestBtnWindow::OnMouseEnterSlot(KestPushButton *button)
{
    for (int i = 0; i < kPanelButtons; ++i) {
        if (m_pFrontButtons[i] == button) {
            m_editedPanel = 0;
            ShowPanel(i, kNone);
        }
    }
    qCDebug(lcButtons, "OnMouseEnterSlot %d", m_editedIndex);
}

bool KestBtnWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pMainMenu && event->type() == QEvent::Close) {
        if (KestPushButton *button = EditedButton())
            emit SelBtnControl(button, false);
        else
            qCDebug(lcButtons, "menu closed without an edited button");
    }
    return QWidget::eventFilter(watched, event);
}

void KestBtnWindow::endAssignment(KestPushButton *button)
{
    emit SelBtnControl(button, false);
    m_editedPanel = kNone;
    m_editedIndex = kNone;
}

void KestBtnWindow::InsertKeyPair(int position, int keyCode)
{
    const int entry = EditedEntry();
    if (entry >= 0 && m_pProfile)
        insertKeyPair(m_pProfile->buttonInfo[entry], position, keyCode);
}

void KestBtnWindow::insertKeyPair(ButtonInfo &info, int position, int keyCode)
{
    if (position < 0 || position > kKeySteps - 2)
        return;
    KeyInfo *steps = info.keyInfo;
    int usage = 0;
    KeyCodeToHidUsage(keyCode, usage);
    KeyInfo kept[kKeySteps];
    const int keptCount = kKeySteps - 2 - position;  // steps n to 60
    std::copy(steps + position, steps + position + keptCount, kept);
    steps[position] = {quint8(usage), kComboStepBytes, kComboPress};
    steps[position + 1] = {quint8(usage), kComboStepBytes, 0};
    std::copy(kept, kept + keptCount, steps + position + 2);
}

void KestBtnWindow::onFunctionChosen()
{
    const int id = int(std::find(std::begin(m_pActions), std::end(m_pActions), sender()) - std::begin(m_pActions));
    KestPushButton *button = EditedButton();
    const int entry = EditedEntry();
    if (id >= kActionCount || !button || !m_pProfile) {
        qCDebug(lcButtons, "function chosen without an edited button (panel %d, index %d)", m_editedPanel,
                m_editedIndex);
        return;
    }
    ButtonInfo &info = m_pProfile->buttonInfo[entry];
    emit SelBtnControl(button, true);

    if (info.Fun == kFunLeft && id != ActLeft) {
        bool another = false;
        for (int i = 0; i < kButtonCount; ++i)
            another = another || (i != entry && m_pProfile->buttonInfo[i].Fun == kFunLeft);
        if (!another) {
            emit PopOneClickBox();
            return;
        }
    }

    const qint32 code = kActions[id].code;
    if (code == kFunSingleKey || code == kFunComboKey || code == kFunFireKey || code == kFunSniper) {
        runDialogFunction(id, entry, button);
    } else if (IsMacroFunction(code)) {
        if (!runMacroFunction(id, entry, button))
            return;
    } else {
        info.Fun = code;
        button->setButtonText(m_pActions[id]->text());
    }
    endAssignment(button);
}

// The mouse may switch profile while a dialog runs, and the page then shows another record:
// the caption is written only while the page shows the record it belongs to.
void KestBtnWindow::showCaption(const ProfileRecord *record, KestPushButton *button, const QString &caption)
{
    if (record == m_pProfile)
        button->setButtonText(caption);
}

void KestBtnWindow::runDialogFunction(int id, int entry, KestPushButton *button)
{
    ProfileRecord *const record = m_pProfile;  // the result goes here, whatever the page shows by then
    ButtonInfo &info = record->buttonInfo[entry];
    const QString text = m_pActions[id]->text();
    button->setButtonText(text);
    bool assigned = false;
    switch (kActions[id].code) {
    case kFunSingleKey: {
        KestSingleKeyWindow dialog(this);
        if (info.Fun == kFunSingleKey)
            dialog.SetKey(info.Res1);
        if (dialog.exec() == QDialog::Accepted) {
            info.Res1 = dialog.keyCode;
            info.Fun = kFunSingleKey;
            qCDebug(lcButtons, "%d", dialog.keyCode);
            assigned = true;
        }
        break;
    }
    case kFunComboKey: {
        KestComboKeyWindow dialog(this);
        if (info.Fun == kFunComboKey)
            dialog.SetKeys(info.keyInfo);
        if (dialog.exec() == QDialog::Accepted) {
            std::memset(static_cast<void *>(info.keyInfo), 0, sizeof info.keyInfo);
            int n = 0;
            for (int g = 0; g < kComboGroups; ++g) {
                if (dialog.comboState[g] != 0)
                    insertKeyPair(info, n++, dialog.comboCodes[g][0]);
            }
            info.Fun = kFunComboKey;
            assigned = true;
        }
        break;
    }
    case kFunFireKey: {
        KestFireKeyWindow dialog(this);
        if (info.Fun == kFunFireKey)
            dialog.SetFireKey(&info);
        if (dialog.exec() != QDialog::Accepted)
            break;
        static const quint8 kButtons[] = {kFireLeftButton, kFireRightButton, kFireMiddleButton};
        int fire = 0;
        if (dialog.fireChoice < KestFireKeyWindow::kFireKeyboard)
            fire = kButtons[dialog.fireChoice];
        else
            KeyCodeToHidUsage(dialog.keyCode, fire);
        // Res1 0 would fire the left button: a keyboard choice without a key changes nothing.
        if (fire == 0)
            break;
        info.Res1 = quint8(fire);
        info.KeyNumber = dialog.delay();
        info.LoopNumber = dialog.times();
        info.Fun = kFunFireKey;
        assigned = true;
        break;
    }
    case kFunSniper: {
        KestSniperWindow dialog(this);
        if (info.Fun == kFunSniper)
            dialog.setSniperLevel(info.Res1);
        if (dialog.exec() == QDialog::Accepted) {
            info.Res1 = dialog.level;
            info.Fun = kFunSniper;
            assigned = true;
        }
        break;
    }
    default:
        break;
    }
    // A cancelled dialog leaves the entry as it was: so does its caption.
    showCaption(record, button, assigned ? text : CaptionFor(entry, info));
}

bool KestBtnWindow::runMacroFunction(int id, int entry, KestPushButton *button)
{
    ProfileRecord *const record = m_pProfile;
    ButtonInfo &info = record->buttonInfo[entry];
    const bool gunFile = id == ActGunFile;
    const qint32 code = kActions[id].code;
    if (gunFile && entry == 0) {
        KestMessageBox box(2, QString(), QObject::tr("Warning"), QObject::tr("Left Button Can not be Gun Function."),
                           this, false, Qt::FramelessWindowHint);
        box.exec();
        return false;
    }
    if (CountMacros() < 1) {
        emit GotoMacroTab(3);
        return false;
    }
    QString name;
    int loops = 1, mode = 0;
    if (info.Fun == code) {
        name = info.macroname;
        loops = info.LoopNumber;
        mode = info.Res1;
    }
    KestMacroSelect dialog(QString(), gunFile ? QObject::tr("GUNFILE SELECT") : QObject::tr("MACRO SELECT"), name,
                           loops, mode, this, Qt::FramelessWindowHint);
    // Accepted without a macro chosen, the button would lose its function for an empty macro.
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.macroName.isEmpty();
    if (!accepted) {
        if (name.isEmpty())
            return true;
        showCaption(record, button, name);
        return false;
    }
    info.Fun = code;
    info.LoopNumber = dialog.repeatCount();
    info.Res1 = quint8(dialog.selectedMode());
    info.macroname = dialog.macroName;
    showCaption(record, button, dialog.macroName);
    LoadMacroSteps(info.macroname, info);
    return true;
}
