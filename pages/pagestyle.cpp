#include "pagestyle.h"

#include "configuredfont.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>

#include "scale.h"
#include "settings.h"

#include <QWidget>

void ApplyPageBackground(QWidget *widget)
{
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setStyleSheet("background-color: rgba(33,35,35,0.5)");
}

QString ThemeSliderStyleSheet(double scale, const QColor &color)
{
    const int groove = scaled(6, scale);
    const int handle = scaled(12, scale);
    // The handle reaches past the groove by these margins, so it is `handle` tall as well as wide
    // and the radius of half its size keeps it round (a radius past half a side draws a square).
    const int above = (handle - groove) / 2;
    const int below = handle - groove - above;
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    return QString::asprintf(
        "QSlider{background: qrgb(0,0,0,0%%);}"
        "QSlider::groove:horizontal{height:%dpx;background:qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 rgb(%d,%d,%d), stop:1 rgb(%d,%d,%d));;border-radius:%dpx;}"
        "QSlider::add-page:horizontal{height:%dpx;background:rgb(150,150,150);border-radius:%dpx;}"
        "QSlider::handle:horizontal{width:%dpx;background:rgba(%d,%d,%d,255);margin:-%dpx 0px -%dpx 0px;"
        "border-radius:%dpx;}",
        groove, r, g, b, r, g, b, groove / 2, groove, groove / 2, handle, r, g, b, above, below, handle / 2);
}

QString ScrollBarStyleSheet(double scale, int width, const QColor &handle)
{
    const int w = qMax(1, scaled(width, scale));
    const int minimum = scaled(20, scale);
    const QString skin = AppDir() + "/skin/";
    // A border image stretches the skin's arrows to the box at every scale.
    const QString arrows = QString("QScrollBar::up-arrow:vertical{border-image:url(%1scroll_up.png);width:%2px;height:%2px;}"
                                   "QScrollBar::down-arrow:vertical{border-image:url(%1scroll_down.png);width:%2px;"
                                   "height:%2px;}")
                               .arg(skin)
                               .arg(w);
    return arrows + QString::asprintf(
        "QScrollBar:vertical{width:%dpx;background:rgb(30,30,30);border:0px;margin:%dpx 0px %dpx 0px;}"
        "QScrollBar::handle:vertical{background:rgb(%d,%d,%d);min-height:%dpx;border-radius:%dpx;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:rgb(30,30,30);}"
        "QScrollBar::add-line:vertical{height:%dpx;background:rgb(50,50,50);border:0px;"
        "subcontrol-position:bottom;subcontrol-origin:margin;}"
        "QScrollBar::sub-line:vertical{height:%dpx;background:rgb(50,50,50);border:0px;"
        "subcontrol-position:top;subcontrol-origin:margin;}",
        w, w, w, handle.red(), handle.green(), handle.blue(), minimum, w / 2, w, w);
}

QPalette TextPalette(const QPalette &base, const QColor &color)
{
    QPalette palette(base);
    palette.setColor(QPalette::WindowText, color);
    return palette;
}

QRect ScaledRect(double scale, int x, int y, int width, int height)
{
    return QRect(scaled(x, scale), scaled(y, scale), scaled(width, scale), scaled(height, scale));
}

void FitCheckBoxText(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const int room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    box->setFont(FittedFont(ConfiguredFont(), box->text(), room));
}

void FitSpinBoxText(QSpinBox *box)
{
    // The edit field as the box lays it out, from its geometry: a hidden box has had no
    // resize event yet.
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    option.buttonSymbols = box->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp
                         | QStyle::SC_SpinBoxDown;
    const QRect field = box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, box);
    // The line edit keeps 2 px clear on each side and scrolls once text and cursor need more.
    constexpr int kEditMargins = 2 * 2 + 1;
    const QString widest = box->prefix() + QString::number(box->maximum()) + box->suffix();
    box->setFont(FittedFont(ConfiguredFont(), widest, field.width() - kEditMargins));
}
