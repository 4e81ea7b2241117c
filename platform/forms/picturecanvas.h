#pragma once
// The client area of a picture box: the widget its children live in and that paints
// what the box shows.

#include <QWidget>
#include <functional>

class PictureCanvas : public QWidget {
public:
    using Painter = std::function<void(QPainter&)>;

    PictureCanvas(QWidget* parent, Painter painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
};
