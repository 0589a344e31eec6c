#pragma once
// A clickable swatch of one colour: the lighting page's colour, the dialog's quick colours.

#include <QColor>
#include <QWidget>

class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    DefaultColorArea(QWidget *parent, const QColor &colour);

    void setColor(const QColor &colour);
    QColor color() const { return m_color; }

signals:
    // Any mouse button pressed on the swatch.
    void ClickedSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_color;
};
