#include "widgetslogging.h"

Q_LOGGING_CATEGORY(lcWidgets, "veskaro.widgets", QtInfoMsg)
