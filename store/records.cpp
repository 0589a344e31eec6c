#include "records.h"

DeviceConfig g_deviceConfig;
DeviceConfig g_loadedDeviceConfig;
quint8 g_buttonMatrix[kButtonMatrixSize] = {};
