#include "kestpopbox.h"

#include "dialogbuttons.h"
#include "kestlabel.h"
#include "settings.h"
#include "skinimages.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr double kUnscaled = 1.0;  // this box keeps its 96-DPI size
}

KestPopBox::KestPopBox(int buttonMode, const QString &title, const QString &text1, const QString &text2, QWidget *,
                       Qt::WindowFlags)
    : QDialog(nullptr), m_buttonMode(buttonMode)
{
    setFixedSize(478, 309);
    m_pixmap = SkinPixmap(AppDir() + "/skin/dlg.png");
    const QBitmap shape = m_pixmap.mask();
    if (!shape.isNull())  // an opaque background has no mask; an empty one would hide the box
        setMask(shape);
    setAttribute(Qt::WA_TranslucentBackground);
    buildWidgets(text1, text2);
    buildLayout();
    setWindowTitle(title);
}

void KestPopBox::buildWidgets(const QString &text1, const QString &text2)
{
    QPalette white = palette();
    white.setBrush(QPalette::All, QPalette::WindowText, Qt::white);

    m_pSpareLabel = new KestLabel(this);
    m_pSpareLabel->hide();

    m_pInfoLabel1 = new KestLabel(text1, this);
    m_pInfoLabel1->setObjectName("msgBoxInfoLabel1");
    m_pInfoLabel1->setWordWrap(true);
    m_pInfoLabel1->m_alignment = Qt::AlignCenter;
    m_pInfoLabel1->setPalette(white);
    m_pInfoLabel1->setGeometry(82, 20, 299, 20);

    m_pInfoLabel2 = new KestLabel(text2, this);
    m_pInfoLabel2->setObjectName("msgBoxInfoLabel2");
    m_pInfoLabel2->setWordWrap(true);
    m_pInfoLabel2->adjustSize();
    m_pInfoLabel2->m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m_pInfoLabel2->setPalette(white);

    const QString style = DialogButtonStyleSheet(Qt::red);
    const bool twoButtons = m_buttonMode == 1;
    m_pYesButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn",
                                    twoButtons ? tr("Yes") : tr("Ok"), font(), style, kUnscaled);
    connect(m_pYesButton, &QToolButton::released, this, &QDialog::accept);
    if (twoButtons) {
        m_pNoButton = MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", tr("No"),
                                       font(), style, kUnscaled);
        connect(m_pNoButton, &QToolButton::released, this, &QDialog::reject);
    }

    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setGeometry(82, 146, 299, 30);
    m_pNameEdit->setMaxLength(kMaxNameLength);
    connect(m_pNameEdit, &QLineEdit::textChanged, this, &KestPopBox::NameChanged);
}

void KestPopBox::buildLayout()
{
    auto *textRow = new QHBoxLayout;
    textRow->addSpacing(30);
    textRow->addWidget(m_pInfoLabel2);

    auto *column = new QVBoxLayout(this);
    column->addLayout(textRow);
    column->addLayout(DialogButtonRow(m_pYesButton, m_pNoButton));
    column->addSpacing(30);
}

void KestPopBox::NameChanged(const QString &text) { m_name = text; }

void KestPopBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
    painter.end();
    QDialog::paintEvent(event);
}
