#include "storelogging.h"

Q_LOGGING_CATEGORY(lcStore, "veskaro.store", QtInfoMsg)
