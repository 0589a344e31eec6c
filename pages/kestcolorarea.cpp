#include "kestcolorarea.h"

#include "defaultcolorarea.h"
#include "dialogbuttons.h"
#include "hcolorarea.h"
#include "kestlabel.h"
#include "pagestyle.h"
#include "previewcolorarea.h"
#include "scale.h"
#include "settings.h"
#include "svcolorarea.h"
#include "skinimages.h"

#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QColor kQuickColors[kQuickColorCount] = {
    QColor(255, 0, 0), QColor(0, 255, 0),   QColor(0, 0, 255),    QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
};

// Unlike the message boxes' buttons, these runs are 24 blanks long.
QString ButtonStyleSheet(const QColor &border)
{
    const QString run(24, QLatin1Char(' '));
    return QString::asprintf("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);%sborder-radius: 3px;  "
                             "border: 1px rgb(%d, %d, %d);%sborder-style: outset;}",
                             qPrintable(run), border.red(), border.green(), border.blue(), qPrintable(run));
}

// A part of the typed text as a number; a sign, blank or other non-digit makes it 0.
int HexPart(const QString &part)
{
    for (const QChar ch : part) {
        if (!isxdigit(ch.toLatin1()) || ch.unicode() > 0x7f)
            return 0;
    }
    return part.toInt(nullptr, 16);
}

QString TwoDigits(int component)
{
    QString digits = QString::number(component, 16);
    if (digits.size() == 1)
        digits.insert(0, QLatin1Char('0'));
    return digits;
}

QSpinBox *MakeBox(QWidget *parent, int maximum, const char *name)
{
    auto *box = new QSpinBox(parent);
    box->setRange(0, maximum);
    box->setObjectName(name);
    return box;
}

} // namespace

QString ColorHexText(const QColor &c)
{
    return QString("%1%2%3").arg(TwoDigits(c.red()), TwoDigits(c.green()), TwoDigits(c.blue()));
}

QColor ColorFromHexInput(const QString &text)
{
    int r = 0;
    int g = 0;
    int b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = HexPart(text);
        break;
    case 3:
        r = HexPart(QString(2, text[0]));
        g = HexPart(QString(2, text[1]));
        b = HexPart(QString(2, text[2]));
        break;
    case 4:
        g = HexPart(text.mid(0, 2));
        b = HexPart(text.mid(2, 2));
        break;
    case 5:
        r = HexPart(text.mid(0, 1));
        g = HexPart(text.mid(1, 2));
        b = HexPart(text.mid(3, 2));
        break;
    case 6:
        r = HexPart(text.mid(0, 2));
        g = HexPart(text.mid(2, 2));
        b = HexPart(text.mid(4, 2));
        break;
    default:
        break;
    }
    QColor c;
    c.setRgb(r, g, b, 255);
    return c;
}

QString ZeroFilledHex(const QString &text)
{
    switch (text.size()) {
    case 0: return QStringLiteral("000000");
    case 1: return QStringLiteral("00000") + text;
    case 2: return QStringLiteral("0000") + text;
    case 3: return QString(2, text[0]) + QString(2, text[1]) + QString(2, text[2]);
    case 4: return QStringLiteral("00") + text;
    case 5: return QStringLiteral("0") + text;
    default: return text;
    }
}

KestColorArea::KestColorArea(QWidget *parent, double scale) : QDialog(parent), m_dScale(scale)
{
    const double s = scale;
    setFixedSize(scaled(400, s), scaled(258, s));
    m_background = SkinPixmap(AppDir() + "/skin/dlg.png");
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_pHueBar = new HColorArea(this);
    m_pSquare = new SVColorArea(this);
    m_pPreview = new PreviewColorArea(this);
    m_pHBox = MakeBox(this, 360, "hBox");
    m_pSBox = MakeBox(this, 255, "sBox");
    m_pVBox = MakeBox(this, 255, "vBox");
    for (QSpinBox *hidden : {m_pHBox, m_pSBox, m_pVBox})
        hidden->setGeometry(0, 0, 0, 0);
    m_pRBox = MakeBox(this, 255, "rBox");
    m_pGBox = MakeBox(this, 255, "gBox");
    m_pBBox = MakeBox(this, 255, "bBox");
    m_pRBox->setPrefix("R ");
    m_pGBox->setPrefix("G ");
    m_pBBox->setPrefix("B ");
    for (QSpinBox *box : {m_pRBox, m_pGBox, m_pBBox})
        box->setStyleSheet("color: rgb(225,225,225)");
    m_pHexEdit = new QLineEdit(this);
    m_pHexEdit->setObjectName("hexEdit");
    m_pHexEdit->setGeometry(1, 1, 1, 1);

    connect(m_pHueBar, &HColorArea::hueChangedSignal, m_pSquare, &SVColorArea::hueChangedSlot);
    connect(m_pSquare, &SVColorArea::svChangedSignal, m_pPreview, &PreviewColorArea::svChangedSlot);
    connect(m_pPreview, &PreviewColorArea::svChangedSignal, this, &KestColorArea::updateEditData);
    connect(m_pHexEdit, &QLineEdit::textEdited, this, &KestColorArea::editChangedSlot);
    connect(m_pHexEdit, &QLineEdit::editingFinished, this, &KestColorArea::editFinishedSlot);
    connect(m_pHBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::hValueChangedSlot);
    connect(m_pSBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::sValueChangedSlot);
    connect(m_pVBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::vValueChangedSlot);
    connect(m_pRBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::rValueChangedSlot);
    connect(m_pGBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::gValueChangedSlot);
    connect(m_pBBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KestColorArea::bValueChangedSlot);
    connect(m_pSquare, &SVColorArea::mouseReleaseSignal, this, &KestColorArea::MouseReleaseSlot);
    connect(m_pHueBar, &HColorArea::mouseReleaseSignal, this, &KestColorArea::MouseReleaseSlot);

    m_pTitleLabel = new KestLabel(this);
    m_pTitleLabel->setObjectName("colorTitleLabel");
    m_pTitleLabel->setPalette(TextPalette(m_pTitleLabel->palette(), Qt::white));
    m_pTitleLabel->m_text = QObject::tr("COLOR");
    m_pTitleLabel->update();

    for (int i = 0; i < kQuickColorCount; ++i) {
        m_pQuickColors[i] = new DefaultColorArea(this, kQuickColors[i]);
        m_pQuickColors[i]->setObjectName(QString("quickColor%1").arg(i));
        connect(m_pQuickColors[i], &DefaultColorArea::ClickedSignal, this, &KestColorArea::color_clicked);
    }

    QFont font("Consolas");
    font.setWeight(75);
    font.setPixelSize(qMax(1, scaled(14, s)));
    const QString sheet = ButtonStyleSheet(CurrentThemeColor());
    m_pOkButton = MakeDialogButton(this, ":/yes_Btn", Qt::ToolButtonTextOnly, "msgBoxYesBtn", QString(), font, sheet, s);
    m_pCancelButton =
        MakeDialogButton(this, ":/no_Btn", Qt::ToolButtonTextBesideIcon, "msgBoxNoBtn", QString(), font, sheet, s);
    connect(m_pOkButton, &QToolButton::released, this, &QDialog::accept);
    connect(m_pCancelButton, &QToolButton::released, this, &QDialog::reject);

    updateTexts();
}

void KestColorArea::updateTexts()
{
    m_pOkButton->setText(QObject::tr("OK"));
    m_pCancelButton->setText(QObject::tr("Cancel"));
    applyScale(m_dScale);
}

void KestColorArea::applyScale(double scale)
{
    m_dScale = scale;
    const double s = scale;
    m_pTitleLabel->setGeometry(ScaledRect(s, 40, 10, 70, 18));
    m_pTitleLabel->m_text = QObject::tr("COLOR");
    m_pTitleLabel->update();
    m_pSquare->setGeometry(ScaledRect(s, 40, 43, 128, 128));
    m_pHueBar->setGeometry(ScaledRect(s, 185, 38, 34, 142));
    m_pPreview->setGeometry(ScaledRect(s, 275, 43, 55, 20));
    m_pRBox->setGeometry(ScaledRect(s, 275, 91, 55, 20));
    m_pGBox->setGeometry(ScaledRect(s, 275, 121, 55, 20));
    m_pBBox->setGeometry(ScaledRect(s, 275, 151, 55, 20));
    for (QSpinBox *box : {m_pRBox, m_pGBox, m_pBBox})
        FitSpinBoxText(box);
    for (int i = 0; i < kQuickColorCount; ++i)
        m_pQuickColors[i]->setGeometry(ScaledRect(s, 40 + 24 * i, 182, 23, 23));
    m_pOkButton->setGeometry(ScaledRect(s, 60, 220, 100, 30));
    m_pCancelButton->setGeometry(ScaledRect(s, 240, 220, 100, 30));
    m_pSquare->rescale();
    m_pHueBar->rescale();
}

QColor KestColorArea::chosenColor() const { return m_pPreview->color(); }

void KestColorArea::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.drawPixmap(QRect(0, 0, width(), height()), m_background, m_background.rect());
        painter.setPen(QPen(CurrentThemeColor(), 2));
        painter.drawRect(1, 1, width() - 2, height() - 2);
    }
    QDialog::paintEvent(event);
}

void KestColorArea::setColor(const QColor &c)
{
    if (!m_bEmit)
        return;
    m_pPreview->setColor(c);
    m_bEmit = false;
    m_pRBox->setValue(c.red());
    m_pGBox->setValue(c.green());
    m_pBBox->setValue(c.blue());
    m_bEmit = true;
    m_pHexEdit->setText(ColorHexText(c));
    emit KestChangeColor(c);
}

void KestColorArea::hsvBoxChanged(int h, int s, int v)
{
    QColor c;
    c.setHsv(h, s, v, 255);
    setColor(c);
}

void KestColorArea::hValueChangedSlot(int h)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    m_hue = h;
    m_pHueBar->setHue(h);
    m_pSquare->setHue(h);
    hsvBoxChanged(m_hue, m_saturation, m_value);
    m_bBusy = false;
}

void KestColorArea::sValueChangedSlot(int s)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    m_saturation = s;
    m_pSquare->setSaturation(s);
    hsvBoxChanged(m_hue, m_saturation, m_value);
    m_bBusy = false;
}

void KestColorArea::vValueChangedSlot(int v)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    m_value = v;
    m_pSquare->setValue(v);
    hsvBoxChanged(m_hue, m_saturation, m_value);
    m_bBusy = false;
}

void KestColorArea::showColor(const QColor &c)
{
    m_hue = c.hue();
    m_saturation = c.saturation();
    m_value = c.value();
    m_pHueBar->setHue(m_hue);
    m_pSquare->setHsv(m_hue, m_saturation, m_value);
    m_pPreview->setColor(c);
}

void KestColorArea::rgbBoxChanged(int red, int green, int blue)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    QColor c;
    c.setRgb(red, green, blue, 255);
    showColor(c);
    m_pHBox->setValue(m_hue);
    m_pSBox->setValue(m_saturation);
    m_pVBox->setValue(m_value);
    m_pHexEdit->setText(ColorHexText(c));
    m_bBusy = false;
    if (m_bEmit) {
        emit KestChangeColor(c);
        emit ApplyColor();
    }
}

void KestColorArea::rValueChangedSlot(int r) { rgbBoxChanged(r, m_pGBox->value(), m_pBBox->value()); }

void KestColorArea::gValueChangedSlot(int g) { rgbBoxChanged(m_pRBox->value(), g, m_pBBox->value()); }

void KestColorArea::bValueChangedSlot(int b) { rgbBoxChanged(m_pRBox->value(), m_pGBox->value(), b); }

void KestColorArea::editChangedSlot(const QString &text)
{
    m_bBusy = true;
    const QColor c = ColorFromHexInput(text);
    showColor(c);
    m_pHBox->setValue(m_hue);
    m_pSBox->setValue(m_saturation);
    m_pVBox->setValue(m_value);
    m_pRBox->setValue(c.red());
    m_pGBox->setValue(c.green());
    m_pBBox->setValue(c.blue());
    m_bBusy = false;
    emit KestChangeColor(c);
}

void KestColorArea::editFinishedSlot() { m_pHexEdit->setText(ZeroFilledHex(m_pHexEdit->text())); }

void KestColorArea::updateEditData(int h, int s, int v)
{
    m_bBusy = true;
    m_hue = h;
    m_saturation = s;
    m_value = v;
    if (h >= 360)
        h = 0;
    QColor c;
    c.setHsv(h, s, v, 255);
    m_pHBox->setValue(h);
    m_pSBox->setValue(s);
    m_pVBox->setValue(v);
    m_pRBox->setValue(c.red());
    m_pGBox->setValue(c.green());
    m_pBBox->setValue(c.blue());
    m_pHexEdit->setText(ColorHexText(c));
    m_bBusy = false;
    emit KestChangeColor(c);
}

void KestColorArea::MouseReleaseSlot() { emit ApplyColor(); }

void KestColorArea::color_clicked()
{
    int index = -1;
    for (int i = 0; i < kQuickColorCount; ++i) {
        if (sender() == m_pQuickColors[i])
            index = i;
    }
    if (index < 0)
        return;
    const QColor q = kQuickColors[index];
    m_bEmit = false;
    m_pRBox->setValue(q.red());
    m_pGBox->setValue(q.green());
    m_bEmit = true;
    m_pBBox->setValue(q.blue());
    emit KestChangeColor(m_pQuickColors[index]->color());
    emit ApplyColor();
}
