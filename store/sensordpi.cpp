#include "sensordpi.h"

#include <limits>

namespace {

// 64-bit inside: a register value read from a file may be anything, and the
// products must not overflow.
using Wide = qint64;

// Cut down to a multiple of ten, as the 3212 tables are.
Wide tens(Wide dpi) { return dpi / 10 * 10; }

Wide sensor3212(Wide v)
{
    if (v <= 63) {
        const Wide dpi = tens(38 * v);
        switch (dpi) {
        case 790: return 800;
        case 1210: return 1200;
        case 1630: return 1600;
        case 2390: return 2400;
        default: return dpi;
        }
    }
    if (v <= 94)
        return tens(76 * (v - 32));
    const Wide dpi = tens(152 * (v - 63));
    return dpi == 7290 ? 7200 : dpi;
}

Wide sensorValueToDpi(Wide v, qint32 sensor)
{
    switch (sensor) {
    case 3325:
    case 33252:
        if (v <= 50)
            return 100 * v;
        if (v <= 75)
            return 5000 + 200 * (v - 50);
        return 10000 + 400 * (v - 75);
    case 3327:
        if (v <= 61)
            return 100 * (v + 1);
        if (v <= 92)
            return 6200 + 200 * (v - 61);
        if (v == 106)
            return 16400;
        return 12300 + 300 * (v - 92);
    case 3311:
    case 3360:
    case 33112:
        return v <= 120 ? 100 * v : 12000 + 200 * (v - 120);
    case 3333:
        return v <= 80 ? 100 * v : 8000 + 200 * (v - 80);
    case 3335:
    case 33352:
        return v <= 160 ? 100 * v : 16000 + 200 * (v - 160);
    case 3370:
        return v <= 200 ? 50 * v : 10000 + 100 * (v - 200);
    case 3389:
        return v <= 320 ? 50 * v : 16000 + 100 * (v - 320);
    case 3395:
    case 33952:
        return v <= 519 ? 50 * (v + 1) : 26000 + 100 * (v - 519);
    case 3399:
        return v <= 399 ? 50 * (v + 1) : 20000 + 100 * (v - 399);
    case 3104:
    case 31042:
        if (v <= 106) {
            const Wide dpi = 40 * v;
            return dpi == 560 ? 500 : dpi;
        }
        return 80 * v - 4240;
    case 3212:
        return sensor3212(v);
    default:
        return 0;
    }
}

} // namespace

qint32 SensorValueToDpi(qint32 value, qint32 sensor)
{
    const Wide dpi = sensorValueToDpi(value, sensor);
    if (dpi > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (dpi < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return qint32(dpi);
}

bool IsNear(qint32 a, qint32 b) { return Wide(b) - 9 <= a && a <= Wide(b) + 9; }
