#pragma once
// The one process-wide UI scale factor. Windows are laid out for 96 DPI and every
// coordinate, font pixel size and skin-image size is multiplied by the factor and
// truncated on its own (never rounded): 75 at 1.25 gives 93.

class QWidget;

extern double g_scaleFactor;  // 1.0 until the main window chooses it

double getScaleFactor();
void setScaleFactor(double factor);
// Geometry (x·f, y·f, w·f, h·f), each product truncated; then stores f as the factor.
// A width and height of 0 on a fixed-size widget only moves it (the toolkit keeps the fixed size).
void setScaledGeometry(QWidget *widget, double factor, int x, int y, int width, int height);
// Multiplies the widget's current geometry by f; leaves the stored factor alone.
void scaleWidgetGeometry(QWidget *widget, double factor);
// trunc(value × factor): the one rounding rule of the kit.
int scaled(int value, double factor);
