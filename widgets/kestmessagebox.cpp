#include "kestmessagebox.h"

#include "dialogbuttons.h"
#include "kestlabel.h"
#include "scale.h"
#include "settings.h"
#include "skinimages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVariant>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTypeQuestion = 1;
constexpr int kTypeReceiver = 4;

QFont messageFont(double s)
{
    QFont font;
    font.setWeight(75);
    font.setFamily("Consolas");
    font.setPixelSize(scaled(14, s));
    return font;
}

QPalette whiteTextPalette(QPalette palette)
{
    palette.setBrush(QPalette::All, QPalette::WindowText, Qt::white);
    return palette;
}

} // namespace

QString KestMessageBox::pictureFor(int type)
{
    if (type >= kTypeQuestion && type < kTypeReceiver)
        return "/skin/warn.png";
    if (type == kTypeReceiver)
        return "/skin/dongle2.png";
    return QString();
}

KestMessageBox::KestMessageBox(int type, const QString &title, const QString &heading, const QString &message,
                               QWidget *parent, bool watch, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_MessageBoxType(type)
{
    const double s = getScaleFactor();
    setFixedSize(scaled(478, s), scaled(309, s));
    m_background = SkinPixmap(AppDir() + "/skin/dlg.png");
    if (watch)
        m_pWatchedOwner = parent;
    setAttribute(Qt::WA_TranslucentBackground);
    buildWidgets(heading, message);
    buildLayout();
    setWindowTitle(title);
    if (watch) {
        m_pWatchTimer = new QTimer(this);
        connect(m_pWatchTimer, &QTimer::timeout, this, &KestMessageBox::GetPlugInSignal);
        m_pWatchTimer->start(kWatchIntervalMs);
    }
}

KestMessageBox::~KestMessageBox() = default;

void KestMessageBox::buildWidgets(const QString &heading, const QString &message)
{
    const double s = getScaleFactor();
    const int picture = scaled(45, s);
    m_pPictureLabel = new QLabel(this);
    m_pPictureLabel->setFixedSize(picture, picture);
    const QString picturePath = pictureFor(m_MessageBoxType);
    if (!picturePath.isEmpty()) {
        const QPixmap image(AppDir() + picturePath);
        if (!image.isNull())
            m_pPictureLabel->setPixmap(image.scaled(picture, picture, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    const QColor theme = CurrentThemeColor();
    const QFont font = messageFont(s);
    const QPalette palette = whiteTextPalette(this->palette());

    m_pHeadingLabel = new KestLabel(heading, this);
    m_pHeadingLabel->setWordWrap(true);
    m_pHeadingLabel->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_pHeadingLabel->setFont(font);
    m_pHeadingLabel->setPalette(palette);
    m_pHeadingLabel->setObjectName("msgBoxInfoLabel1");
    m_pHeadingLabel->setGeometry(scaled(20, s), scaled(20, s), scaled(300, s), scaled(20, s));

    m_pMessageLabel = new KestLabel(message, this);
    m_pMessageLabel->setWordWrap(true);
    m_pMessageLabel->adjustSize();
    m_pMessageLabel->setTextWrap(true);
    m_pMessageLabel->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_pMessageLabel->setFont(font);
    m_pMessageLabel->setPalette(palette);
    m_pMessageLabel->setObjectName("msgBoxInfoLabel2");

    const QString buttonStyle = DialogButtonStyleSheet(theme);
    const bool question = m_MessageBoxType == kTypeQuestion;
    m_pYesButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn",
                                    question ? tr("Yes") : tr("Ok"), font, buttonStyle, s);
    connect(m_pYesButton, &QToolButton::released, this, &QDialog::accept);
    if (question) {
        m_pNoButton = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"),
                                       font, buttonStyle, s);
        connect(m_pNoButton, &QToolButton::released, this, &QDialog::reject);
    }
}

void KestMessageBox::buildLayout()
{
    const int gap = scaled(30, getScaleFactor());
    auto *textRow = new QHBoxLayout;
    textRow->addSpacing(gap);
    textRow->addWidget(m_pPictureLabel);
    textRow->addSpacing(gap);
    textRow->addWidget(m_pMessageLabel);

    auto *column = new QVBoxLayout(this);
    column->addLayout(textRow);
    column->addLayout(DialogButtonRow(m_pYesButton, m_pNoButton));
    column->addSpacing(gap);
}

void KestMessageBox::GetPlugInSignal()
{
    if (m_pWatchedOwner && m_pWatchedOwner->property(kDevicePresentProperty).toInt() != 0)
        accept();
}

void KestMessageBox::keyPressEvent(QKeyEvent *event)
{
    // As QDialog takes them for its default push button, which this box has none of.
    const bool confirm = (event->key() == Qt::Key_Return && event->modifiers() == Qt::NoModifier)
                         || (event->key() == Qt::Key_Enter && (event->modifiers() & ~Qt::KeypadModifier) == 0);
    if (confirm)
        m_pYesButton->click();
    else if (event->matches(QKeySequence::Cancel))
        (m_pNoButton ? m_pNoButton : m_pYesButton)->click();
    else
        QDialog::keyPressEvent(event);
}

void KestMessageBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
    painter.setPen(QPen(CurrentThemeColor(), 2));
    painter.drawRect(QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)));
    painter.end();
    QDialog::paintEvent(event);
}
