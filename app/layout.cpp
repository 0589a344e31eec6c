// The window's controls: creation, placement at the current scale, connection icons.
#include "varnelwidget.h"

#include "devicedefaults.h"
#include "devicetable.h"
#include "configuredfont.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestcolorwindow.h"
#include "kestdpiwindow.h"
#include "kestlabel.h"
#include "kestpointspeed.h"
#include "kestprocessbar.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "lightingfiles.h"
#include "macrodialog.h"
#include "scale.h"
#include "windowhelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QToolTip>

namespace {

QStringList skinPaths(std::initializer_list<const char *> names)
{
    QStringList paths;
    for (const char *name : names)
        paths << AppDir() + name;
    return paths;
}

QStringList tabImages()
{
    return skinPaths({"/skin/tabbutton-1.png", "/skin/tabbutton-3.png", "/skin/tabbutton-2.png"});
}

QPalette whiteTextPalette(const QWidget *widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::WindowText, QBrush(Qt::white));
    return palette;
}

} // namespace

QString MenuStyleSheet()
{
    QColor palette[kMenuPaletteSize];
    for (QColor &colour : palette)
        colour = CurrentThemeColor();  // only the theme entry enters the sheet
    return BuildMenuStyleSheet(palette);
}


void VarnelWidget::setupUi()
{
    const double s = m_dScaleFactor;
    auto button = [this](const QStringList &images) {
        auto *b = new KestPushButton(images, this, QString());
        connect(b, &QPushButton::clicked, this, &VarnelWidget::onProfileButtonClicked);
        return b;
    };
    auto themed = [&button](const QStringList &images) {
        KestPushButton *b = button(images);
        b->setThemeHighlight(true);
        return b;
    };

    m_pBatteryBar = new KestProcessbar(this);
    m_pBatteryBar->setOrientation(Qt::Horizontal);
    m_pBatteryBar->setRange(0, 100);
    m_pBatteryBar->setTextVisible(true);
    m_batteryLevel = GetBattery();
    m_pBatteryBar->setValue(qBound(0, m_batteryLevel, 100));

    m_pVersionLabel = new KestLabel(this);
    m_pVersionLabel->setPalette(whiteTextPalette(m_pVersionLabel));
    m_pVersionLabel->m_alignment = Qt::AlignRight | Qt::AlignVCenter;
    connect(m_pVersionLabel, &KestLabel::EnterSignal, this, &VarnelWidget::openVersionLink);
    setScaledGeometry(m_pVersionLabel, s, 807, 594, 140, 20);

    m_pModelLabel = new KestLabel(this);
    m_pModelLabel->setPalette(whiteTextPalette(m_pModelLabel));
    m_pModelLabel->m_alignment = Qt::AlignCenter;
    m_pModelLabel->m_text = GetModel();

    // The export button shows the images named "import", and the other way round.
    const QStringList tabs = tabImages();
    const struct {
        KestPushButton **member;
        QStringList images;
        bool theme;
        QRect rect;
    } buttons[] = {
        {&m_pCloseButton, skinPaths({"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"}), false, {924, 33, 19, 19}},
        {&m_pMinimizeButton, skinPaths({"/skin/min-1.png", "/skin/min-2.png", "/skin/min-3.png"}), false, {903, 33, 19, 19}},
        {&m_pExportButton, skinPaths({"/skin/profile_import1.png", "/skin/profile_import2.png", "/skin/profile_import2.png"}), true, {143, 180, 24, 24}},
        {&m_pImportButton, skinPaths({"/skin/profile_export1.png", "/skin/profile_export1.png", "/skin/profile_export1.png"}), true, {112, 180, 24, 24}},
        {&m_pResetButton, skinPaths({"/skin/profile_reset1.png", "/skin/profile_reset2.png", "/skin/profile_reset2.png"}), true, {205, 180, 24, 24}},
        {&m_pAddButton, skinPaths({"/skin/profile_add1.png", "/skin/profile_add2.png", "/skin/profile_add2.png"}), true, {50, 180, 24, 24}},
        {&m_pDeleteButton, skinPaths({"/skin/profile_del1.png", "/skin/profile_del2.png", "/skin/profile_del2.png"}), true, {81, 180, 24, 24}},
        {&m_pCopyButton, skinPaths({"/skin/profile_copy1.png", "/skin/profile_copy2.png", "/skin/profile_copy2.png"}), true, {174, 180, 24, 24}},
        {&m_pResetAllButton, tabs, true, {308, 563, 128, 30}},
        {&m_pOkButton, tabs, true, {439, 563, 76, 30}},
        {&m_pCancelButton, tabs, true, {518, 563, 76, 30}},
        {&m_pLoadButton, tabs, true, {439, 563, 76, 30}},
        {&m_pSaveButton, tabs, true, {518, 563, 76, 30}},
        {&m_pApplyButton, tabs, true, {597, 563, 76, 30}},
    };
    for (const auto &b : buttons) {
        *b.member = b.theme ? themed(b.images) : button(b.images);
        setScaledGeometry(*b.member, s, b.rect.x(), b.rect.y(), b.rect.width(), b.rect.height());
    }

    const QString menuStyle = MenuStyleSheet();
    m_pLanguageMenu = new QMenu(this);
    m_pLanguageMenu->setFixedWidth(int(105 * s));
    m_pLanguageMenu->setStyleSheet(menuStyle);
    for (int i = 0; i < m_langCount; ++i) {
        m_pLanguageActions[i] = new KestAction(m_langNames[i], this);
        m_pLanguageMenu->addAction(m_pLanguageActions[i]);
        connect(m_pLanguageActions[i], &QAction::triggered, this, &VarnelWidget::onLanguageChosen);
    }
    m_pLanguageButton = themed(skinPaths({"/skin/lang.png", "/skin/lang.png", "/skin/lang.png"}));
    m_pLanguageButton->setMenu(m_pLanguageMenu);
    setScaledGeometry(m_pLanguageButton, s, 774, 33, 105, 20);

    m_pSlotButton = button(skinPaths({"/skin/profilesel.png", "/skin/profilesel.png", "/skin/profilesel.png"}));
    setScaledGeometry(m_pSlotButton, s, 68, 213, 150, 29);
    for (int i = 0; i < kProfileCount; ++i) {
        m_pProfileSlotButtons[i] = button(
            skinPaths({"/skin/profile_edit_name_1.png", "/skin/profile_edit_name_2.png", "/skin/profile_edit_name_2.png"}));
        m_pProfileSlotButtons[i]->setButtonCheckable(true);
        setScaledGeometry(m_pProfileSlotButtons[i], s, 70, 226 + 34 * i, 152, 28);
    }
    for (int i = 0; i < kPageTabs; ++i) {
        m_pTabButtons[i] = themed(tabImages());
        m_pTabButtons[i]->setButtonCheckable(true);
        connect(m_pTabButtons[i], &KestPushButton::EnterSignal, this, &VarnelWidget::onTabButtonClicked);
        setScaledGeometry(m_pTabButtons[i], s, 69, 90 + 34 * i, 154, 29);
    }
    m_pFirmwareButton = new KestPushButton(tabImages(), this, QString());
    m_pFirmwareButton->setThemeHighlight(true);
    m_pFirmwareButton->setButtonCheckable(true);
    connect(m_pFirmwareButton, &KestPushButton::EnterSignal, this, &VarnelWidget::onTabButtonClicked);

    m_pFrontViewButton = themed(tabImages());
    m_pFrontViewButton->setVerticalText(true);
    m_pFrontViewButton->setButtonCheckable(true);
    setScaledGeometry(m_pFrontViewButton, s, 500, 321, 96, 20);
    m_pSideViewButton = themed(tabImages());
    m_pSideViewButton->setVerticalText(true);
    m_pSideViewButton->setButtonCheckable(true);
    setScaledGeometry(m_pSideViewButton, s, 631, 321, 96, 20);

    m_pFrontImage = new QLabel(this);
    m_pFrontImage->setAlignment(Qt::AlignCenter);
    setScaledGeometry(m_pFrontImage, s, 617, 99, 316, 443);
    m_pSideImage = new QLabel(this);
    m_pSideImage->setAlignment(Qt::AlignCenter);
    setScaledGeometry(m_pSideImage, s, 617, 99, 316, 443);
    m_pSideImage->hide();
    m_pChargeIcon = new QLabel(this);
    m_pChargeIcon->setAlignment(Qt::AlignCenter);
    m_pChargeIcon->hide();
    m_pDongleIcon = new QLabel(this);
    m_pDongleIcon->setAlignment(Qt::AlignCenter);
    m_pDongleIcon->hide();
    m_pLogoLabel = new QLabel(this);
    m_pLogoLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pLogoLabel->hide();

    const QStringList markImages = skinPaths({"/skin/btn_2.png", "/skin/btn_1.png", "/skin/btn_1.png"});
    for (KestPushButton **marks : {m_pFrontMarks, m_pSideMarks}) {
        for (int i = 0; i < kMarkCount; ++i) {
            marks[i] = themed(markImages);
            marks[i]->setRoundHighlight(true);
            marks[i]->setButtonCheckable(true);
            marks[i]->setButtonText(QString::number(i + 1));
        }
    }
    const QString model = GetCurrentProductName();
    const bool arrowFamily4 = model == "Wireless Mouse" || (g_deviceTable.count > 0 && model == g_deviceTable.entries[0].modelName);
    m_pWheelUpMark = themed(arrowFamily4 ? skinPaths({"/skin/btn_up4.png", "/skin/btn_up3.png", "/skin/btn_up3.png"})
                                         : skinPaths({"/skin/btn_up2.png", "/skin/btn_up1.png", "/skin/btn_up1.png"}));
    m_pWheelDownMark = themed(arrowFamily4
                                  ? skinPaths({"/skin/btn_down4.png", "/skin/btn_down3.png", "/skin/btn_down3.png"})
                                  : skinPaths({"/skin/btn_down2.png", "/skin/btn_down1.png", "/skin/btn_down1.png"}));
    for (KestPushButton *wheel : {m_pWheelUpMark, m_pWheelDownMark}) {
        wheel->setRoundHighlight(true);
        wheel->setButtonCheckable(true);
    }
    resetMouseImages();
    selectHotspot(0, 0);

    m_pSlotMenu = new QMenu(this);
    m_pSlotMenu->setFixedWidth(int(152 * s));
    m_pSlotMenu->setStyleSheet(menuStyle);
    for (int i = 0; i < kProfileCount; ++i) {
        m_pSlotActions[i] = new KestAction(this);
        m_pSlotMenu->addAction(m_pSlotActions[i]);
        connect(m_pSlotActions[i], &QAction::triggered, this, &VarnelWidget::onSlotMenuTriggered);
    }
    m_pSlotButton->setMenu(m_pSlotMenu);
    m_pProfileMenu = new QMenu(this);
    m_pProfileMenu->setFixedWidth(int(152 * s));
    m_pProfileMenu->setStyleSheet(menuStyle);

    m_pBlankLabel = new QLabel(this);
    m_pBlankLabel->setPalette(whiteTextPalette(m_pBlankLabel));

    m_profileNameEdit = new QLineEdit(this);
    m_profileNameEdit->setMaxLength(100);
    m_profileNameEdit->setAlignment(Qt::AlignCenter);
    m_profileNameEdit->setStyleSheet("border-width:2px;background-color:rgb(30,30,30);color:white");
    m_profileNameEdit->setStyleSheet("QToolTip{background-color:black}");
    connect(m_profileNameEdit, &QLineEdit::returnPressed, this, &VarnelWidget::slotProfileNameChange);
    setScaledGeometry(m_profileNameEdit, s, 68, 479, 134, 22);
    m_pProfileButton = button(skinPaths({"/skin/profile_apply1.png", "/skin/profile_apply1.png", "/skin/profile_apply1.png"}));
    m_pProfileButton->setMenu(m_pProfileMenu);
    setScaledGeometry(m_pProfileButton, s, 202, 479, 16, 22);
    m_pNameLabel = new KestLabel(this);
    m_pNameLabel->setPalette(whiteTextPalette(m_pNameLabel));
    setScaledGeometry(m_pNameLabel, s, 69, 458, 150, 18);

    const QColor theme = CurrentThemeColor();
    m_pBatteryBar->setStyleSheet(BatteryBarStyle(theme, int(16 * s), false, true));
}

void VarnelWidget::applyScaledLayout()
{
    const double s = m_dScaleFactor;
    if (m_pColorWindow) {
        setScaledGeometry(m_pColorWindow, s, 285, 90, 351, 440);
        m_pColorWindow->applyScale(s);
    }
    if (m_pDPIWindow) {
        setScaledGeometry(m_pDPIWindow, s, 285, 90, 456, 460);
        m_pDPIWindow->applyScale(s);
    }
    if (m_pPointSpeed)
        setScaledGeometry(m_pPointSpeed, s, 746, 185, 229, 366);
    if (m_pReportRate)
        setScaledGeometry(m_pReportRate, s, 746, 90, 229, 90);
    if (m_pMacroDialog)
        setScaledGeometry(m_pMacroDialog, s, 285, 90, 665, 467);

    setScaledGeometry(m_pMouseNameButton, s, 670, 33, 100, 20);
    setScaledGeometry(m_pVersionLabel, s, 757, 594, 190, 20);
    setScaledGeometry(m_pCloseButton, s, 924, 33, 19, 19);
    setScaledGeometry(m_pMinimizeButton, s, 903, 33, 19, 19);
    setScaledGeometry(m_pResetAllButton, s, 308, 588, 128, 30);
    setScaledGeometry(m_pApplyButton, s, 597, 588, 76, 30);
    setScaledGeometry(m_pLanguageButton, s, 774, 33, 105, 20);
    setScaledGeometry(m_pLoadButton, s, 439, 588, 76, 30);
    setScaledGeometry(m_pSaveButton, s, 518, 588, 76, 30);
    for (int i = 0; i < kPageTabs; ++i) {
        setScaledGeometry(m_pTabButtons[i], s, 69, 90 + 34 * i, 154, 29);
        if (i == 3 && GetDisableMacro() != 0)
            setScaledGeometry(m_pTabButtons[3], s, 69, 90 + 34 * 3, 0, 0);
    }
    if (GetLedDisable() != 0)
        setScaledGeometry(m_pTabButtons[0], s, 69, 90, 0, 0);
    setScaledGeometry(m_pFrontViewButton, s, 530, 321, 96, 20);
    setScaledGeometry(m_pSideViewButton, s, 631, 321, 96, 20);
    setScaledGeometry(m_pFrontImage, s, 562, 99, 450, 400);
    setScaledGeometry(m_pSideImage, s, 637, 99, 316, 443);
    setScaledGeometry(m_pModelLabel, s, 637, 515, 300, 20);
    setScaledGeometry(m_pBatteryBar, s, 75, 587, 71, 34);
    setScaledGeometry(m_pChargeIcon, s, 174, 584, 26, 40);
    setScaledGeometry(m_pDongleIcon, s, 174, 581, 48, 48);
    setScaledGeometry(m_pLogoLabel, s, 69, 20, 200, 50);

    // Collapsed: they keep state and texts but take no room and cannot be clicked.
    struct Collapsed {
        QWidget *widget;
        int x, y;
    };
    const Collapsed collapsed[] = {
        {m_pBlankLabel, 0, 0},      {m_pAddButton, 69, 504},     {m_pDeleteButton, 93, 504},
        {m_pImportButton, 117, 504}, {m_pExportButton, 141, 504}, {m_pCopyButton, 165, 504},
        {m_pResetButton, 189, 504},  {m_pOkButton, 439, 588},     {m_pCancelButton, 518, 588},
        {m_pSlotButton, 0, 0},      {m_pFirmwareButton, 0, 0},   {m_profileNameEdit, 68, 479},
        {m_pProfileButton, 202, 479}, {m_pNameLabel, 69, 458},
    };
    for (const Collapsed &c : collapsed)
        setScaledGeometry(c.widget, s, c.x, c.y, 0, 0);
    for (int i = 0; i < kProfileCount; ++i)
        setScaledGeometry(m_pProfileSlotButtons[i], s, 81, 240 + 25 * i, 0, 0);

    for (int i = 0; i < kMarkCount; ++i) {
        scaleWidgetGeometry(m_pFrontMarks[i], s);
        scaleWidgetGeometry(m_pSideMarks[i], s);
    }
    scaleWidgetGeometry(m_pWheelUpMark, s);
    scaleWidgetGeometry(m_pWheelDownMark, s);
    const int buttonCount = GetButtonCountAndDpi();
    static const QPoint kFrontMarkSpots[7] = {{756, 233}, {826, 233}, {791, 238}, {729, 239},
                                              {792, 282}, {790, 304}, {790, 304}};
    for (int i = 0; i < 7; ++i)
        setScaledGeometry(m_pFrontMarks[i], s, kFrontMarkSpots[i].x(), kFrontMarkSpots[i].y(), 0, 0);
    setScaledGeometry(m_pWheelUpMark, s, 792, 215, 0, 0);
    setScaledGeometry(m_pWheelDownMark, s, 792, 261, 0, 0);
    setScaledGeometry(m_pFrontViewButton, s, 617, 99, 0, 0);
    setScaledGeometry(m_pSideViewButton, s, 617, 320, 0, 0);
    if (m_pBtnWindow) {
        const int pageHeight = buttonCount <= 9 ? int(440 * s) : int(50 * buttonCount * s + 20 * s);
        m_pBtnWindow->setFixedSize(int(332 * s), pageHeight);
        m_pBtnWindow->UpdateFonts(s);
        setScaledGeometry(m_pBtnScrollArea, s, 285, 90, 332, 442);
    }

    applyConfiguredFontToMenus();
    loadPictures();
}

void VarnelWidget::applyConfiguredFontToMenus()
{
    const double s = m_dScaleFactor;
    const QFont font = ConfiguredFont();  // one read of Config.ini for every menu entry
    m_pLanguageMenu->setFixedWidth(int(105 * s));
    for (int i = 0; i < m_langCount; ++i)
        m_pLanguageActions[i]->setFont(font);
    m_pSlotMenu->setFixedWidth(int(152 * s));
    for (KestAction *action : m_pSlotActions)
        action->setFont(font);
    m_pProfileMenu->setFixedWidth(int(152 * s));
    for (KestAction *action : qAsConst(m_pProfileActions))
        action->setFont(font);

    QToolTip::setFont(font);
    m_profileNameEdit->setFont(font);
}

void VarnelWidget::updateConnectionIcons()
{
    // B: command collection of the receiver; D: that of the mouse on its cable.
    const bool foundB = g_deviceTable.count > 0 && g_deviceTable.entries[0].foundB == 1;
    const bool foundD = g_deviceTable.count > 0 && g_deviceTable.entries[0].foundD == 1;
    m_pChargeIcon->hide();
    bool dongle = false, battery = false;
    if (foundD && foundB) {
        m_iConnectionState = 1;
        dongle = true;
    } else if (foundD) {
        m_iConnectionState = 0;
    } else if (foundB && m_charging) {
        m_iConnectionState = 1;
        dongle = true;
    } else if (foundB) {
        m_iConnectionState = 2;
        dongle = battery = true;
    } else {
        m_iConnectionState = 3;
        battery = true;
    }
    m_pDongleIcon->setVisible(dongle);
    m_pBatteryBar->setVisible(battery);
    update();
}
