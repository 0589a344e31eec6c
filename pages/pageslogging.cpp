#include "pageslogging.h"

Q_LOGGING_CATEGORY(lcPages, "veskaro.pages", QtInfoMsg)
