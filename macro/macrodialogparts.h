#pragma once
// What the files of MacroDialog share: the step table's column width, the macro files' suffix
// and the texts of the mouse buttons and movements (translated in MacroDialog's context).

#include "macrosteps.h"

#include <QtGlobal>

constexpr int kColumnWidth = 160;
constexpr const char *kMacroSuffix = ".MSMACRO";

inline constexpr const char *kButtonTexts[kMouseButtonCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"),
    QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"),
    QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD")};
inline constexpr const char *kMoveTexts[4] = {QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"),
                                              QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
                                              QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
                                              QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN")};
