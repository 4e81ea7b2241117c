#include "picturebox.h"
#include "picturecanvas.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QPainter>

PictureBox::PictureBox(Container& container, const QString& name)
    : Control(container, name,
              std::make_unique<PictureCanvas>(nullptr, [this](QPainter& painter) { paintBorder(painter); }),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}),
      m_client(new PictureCanvas(widget(), [this](QPainter& painter) { paintClient(painter); })) {
    m_client->setAutoFillBackground(true); // in BackColor, which it takes from the box
    placeClient();
}

void PictureBox::setPicture(const ::Picture& picture) {
    m_picture = picture;
    if (m_autoSize) fitToPicture();
    m_client->update();
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
    painter.setPen(Qt::black);
    painter.drawRect(widget()->rect().adjusted(0, 0, -1, -1));
}

void PictureBox::paintClient(QPainter& painter) const {
    if (!m_picture.isNull()) painter.drawImage(0, 0, m_picture.image());
}

void PictureBox::fitToPicture() {
    const int border = 2 * borderWidth();
    setSizeInPixels(m_picture.width() + border, m_picture.height() + border);
}

void PictureBox::placeClient() {
    const int border = borderWidth();
    m_client->setGeometry(widget()->rect().adjusted(border, border, -border, -border));
}
