#include "picturebox.h"
#include "picturecanvas.h"
#include "runtime/colour.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int dotsPerMeter96 = 3780;

QImage blankImage(int width, int height) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter96);
    image.setDotsPerMeterY(dotsPerMeter96);
    return image;
}

void setPixel(QImage& image, int x, int y, QRgb rgb) {
    if (image.rect().contains(x, y)) image.setPixel(x, y, rgb);
}

// The pixels of the rectangle that lie in the image, as setPixel sets them, a row at a time.
void fillPixels(QImage& image, int left, int top, int right, int bottom, QRgb rgb) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width() - 1);
    bottom = std::min(bottom, image.height() - 1);
    if (left > right || top > bottom) return;
    if (image.format() != QImage::Format_RGB32) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                image.setPixel(x, y, rgb);
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + left, row + right + 1, rgb | 0xFF000000u);
    }
}
} // namespace

PictureBox::PictureBox(Container& container, const QString& name)
    : Control(container, name,
              std::make_unique<PictureCanvas>(nullptr, [this](QPainter& painter) { paintBorder(painter); }),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}),
      m_client(new PictureCanvas(widget(), [this](QPainter& painter) { paintClient(painter); })) {
    placeClient();
}

void PictureBox::setPicture(const ::Picture& picture) {
    m_picture = picture;
    if (m_autoSize) {
        // The image is made afresh just below: the resize need not carry the old one over.
        const QScopedValueRollback holding(m_holdImage, true);
        fitToPicture();
    }
    renewImage();
}

void PictureBox::setBackColor(qint32 bgr) {
    Control::setBackColor(bgr);
    renewImage();
}

void PictureBox::Cls() {
    renewImage();
    m_currentX = 0.0;
    m_currentY = 0.0;
}

double PictureBox::CurrentX() const {
    return fromPixels(m_currentX);
}

void PictureBox::setCurrentX(double x) {
    m_currentX = toPixels(x);
}

double PictureBox::CurrentY() const {
    return fromPixels(m_currentY);
}

void PictureBox::setCurrentY(double y) {
    m_currentY = toPixels(y);
}

void PictureBox::Print(const QString& text) {
    std::optional<QPainter> painter;
    printLine(startText(painter), text);
    changed();
}

void PictureBox::PrintEach(const std::vector<PlacedText>& texts) {
    std::optional<QPainter> painter;
    QPainter* drawing = startText(painter);
    for (const PlacedText& placed : texts) {
        m_currentX = toPixels(placed.x);
        m_currentY = toPixels(placed.y);
        printLine(drawing, placed.text);
    }
    changed();
}

QPainter* PictureBox::startText(std::optional<QPainter>& painter) {
    if (m_image.isNull()) return nullptr;
    painter.emplace(&m_image);
    painter->setFont(textMetrics().qFont());
    painter->setPen(displayColour(ForeColor()));
    return &*painter;
}

void PictureBox::printLine(QPainter* painter, const QString& text) {
    const QFontMetrics& metrics = textMetrics().metrics();
    if (painter)
        textMetrics().draw(*painter, QPoint(int(roundHalfEven(m_currentX)), int(roundHalfEven(m_currentY))),
                           text);
    m_currentX = 0.0;
    m_currentY += metrics.height();
}

double PictureBox::TextWidth(const QString& text) const {
    return fromPixels(textMetrics().widthInPixels(text));
}

TextRuler PictureBox::Ruler(const QString& text) const {
    return textMetrics().ruler(text, fromPixels(1));
}

double PictureBox::TextHeight(const QString&) const {
    return fromPixels(textMetrics().metrics().height());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, qint32 colour, LineShape shape) {
    const int ax = pixelOf(x1), ay = pixelOf(y1), bx = pixelOf(x2), by = pixelOf(y2);
    const QRgb rgb = displayColour(colour).rgb();
    const int left = std::min(ax, bx), right = std::max(ax, bx);
    const int top = std::min(ay, by), bottom = std::max(ay, by);
    switch (shape) {
    case LineShape::FilledBox:
        fillPixels(m_image, left, top, right, bottom, rgb);
        break;
    case LineShape::Box:
        fillPixels(m_image, left, top, right, top, rgb);
        fillPixels(m_image, left, bottom, right, bottom, rgb);
        fillPixels(m_image, left, top, left, bottom, rgb);
        fillPixels(m_image, right, top, right, bottom, rgb);
        break;
    case LineShape::Line: {
        // Bresenham from the first point up to, not including, the last.
        const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
        const int stepX = ax < bx ? 1 : -1, stepY = ay < by ? 1 : -1;
        int error = dx + dy;
        for (int x = ax, y = ay; x != bx || y != by;) {
            setPixel(m_image, x, y, rgb);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += stepX;
            }
            if (twice <= dx) {
                error += dx;
                y += stepY;
            }
        }
        break;
    }
    }
    m_currentX = toPixels(x2);
    m_currentY = toPixels(y2);
    changed();
}

void PictureBox::PSet(double x, double y, qint32 colour) {
    setPixel(m_image, pixelOf(x), pixelOf(y), displayColour(colour).rgb());
    m_currentX = toPixels(x);
    m_currentY = toPixels(y);
    changed();
}

qint32 PictureBox::Point(double x, double y) const {
    const int px = pixelOf(x), py = pixelOf(y);
    if (!m_image.rect().contains(px, py)) return -1;
    return fromQColor(QColor(m_image.pixel(px, py)));
}

void PictureBox::PaintPicture(const ::Picture& picture, double x, double y, std::optional<double> width,
                              std::optional<double> height, std::optional<SourceRect> source) {
    if (picture.isNull() || m_image.isNull()) return;
    const QRect from = source ? QRect(pixelOf(source->x), pixelOf(source->y), pixelOf(source->width),
                                      pixelOf(source->height))
                              : picture.image().rect();
    const QRect to(pixelOf(x), pixelOf(y), width ? pixelOf(*width) : from.width(),
                   height ? pixelOf(*height) : from.height());
    if (from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) return;
    // Cut the source to the picture and the destination with it, in the same proportion.
    const QRect inside = from & picture.image().rect();
    if (inside.isEmpty()) return;
    const double scaleX = double(to.width()) / from.width(), scaleY = double(to.height()) / from.height();
    const QRectF target(to.x() + (inside.x() - from.x()) * scaleX, to.y() + (inside.y() - from.y()) * scaleY,
                        inside.width() * scaleX, inside.height() * scaleY);
    if (to.size() == from.size() && copyOpaque(picture.image(), inside, target.topLeft().toPoint())) {
        changed();
        return;
    }
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, picture.image(), QRectF(inside));
    }
    changed();
}

// An opaque picture drawn at its own size covers the pixels under it: its rows are copied as
// QPainter copies them, without a painter.
bool PictureBox::copyOpaque(const QImage& picture, QRect source, QPoint at) {
    if (picture.format() != QImage::Format_RGB32 || m_image.format() != QImage::Format_RGB32) return false;
    const QRect target = QRect(at, source.size()) & m_image.rect();
    if (target.isEmpty()) return true;
    source = QRect(source.topLeft() + (target.topLeft() - at), target.size());
    const auto rowBytes = std::size_t(target.width()) * sizeof(QRgb);
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(m_image.scanLine(target.y() + y) + std::size_t(target.x()) * sizeof(QRgb),
                    picture.constScanLine(source.y() + y) + std::size_t(source.x()) * sizeof(QRgb), rowBytes);
    return true;
}

void PictureBox::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    if (m_autoSize) fitToPicture();
}

void PictureBox::setBorderStyle(int borderStyle) {
    if (borderStyle != vbBSNone && borderStyle != vbFixedSingle) throw VbError(VbError::InvalidPropertyValue);
    m_borderStyle = borderStyle;
    if (m_autoSize)
        fitToPicture();
    else
        placeClient();
    widget()->update();
}

void PictureBox::setScaleMode(int scaleMode) {
    checkScaleMode(scaleMode);
    m_scaleMode = scaleMode;
}

QWidget* PictureBox::clientArea() {
    return m_client;
}

void PictureBox::showGeometry() {
    Control::showGeometry();
    placeClient();
}

void PictureBox::paintBorder(QPainter& painter) const {
    if (m_borderStyle != vbFixedSingle) return;
    // Four filled lines, as the canvas draws a box: a stroked rectangle loses its last corner
    // when the box reaches out of its container.
    const QRect box = widget()->rect();
    for (const QRect& side :
         {QRect(box.left(), box.top(), box.width(), 1), QRect(box.left(), box.bottom(), box.width(), 1),
          QRect(box.left(), box.top(), 1, box.height()), QRect(box.right(), box.top(), 1, box.height())})
        painter.fillRect(side, Qt::black);
}

void PictureBox::paintClient(QPainter& painter) const {
    painter.drawImage(0, 0, m_image);
}

void PictureBox::fitToPicture() {
    const int border = 2 * borderWidth();
    setSizeInPixels(m_picture.width() + border, m_picture.height() + border);
}

void PictureBox::placeClient() {
    const int border = borderWidth();
    m_client->setGeometry(widget()->rect().adjusted(border, border, -border, -border));
    if (!m_holdImage && m_client->size() != m_image.size()) renewImage(m_image);
}

double PictureBox::toPixels(double value) const {
    return m_scaleMode == vbTwips ? value / twipsPerPixel : value;
}

double PictureBox::fromPixels(double pixels) const {
    return m_scaleMode == vbTwips ? pixels * twipsPerPixel : pixels;
}

int PictureBox::pixelOf(double value) const {
    return int(roundHalfEven(toPixels(value)));
}

void PictureBox::renewImage(const QImage& keep) {
    const QImage& picture = m_picture.image();
    // A picture that covers the client area exactly, in the image's own format, is the image:
    // it is shared until something is drawn, instead of filled and painted over.
    if (keep.isNull() && picture.size() == m_client->size() && picture.format() == QImage::Format_RGB32 &&
        picture.dotsPerMeterX() == dotsPerMeter96 && picture.dotsPerMeterY() == dotsPerMeter96) {
        m_image = picture;
        changed();
        return;
    }
    m_image = blankImage(m_client->width(), m_client->height());
    m_image.fill(displayColour(BackColor()));
    if (!m_image.isNull() && (!picture.isNull() || !keep.isNull())) {
        QPainter painter(&m_image);
        if (!picture.isNull()) painter.drawImage(0, 0, picture);
        if (!keep.isNull()) painter.drawImage(0, 0, keep);
    }
    changed();
}

void PictureBox::changed() {
    m_client->update();
}
