#include "kestmacroselect.h"

#include "buttonslogging.h"
#include "configuredfont.h"
#include "dialogbuttons.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "lightingfiles.h"
#include "myintvalidator.h"
#include "scale.h"
#include "settings.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kLoopMaxDigits = 3;

struct ModeRow {
    const char *text;
    int y;
};
// This window's own spelling of mode 2.
const ModeRow kModeRows[KestMacroSelect::kModes] = {
    {QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)"), 100},
    {QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN"), 152},
    {QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTILL THE KEY DOWN"), 182},
};

void place(QWidget *widget, double s, int x, int y, int width, int height)
{
    widget->setGeometry(scaled(x, s), scaled(y, s), scaled(width, s), scaled(height, s));
}

} // namespace

KestMacroSelect::KestMacroSelect(const QString &title, const QString &caption, const QString &name, int loops,
                                 int mode, QWidget *, Qt::WindowFlags)
    : KestSkinnedDialog(nullptr, 478, 309)
{
    setupUi(caption, name, loops, mode);
    buildLayout();
    setWindowTitle(title);
}

KestMacroSelect::~KestMacroSelect() = default;

void KestMacroSelect::setupUi(const QString &caption, const QString &name, int loops, int mode)
{
    const double s = m_dScaleFactor;
    const QFont font = ConfiguredFont();
    const QColor theme = CurrentThemeColor();
    QColor menuPalette[kMenuPaletteSize];
    menuPalette[5] = theme;
    const QPalette white = WhiteTextPalette(palette());

    m_pCaptionLabel = new KestLabel(caption, this);
    m_pCaptionLabel->setObjectName("msgBoxInfoLabel1");
    m_pCaptionLabel->setWordWrap(true);
    m_pCaptionLabel->m_alignment = Qt::AlignCenter;
    m_pCaptionLabel->setPalette(white);
    place(m_pCaptionLabel, s, 82, 20, 299, 20);

    macroName = name;

    m_pInfoLabel = new KestLabel(QString(), this);
    m_pInfoLabel->setObjectName("msgBoxInfoLabel2");
    m_pInfoLabel->setWordWrap(true);
    m_pInfoLabel->adjustSize();
    m_pInfoLabel->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_pInfoLabel->setPalette(white);

    const QString style = DialogButtonStyleSheet(theme, kDialogButtonNarrowGap);
    m_pYesButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", tr("Yes"), font,
                                    style, s);
    connect(m_pYesButton, &QToolButton::released, this, &QDialog::accept);
    m_pNoButton = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"), font,
                                   style, s);
    connect(m_pNoButton, &QToolButton::released, this, &QDialog::reject);

    m_pLoopEdit = new QLineEdit(this);
    m_pLoopEdit->setObjectName("loopEdit");
    place(m_pLoopEdit, s, 102, 127, 80, 20);
    m_pLoopEdit->setMaxLength(kLoopMaxDigits);
    m_pLoopEdit->setValidator(new QIntValidator(1, 255, this));
    m_pLoopEdit->setStyleSheet("border:1px;background:rgb(30,30,30);color:white");
    m_pLoopEdit->setAlignment(Qt::AlignCenter);
    m_pLoopEdit->setText(QString::number(loops));
    m_pLoopEdit->setFont(font);

    const QString unchecked = AppDir() + "/skin/checkbox2-1.png";
    const QString checked = AppDir() + "/skin/checkbox2-2.png";
    for (int i = 0; i < kModes; ++i) {
        auto *button = new KestPushButton({unchecked, checked, checked}, this, QString());
        button->setObjectName(QString("modeButton%1").arg(i));
        place(button, s, 82, kModeRows[i].y, 20, 20);
        button->setButtonCheckable(true);
        connect(button, &KestPushButton::clicked, this, &KestMacroSelect::onModeButtonClicked);
        m_pModeButtons[i] = button;

        auto *label = new KestLabel(QObject::tr(kModeRows[i].text), this);
        label->setObjectName(QString("modeLabel%1").arg(i));
        label->setWordWrap(true);
        label->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
        label->setPalette(white);
        place(label, s, 110, kModeRows[i].y, 300, 24);
        m_pModeLabels[i] = label;
    }
    selectMode(mode);

    const QString chooserImage = AppDir() + "/skin/profilesel.png";
    m_pChooser = new KestPushButton({chooserImage, chooserImage, chooserImage}, this, QString());
    m_pChooser->setObjectName("macroChooser");
    place(m_pChooser, s, 82, 66, 150, 24);
    m_pChooser->setButtonText(macroName);

    m_pMacroMenu = new QMenu(this);
    m_pMacroMenu->setObjectName("macroMenu");
    const QStringList names = ReadMacroList();
    for (int slot = 0; slot < kMacroListSize; ++slot) {
        if (names.at(slot).isEmpty())
            continue;
        auto *action = new KestAction(m_pMacroMenu);
        action->setText(names.at(slot));
        m_pActions[slot] = action;
        m_pMacroMenu->addAction(action);
        connect(action, &QAction::triggered, this, &KestMacroSelect::onMacroChosen);
    }
    m_pChooser->setMenu(m_pMacroMenu);
    m_pMacroMenu->setFixedWidth(scaled(150, s));
    m_pMacroMenu->setStyleSheet(BuildMenuStyleSheet(menuPalette));
}

void KestMacroSelect::buildLayout()
{
    auto *infoRow = new QHBoxLayout;
    infoRow->addSpacing(30);
    infoRow->addWidget(m_pInfoLabel);

    auto *column = new QVBoxLayout(this);
    column->addLayout(infoRow);
    column->addLayout(DialogButtonRow(m_pYesButton, m_pNoButton));
    column->addSpacing(30);
}

int KestMacroSelect::selectedMode() const
{
    for (int mode = 0; mode < kModes; ++mode) {
        if (m_pModeButtons[mode]->isButtonChecked())
            return mode;
    }
    return 0;
}

int KestMacroSelect::repeatCount() { return FieldValue(m_pLoopEdit, lcButtons); }

void KestMacroSelect::onMacroChosen()
{
    for (KestAction *action : m_pActions) {
        if (action && action == sender()) {
            macroName = action->text();
            m_pChooser->setButtonText(macroName);
        }
    }
}

void KestMacroSelect::onModeButtonClicked()
{
    for (int mode = 0; mode < kModes; ++mode) {
        if (sender() == m_pModeButtons[mode])
            selectMode(mode);
    }
}

void KestMacroSelect::selectMode(int mode)
{
    // A stored mode comes from a profile file and may be anything.
    if (mode < 0 || mode >= kModes)
        mode = 0;
    for (KestPushButton *button : m_pModeButtons)
        button->setButtonChecked(false);
    m_pModeButtons[mode]->setButtonChecked(true);
}
