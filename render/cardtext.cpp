#include "cardtext.h"

#include "forms/picturebox.h"

#include <algorithm>
#include <cmath>

namespace {
const QString kBreakCharacters = QStringLiteral(" .:,;-_!?()/&%<>+*@$[]{}");

void printAt(PictureBox& canvas, const QString& text, double x, double y) {
    canvas.setCurrentX(x);
    canvas.setCurrentY(y);
    canvas.Print(text);
}

// The length of the next line of a paragraph that is not empty: up to the last break
// character at or before the first character that makes the line too wide.
qsizetype lineLength(const QString& paragraph, double width, const TextMeasure& measure) {
    // A longer prefix is never narrower, so the first one too wide is found by halving.
    qsizetype low = 1, high = paragraph.size() + 1; // high: the first count known too wide
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (measure(paragraph.left(middle)) >= width)
            high = middle;
        else
            low = middle + 1;
    }
    const qsizetype overflow = std::min(low, paragraph.size()); // characters looked at
    const qsizetype fitting = low > paragraph.size() ? paragraph.size() : low - 1;
    qsizetype breakAt = 0;
    for (qsizetype at = overflow; at > 0 && breakAt == 0; --at)
        if (kBreakCharacters.contains(paragraph.at(at - 1))) breakAt = at;
    if (fitting == paragraph.size() || breakAt == 0) breakAt = fitting;
    return breakAt == 0 ? 1 : breakAt;
}
} // namespace

double centredX(double labelLeft, double labelWidth, double textWidth) {
    const float half = float(labelWidth) / 2.0f - float(textWidth) / 2.0f;
    return std::floor(half) + labelLeft;
}

void printCentred(PictureBox& canvas, const QString& text, const Control& label) {
    printAt(canvas, text, centredX(label.Left(), label.Width(), canvas.TextWidth(text)), label.Top());
}

void printRightAligned(PictureBox& canvas, const QString& text, const Control& label) {
    printAt(canvas, text, label.Left() + label.Width() - canvas.TextWidth(text), label.Top());
}

void printLeftAligned(PictureBox& canvas, const QString& text, const Control& label) {
    printAt(canvas, text, label.Left(), label.Top());
}

std::vector<WrappedLine> wrapText(const QString& text, double width, const TextMeasure& measure) {
    std::vector<WrappedLine> lines;
    int line = 0;
    for (QString paragraph : text.split(QStringLiteral("\r\n"))) {
        if (paragraph.isEmpty()) {
            ++line;
            continue;
        }
        while (!paragraph.isEmpty()) {
            const qsizetype length = lineLength(paragraph, width, measure);
            lines.push_back({paragraph.left(length), line++});
            paragraph.remove(0, length);
        }
    }
    return lines;
}

void printWrapped(PictureBox& canvas, const QString& text, const Control& label) {
    const auto measure = [&canvas](const QString& piece) { return canvas.TextWidth(piece); };
    for (const WrappedLine& wrapped : wrapText(text, label.Width(), measure))
        printAt(canvas, wrapped.text, label.Left(),
                label.Top() + wrapped.line * canvas.TextHeight(wrapped.text));
}
