#include "picturecanvas.h"

#include <QPainter>

PictureCanvas::PictureCanvas(QWidget* parent, Painter painter)
    : QWidget(parent), m_painter(std::move(painter)) {}

void PictureCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_painter(painter);
}
