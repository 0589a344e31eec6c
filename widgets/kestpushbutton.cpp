#include "kestpushbutton.h"

#include "configuredfont.h"
#include "devicedefaults.h"
#include "settings.h"
#include "skinimages.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kStateNormal = 0;
constexpr int kStateHover = 1;
constexpr int kStatePressed = 2;
constexpr int kStateDisabled = 3;

// The first image at 200/255 of its opacity, colours unchanged. A missing skin file stays
// a null image: there is nothing to paint into.
QPixmap dimmed(const QPixmap &image)
{
    if (image.isNull())
        return image;
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(result.rect(), QColor(0, 0, 0, 200));
    painter.end();
    return QPixmap::fromImage(result);
}

QColor withAlpha(int r, int g, int b, int alpha) { return QColor(r, g, b, alpha); }

} // namespace

KestPushButton::KestPushButton(const QStringList &imagePaths, QWidget *parent, const QString &singleImagePath)
    : QPushButton(parent)
{
    loadStateImages(imagePaths);
    if (!singleImagePath.isEmpty())
        m_pixmap = std::make_unique<QPixmap>(singleImagePath);
    if (g_colorMode == 0) {
        m_textColors[0] = QColor(200, 200, 200);
        m_textColors[1] = QColor(225, 225, 225);
        m_textColors[2] = QColor(255, 255, 255);
    } else {
        m_textColors[0] = QColor(255, 255, 255);
        m_textColors[1] = QColor(0, 0, 0);
        m_textColors[2] = QColor(0, 0, 0);
    }
    m_textColors[3] = QColor(100, 100, 100);
    setContentsMargins(3, 0, 3, 0);  // the caption keeps off the button's edges
}

QFont KestPushButton::captionFont() const
{
    return FittedFont(ConfiguredFont(), m_text, contentsRect().width());
}

KestPushButton::~KestPushButton() = default;

void KestPushButton::loadStateImages(const QStringList &imagePaths)
{
    if (imagePaths.isEmpty())
        return;
    m_stateImages.clear();
    for (const QString &path : imagePaths)
        m_stateImages.append(SkinPixmap(path));
    m_stateImages[0] = dimmed(m_stateImages[0]);
    update();
}

void KestPushButton::setButtonText(const QString &text)
{
    m_text = text;
    update();
    setToolTip(text);
}

void KestPushButton::setTextMark(quint8 mark)
{
    m_textMark = mark;
    update();
}

void KestPushButton::setButtonCheckable(bool on)
{
    m_bCheckable = on;
    setState(kStateNormal);
}

void KestPushButton::setButtonChecked(bool on)
{
    m_bChecked = on;
    setState(on ? kStateHover : kStateNormal);
}

void KestPushButton::setButtonEnabled(bool on)
{
    m_bEnabled = on;
    int state = on ? kStateNormal : kStateDisabled;
    if (m_bCheckable && m_bChecked)
        state = kStateHover;
    m_curIndex = state;
    setEnabled(on);
    update();
}

void KestPushButton::setCurIndex(int index) { setState(index); }

void KestPushButton::setState(int index)
{
    m_curIndex = index;
    update();
}

QColor KestPushButton::textColor(int state) const
{
    return m_textColors[state >= 0 && state < 4 ? state : 0];
}

const QPixmap &KestPushButton::stateImage(int index) const
{
    static const QPixmap none;
    if (m_stateImages.isEmpty())
        return none;
    return index >= 0 && index < m_stateImages.size() ? m_stateImages[index] : m_stateImages[0];
}

QSize KestPushButton::sizeHint() const
{
    if (m_pixmap)
        return m_pixmap->size();
    if (!m_stateImages.isEmpty())
        return m_stateImages[0].size();
    return QPushButton::sizeHint();
}

void KestPushButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_bEnabled) {
            m_bChecked = !m_bChecked;
            if (m_stateImages.size() >= 3)
                setState(m_bChecked ? kStatePressed : kStateNormal);
            emit EnterSignal(this);
        }
        m_bReportLeave = false;
    }
    QPushButton::mousePressEvent(event);
}

void KestPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_bEnabled && m_stateImages.size() >= 2)
        setState(kStateHover);
    QPushButton::mouseReleaseEvent(event);
}

void KestPushButton::enterEvent(QEvent *event)
{
    emit OverSignal(this, true);
    if (m_bEnabled)
        setState(m_stateImages.size() >= 2 ? kStateHover : kStateNormal);
    QPushButton::enterEvent(event);
}

void KestPushButton::leaveEvent(QEvent *event)
{
    if (m_bReportLeave)
        emit OverSignal(this, false);
    m_bReportLeave = true;
    if (m_bEnabled)
        setState(m_bCheckable && m_bChecked ? kStateHover : kStateNormal);
    QPushButton::leaveEvent(event);
}

void KestPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool highlightState = m_curIndex == kStateHover || m_curIndex == kStatePressed;
    if (!m_bThemeHighlight) {
        painter.drawPixmap(rect(), stateImage(m_curIndex == kStateDisabled ? kStateNormal : m_curIndex));
    } else {
        painter.drawPixmap(rect(), stateImage(kStateNormal));
        if (highlightState)
            paintThemeHighlight(painter);
    }
    paintTexts(painter);
}

void KestPushButton::paintThemeHighlight(QPainter &painter)
{
    const QColor theme = CurrentThemeColor();
    const int r = theme.red(), g = theme.green(), b = theme.blue();
    QLinearGradient gradient(QPointF(60, 50), QPointF(200, 150));
    if (g_colorMode != 0) {
        gradient.setColorAt(0.1, withAlpha(r, g, b, 255));
        gradient.setColorAt(0.4, withAlpha(r, g, b, 255));
    } else {
        const int divisor = m_curIndex == kStateHover ? 2 : 3;
        gradient.setColorAt(0.1, withAlpha(r / divisor, g / divisor, b / divisor, 150));
        gradient.setColorAt(0.4, withAlpha(r, g, b, 150));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(gradient);
    if (m_bRoundHighlight)
        painter.drawEllipse(0, 0, width(), height());
    else
        painter.drawRect(0, 0, width(), height());
    painter.restore();
}

void KestPushButton::paintTexts(QPainter &painter)
{
    painter.setFont(ConfiguredFont());
    painter.setPen(textColor(m_curIndex));
    const QRect area = rect();
    if (m_textMark != 0) {
        QString mark;
        if (m_textMark == kMarkUpArrow)
            mark = QStringLiteral("    \u2191");
        else if (m_textMark == kMarkDownArrow)
            mark = QStringLiteral("    \u2193");
        else
            mark = QString::asprintf("    %d", m_textMark);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, mark);
    }
    if (m_bVerticalText) {
        const int w = width(), h = height();
        painter.translate(w / 2, h / 2);
        painter.rotate(90);
        painter.drawText(QRect(-w / 2, -h / 2, 2 * w, h), Qt::AlignCenter, m_text);
        painter.resetTransform();
    } else {
        // A long caption is narrowed first and cut only when even that is not enough.
        painter.setFont(captionFont());
        const QRect caption = contentsRect();
        const QString shown = painter.fontMetrics().elidedText(m_text, Qt::ElideRight, caption.width());
        painter.drawText(caption, Qt::AlignCenter, shown);
    }
}
