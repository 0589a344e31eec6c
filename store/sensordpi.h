#pragma once
// The mouse keeps a DPI stage as the raw register value of its sensor; the relation to
// DPI depends on the sensor chip ("MouseSenSor/1" of Config.ini).

#include <QtGlobal>

// DPI shown for register value `value` of sensor `sensor`; 0 for an unknown sensor.
qint32 SensorValueToDpi(qint32 value, qint32 sensor);
// True when a and b differ by at most 9.
bool IsNear(qint32 a, qint32 b);
