#include "devicelogging.h"

Q_LOGGING_CATEGORY(lcDevice, "veskaro.device", QtInfoMsg)
