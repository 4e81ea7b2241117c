#include "backpicture.h"

#include "runtime/vberror.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

// Whether the pattern puts ink at (x, y), measured from the pattern area's top left.
using Pattern = std::function<bool(int x, int y, QSize area)>;

constexpr int kCell = 16;

Pattern patternNamed(const QString& name) {
    if (name == QLatin1String("stripes")) return [](int x, int y, QSize) { return (x + y) / 10 % 2 == 0; };
    if (name == QLatin1String("checks"))
        return [](int x, int y, QSize) { return (x / kCell + y / kCell) % 2 == 0; };
    if (name == QLatin1String("diamonds"))
        return [](int x, int y, QSize) {
            return std::abs(x % kCell - kCell / 2) + std::abs(y % kCell - kCell / 2) < kCell / 2;
        };
    if (name == QLatin1String("rings"))
        return [](int x, int y, QSize area) {
            const double dx = x - area.width() / 2;
            const double dy = y - area.height() / 2;
            return int(std::sqrt(dx * dx + dy * dy)) / 8 % 2 == 0;
        };
    if (name == QLatin1String("dots"))
        return [](int x, int y, QSize) {
            const int dx = x % kCell - kCell / 2;
            const int dy = y % kCell - kCell / 2;
            return dx * dx + dy * dy <= 20;
        };
    if (name == QLatin1String("zigzag"))
        return [](int x, int y, QSize) { return (y + std::abs(x % 24 - 12)) / 8 % 2 == 0; };
    return {};
}

// Ink band, ground gap, then the pattern.
constexpr int kFrame = 4;
constexpr int kGap = 3;

} // namespace

QImage paintBack(const BackDesign& design) {
    const Pattern ink = patternNamed(design.pattern);
    if (!ink || design.size.isEmpty())
        throw VbError(VbError::InvalidPropertyValue,
                      QStringLiteral("No back picture can be painted as '%1'.").arg(design.pattern),
                      QStringLiteral("paintBack"));

    QImage image(design.size, QImage::Format_RGB32);
    const QRgb inkRgb = design.ink.rgb();
    const QRgb groundRgb = design.ground.rgb();
    const int inset = kFrame + kGap;
    const QSize area = design.size - QSize(2 * inset, 2 * inset);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int edge = std::min({x, y, image.width() - 1 - x, image.height() - 1 - y});
            const bool inked = edge < kFrame || (edge >= inset && ink(x - inset, y - inset, area));
            image.setPixel(x, y, inked ? inkRgb : groundRgb);
        }
    }
    return image;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 32-bit images as 24-bit BMP files.
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw VbError(VbError::InvalidPicture, writer.errorString(), QStringLiteral("bmpBytes"));
    return bytes;
}
