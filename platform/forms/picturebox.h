#pragma once
// A picture box: a container that shows its BackColor and its Picture at the top left of
// its client area. BorderStyle 1 is a flat 1-pixel border, and the client area, with the
// children in it, moves in by that pixel. With AutoSize the box sizes itself so the client
// area holds the picture exactly; an empty picture leaves nothing of the previous one,
// neither its pixels nor, with AutoSize, its size.

#include "container.h"
#include "control.h"
#include "runtime/picture.h"

class PictureCanvas;
class QPainter;

constexpr int vbBSNone = 0;
constexpr int vbFixedSingle = 1;

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

protected:
    void showGeometry() override;

private:
    int borderWidth() const { return m_borderStyle == vbFixedSingle ? 1 : 0; }
    void paintBorder(QPainter& painter) const;
    void paintClient(QPainter& painter) const;
    void fitToPicture();
    void placeClient();

    PictureCanvas* m_client; // a child of the box's widget
    ::Picture m_picture;
    bool m_autoSize = false;
    int m_borderStyle = vbFixedSingle;
    int m_scaleMode = vbTwips;
};
