// Texts through the translator, the language menu, the model's pictures and wheel marks.
#include "varnelwidget.h"

#include "devicedefaults.h"
#include "kestaction.h"
#include "macrodialog.h"
#include "kestbtnwindow.h"
#include "keycodes.h"
#include "kestcolorwindow.h"
#include "kestdpiwindow.h"
#include "kestpointspeed.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "scale.h"
#include "windowhelpers.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QTranslator>

namespace {

QString modelFolder()
{
    return AppDir() + "/skin/mouse/" + GetCurrentProductName();
}

// Shows the picture at path in the label, fitted into the box; a file that does not load
// leaves the label as it was.
void showPicture(QLabel *label, const QString &path, int width, int height, Qt::AspectRatioMode mode)
{
    QPixmap picture(path);
    if (!picture.isNull())
        label->setPixmap(picture.scaled(width, height, mode, Qt::SmoothTransformation));
}

} // namespace

void VarnelWidget::updateTexts()
{
    const QString profileWord = QObject::tr("Profile");
    const QString modeWord = QObject::tr("Mode");
    m_pVersionLabel->m_text = GetVersion();
    m_pVersionLabel->update();
    m_profileNameEdit->setToolTip(QObject::tr("Press Enter To Apply"));
    m_pResetButton->setToolTip(QObject::tr("RESET"));
    m_pAddButton->setToolTip(QObject::tr("ADD"));
    m_pDeleteButton->setToolTip(QObject::tr("DELETE"));
    m_pCopyButton->setToolTip(QObject::tr("COPY"));
    m_pNameLabel->m_text = QObject::tr("NAME");
    m_pNameLabel->update();

    m_pResetAllButton->setButtonText(QObject::tr("Reset All"));
    m_pOkButton->setButtonText(QObject::tr("OK"));
    m_pCancelButton->setButtonText(QObject::tr("Cancel"));
    m_pApplyButton->setButtonText(QObject::tr("Apply"));
    m_pLoadButton->setButtonText(QObject::tr("LOAD1"));
    m_pSaveButton->setButtonText(QObject::tr("SAVE"));
    m_pTabButtons[0]->setButtonText(QObject::tr("LIGHTING"));
    m_pTabButtons[1]->setButtonText(QObject::tr("CUSTOMIZE"));
    m_pTabButtons[2]->setButtonText(QObject::tr("DPI"));
    m_pTabButtons[3]->setButtonText(QObject::tr("MACRO"));
    m_pFirmwareButton->setButtonText(QObject::tr("Firmware Update"));
    if (m_langId < m_langCount)
        m_pLanguageButton->setButtonText(m_pLanguageActions[m_langId]->text());
    m_pFrontViewButton->setButtonText(QObject::tr("Front"));
    m_pSideViewButton->setButtonText(QObject::tr("Side"));

    for (int i = 1; i <= kProfileCount; ++i) {
        m_pProfileSlotButtons[i - 1]->setButtonText(profileWord + QString::asprintf(" %d", i));
        m_pSlotActions[i - 1]->setText(modeWord + QString::asprintf(" %d", i));
    }
    m_pSlotButton->setButtonText(m_pSlotActions[CurrentSlot()]->text());

    if (m_pBtnWindow)
        m_pBtnWindow->UpdateLanguage();
    if (m_pDPIWindow)
        m_pDPIWindow->updateTexts();
    if (m_pPointSpeed)
        m_pPointSpeed->updateTexts();
    if (m_pReportRate)
        m_pReportRate->updateTexts();
    if (m_pColorWindow)
        m_pColorWindow->updateTexts();
    if (m_pMacroDialog)
        m_pMacroDialog->UpdateLanguage();

    // The stop waits for the thread to end, so no pause is needed before the new one.
    stopBatteryThread();
    startBatteryThread();
    applyScaledLayout();
}

void VarnelWidget::onLanguageChosen()
{
    bool loaded = false;
    for (int i = 0; i < m_langCount; ++i) {
        if (sender() != m_pLanguageActions[i])
            continue;
        m_langId = i;
        loaded = m_pTranslator->load(AppDir() + "/lang/" + m_langFiles[i] + ".qm", QString(), QString(), QString());
        g_langId = i;
    }
    m_pLanguageButton->setButtonText(m_pLanguageActions[m_langId]->text());
    if (!SetLangID(m_langId))
        showWriteFailure();
    if (loaded) {
        loadQtTranslation(m_langId);
        QCoreApplication::installTranslator(m_pTranslator);
        updateTexts();
    }
}

// Qt's file of the language from the system's translations folder (qttranslations5-l10n);
// without one, Qt's texts stay English rather than keep the previous language.
void VarnelWidget::loadQtTranslation(int langIndex)
{
    if (m_pQtTranslator->load("qtbase_" + m_langFiles[langIndex], QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_pQtTranslator);
    else
        QCoreApplication::removeTranslator(m_pQtTranslator);
}

void VarnelWidget::updateWheelMarkImages()
{
    static const char *const kArrowFamily4Models[] = {
        "ZELKAR2", "BRUNDIL", "FAXORN", "MIRELT FPS", "MIRELT", "SALVEN", "SALVEN3", "TORQEL",
        "4613", "K418-RGB", "4613-P7171", "OSKERAN", "K221", "K222", "K226-RGB", "DRAVELO",
        "K227-PRO", "K227-RGB", "K227-RGB2", "QUINTEL2", "HALVORN2", "JESPARO"};
    const QString model = GetCurrentProductName();
    bool family4 = false;
    for (const char *name : kArrowFamily4Models)
        family4 = family4 || model == QLatin1String(name);
    const QString d = AppDir();
    if (family4) {
        m_pWheelUpMark->loadStateImages({d + "/skin/btn_up4.png", d + "/skin/btn_up3.png", d + "/skin/btn_up3.png"});
        m_pWheelDownMark->loadStateImages({d + "/skin/btn_down4.png", d + "/skin/btn_down3.png", d + "/skin/btn_down3.png"});
    } else {
        m_pWheelUpMark->loadStateImages({d + "/skin/btn_up2.png", d + "/skin/btn_up1.png", d + "/skin/btn_up1.png"});
        m_pWheelDownMark->loadStateImages({d + "/skin/btn_down2.png", d + "/skin/btn_down1.png", d + "/skin/btn_down1.png"});
    }
}

void VarnelWidget::resetMouseImages()
{
    const double s = m_dScaleFactor;
    showPicture(m_pFrontImage, modelFolder() + "/Mouse.png", int(300 * s), int(400 * s), Qt::KeepAspectRatio);
    showPicture(m_pSideImage, modelFolder() + "_Side.png", int(300 * s), int(300 * s), Qt::IgnoreAspectRatio);
    showPicture(m_pChargeIcon, AppDir() + "/skin/lightning.png", int(26 * s), int(40 * s), Qt::KeepAspectRatio);
    for (int i = 0; i < kMarkCount; ++i) {
        m_pFrontMarks[i]->setGeometry(0, 0, 0, 0);
        m_pSideMarks[i]->setGeometry(0, 0, 0, 0);
    }
    m_pWheelUpMark->setGeometry(0, 0, 0, 0);
    m_pWheelDownMark->setGeometry(0, 0, 0, 0);
    if (GetCurrentProductName() == "Wireless Mouse") {
        m_pFrontViewButton->setGeometry(530, 321, 96, 20);
        m_pSideViewButton->setGeometry(631, 321, 96, 20);
    }
}

void VarnelWidget::loadPictures()
{
    const double s = m_dScaleFactor;
    showPicture(m_pFrontImage, modelFolder() + "/Mouse.png", int(450 * s), int(400 * s), Qt::KeepAspectRatio);
    showPicture(m_pSideImage, modelFolder() + "_Side.png", int(300 * s), int(300 * s), Qt::KeepAspectRatio);
    showPicture(m_pChargeIcon, AppDir() + "/skin/lightning.png", int(26 * s), int(40 * s), Qt::KeepAspectRatio);
    showPicture(m_pDongleIcon, AppDir() + "/skin/dongle.png", int(48 * s), int(48 * s), Qt::KeepAspectRatio);
    QPixmap logo(AppDir() + "/skin/mouselogo.png");
    if (!logo.isNull()) {
        m_pLogoLabel->setPixmap(logo.scaled(int(200 * s), int(50 * s), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        setScaledGeometry(m_pLogoLabel, s, 69, 20, 200, 50);
    }
}

void VarnelWidget::slotMouseOver(KestPushButton *button, bool over)
{
    if (!m_pBtnWindow)
        return;
    const double s = m_dScaleFactor;
    for (int k = 1; k <= kMarkCount; ++k) {
        if (button != m_pBtnWindow->m_pFrontButtons[k - 1])
            continue;
        m_pFrontMarks[k - 1]->setButtonChecked(!over);
        const QString picture = over ? modelFolder() + QString::asprintf("/mouse_%d.png", k) : modelFolder() + "/Mouse.png";
        showPicture(m_pFrontImage, picture, int(450 * s), int(400 * s), Qt::KeepAspectRatio);
    }
}
