#include "kestlabel.h"

#include "configuredfont.h"
#include "scale.h"

#include <QPainter>
#include <QTextOption>

KestLabel::KestLabel(QWidget *parent) : KestLabel(QString(), parent) {}

KestLabel::KestLabel(const QString &text, QWidget *parent) : QLabel(parent), m_text(text)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_TranslucentBackground);
}

void KestLabel::setFontSize(int size)
{
    m_bFixedFontSize = true;
    m_fixedFontSize = size;
}

void KestLabel::setFontReduction(int amount)
{
    m_bReduceFontSize = true;
    m_fontSizeReduction = amount;
}

void KestLabel::setNumber(int number)
{
    m_text = QString::number(number);
    update();
}

int KestLabel::unscaledSize(int configuredSize) const
{
    int size = m_bFixedFontSize ? m_fixedFontSize : configuredSize;
    if (m_bReduceFontSize)
        size -= m_fontSizeReduction;
    return size;
}

int KestLabel::paintPixelSize() const
{
    return scaled(unscaledSize(ReadConfiguredFont().size), getScaleFactor());
}

QFont KestLabel::paintFont() const
{
    const ConfiguredFontEntry entry = ReadConfiguredFont();
    const QFont font = ScaledFont(entry.family, unscaledSize(entry.size));
    // A long one-line text is narrowed rather than cut; wrapped text has the lines for it.
    return m_bWrapText ? font : FittedFont(font, m_text, contentsRect().width());
}

void KestLabel::mousePressEvent(QMouseEvent *) { emit EnterSignal(this); }

void KestLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(paintFont());
    if (m_bDarkBackground)
        painter.fillRect(0, 0, width(), height(), QColor(30, 30, 30));
    // Painted into the whole label, so a partial repaint cannot shift the text.
    if (m_bWrapText) {
        QTextOption option{Qt::Alignment(m_alignment)};
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        painter.drawText(QRectF(rect()), m_text, option);
    } else {
        painter.drawText(rect(), m_alignment, m_text);
    }
}
