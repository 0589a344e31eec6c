#pragma once
// One DPI stage row of the DPI page: enable box, DPI text, X/Y slider, range texts and
// "Link XY" box. The bars move in sensor register values; DPI is only shown.

#include <QWidget>

class KestLabel;
class KestTwoBarSlider;
class QCheckBox;
class QPalette;

class KestSingleDPI : public QWidget
{
    Q_OBJECT
public:
    KestSingleDPI(QWidget *parent, quint8 stage);

    // Bar range, range texts and whether "Link XY" is offered, for the sensor (and model).
    void setSensor(int sensor);
    // The set* calls show loaded values: they emit none of the user-edit signals, except
    // that setValues reports a value outside the bar's range as its clamp (DPISignal).
    void setValues(int x, int y);
    void setLink(quint8 link);      // linked exactly when link == 1
    void setEnable(quint8 enable);  // checked exactly when enable == 1
    void setRowPalette(const QPalette &palette);
    void applyScale(double scale);

    quint8 stage() const { return m_iStage; }
    int sensor() const { return m_iSensor; }

signals:
    void DPISignal(int x, int y, uchar stage);
    void LinkSignal(uchar link, uchar stage);
    void EnableSignal(uchar enable, uchar stage);
    // A press on the row or one of its labels: make this stage current.
    void MouseinSignal(uchar stage);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(KestLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showValues(int x, int y);

    QCheckBox *m_pLinkBox;
    QCheckBox *m_pEnableBox;
    KestTwoBarSlider *m_pSlider;
    KestLabel *m_pXLabel;
    KestLabel *m_pYLabel;
    KestLabel *m_pValueLabel;
    KestLabel *m_pMinLabel;
    KestLabel *m_pMaxLabel;
    double m_dScaleFactor;
    int m_iSensor = 3325;
    int m_iX = 0;
    int m_iY = 0;
    quint8 m_iStage;
    quint8 m_iLink = 0;
    quint8 m_iEnable = 0;
};
