#include "buttonslogging.h"

Q_LOGGING_CATEGORY(lcButtons, "veskaro.buttons", QtInfoMsg)
