#include "cardtext.h"

#include "forms/label.h"
#include "forms/picturebox.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <cmath>

namespace {
const QString kBreakCharacters = QStringLiteral(" .:,;-_!?()/&%<>+*@$[]{}");

// The first count in [low, high) that is too wide, or high when none is: a longer prefix is
// never narrower, so it is found by halving.
template <typename TooWide> qsizetype firstTooWide(qsizetype low, qsizetype high, const TooWide& tooWide) {
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (tooWide(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// The first count of characters from the line's start that measures as wide as the label or
// wider, or size + 1 when the whole line fits. The search steps out from the guess, doubling
// its steps, and halves what is left.
qsizetype firstTooWide(const QString& line, double width, const TextMeasure& measure, qsizetype guess) {
    const auto tooWide = [&](qsizetype count) { return measure(line.left(count)) >= width; };
    const qsizetype end = line.size() + 1;
    guess = std::clamp<qsizetype>(guess, 1, end);
    if (guess > 1 && tooWide(guess - 1)) {
        qsizetype high = guess - 1; // known too wide
        for (qsizetype step = 1;; step *= 2) {
            const qsizetype low = std::max<qsizetype>(1, high - step);
            if (low == high) return high;
            if (!tooWide(low)) return firstTooWide(low + 1, high, tooWide);
            high = low;
        }
    }
    if (guess < end && !tooWide(guess)) {
        qsizetype low = guess; // known to fit
        for (qsizetype step = 1;; step *= 2) {
            const qsizetype high = std::min(end, low + step);
            if (high == end || tooWide(high)) return firstTooWide(low + 1, high, tooWide);
            low = high;
        }
    }
    return guess;
}

// The paragraph's character boundaries on the canvas guess where each of its lines ends.
LineEndGuess lineEndGuess(TextRuler ruler) {
    return [ruler = std::move(ruler)](qsizetype start, double width) {
        const double origin = ruler.x(start);
        const qsizetype near = ruler.boundaryNear(origin + width);
        return near - start + (ruler.x(near) - origin < width ? 1 : 0);
    };
}

// The length of a line: up to the last break character at or before the first character
// that makes it too wide.
qsizetype lineLength(const QString& line, qsizetype tooWide) {
    const qsizetype overflow = std::min(tooWide, line.size()); // characters looked at
    const qsizetype fitting = tooWide > line.size() ? line.size() : tooWide - 1;
    qsizetype breakAt = 0;
    for (qsizetype at = overflow; at > 0 && breakAt == 0; --at)
        if (kBreakCharacters.contains(line.at(at - 1))) breakAt = at;
    if (fitting == line.size() || breakAt == 0) breakAt = fitting;
    return breakAt == 0 ? 1 : breakAt;
}
std::vector<PlacedText> placeLines(const std::vector<WrappedLine>& lines, double width,
                                   const TextMetrics& metrics, TextPlacement placement) {
    std::vector<PlacedText> placed;
    placed.reserve(lines.size());
    const int height = metrics.metrics().height();
    for (const WrappedLine& wrapped : lines) {
        const double indent = placement == TextPlacement::WrappedCentred
                                  ? width / 2 - metrics.widthInPixels(wrapped.text) / 2.0
                                  : 0;
        placed.push_back({wrapped.text, indent, double(wrapped.line * height)});
    }
    return placed;
}

QString printedNumber(double value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + vbStr(value) + QLatin1Char(' ');
}

// The canvas measures in pixels, as the label's place is given.
void printPlaced(PictureBox& canvas, std::vector<PlacedText> placed, const Control& label, QPointF origin) {
    for (PlacedText& piece : placed) {
        piece.x += label.Left() + origin.x();
        piece.y += label.Top() + origin.y();
    }
    canvas.PrintEach(placed);
}
} // namespace

double centredX(double labelLeft, double labelWidth, double textWidth) {
    const float half = float(labelWidth) / 2.0f - float(textWidth) / 2.0f;
    return std::floor(half) + labelLeft;
}

std::vector<PlacedText> placeText(const QString& text, TextPlacement placement, double width,
                                  const TextMetrics& metrics) {
    switch (placement) {
    case TextPlacement::Left:
        return {{text, 0, 0}};
    case TextPlacement::Right:
        return {{text, width - metrics.widthInPixels(text), 0}};
    case TextPlacement::Centred:
        return {{text, centredX(0, width, metrics.widthInPixels(text)), 0}};
    case TextPlacement::Wrapped:
    case TextPlacement::WrappedCentred:
        return placeLines(wrapInFont(text, width, metrics, 1), width, metrics, placement);
    case TextPlacement::Number: {
        bool isNumber = false;
        const double value = text.toDouble(&isNumber);
        return {{isNumber ? printedNumber(value) : text, 0, 0}};
    }
    }
    return {};
}

void printText(PictureBox& canvas, TextPlacement placement, const QString& text, const Control& label,
               QPointF origin) {
    printPlaced(canvas, placeText(text, placement, label.Width(), canvas.textMetrics()), label, origin);
}

void showAsPrinted(Label& label, TextPlacement placement) {
    label.setUseMnemonic(false);
    const bool wrapped = placement == TextPlacement::Wrapped || placement == TextPlacement::WrappedCentred;
    label.setWordWrap(wrapped);
    if (placement == TextPlacement::Centred || placement == TextPlacement::WrappedCentred)
        label.setAlignment(vbCenter);
    else
        label.setAlignment(placement == TextPlacement::Right ? vbRightJustify : vbLeftJustify);
    label.setTextLayout([placement](const QString& caption, const TextMetrics& metrics, double width) {
        return placeText(caption, placement, width, metrics);
    });
}

std::vector<WrappedLine> wrapText(const QString& text, double width, const TextMeasure& measure,
                                  const ParagraphGuess& guess) {
    std::vector<WrappedLine> lines;
    int line = 0;
    for (const QString& paragraph : text.split(QStringLiteral("\r\n"))) {
        if (paragraph.isEmpty()) {
            ++line;
            continue;
        }
        const LineEndGuess lineEnd = guess ? guess(paragraph) : LineEndGuess();
        for (qsizetype start = 0; start < paragraph.size();) {
            const QString rest = paragraph.mid(start);
            const qsizetype tooWide = firstTooWide(rest, width, measure, lineEnd ? lineEnd(start, width) : 1);
            const qsizetype length = lineLength(rest, tooWide);
            lines.push_back({rest.left(length), line++});
            start += length;
        }
    }
    return lines;
}

std::vector<WrappedLine> wrapInFont(const QString& text, double width, const TextMetrics& metrics,
                                    double unitsPerPixel) {
    const auto measure = [&](const QString& piece) { return metrics.widthInPixels(piece) * unitsPerPixel; };
    const auto guess = [&](const QString& paragraph) {
        return lineEndGuess(metrics.ruler(paragraph, unitsPerPixel));
    };
    return wrapText(text, width, measure, guess);
}

void printLines(PictureBox& canvas, const std::vector<WrappedLine>& lines, const Control& label,
                QPointF origin, TextPlacement placement) {
    printPlaced(canvas, placeLines(lines, label.Width(), canvas.textMetrics(), placement), label, origin);
}
