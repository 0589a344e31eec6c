#include "records.h"

#include "settings.h"

DeviceConfig g_deviceConfig;
DeviceConfig g_loadedDeviceConfig;
quint8 g_buttonMatrix[kButtonMatrixSize] = {};

int LightingProfileIndex(const DeviceConfig &config, const QString &productName)
{
    return productName == QLatin1String("4671") ? 0 : CurrentProfileIndex(config);
}

int LightingProfileIndex(const DeviceConfig &config)
{
    return LightingProfileIndex(config, GetCurrentProductName());
}
