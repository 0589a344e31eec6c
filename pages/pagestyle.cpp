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

QString SkinCheckBoxStyleSheet()
{
    const QString dir = AppDir();
    return QString("QCheckBox::indicator:enabled:unchecked { image: url(%1/skin/checkbox1-1.png)}"
                   "QCheckBox::indicator:enabled:checked { image: url(%1/skin/checkbox1-2.png)}"
                   "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(dir);
}

QString ThemeSliderStyleSheet(double scale, const QColor &color)
{
    const int groove = scaled(6, scale);
    const int handle = scaled(12, scale);
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
        groove, r, g, b, r, g, b, groove / 2, groove, groove / 2, handle, r, g, b, groove / 2, groove / 2,
        handle / 2);
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
