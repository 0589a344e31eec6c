#include "applogging.h"

Q_LOGGING_CATEGORY(lcApp, "veskaro.app", QtInfoMsg)
