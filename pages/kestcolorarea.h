#pragma once
// The colour-edit dialog of the lighting page: hue bar, saturation/value square, preview,
// R/G/B boxes and seven quick colours, OK and Cancel. Hidden H/S/V boxes and a hex field
// follow every change too. The chosen colour is the preview's; the dialog writes nothing.

#include <QColor>
#include <QDialog>
#include <QPixmap>

class DefaultColorArea;
class HColorArea;
class KestLabel;
class PreviewColorArea;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SVColorArea;

constexpr int kQuickColorCount = 7;

// Six lower-case hex digits rrggbb.
QString ColorHexText(const QColor &c);
// The colour typed so far: by length, blue only (1-2 digits), shorthand (3), green and blue
// (4), one-digit red (5) or full (6); none or more than 6 give black. A part that is not
// plain hexadecimal digits counts 0.
QColor ColorFromHexInput(const QString &text);
// The text zero-filled to six digits (three are doubled); six or more stay as they are.
QString ZeroFilledHex(const QString &text);

class KestColorArea : public QDialog
{
    Q_OBJECT
public:
    KestColorArea(QWidget *parent, double scale);

    void setColor(const QColor &c);
    // The chosen colour: the preview's.
    QColor chosenColor() const;
    void applyScale(double scale);
    void updateTexts();

    HColorArea *m_pHueBar;
    SVColorArea *m_pSquare;
    PreviewColorArea *m_pPreview;
    QSpinBox *m_pHBox;
    QSpinBox *m_pSBox;
    QSpinBox *m_pVBox;
    QSpinBox *m_pRBox;
    QSpinBox *m_pGBox;
    QSpinBox *m_pBBox;
    QLineEdit *m_pHexEdit;
    KestLabel *m_pTitleLabel;
    DefaultColorArea *m_pQuickColors[kQuickColorCount];
    QToolButton *m_pOkButton;
    QToolButton *m_pCancelButton;

signals:
    void KestChangeColor(QColor c);
    void ApplyColor();

public slots:
    void color_clicked();
    void hValueChangedSlot(int h);
    void sValueChangedSlot(int s);
    void vValueChangedSlot(int v);
    void rValueChangedSlot(int r);
    void gValueChangedSlot(int g);
    void bValueChangedSlot(int b);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void hsvBoxChanged(int h, int s, int v);
    void rgbBoxChanged(int red, int green, int blue);
    // Bar, square and preview to c, with c's HSV as the current one.
    void showColor(const QColor &c);

    bool m_bEmit = true;
    double m_dScale;
    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    bool m_bBusy = false;
    QPixmap m_background;
};
