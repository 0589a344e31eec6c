#pragma once
// The check box of the pages and dialogs, drawn with the skin's pictures.

#include <QString>

// The checkbox1-1/checkbox1-2 images as the indicator, stretched to the scale.
QString SkinCheckBoxStyleSheet(double scale);
