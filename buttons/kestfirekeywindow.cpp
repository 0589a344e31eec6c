#include "kestfirekeywindow.h"

#include "buttonfunctions.h"
#include "buttonslogging.h"
#include "configuredfont.h"
#include "dialogbuttons.h"
#include "keycodes.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "myintvalidator.h"
#include "scale.h"
#include "skincheckbox.h"
#include "settings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultTimes = 3;
constexpr int kDefaultDelay = 10;  // for a stored delay of 0; a new fire key starts at 100
constexpr int kEditMaxDigits = 3;

const char *const kChoiceNames[KestFireKeyWindow::kChoices] = {"leftBox", "rightBox", "middleBox", "keyboardBox"};

QLineEdit *makeNumberEdit(QWidget *parent, double scale, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedSize(scaled(40, scale), scaled(20, scale));
    edit->setMaxLength(kEditMaxDigits);
    // Times reaches the mouse as one byte; times() and delay() keep to this range.
    edit->setValidator(new QIntValidator(1, 255, edit));
    edit->setStyleSheet("background-color:rgb(30,30,30)");
    return edit;
}

} // namespace

KestFireKeyWindow::KestFireKeyWindow(QWidget *parent) : KestKeyHookDialog(parent, 400, 258)
{
    capturing = true;
    setupUi();
    installKeyboardHook();
    UpdateValue();
    updateTexts();
    skipNextKey = false;
}

KestFireKeyWindow::~KestFireKeyWindow() { removeKeyboardHook(); }

void KestFireKeyWindow::setupUi()
{
    const double s = m_dScaleFactor;
    setStyleSheet("color:white;");
    const QPalette palette = WhiteTextPalette(this->palette());

    m_pTitleLabel = new KestLabel(this);
    m_pTitleLabel->setObjectName("titleLabel");
    m_pTitleLabel->setPalette(palette);
    m_pTitleLabel->setFixedSize(scaled(200, s), scaled(20, s));
    m_pTimesLabel = new KestLabel(this);
    m_pDelayLabel = new KestLabel(this);
    for (KestLabel *label : {m_pTimesLabel, m_pDelayLabel}) {
        label->setPalette(palette);
        label->setFixedSize(scaled(100, s), scaled(20, s));
        label->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    }

    const QString boxStyle = SkinCheckBoxStyleSheet(s);

    // The key images come from the application directory, whatever the working directory.
    const QString image = KeyDisplayImagePath();
    m_pKeyDisplay = new KestPushButton({image, image, image}, this, QString());
    m_pKeyDisplay->setObjectName("keyDisplay");
    m_pKeyDisplay->setFixedSize(scaled(120, s), scaled(20, s));

    for (int i = 0; i < kChoices; ++i) {
        auto *box = new QCheckBox(this);
        box->setObjectName(kChoiceNames[i]);
        box->setPalette(palette);
        box->setFocusPolicy(Qt::NoFocus);
        box->setStyleSheet(boxStyle);
        box->setFixedSize(scaled(i == kFireKeyboard ? 128 : 68, s), scaled(20, s));
        connect(box, &QCheckBox::clicked, this, &KestFireKeyWindow::checkbtn_clicked);
        m_pChoiceBoxes[i] = box;
    }

    timesEdit = makeNumberEdit(this, s, "timesEdit");
    connect(timesEdit, &QLineEdit::returnPressed, this, &KestFireKeyWindow::onEditReturn);
    connect(timesEdit, &QLineEdit::textChanged, this, &KestFireKeyWindow::OnEditDataChanged);
    delayEdit = makeNumberEdit(this, s, "delayEdit");
    connect(delayEdit, &QLineEdit::returnPressed, this, &KestFireKeyWindow::onEditReturn);
    timesEdit->setText("3");
    delayEdit->setText("100");

    const QString style = DialogButtonStyleSheet(CurrentThemeColor(), kDialogButtonWideGap);
    m_pOkButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", tr("Ok"), font(),
                                   style, s);
    connect(m_pOkButton, &QToolButton::released, this, &QDialog::accept);
    m_pCancelButton = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"),
                                       font(), style, s);
    connect(m_pCancelButton, &QToolButton::released, this, &QDialog::reject);
}

void KestFireKeyWindow::updateTexts()
{
    m_pTitleLabel->m_text = QObject::tr("FireKey Setting");
    m_pTitleLabel->update();
    m_pOkButton->setText(QObject::tr("OK"));
    m_pCancelButton->setText(QObject::tr("Cancel"));
    const char *const choiceTexts[kChoices] = {"Left", "Right", "Middle", "Keyboard Key"};
    for (int i = 0; i < kChoices; ++i)
        m_pChoiceBoxes[i]->setText(QObject::tr(choiceTexts[i]));
    m_pTimesLabel->m_text = QObject::tr("Times:");
    m_pTimesLabel->update();
    m_pDelayLabel->m_text = QObject::tr("Delay:");
    m_pDelayLabel->update();
    buildLayout();
}

void KestFireKeyWindow::buildLayout()
{
    const QFont font = ConfiguredFont();
    for (QWidget *widget : std::initializer_list<QWidget *>{m_pChoiceBoxes[0], m_pChoiceBoxes[1], m_pChoiceBoxes[2],
                                                           m_pChoiceBoxes[3], timesEdit, delayEdit, m_pOkButton,
                                                           m_pCancelButton})
        widget->setFont(font);

    const int gap = scaled(30, m_dScaleFactor);
    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(gap);
    titleRow->addWidget(m_pTitleLabel);
    titleRow->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addSpacing(gap);
    for (int i = kFireLeft; i <= kFireMiddle; ++i) {
        buttonRow->addWidget(m_pChoiceBoxes[i]);
        buttonRow->addSpacing(gap);
    }
    buttonRow->addStretch();

    auto *keyRow = new QHBoxLayout;
    keyRow->addSpacing(gap);
    keyRow->addWidget(m_pChoiceBoxes[kFireKeyboard]);
    keyRow->addSpacing(gap);
    keyRow->addWidget(m_pKeyDisplay);
    keyRow->addStretch();

    auto *numberRow = new QHBoxLayout;
    numberRow->addSpacing(gap);
    numberRow->addWidget(m_pTimesLabel);
    numberRow->addWidget(timesEdit);
    numberRow->addSpacing(gap);
    numberRow->addWidget(m_pDelayLabel);
    numberRow->addWidget(delayEdit);
    numberRow->addStretch();

    auto *column = new QVBoxLayout(this);
    column->addLayout(titleRow);
    column->addStretch();
    column->addLayout(buttonRow);
    column->addStretch();
    column->addLayout(keyRow);
    column->addStretch();
    column->addLayout(numberRow);
    column->addStretch();
    column->addLayout(DialogButtonRow(m_pOkButton, m_pCancelButton));
    column->addSpacing(scaled(20, m_dScaleFactor));
}

void KestFireKeyWindow::UpdateValue()
{
    for (QCheckBox *box : m_pChoiceBoxes)
        box->setChecked(false);
    if (fireChoice < kChoices)
        m_pChoiceBoxes[fireChoice]->setChecked(true);
    if (fireChoice == kFireKeyboard) {
        capturing = true;
    } else {
        capturing = false;
        keyCode = 0;
        m_pKeyDisplay->setButtonText(QString());
    }
}

void KestFireKeyWindow::SetFireKey(const ButtonInfo *entry)
{
    switch (entry->Res1) {
    case 0:
    case kFireLeftButton:
        fireChoice = kFireLeft;
        break;
    case kFireRightButton:
        fireChoice = kFireRight;
        break;
    case kFireMiddleButton:
        fireChoice = kFireMiddle;
        break;
    default: {
        fireChoice = kFireKeyboard;
        int code = 0;
        HidUsageToKeyCode(entry->Res1, code);
        keyCode = quint8(code);
        m_pKeyDisplay->setButtonText(KeyCodeToName(code));
        capturing = true;
        break;
    }
    }
    UpdateValue();
    delayEdit->setText(QString::number(entry->KeyNumber ? entry->KeyNumber : kDefaultDelay));
    timesEdit->setText(QString::number(entry->LoopNumber ? entry->LoopNumber : kDefaultTimes));
}

bool KestFireKeyWindow::hookProc(const CapturedKey *key)
{
    return runHook(capturing && fireChoice == kFireKeyboard, false, key);
}

void KestFireKeyWindow::OnHookKey(unsigned code, unsigned flags)
{
    // Keys typed into a number stay there.
    if (timesEdit->hasFocus() || delayEdit->hasFocus())
        return;
    if (skipNextKey) {
        skipNextKey = false;
        return;
    }
    if (code == lastScanCode && flags == lastFlags)
        return;
    lastScanCode = code;
    lastFlags = flags;
    m_pKeyDisplay->setButtonText(KeyCodeToName(int(code)));
    keyCode = quint8(code);
}

int KestFireKeyWindow::times() { return FieldValue(timesEdit, lcButtons); }

int KestFireKeyWindow::delay() { return FieldValue(delayEdit, lcButtons); }

void KestFireKeyWindow::emitValue()
{
    emit SetFireKeyValue(keyCode, fireChoice, uchar(FieldNumber(timesEdit)), uchar(FieldNumber(delayEdit)));
}

void KestFireKeyWindow::onStateChanged(int) {}

void KestFireKeyWindow::OnEditDataChanged(const QString &) { emitValue(); }

void KestFireKeyWindow::checkbtn_clicked()
{
    for (int i = 0; i < kChoices; ++i) {
        if (sender() != m_pChoiceBoxes[i])
            continue;
        fireChoice = quint8(i);
        UpdateValue();
        if (i == kFireKeyboard) {
            capturing = true;
            m_pTitleLabel->setFocus();
        }
        emitValue();
        m_pKeyDisplay->setFocus(Qt::OtherFocusReason);
    }
}

void KestFireKeyWindow::onEditReturn()
{
    // The Return release reaches the capture after the focus has left the edit.
    skipNextKey = true;
    m_pKeyDisplay->setFocus();
}

void KestFireKeyWindow::mousePressEvent(QMouseEvent *)
{
    // Back from editing a number: keys are taken again.
    m_pKeyDisplay->setFocus();
}
