// Construction and teardown of the main window, its frameless surface and its tray icon.
#include "varnelwidget.h"

#include "applogging.h"
#include "batterythread.h"
#include "configio.h"
#include "devicedefaults.h"
#include "devicetable.h"
#include "hotplugmonitor.h"
#include "kestaction.h"
#include "kestbtnwindow.h"
#include "kestcolorwindow.h"
#include "kestdpiwindow.h"
#include "kestlabel.h"
#include "kestpointspeed.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "macrodialog.h"
#include "keycodes.h"
#include "pointerspeed.h"
#include "profilefiles.h"
#include "scale.h"
#include "sensordpi.h"
#include "windowhelpers.h"
#include "skinimages.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

quint8 g_warningShown = 0;
int g_batteryFullValue = 4200;

namespace {

constexpr Qt::ImageConversionFlags kSkinFlags = Qt::ThresholdDither | Qt::AvoidDither;

QPixmap loadSkin(const QString &name)
{
    return SkinPixmap(AppDir() + name, kSkinFlags);
}

// Upper bounds of the logical-DPI ratio for the scale steps 0-15; above the last, step 16.
constexpr double kScaleBounds[kScaleSteps - 1] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                  3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};

} // namespace

int ScaleIndexForRatio(double ratio)
{
    for (int i = 0; i < kScaleSteps - 1; ++i) {
        if (ratio < kScaleBounds[i])
            return i;
    }
    return kScaleSteps - 1;
}

VarnelWidget::VarnelWidget(QWidget *parent) : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName("VarnelWidget");
    resize(400, 300);
    setWindowTitle(QCoreApplication::translate("VarnelWidget", "VarnelWidget"));

    PreloadSkinImages(AppDir() + "/skin");
    m_bgPixmaps[0] = loadSkin("/skin/cfgMainback.png");
    m_bat1Pixmap = loadSkin("/skin/bat1.png");
    m_bat2Pixmap = loadSkin("/skin/bat2.png");

    QScreen *screen = QGuiApplication::primaryScreen();
    m_iScaleIndex = ScaleIndexForRatio(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    m_dScaleFactor = ScaleFactorForIndex(m_iScaleIndex);
    m_iDpiVal = 0;
    setScaleFactor(m_dScaleFactor);

    setBaseSize(999, 640);
    setMinimumSize(999, 640);
    m_iWidth = int(999 * m_dScaleFactor);
    m_iHeight = int(640 * m_dScaleFactor);
    resize(m_iWidth, m_iHeight);
    if (screen) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    applyBackgroundMask(m_iScaleIndex);

    m_pTranslator = nullptr;
    m_pTrayIcon = nullptr;
    m_iPlugIn = 0;
    m_charging = 0;

    // Before any child exists: set last, it would polish every page a second time.
    setStyleSheet("*{outline:0px;}");
    registerHidNotification();
    SetHidOwnerWindow(this);
    connectBatteryThreads();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_pMouseNameButton = new KestPushButton(
        {AppDir() + "/skin/tabbutton-1.png", AppDir() + "/skin/tabbutton-3.png", AppDir() + "/skin/tabbutton-2.png"},
        this, QString());
    setScaledGeometry(m_pMouseNameButton, m_dScaleFactor, 670, 33, 100, 20);
    connect(m_pMouseNameButton, &QPushButton::clicked, this, &VarnelWidget::onProfileButtonClicked);

    m_iConnectedCount = 0;
    LoadDeviceTable();
    EnumerateDevices();
    RefreshMouseList(1);

    m_langId = ClampLangIndex(GetLangID());
    g_langId = m_langId;
    g_frenchLangIndex = GetFrenchLangIndex();

    m_pTranslator = new QTranslator;
    m_pQtTranslator = new QTranslator;
    GetFontList(m_fontList);
    m_langCount = qBound(0, int(m_fontList.count), kFontListSize);
    for (int i = 0; i < kFontListSize; ++i) {
        m_langNames[i] = m_fontList.names[i];
        m_langFiles[i] = m_fontList.files[i];
    }
    g_colorMode = GetColorMode();

    setupUi();
    if (m_langCount < 2)
        m_pLanguageButton->hide();

    if (m_pTranslator->load(AppDir() + "/lang/" + m_langFiles[m_langId] + ".qm")) {
        loadQtTranslation(m_langId);
        QCoreApplication::installTranslator(m_pTranslator);
    }

    loadProfileList();
    g_batteryFullValue = GetBatteryFull();

    const QString model = GetCurrentProductName();
    OpenDeviceByName(model);
    startBatteryThread();

    LoadConfig(g_loadedDeviceConfig);
    g_deviceConfig = g_loadedDeviceConfig;
    // The desktop's pointer speed wins over the stored one at start.
    g_deviceConfig.profiles[CurrentSlot()].mousespeed = quint8(GetPointerSpeed());

    rebuildProfileMenu();
    m_bDragging = false;
    m_bFrontView = true;

    ProfileRecord *current = &g_deviceConfig.profiles[CurrentSlot()];
    m_pBtnWindow = new KestBtnWindow(current, this, 1.0);
    setScaledGeometry(m_pBtnWindow, m_dScaleFactor, 285, 342, 664, 199);
    connect(m_pBtnWindow, &KestBtnWindow::SelBtnControl, this, &VarnelWidget::slotMouseOver);
    connect(m_pBtnWindow, &KestBtnWindow::GotoMacroTab, this, &VarnelWidget::slotGotoMacro);
    connect(m_pBtnWindow, &KestBtnWindow::PopOneClickBox, this, &VarnelWidget::slotPopOneClickBox);
    m_pBtnScrollArea = new QScrollArea(this);
    m_pBtnScrollArea->setWidget(m_pBtnWindow);
    m_pBtnScrollArea->setStyleSheet("QScrollArea{background-color:transparent;margin:0px;border:0px}");
    m_pBtnScrollArea->viewport()->setStyleSheet("background-color:transparent;margin:0px;");
    m_pBtnScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pBtnScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pDPIWindow = new KestDPIWindow(current, this);
    setScaledGeometry(m_pDPIWindow, m_dScaleFactor, 286, 75, 456, 386);
    m_pPointSpeed = new KestPointSpeed(current, this);
    setScaledGeometry(m_pPointSpeed, m_dScaleFactor, 286, 413, 506, 77);
    m_pReportRate = new KestReportRate(current, this);
    setScaledGeometry(m_pReportRate, m_dScaleFactor, 746, 75, 149, 200);
    connect(m_pReportRate, &KestReportRate::RefreshLift, this, &VarnelWidget::slotLiftChange);
    m_pMacroDialog = new MacroDialog(this);
    setScaledGeometry(m_pMacroDialog, m_dScaleFactor, 285, 74, 665, 467);
    connect(m_pMacroDialog, &MacroDialog::EnableButtonsSignal, this, &VarnelWidget::slotEnableButtons);
    m_pColorWindow = new KestColorWindow(this, m_dScaleFactor);
    setScaledGeometry(m_pColorWindow, m_dScaleFactor, 285, 342, 664, 199);

    m_selectedGroup = 0;
    m_selectedIndex[0] = m_selectedIndex[1] = m_selectedIndex[2] = 0;
    m_savedGroup = 0;
    switchPage(GetLedDisable() != 0 ? 1 : 0);
    refreshPages();
    updateTexts();

    const int slot = CurrentSlot();
    m_pSlotButton->setButtonText(m_pSlotActions[slot]->text());
    m_profileNameEdit->setText(g_deviceConfig.profileFiles[slot]);

    CreateDefaultProfileFile();

    const QIcon icon(AppDir() + "/skin/icon.ico");
    createActions();
    createTrayIcon();
    connect(m_pTrayIcon, &QSystemTrayIcon::activated, this, &VarnelWidget::iconActivated);
    setWindowIcon(icon);
    m_pTrayIcon->setIcon(icon);
    m_pTrayIcon->setToolTip(model);
    m_pTrayIcon->setVisible(true);
    m_bQuitWhenHidden = !QSystemTrayIcon::isSystemTrayAvailable();

    slotRefreshBatteryStatus(0, 1, 1);
    QTimer::singleShot(200, this, &VarnelWidget::slotWarning);
}

VarnelWidget::~VarnelWidget()
{
    stopBatteryThread();
    SetBatteryThreadConnector({});
    CloseDevice();
    ExitHid();
    SetHidOwnerWindow(nullptr);
    delete m_pTranslator;  // also leaves the application's translator list
    delete m_pQtTranslator;
    // The pages and controls are children: the base class deletes them.
}

void VarnelWidget::quitProgram()
{
    // Closes the boxes and the busy dialog's loop first, so the event loop can return.
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    QCoreApplication::quit();
}

// ------------------------------------------------------------------ background

void VarnelWidget::ensureBackground(int index)
{
    if (!m_bgPixmaps[index].isNull() || m_bgPixmaps[0].isNull())
        return;
    const double factor = ScaleFactorForIndex(index);
    m_bgPixmaps[index] = m_bgPixmaps[0].scaled(int(999 * factor), int(640 * factor), Qt::IgnoreAspectRatio,
                                               Qt::FastTransformation);
}

void VarnelWidget::applyBackgroundMask(int index)
{
    ensureBackground(index);
    setMask(m_bgPixmaps[index].mask());
}

void VarnelWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_bgPixmaps[0].isNull()) {
        // Every repaint of a control repaints the window beneath it: scale once per size.
        if (m_paintedBackgroundSize != size()) {
            m_paintedBackground = m_bgPixmaps[0].scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            m_paintedBackgroundSize = size();
        }
        painter.drawPixmap(0, 0, m_paintedBackground);
    }
    const QPixmap &connection = m_iConnectionState < 2 ? m_bat2Pixmap : m_bat1Pixmap;
    if (!connection.isNull()) {
        const double s = m_dScaleFactor;
        const QRect box(int(69 * s), int(581 * s), int(86 * s), int(47 * s));
        painter.drawPixmap(box, connection.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void VarnelWidget::resizeEvent(QResizeEvent *)
{
    const QRect frame = geometry();
    QScreen *screen = QGuiApplication::screenAt(QPoint((frame.left() + frame.right()) / 2, (frame.top() + frame.bottom()) / 2));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        m_iScaleIndex = ScaleIndexForRatio(screen->logicalDotsPerInch() / 96.0);
        m_dScaleFactor = ScaleFactorForIndex(m_iScaleIndex);
    }
    ensureBackground(m_iScaleIndex);

    if (m_iScaleIndex == m_iDpiVal) {
        if (width() == m_iWidth && height() == m_iHeight) {
            qCDebug(lcApp, "singleShot\n");
            static const int kStepWidths[4] = {999, 1248, 1498, 1748};
            for (int k = 0; k < 4; ++k) {
                if (IsNear(width(), kStepWidths[k])) {
                    m_iScaleIndex = k;
                    m_dScaleFactor = ScaleFactorForIndex(k);
                    break;
                }
            }
            setScaleFactor(m_dScaleFactor);
            applyBackgroundMask(m_iScaleIndex);
            if (m_pDPIWindow)  // the first resize comes before the pages exist
                applyScaledLayout();
        }
    } else {
        setScaleFactor(m_dScaleFactor);
        applyBackgroundMask(m_iScaleIndex);
        if (m_pDPIWindow)
            applyScaledLayout();
    }
    m_iDpiVal = m_iScaleIndex;
    qCDebug(lcApp, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), m_iDpiVal);
}

// ------------------------------------------------------------------ dragging

void VarnelWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_bDragging = true;
    m_dragStartPos = event->globalPos();
    m_dragStartTopLeft = frameGeometry().topLeft();
}

void VarnelWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bDragging)
        return;
    const QPoint delta = event->globalPos() - m_dragStartPos;
    if (qAbs(delta.x()) + qAbs(delta.y()) > 4)
        move(m_dragStartTopLeft + delta);
}

void VarnelWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_bDragging = false;
}

// ------------------------------------------------------------------ tray

void VarnelWidget::createActions()
{
    m_pLoadConfigAction = new KestAction(tr("&Load Config"), this);
    connect(m_pLoadConfigAction, &QAction::triggered, this, &VarnelWidget::showMainWindow);
    m_pQuitAction = new KestAction(tr("&Quit"), this);
    connect(m_pQuitAction, &QAction::triggered, this, &VarnelWidget::quitProgram);
}

void VarnelWidget::createTrayIcon()
{
    m_pTrayMenu = new QMenu(this);
    m_pTrayMenu->addAction(m_pLoadConfigAction);
    m_pTrayMenu->addAction(m_pQuitAction);
    m_pTrayIcon = new QSystemTrayIcon(this);
    m_pTrayIcon->setContextMenu(m_pTrayMenu);
}

void VarnelWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
        return;
    if (isHidden())
        showMainWindow();
    else if (!g_warningShown)
        hide();
}

void VarnelWidget::hideToTray()
{
    if (m_bQuitWhenHidden)
        quitProgram();
    else
        hide();
}

void VarnelWidget::closeEvent(QCloseEvent *event)
{
    // A close from the window manager hides like the close button does.
    event->ignore();
    hideToTray();
}

void VarnelWidget::openVersionLink(KestLabel *label)
{
    if (label != m_pVersionLabel)
        return;
    // The label usually holds the model and firmware version: only a web address is opened,
    // never a file or another program's scheme.
    const QUrl url(label->m_text.trimmed(), QUrl::TolerantMode);
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (url.isValid() && web && !url.host().isEmpty())
        QDesktopServices::openUrl(url);
}
