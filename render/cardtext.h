#pragma once
// How card texts are placed on a canvas: every element takes the left, top and width of
// the editor's preview label it stands for, never that label's height, alignment or font;
// the canvas's current font gives the look.

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

class Control;
class Label;
class PictureBox;
class TextMetrics;

// Left edge of a text centred on a label: the halves are taken in single precision and
// rounded down, so a text wider than its label starts left of it.
double centredX(double labelLeft, double labelWidth, double textWidth);

// A label inside a box of the card is placed by its own position plus the box's, `origin`.
void printCentred(PictureBox& canvas, const QString& text, const Control& label, QPointF origin = {});
void printRightAligned(PictureBox& canvas, const QString& text, const Control& label);
void printLeftAligned(PictureBox& canvas, const QString& text, const Control& label, QPointF origin = {});
// A number as printing it writes it: a sign place (a blank for a positive number), the
// digits and a blank.
QString printedNumber(double value);

// The watermark is the one text drawn in its label's own font and colour.
void printWatermark(PictureBox& canvas, const Label& watermark, QPointF origin = {});

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

// Where each line of a wrapped text starts: at the label's left edge, or centred on it
// (without rounding, unlike printCentred).
enum class LinePlacement { Left, Centred };

// Draws the wrapped text from the label's top, one text height per line, however many
// lines it takes.
void printWrapped(PictureBox& canvas, const QString& text, const Control& label, QPointF origin = {},
                  LinePlacement placement = LinePlacement::Left);
// The same with the lines wrapped already (by wrapInFont, in the canvas's font and scale).
void printLines(PictureBox& canvas, const std::vector<WrappedLine>& lines, const Control& label,
                QPointF origin = {}, LinePlacement placement = LinePlacement::Left);
