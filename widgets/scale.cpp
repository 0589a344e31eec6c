#include "scale.h"

#include <QRect>
#include <QWidget>

double g_scaleFactor = 1.0;

double getScaleFactor() { return g_scaleFactor; }

void setScaleFactor(double factor) { g_scaleFactor = factor; }

int scaled(int value, double factor) { return int(value * factor); }

void setScaledGeometry(QWidget *widget, double factor, int x, int y, int width, int height)
{
    widget->setGeometry(scaled(x, factor), scaled(y, factor), scaled(width, factor), scaled(height, factor));
    g_scaleFactor = factor;
}

void scaleWidgetGeometry(QWidget *widget, double factor)
{
    const QRect r = widget->geometry();
    widget->setGeometry(scaled(r.x(), factor), scaled(r.y(), factor), scaled(r.width(), factor),
                        scaled(r.height(), factor));
}
