#include "kestreportrate.h"

#include "kestaction.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "lightingfiles.h"
#include "pageslogging.h"
#include "pagestyle.h"
#include "scale.h"
#include "settings.h"

#include <QButtonGroup>
#include <QMenu>
#include <QRadioButton>

namespace {

struct ReportRate {
    quint8 pollrate;  // report interval in ms
    const char *text;
};

// Menu order.
constexpr ReportRate kReportRates[kReportRateCount] = {
    {8, QT_TRANSLATE_NOOP("QObject", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("QObject", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("QObject", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("QObject", "1000 HZ")},
};

constexpr const char *kLiftTexts[2] = {QT_TRANSLATE_NOOP("QObject", "1 mm"), QT_TRANSLATE_NOOP("QObject", "2 mm")};
constexpr const char *kRateActionNames[kReportRateCount] = {"rate125Action", "rate250Action", "rate500Action",
                                                            "rate1000Action"};
constexpr const char *kLiftButtonNames[2] = {"lift1mmButton", "lift2mmButton"};

quint8 ValidLift(quint8 lift) { return lift == 1 || lift == 2 ? lift : 2; }

}  // namespace

bool IsOfferedReportRate(quint8 pollrate)
{
    for (const ReportRate &rate : kReportRates) {
        if (rate.pollrate == pollrate)
            return true;
    }
    return false;
}

KestReportRate::KestReportRate(ProfileRecord *profile, QWidget *parent)
    : QWidget(parent), m_ProfileData(profile ? *profile : ProfileRecord())
{
    ApplyPageBackground(this);
    const double s = getScaleFactor();
    const QPalette white = TextPalette(palette(), Qt::white);
    const QColor theme = CurrentThemeColor();

    m_pTitleLabel = new KestLabel(this);
    m_pTitleLabel->setObjectName("rateTitleLabel");
    m_pTitleLabel->setPalette(white);
    m_pTitleLabel->setGeometry(ScaledRect(s, 20, 20, 170, 20));

    m_pRateMenu = new QMenu(this);
    m_pRateMenu->setObjectName("rateMenu");
    m_pRateMenu->setFixedWidth(scaled(150, s));
    QColor menuPalette[kMenuPaletteSize];
    menuPalette[5] = theme;
    m_pRateMenu->setStyleSheet(BuildMenuStyleSheet(menuPalette));
    for (int i = 0; i < kReportRateCount; ++i) {
        m_pRateActions[i] = new KestAction(this);
        m_pRateActions[i]->setObjectName(kRateActionNames[i]);
        m_pRateMenu->addAction(m_pRateActions[i]);
        connect(m_pRateActions[i], &QAction::triggered, this, &KestReportRate::slotRateTriggered);
    }

    const QString rateImage = AppDir() + "/skin/rate.png";
    m_pRateButton = new KestPushButton({rateImage, rateImage, rateImage}, this, QString());
    m_pRateButton->setObjectName("rateButton");
    m_pRateButton->setGeometry(ScaledRect(s, 20, 40, 152, 28));
    m_pRateButton->setMenu(m_pRateMenu);
    m_pRateButton->setButtonText(QString());
    showRate(m_ProfileData.pollrate);

    m_pLiftTitleLabel = new KestLabel(this);
    m_pLiftTitleLabel->setObjectName("liftTitleLabel");
    m_pLiftTitleLabel->setPalette(white);
    m_pLiftGroup = new QButtonGroup(this);
    m_pLiftGroup->setExclusive(true);
    const int d = scaled(8, s);
    const QString radioStyle =
        QString::asprintf("QRadioButton{background:transparent;color:rgb(255,255,255)}"
                          "QRadioButton:checked{color:rgb(255,255,255);}"
                          "QRadioButton::indicator{width:%dpx;height:%dpx;border-radius:%dpx;border-style: solid;"
                          "border-width: %dpx;border-color: rgb(100, 100, 100);}"
                          "QRadioButton::indicator:checked {background-color:rgb(%d,%d,%d);}"
                          "QRadioButton::indicator:unchecked {background-color:transparent; }",
                          d, d, d / 2 + 1, d / 4, theme.red(), theme.green(), theme.blue());
    for (int id = 0; id < 2; ++id) {
        auto *button = new QRadioButton(this);
        button->setObjectName(kLiftButtonNames[id]);
        button->setPalette(white);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(radioStyle);
        connect(button, &QRadioButton::clicked, this, &KestReportRate::onRadioChanged);
        m_pLiftGroup->addButton(button, id);
        m_pLiftButtons[id] = button;
    }
    checkLift(m_iLift);
    updateTexts();
}

void KestReportRate::showRate(quint8 pollrate)
{
    for (const ReportRate &rate : kReportRates) {
        if (rate.pollrate == pollrate) {
            m_pRateButton->setButtonText(QObject::tr(rate.text));
            return;
        }
    }
}

void KestReportRate::checkLift(quint8 lift)
{
    m_iLift = ValidLift(lift);
    m_pLiftButtons[m_iLift - 1]->setChecked(true);
}

void KestReportRate::setReportRate(ProfileRecord *record, quint8 lift)
{
    if (record)
        m_ProfileData = *record;
    showRate(m_ProfileData.pollrate);
    checkLift(lift);
}

void KestReportRate::slotRateTriggered()
{
    for (int i = 0; i < kReportRateCount; ++i) {
        if (sender() == m_pRateActions[i]) {
            m_ProfileData.pollrate = kReportRates[i].pollrate;
            showRate(kReportRates[i].pollrate);
            return;
        }
    }
}

void KestReportRate::onRadioChanged()
{
    m_iLift = quint8(m_pLiftGroup->checkedId() + 1);
    qCDebug(lcPages, "m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void KestReportRate::updateTexts()
{
    m_pTitleLabel->m_text = QObject::tr("REPORT RATE");
    m_pTitleLabel->update();
    for (int i = 0; i < kReportRateCount; ++i)
        m_pRateActions[i]->setText(QObject::tr(kReportRates[i].text));
    m_pLiftTitleLabel->m_text = QObject::tr("Lift off Distance");
    m_pLiftTitleLabel->update();
    for (int id = 0; id < 2; ++id)
        m_pLiftButtons[id]->setText(QObject::tr(kLiftTexts[id]));
}

void KestReportRate::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double s = getScaleFactor();
    m_pTitleLabel->setGeometry(ScaledRect(s, 20, 20, 170, 20));
    m_pRateMenu->setFixedWidth(scaled(150, s));
    m_pRateButton->setGeometry(ScaledRect(s, 20, 40, 152, 28));
    for (KestAction *action : m_pRateActions)
        applyConfiguredFont(action);
    m_pLiftTitleLabel->setGeometry(QRect());
    for (QRadioButton *button : m_pLiftButtons)
        button->setGeometry(QRect());
}
