#pragma once
// A picture box: a container that shows its BackColor and its Picture at the top left of
// its client area. BorderStyle 1 is a flat 1-pixel border, and the client area, with the
// children in it, moves in by that pixel. With AutoSize the box sizes itself so the client
// area holds the picture exactly; an empty picture leaves nothing of the previous one,
// neither its pixels nor, with AutoSize, its size.
//
// Everything drawn on a box is kept in an image of its client area (back colour, the
// picture at the top left, then the drawing), which can be read and drawn on while the
// box is hidden. Setting BackColor or Picture, and Cls, start that image afresh. Positions
// and sizes of the drawing methods are in the box's own ScaleMode; pixels go by the shared
// rounding, halves to even. Text is drawn in Font and ForeColor without filling behind it.

#include "container.h"
#include "control.h"
#include "runtime/picture.h"
#include "textmetrics.h"
#include "textruler.h"

#include <QImage>
#include <optional>
#include <vector>

class PictureCanvas;
class QPainter;

constexpr int vbBSNone = 0;
constexpr int vbFixedSingle = 1;

// What Line draws: a line, a box outline, or a filled box.
enum class LineShape { Line, Box, FilledBox };

class PictureBox : public Control, public Container {
public:
    PictureBox(Container& container, const QString& name);

    const ::Picture& Picture() const { return m_picture; }
    void setPicture(const ::Picture& picture);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int borderStyle); // raises 380 for anything but 0 and 1

    int ScaleMode() const override { return m_scaleMode; }
    void setScaleMode(int scaleMode); // raises 380 for anything but vbTwips and vbPixels
    QWidget* clientArea() override;

    // Hides Control::setBackColor: a new back colour erases the drawing.
    void setBackColor(qint32 bgr);

    // The drawing.
    void Cls(); // also puts CurrentX and CurrentY back to 0
    double CurrentX() const;
    void setCurrentX(double x);
    double CurrentY() const;
    void setCurrentY(double y);
    // Draws the text at the current position; the next line starts below it at x 0.
    void Print(const QString& text);
    // Prints each text from its place, as setting CurrentX and CurrentY and Print would.
    void PrintEach(const std::vector<PlacedText>& texts);
    double TextWidth(const QString& text) const;
    // The text's character boundaries in the box's font and scale (see TextRuler).
    TextRuler Ruler(const QString& text) const;
    double TextHeight(const QString& text) const;
    // The three above measure with textMetrics() (measuring is the hot path of composing a
    // card). The box's scale units in a pixel, by which its pixels are multiplied:
    double unitsPerPixel() const { return fromPixels(1); }
    // Both corners belong to a box; a line leaves out its last point. The current
    // position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, qint32 colour, LineShape shape = LineShape::Line);
    void PSet(double x, double y, qint32 colour);
    qint32 Point(double x, double y) const; // -1 outside the client area
    // Draws (part of) a picture, stretched to the destination size when one is given. Only
    // pixels inside the picture are read.
    struct SourceRect {
        double x, y, width, height;
    };
    void PaintPicture(const ::Picture& picture, double x, double y, std::optional<double> width = {},
                      std::optional<double> height = {}, std::optional<SourceRect> source = {});
    ::Picture Image() const { return ::Picture(m_image); }

protected:
    void showGeometry() override;

private:
    int borderWidth() const { return m_borderStyle == vbFixedSingle ? 1 : 0; }
    void paintBorder(QPainter& painter) const;
    void paintClient(QPainter& painter) const;
    void fitToPicture();
    void placeClient();
    double toPixels(double value) const;
    double fromPixels(double pixels) const;
    int pixelOf(double value) const;
    // Back colour and picture under what the old image held, in the client's size.
    void renewImage(const QImage& keep = {});
    // A painter for text on the image, none without an image; each line then moves the
    // current position to the start of the next.
    QPainter* startText(std::optional<QPainter>& painter);
    void printLine(QPainter* painter, const QString& text);
    // False when the picture needs a painter (not both opaque in the same format).
    bool copyOpaque(const QImage& picture, QRect source, QPoint at);
    void changed();

    PictureCanvas* m_client; // a child of the box's widget
    ::Picture m_picture;
    bool m_autoSize = false;
    int m_borderStyle = vbFixedSingle;
    int m_scaleMode = vbTwips;
    QImage m_image;
    bool m_holdImage = false; // while setPicture resizes the box, before it renews the image
    double m_currentX = 0.0;  // pixels, so that a switch of ScaleMode keeps the place
    double m_currentY = 0.0;
};
