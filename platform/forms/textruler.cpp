#include "textruler.h"

#include <QFontMetricsF>
#include <algorithm>

TextRuler::TextRuler(const QString& text, const QFontMetricsF& metrics, double unitsPerPixel)
    : m_unitsPerPixel(unitsPerPixel) {
    m_pixels.reserve(std::size_t(text.size()) + 1);
    double x = 0;
    m_pixels.push_back(x);
    for (const QChar c : text)
        m_pixels.push_back(x += metrics.horizontalAdvance(c));
}

double TextRuler::x(qsizetype n) const {
    const qsizetype boundary = std::clamp<qsizetype>(n, 0, qsizetype(m_pixels.size()) - 1);
    return qRound(m_pixels[std::size_t(boundary)]) * m_unitsPerPixel;
}

qsizetype TextRuler::boundaryNear(double x) const {
    const double pixels = x / m_unitsPerPixel;
    const auto after = std::lower_bound(m_pixels.begin(), m_pixels.end(), pixels);
    if (after == m_pixels.begin()) return 0;
    if (after == m_pixels.end()) return qsizetype(m_pixels.size()) - 1;
    const auto before = after - 1;
    return (pixels - *before <= *after - pixels ? before : after) - m_pixels.begin();
}
