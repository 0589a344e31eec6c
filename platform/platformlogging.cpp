#include "platformlogging.h"

Q_LOGGING_CATEGORY(lcPlatform, "veskaro.platform", QtInfoMsg)
