#include "kestgunsetdialog.h"

#include "buttonslogging.h"
#include "clamp.h"
#include "configuredfont.h"
#include "dialogbuttons.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "lightingfiles.h"
#include "namerefusal.h"
#include "scale.h"
#include "settings.h"
#include "skinimages.h"

#include <QBitmap>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

constexpr int kDelayUnitMs = 10;  // a gun file's delays, whatever MinDelay is
constexpr int kMinEditedDelayMs = 10;
constexpr int kMaxEditedDelayMs = 65530;
const quint8 kButtonMasks[] = {0x01, 0x04, 0x02, 0x08, 0x10};  // left, middle, right, forward, back
const char *const kSpinStyle = "color: rgb(225,225,225);background:rgb(82,82,82)";
// Framed and filled as the macro editor's fields: the page's translucent background would
// otherwise show through, and the empty field could hardly be seen.
const char *const kNameFieldStyle =
    "QLineEdit{border:1px solid white;background:rgb(30,30,30);color:white}QToolTip{background-color:black}";

// The dialogs' own button look: its blank runs differ from the other dialogs'.
QString buttonStyle(const QColor &c, int outer, const char *separator)
{
    const QString blanks(outer, QLatin1Char(' '));
    return QString("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);") + blanks +
           "border-radius: 3px;  border: 1px " +
           QString::asprintf(separator, c.red(), c.green(), c.blue()) + ";" + blanks + "border-style: outset;}";
}

void loadBackground(QDialog *dialog, QPixmap &background)
{
    const QPixmap source = SkinPixmap(AppDir() + "/skin/dlg_gun.png");
    if (source.isNull())
        return;
    background = StretchedSkinPixmap(source, dialog->size());
    dialog->setMask(background.mask());
}

void paintFrame(QWidget *dialog, const QPixmap &background)
{
    QPainter painter(dialog);
    painter.drawPixmap(0, 0, background);
    painter.setPen(QPen(CurrentThemeColor(), 2));
    painter.drawRect(QRect(QPoint(1, 1), QPoint(dialog->width() - 2, dialog->height() - 2)));
}

KestLabel *whiteLabel(QWidget *parent, const QString &text, double s, QRect rect, int alignment)
{
    auto *label = new KestLabel(parent);
    label->m_text = text;
    label->setWordWrap(true);
    label->m_alignment = alignment;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setGeometry(scaled(rect.x(), s), scaled(rect.y(), s), scaled(rect.width(), s), scaled(rect.height(), s));
    return label;
}

QSpinBox *spinBox(QWidget *parent, double s, int x, int y, int minimum, int maximum, int value)
{
    auto *box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setStyleSheet(kSpinStyle);
    box->setGeometry(scaled(x, s), scaled(y, s), scaled(50, s), scaled(20, s));
    return box;
}

} // namespace

MacroStep GunButtonStep(int button, bool release)
{
    const quint8 mask = button >= 0 && button < 5 ? kButtonMasks[button] : 0;
    return {release ? kStepButtonRelease : kStepButtonPress, 0, mask};
}

MacroStep GunMoveStep(int direction, int distance)
{
    const quint8 n = quint8(distance);
    const quint8 back = quint8((256 - n) % 256);
    switch (direction) {
    case 0: return {kStepMove, 0, back};
    case 1: return {kStepMove, 0, n};
    case 2: return {kStepMove, back, 0};
    default: return {kStepMove, n, 0};
    }
}

MacroStep GunDelayStep(int milliseconds)
{
    const int count = milliseconds / kDelayUnitMs;
    return {kStepDelay, quint8(count / 256), quint8(count % 256)};
}

// ----------------------------------------------------------------------------- KestListItem

KestListItem::KestListItem(QWidget *parent) : QWidget(parent)
{
    const double s = getScaleFactor();
    resize(scaled(100, s), scaled(50, s));
    label = new KestLabel(this);
    label->setFixedSize(scaled(160, s), scaled(20, s));
    label->move(scaled(50, s), scaled(1, s));
    label->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    delayEdit = new KestLineEdit(this);
    delayEdit->setFixedSize(scaled(160, s), scaled(20, s));
    delayEdit->move(scaled(50, s), scaled(1, s));
    delayEdit->hide();
    delayEdit->setValidator(new QIntValidator(1, 99999, delayEdit));
    delayEdit->setStyleSheet("color:black");
    connect(delayEdit, &QLineEdit::returnPressed, this, &KestListItem::editPressSlot);
    connect(delayEdit, &KestLineEdit::kestLostFocus, this, &KestListItem::lostFocusSlot);
}

void KestListItem::SetText(const QString &text)
{
    m_text = text;
    label->m_text = text;
    label->update();
    update();
}

void KestListItem::SetEditing(bool on)
{
    if (type != kStepDelay)
        return;
    delayEdit->setText(QString::number((DataH * 256 + DataL) * kDelayUnitMs));
    label->setVisible(!on);
    delayEdit->setVisible(on);
    if (on) {
        delayEdit->setFocus();
        delayEdit->end(false);
    }
}

void KestListItem::editPressSlot()
{
    if (type == kStepDelay) {
        const int v = int(ClampLogged(delayEdit->text().toInt(), kMinEditedDelayMs, kMaxEditedDelayMs,
                                      "gun-set delay", lcButtons));
        const int count = v / kDelayUnitMs;
        DataH = quint8(count / 256);
        DataL = quint8(count % 256);
        SetText(QString::number(count * kDelayUnitMs) + " ms");
    }
    SetEditing(false);
    if (parentWidget())
        parentWidget()->setFocus();
}

void KestListItem::lostFocusSlot()
{
    if (delayEdit->isHidden())
        return;
    qCDebug(lcButtons, "lostFocusSlot\n");
    SetEditing(false);
    if (parentWidget())
        parentWidget()->setFocus();
}

// ------------------------------------------------------------------------- KestGunsetDialog

KestGunsetDialog::KestGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_dScaleFactor(scale)
{
    setFixedSize(scaled(619, scale), scaled(400, scale));
    loadBackground(this, m_background);
    m_bullet = SkinPixmap(AppDir() + "/skin/gunset_bullet.png");
    setWindowTitle("Gun Set");
    setupUi();
    ShowBulletColumns();
}

void KestGunsetDialog::setupUi()
{
    const double s = m_dScaleFactor;
    const int centred = Qt::AlignHCenter | Qt::AlignVCenter;
    setFont(ConfiguredFont(s));  // the buttons' and the spin boxes' texts
    whiteLabel(this, tr("GUN SET"), s, {167, 25, 287, 55}, centred)->setObjectName("titleLabel");
    whiteLabel(this, tr("GUNFILE NAME"), s, {376, 74, 105, 20}, centred);
    whiteLabel(this, tr("BULLETS"), s, {29, 74, 90, 20}, centred);
    whiteLabel(this, tr("DELAY(MS)"), s, {29, 111, 90, 20}, centred);
    whiteLabel(this, tr("Y"), s, {29, 187, 90, 20}, centred);
    whiteLabel(this, tr("X"), s, {29, 213, 90, 20}, centred);

    const QString bulletImage = AppDir() + "/skin/bulletsel.png";
    bulletsButton = new KestPushButton({bulletImage, bulletImage, bulletImage}, this, QString());
    bulletsButton->setObjectName("bulletsButton");
    bulletsButton->setThemeHighlight(true);
    bulletsButton->setGeometry(scaled(120, s), scaled(74, s), scaled(70, s), scaled(20, s));
    bulletsMenu = new QMenu(this);
    bulletsMenu->setFixedWidth(70);
    const QColor theme = CurrentThemeColor();
    const QColor menuColours[kMenuPaletteSize] = {Qt::black, Qt::black, Qt::white, Qt::white, Qt::black,
                                                  theme,     Qt::black, theme,     theme};
    bulletsMenu->setStyleSheet(BuildMenuStyleSheet(menuColours));
    for (int i = 0; i < kMaxBullets; ++i) {
        m_pBulletActions[i] = new KestAction(QString::number(i + 1), bulletsMenu);
        bulletsMenu->addAction(m_pBulletActions[i]);
        connect(m_pBulletActions[i], &QAction::triggered, this, &KestGunsetDialog::OnBulletCountChosen);
    }
    bulletsButton->setMenu(bulletsMenu);

    fileNameEdit = new QLineEdit(this);
    fileNameEdit->setObjectName("fileNameEdit");
    fileNameEdit->setGeometry(scaled(490, s), scaled(74, s), scaled(100, s), scaled(20, s));
    fileNameEdit->setMaxLength(100);
    fileNameEdit->setAlignment(Qt::AlignCenter);
    fileNameEdit->setStyleSheet(kNameFieldStyle);

    for (int i = 0; i < kMaxBullets; ++i) {
        const int x = 176 + 66 * i;
        delayBoxes[i] = spinBox(this, s, x, 111, 1, 999, 100);
        yBoxes[i] = spinBox(this, s, x, 187, -100, 100, 0);
        xBoxes[i] = spinBox(this, s, x, 212, -100, 100, 0);
    }

    stepList = new QListWidget(this);
    stepList->setGeometry(0, 0, 0, 0);

    const QString style = buttonStyle(theme, 20, "rgb(%d, %d, %d)");
    QToolButton *yes = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", tr("Yes"), font(),
                                        style, s);
    yes->move(scaled(380, s), scaled(339, s));
    connect(yes, &QToolButton::released, this, &KestGunsetDialog::OnYesClick);
    QToolButton *no = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"),
                                       font(), style, s);
    no->move(scaled(484, s), scaled(339, s));
    connect(no, &QToolButton::released, this, &QDialog::reject);
}

void KestGunsetDialog::ShowBulletColumns()
{
    for (int i = 0; i < kMaxBullets; ++i) {
        const bool shown = i < bulletCount;
        delayBoxes[i]->setVisible(shown);
        yBoxes[i]->setVisible(shown);
        xBoxes[i]->setVisible(shown);
    }
    bulletsButton->setButtonText(m_pBulletActions[bulletCount - 1]->text());
}

void KestGunsetDialog::OnBulletCountChosen()
{
    for (int i = 0; i < kMaxBullets; ++i) {
        if (sender() == m_pBulletActions[i])
            bulletCount = i + 1;
    }
    const double s = m_dScaleFactor;
    update(scaled(159, s), scaled(137, s), scaled(297, s), scaled(48, s));
    ShowBulletColumns();
}

void KestGunsetDialog::OnYesClick()
{
    const QString name = fileNameEdit->text();
    // The name becomes a file name in MacroDB: "../x" would be written outside it.
    const QString refusal = FileNameRefusal(name);
    if (!refusal.isEmpty()) {
        KestMessageBox box(2, QString(), tr("Warning"), refusal, this, false, Qt::FramelessWindowHint);
        box.exec();
        return;
    }
    stepList->clear();
    for (int i = 0; i < bulletCount; ++i) {
        InsertMouseButtonRow(0, false);
        InsertMouseButtonRow(0, true);
        const int t = delayBoxes[i]->cleanText().toInt();
        const int y = yBoxes[i]->cleanText().toInt();
        const int x = xBoxes[i]->cleanText().toInt();
        if (y > 0)
            InsertMoveRow(3, y);
        else if (y < 0)
            InsertMoveRow(2, -y);
        if (x > 0)
            InsertMoveRow(1, x);
        else if (x < 0)
            InsertMoveRow(0, -x);
        if (t != 0)
            InsertDelayRow(t);
    }
    m_FileName = name;
    accept();
}

void KestGunsetDialog::insertRow(const MacroStep &step, const QString &text, const QString &icon)
{
    auto *item = new QListWidgetItem;
    item->setIcon(QIcon(AppDir() + icon));
    auto *row = new KestListItem(nullptr);
    row->type = step.type;
    row->DataH = step.dataH;
    row->DataL = step.dataL;
    row->SetText(text);
    const int at = stepList->currentRow() + 1;
    stepList->insertItem(at, item);
    stepList->setItemWidget(item, row);
    stepList->setCurrentRow(at);
}

void KestGunsetDialog::InsertMouseButtonRow(int button, bool release)
{
    insertRow(GunButtonStep(button, release), release ? " UP" : " DOWN", "/skin/mouse_move.png");
}

void KestGunsetDialog::InsertMoveRow(int direction, int distance)
{
    insertRow(GunMoveStep(direction, distance), " : " + QString::number(quint8(distance)), "/skin/mouse_move.png");
}

void KestGunsetDialog::InsertDelayRow(int milliseconds)
{
    insertRow(GunDelayStep(milliseconds), QString::number(milliseconds) + " ms", "/skin/icondelay.png");
}

QVector<MacroStep> KestGunsetDialog::steps() const
{
    QVector<MacroStep> result;
    for (int i = 0; i < stepList->count(); ++i) {
        const auto *row = static_cast<KestListItem *>(stepList->itemWidget(stepList->item(i)));
        result.append({row->type, row->DataH, row->DataL});
    }
    return result;
}

bool KestGunsetDialog::saveGunFile(QString name)
{
    MacroFile macro;
    macro.defaultDelay = kDelayUnitMs;
    macro.delayType = 1;
    macro.loopType = 0;
    macro.loopTime = 1;
    macro.steps = steps();
    return !WriteMacroFile(name, macro, false).isEmpty();
}

void KestGunsetDialog::paintEvent(QPaintEvent *event)
{
    paintFrame(this, m_background);
    {
        QPainter painter(this);
        const double s = m_dScaleFactor;
        for (int i = 0; i < bulletCount; ++i)
            painter.drawPixmap(QRect(scaled(163 + 66 * i, s), scaled(141, s), scaled(9, s), scaled(39, s)), m_bullet);
    }
    QWidget::paintEvent(event);
}

// ------------------------------------------------------------------------ KestGunEditDialog

KestGunEditDialog::KestGunEditDialog(int direction, int distance, QWidget *parent, double scale,
                                     Qt::WindowFlags flags)
    : QDialog(parent, flags), m_iDirection(direction), m_iDistance(distance), m_dScaleFactor(scale)
{
    setFixedSize(scaled(619, scale), scaled(400, scale));
    loadBackground(this, m_background);
    setupUi();
    ShowDirection();
    setWindowTitle("Gun Edit");
}

void KestGunEditDialog::setupUi()
{
    const double s = m_dScaleFactor;
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    setFont(ConfiguredFont(s));  // the buttons' and the spin boxes' texts
    whiteLabel(this, QObject::tr("GUN EDIT"), s, {167, 25, 287, 30}, Qt::AlignHCenter | Qt::AlignVCenter);
    whiteLabel(this, QObject::tr("MOUSE ACTION"), s, {158, 90, 287, 20}, left);
    const char *const names[4] = {QT_TRANSLATE_NOOP("QObject", "MOVE LEFT"), QT_TRANSLATE_NOOP("QObject", "MOVE RIGHT"),
                                  QT_TRANSLATE_NOOP("QObject", "MOVE UP"), QT_TRANSLATE_NOOP("QObject", "MOVE DOWN")};
    const QPoint spots[4] = {{158, 120}, {158, 150}, {298, 120}, {298, 150}};
    const QString d = AppDir() + "/skin/";
    for (int i = 0; i < 4; ++i) {
        auto *button = new KestPushButton({d + "checkbox1-1.png", d + "checkbox1-2.png", d + "checkbox1-2.png"}, this,
                                          QString());
        button->setButtonCheckable(true);
        button->setThemeHighlight(true);
        button->setGeometry(scaled(spots[i].x(), s), scaled(spots[i].y(), s), scaled(20, s), scaled(20, s));
        connect(button, &QPushButton::clicked, this, &KestGunEditDialog::OnDirectionClicked);
        directionButtons[i] = button;
        whiteLabel(this, QObject::tr(names[i]), s, {spots[i].x() + 27, spots[i].y(), 100, 20}, left);
    }
    whiteLabel(this, QObject::tr("Distance"), s, {158, 190, 287, 20}, left);
    distanceBox = spinBox(this, s, 158, 220, 1, 120, 1);
    QPalette palette = distanceBox->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    distanceBox->setPalette(palette);
    connect(distanceBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestGunEditDialog::sValueChangedSlot);

    const QString style = buttonStyle(CurrentThemeColor(), 16, "rgb(%d,%d,%d)");
    QToolButton *yes = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", tr("Yes"), font(),
                                        style, s);
    yes->move(scaled(380, s), scaled(339, s));
    connect(yes, &QToolButton::released, this, &KestGunEditDialog::OnYesClick);
    QToolButton *no = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"),
                                       font(), style, s);
    no->move(scaled(484, s), scaled(339, s));
    connect(no, &QToolButton::released, this, &QDialog::reject);
}

void KestGunEditDialog::ShowDirection()
{
    if (m_iDirection >= 0 && m_iDirection < 4) {
        for (int i = 0; i < 4; ++i)
            directionButtons[i]->setButtonChecked(i == m_iDirection);
    }
    distanceBox->setValue(m_iDistance);  // the box keeps it within 1-120
}

void KestGunEditDialog::OnDirectionClicked()
{
    for (int i = 0; i < 4; ++i) {
        if (sender() == directionButtons[i])
            m_iDirection = i;
    }
    ShowDirection();
}

void KestGunEditDialog::sValueChangedSlot(int value) { m_iDistance = value; }

void KestGunEditDialog::OnYesClick()
{
    m_iDistance = distanceBox->value();
    accept();
}

void KestGunEditDialog::paintEvent(QPaintEvent *event)
{
    paintFrame(this, m_background);
    QWidget::paintEvent(event);
}
