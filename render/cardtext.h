#pragma once
// How card texts are placed on a canvas: every element takes the left, top and width of
// the editor's preview label it stands for, never that label's height, alignment or font;
// the canvas's current font gives the look. The preview's labels draw their texts by the
// same placing, so the preview shows what is printed.

#include "forms/textmetrics.h"

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

class Control;
class Label;
class PictureBox;

// Left edge of a text centred on a label: the halves are taken in single precision and
// rounded down, so a text wider than its label starts left of it.
double centredX(double labelLeft, double labelWidth, double textWidth);

// How a text stands on its label.
enum class TextPlacement {
    Left,           // from the label's left edge
    Right,          // ending at its right edge
    Centred,        // centred by centredX
    Wrapped,        // wrapped to the label's width, each line from the left edge
    WrappedCentred, // wrapped, each line centred without rounding (unlike centredX)
    Number,         // a number as printing writes it: a sign place (a blank for a positive
                    // number), the digits and a blank; from the left edge
};

// Where the pieces of the text stand, in pixels from the label's top-left corner, for a
// label `width` pixels wide, in the font `metrics` measures. Wrapped lines follow one
// another by the text height, however many there are.
std::vector<PlacedText> placeText(const QString& text, TextPlacement placement, double width,
                                  const TextMetrics& metrics);

// Prints the text on a canvas in pixels, in its font, as placed on the label. A label
// inside a box of the card is placed by its own position plus the box's, `origin`.
void printText(PictureBox& canvas, TextPlacement placement, const QString& text, const Control& label,
               QPointF origin = {});

// A preview label has its caption drawn as printText prints it, in the label's font and
// colour, by the text layer of its card box (cardtextrows.h): the preview shows the texts as
// they are printed. The label is a card's text, so an "&" in it is no access key; its
// alignment and word wrap follow the placement.
void showAsPrinted(Label& label, TextPlacement placement);

// One line of a wrapped text and its line number, blank lines counted.
struct WrappedLine {
    QString text;
    int line;
    bool operator==(const WrappedLine&) const = default;
};

using TextMeasure = std::function<double(const QString&)>;
// For a line starting `start` characters into its paragraph, a guess at the first count of
// its characters that is too wide for `width`.
using LineEndGuess = std::function<qsizetype(qsizetype start, double width)>;
using ParagraphGuess = std::function<LineEndGuess(const QString& paragraph)>;

// Paragraphs end at CR LF only; a line breaks after the last break character that fits, or
// hard after the last character that fits, and takes at least one character. A guess only
// says where to start looking: the measure decides, so the lines are the same with any
// guess or none, and a right guess takes two measurements a line.
std::vector<WrappedLine> wrapText(const QString& text, double width, const TextMeasure& measure,
                                  const ParagraphGuess& guess = {});

// The text wrapped as a canvas in the font and scale (units in a pixel) measures it.
std::vector<WrappedLine> wrapInFont(const QString& text, double width, const TextMetrics& metrics,
                                    double unitsPerPixel);

// Prints lines wrapped already (by wrapInFont, in the canvas's font and scale) as
// printText prints them wrapped.
void printLines(PictureBox& canvas, const std::vector<WrappedLine>& lines, const Control& label,
                QPointF origin = {}, TextPlacement placement = TextPlacement::Wrapped);
