#pragma once
// A label that paints its own text (m_text, not QLabel's) in the configured font at the
// scaled size, read afresh at every paint. Owners assign m_text and m_alignment directly
// and call update().

#include <QLabel>
#include <QString>

class KestLabel : public QLabel {
    Q_OBJECT
public:
    explicit KestLabel(QWidget *parent = nullptr);
    KestLabel(const QString &text, QWidget *parent);

    QString labelText() const { return m_text; }
    void setDarkBackground(bool on) { m_bDarkBackground = on; }
    void setTextWrap(bool on) { m_bWrapText = on; }
    bool textWraps() const { return m_bWrapText; }
    // Paints at this size instead of the configured one.
    void setFontSize(int size);
    // Subtracts this amount from the size before scaling.
    void setFontReduction(int amount);
    // Text = the decimal number, then a repaint.
    void setNumber(int number);
    // The pixel size the next paint uses (configured or fixed size, less the reduction, scaled).
    int paintPixelSize() const;
    // The font the next paint uses: the configured family at paintPixelSize(), narrowed
    // where a one-line text would not fit (as FittedFont).
    QFont paintFont() const;

    QString m_text;
    int m_alignment = Qt::AlignLeft | Qt::AlignVCenter;

signals:
    // Any mouse button pressed on the label.
    void EnterSignal(KestLabel *self);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int unscaledSize(int configuredSize) const;

    bool m_bWrapText = false;
    bool m_bFixedFontSize = false;
    bool m_bReduceFontSize = false;
    int m_fixedFontSize = 0;
    int m_fontSizeReduction = 0;
    bool m_bDarkBackground = false;
};
