#pragma once
// Looks shared by the settings pages: the translucent page background, the skinned
// check box, the theme-coloured slider and the white text palette.

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include "skincheckbox.h"

class QCheckBox;
class QSpinBox;
class QWidget;

// "background-color: rgba(33,35,35,0.5)" as a styled background.
void ApplyPageBackground(QWidget *widget);
// A slider whose groove is the theme colour left of the handle and grey right of it; the
// round handle stands as tall as it is wide at every scale.
QString ThemeSliderStyleSheet(double scale, const QColor &color);
// A vertical scroll bar `width` design pixels wide, scaled: a dark groove, grey arrow boxes with
// light arrows and a handle in `handle`, so no part falls back to the toolkit's bare outlines.
QString ScrollBarStyleSheet(double scale, int width, const QColor &handle);
// `base` with the window text in `color`.
QPalette TextPalette(const QPalette &base, const QColor &color);
// The design rectangle at scale 1.0 with each value scaled on its own (scaled() of the kit).
QRect ScaledRect(double scale, int x, int y, int width, int height);
// The language's font on a check box, narrowed where its caption would not fit beside the
// indicator (long translations); call after its text or geometry changes.
void FitCheckBoxText(QCheckBox *box);
// The language's font on a spin box, narrowed where its widest value (prefix, maximum,
// suffix) would not fit the edit field; call after its geometry changes.
void FitSpinBoxText(QSpinBox *box);
