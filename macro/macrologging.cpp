#include "macrologging.h"

Q_LOGGING_CATEGORY(lcMacro, "veskaro.macro", QtInfoMsg)
