#pragma once
// What holds controls: a form, a picture box or a frame. Its children are placed in its
// client area, and their positions and sizes are in its scale.

#include <vector>

class Control;
class QWidget;

class Container {
public:
    virtual QWidget* clientArea() = 0;
    virtual int ScaleMode() const = 0; // vbTwips or vbPixels

    // The controls placed in it, in the order they were made; those of a container among
    // them stay with that container. A container outlives its controls: each is made
    // after it, as a member or a local.
    const std::vector<Control*>& controls() const { return m_controls; }

protected:
    ~Container() = default;

private:
    friend class Control; // a control joins its container while it lives
    std::vector<Control*> m_controls;
};
