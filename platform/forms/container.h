#pragma once
// What holds controls: a form, a picture box or a frame. Its children are placed in its
// client area, and their positions and sizes are in its scale.

class QWidget;

class Container {
public:
    virtual QWidget* clientArea() = 0;
    virtual int ScaleMode() const = 0; // vbTwips or vbPixels

protected:
    ~Container() = default;
};
