#include "conversions.h"
#include "vberror.h"

#include <cmath>
#include <limits>

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {
template <typename T> T roundInto(double value) {
    if (std::isnan(value)) throw VbError(VbError::Overflow);
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        throw VbError(VbError::Overflow);
    return static_cast<T>(r);
}
} // namespace

qint16 CInt(double value) {
    return roundInto<qint16>(value);
}
qint32 CLng(double value) {
    return roundInto<qint32>(value);
}

QString vbStr(double value) {
    return QString::number(double(static_cast<float>(value)), 'g', 7);
}
