#include "textmetrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace {
constexpr int dotsPerMeter96 = 3780;

// Text is measured as it is drawn: at 96 dots per inch, whatever the screen.
const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMeter96);
        image.setDotsPerMeterY(dotsPerMeter96);
        return image;
    }();
    return device;
}
} // namespace

TextMetrics::TextMetrics(const ::Font& font)
    : m_font(font), m_qFont(toQFont(font)), m_metrics(m_qFont, &measuringDevice()) {}

TextRuler TextMetrics::ruler(const QString& text, double unitsPerPixel) const {
    return TextRuler(text, QFontMetricsF(m_metrics), unitsPerPixel);
}

void TextMetrics::draw(QPainter& painter, QPoint topLeft, const QString& text) const {
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + m_metrics.ascent()), text);
}
